#include "entry/field_checks.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "support/fakes.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

TEST(NumericTest, AcceptsDecimalFormsOnly) {
  for (const auto& c : caseTable("screens/numeric_texts.cases", 2)) {
    EXPECT_EQ(isNumeric(c[0]), c[1] == "yes") << '"' << c[0] << '"';
  }
  EXPECT_FALSE(isNumeric("\t1"));
}

// Runs the named check on the box once ("set"), or attaches it so that every later change
// of the box runs it ("typed"). Checks: "dms KIND", "number LENGTH DECIMALS", "seconds LENGTH
// DECIMALS", "icao", "date".
void applyCheck(Dialogs& dialogs, TextBox& box, bool attached, const std::string& check) {
  std::istringstream words(check);
  std::string name, kindName;
  int maxLength = 0, maxDecimals = 0;
  words >> name;
  if (name == "dms") {
    words >> kindName;
    const std::map<std::string, DmsKind> kinds{{"Deg", DmsKind::Deg},
                                               {"DegLat", DmsKind::DegLat},
                                               {"Min", DmsKind::Min},
                                               {"Sec", DmsKind::Sec}};
    ASSERT_TRUE(kinds.contains(kindName)) << check;
    attached ? attachDmsCheck(dialogs, box, kinds.at(kindName))
             : checkDms(dialogs, kinds.at(kindName), box);
  } else if (name == "number" && words >> maxLength >> maxDecimals) {
    attached ? attachNumberCheck(dialogs, box, maxLength, maxDecimals)
             : checkNumber(dialogs, box, maxLength, maxDecimals);
  } else if (name == "seconds" && attached && words >> maxLength >> maxDecimals) {
    attachSecondsCheck(dialogs, box, maxLength, maxDecimals);
  } else if (name == "icao") {
    attached ? attachIcaoCheck(dialogs, box) : checkIcaoCode(dialogs, box);
  } else if (name == "date" && !attached) {
    checkSurveyDate(dialogs, box);
  } else {
    FAIL() << "no such check: " << check;
  }
}

// A text set in one piece (a paste or a loader) runs its check once; a text typed key by key
// runs it at every key, and a refused box starts over empty.
TEST(CheckTest, EachCheckRefusesOrKeepsTheText) {
  for (const auto& c : caseTable("screens/field_checks.cases", 5)) {
    const std::string &how = c[0], &check = c[1], &text = c[2], &message = c[3], &left = c[4];
    SCOPED_TRACE(how + " " + check + " \"" + text + "\"");
    ScriptedDialogs dialogs;
    TextBox box("Text1A", nullptr);
    if (how == "typed") {
      applyCheck(dialogs, box, true, check);
      for (const char key : text) box.setText(box.text() + key);
    } else {
      box.setText(text);
      applyCheck(dialogs, box, false, check);
    }
    EXPECT_EQ(dialogs.texts(),
              message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
    for (const auto& shown : dialogs.shown) {
      EXPECT_EQ(shown, notice(message, check == "date" ? kProgramTitle : ""));
    }
    EXPECT_EQ(box.text(), left);
  }
}

}  // namespace
}  // namespace survey::testing
