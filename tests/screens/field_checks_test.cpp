#include "entry/field_checks.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace survey::testing {
namespace {

constexpr const char* kImproper = ":  Improper Entry";

TEST(NumericTest, AcceptsDecimalFormsOnly) {
  const struct {
    const char* text;
    bool numeric;
  } cases[] = {{"1", true},      {"+1", true},     {"-1.5", true},  {".5", true},
               {"5.", true},     {"1e5", true},    {"1E-5", true},  {" 12 ", true},
               {"", false},      {"-", false},     {".", false},    {"1e", false},
               {"1,000", false}, {"$5", false},    {"0x1A", false}, {"1.2.3", false},
               {"12a", false},   {"inf", false},   {"nan", false},  {"1 2", false},
               {"--1", false},   {"1e5.5", false}, {"\t1", false},  {"e5", false}};
  for (const auto& c : cases) EXPECT_EQ(isNumeric(c.text), c.numeric) << '"' << c.text << '"';
}

// One check applied to a text set in one piece (a paste or a loader).
struct Outcome {
  const char* text;
  std::string message;  // empty: accepted
  std::string left;     // the box afterwards
};

class CheckTest : public ::testing::Test {
 protected:
  template <class Check>
  void expect(const Outcome& c, Check check, const std::string& title = "") {
    ScriptedDialogs dialogs;
    TextBox box("Text1A", nullptr);
    box.setText(c.text);
    check(dialogs, box);
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    if (c.message.empty()) {
      EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last();
    } else {
      ASSERT_EQ(dialogs.shown.size(), 1u);
      EXPECT_EQ(dialogs.shown[0], notice(c.message, title));
    }
    EXPECT_EQ(box.text(), c.left);
  }
};

TEST_F(CheckTest, DmsFormAndRange) {
  const struct {
    DmsKind kind;
    Outcome outcome;
  } cases[] = {
      {DmsKind::Deg, {"12.5", std::string("12.5") + kImproper, ""}},
      {DmsKind::Deg, {"180", "", "180"}},
      {DmsKind::Deg,
       {"181", "181 is greater than 180.  Degree values must be between 0 and 180.", ""}},
      {DmsKind::Deg, {"1e2", "", "1e2"}},
      {DmsKind::Deg,
       {"1e3", "1e3 is greater than 180.  Degree values must be between 0 and 180.", ""}},
      {DmsKind::Deg, {"1,000", std::string("1,000") + kImproper, ""}},
      {DmsKind::Deg, {"1e999", "", "1e999"}},  // too large to compare: left alone
      {DmsKind::DegLat, {"-45", "", "-45"}},   // no lower limit
      {DmsKind::DegLat, {"-", std::string("-") + kImproper, ""}},
      {DmsKind::DegLat, {"90", "", "90"}},
      {DmsKind::DegLat,
       {"91", "91 is greater than 90.  Degree values must be between 0 and 90.", ""}},
      {DmsKind::Min, {"59", "", "59"}},
      {DmsKind::Min,
       {"60", "60 is greater than 59.  Minute values must be between 0 and 59.99.", ""}},
      {DmsKind::Min, {"5.5", std::string("5.5") + kImproper, ""}},
      {DmsKind::Sec, {"59.99", "", "59.99"}},
      {DmsKind::Sec, {" 12.5 ", "", " 12.5 "}},
      {DmsKind::Sec,
       {"59.995", "59.995 is greater than 59.99.  Minute values must be between 0 and 59.99.", ""}},
      {DmsKind::Sec, {"1.2.3", std::string("1.2.3") + kImproper, ""}},
      {DmsKind::Sec, {" ", std::string(" ") + kImproper, ""}},
  };
  for (const auto& c : cases) {
    expect(c.outcome, [&](Dialogs& d, TextBox& b) { checkDms(d, c.kind, b); });
  }
}

TEST_F(CheckTest, NumberLengthAndDecimals) {
  const struct {
    int maxLength, maxDecimals;
    Outcome outcome;
  } cases[] = {
      {7, 1, {"1-2", "", "1-2"}},
      {7, 1, {"-", "", "-"}},
      {7, 1, {"12.", "", "12."}},
      {7, 1, {"-123.45", "123.45:  Error (Only 1 decimal place allowed)", ""}},
      {7, 1, {"12345678", "12345678:  Error (Entry too large for field)", ""}},
      {4, 1, {"-12.5", "12.5:  Error (Entry too large for field)", ""}},
      {5, 0, {"12.0", "12.0:  Error (Only 0 decimal place allowed)", ""}},
      {7, 4, {"1.12345", "1.12345:  Error (Only 4 decimal place allowed)", ""}},
      {7, 1, {"12a", std::string("12a") + kImproper, ""}},
      // Refused as improper first: the later steps find the box empty.
      {3, 0, {"abcdef.gh", std::string("abcdef.gh") + kImproper, ""}},
      // Characters, not bytes, count against the length.
      {3, 0, {"-\xC3\xA9", std::string("-\xC3\xA9") + kImproper, ""}},
  };
  for (const auto& c : cases) {
    expect(c.outcome,
           [&](Dialogs& d, TextBox& b) { checkNumber(d, b, c.maxLength, c.maxDecimals); });
  }
}

TEST_F(CheckTest, IcaoCodeRefusesFourLettersStartingWithK) {
  const Outcome cases[] = {
      {"KJFK", "KJFK appears to be an ICAO code", ""},
      {"K\xC3\x85"
       "BC",
       "K\xC3\x85"
       "BC appears to be an ICAO code",
       ""},
      {"K1A2", "", "K1A2"},
      {"KJFKX", "", "KJFKX"},
      {"kjfk", "", "kjfk"},
      {"JFK", "", "JFK"},
      {"K\xC3\x85"
       "B",
       "",
       "K\xC3\x85"
       "B"},
  };
  for (const auto& c : cases) expect(c, [](Dialogs& d, TextBox& b) { checkIcaoCode(d, b); });
}

TEST_F(CheckTest, SurveyDateReportsAtMostOneMessageAndNeverEmpties) {
  const std::string format = "Date is incorrect format (mm/dd/yyyy)";
  const struct {
    const char* text;
    std::string message;
  } cases[] = {
      {"", ""},
      {"02/30/2005", ""},
      {"12/31/1999", ""},
      {"01/01/abcd", ""},  // the year's characters are not checked
      {"2/3/2005", format},
      {"01/01", format},
      {"ab/01/2005", format},
      {"01/x1/2005", format},
      {"\xC3\xA9"
       "1/01/2005",
       format},
      {"13/01/2005", "Date is incorrect format.  Check month. (mm/dd/yyyy)"},
      {"00/01/2005", "Date is incorrect format.  Check month. (mm/dd/yyyy)"},
      {"01/32/2005", "Date is incorrect format.  Check day. (mm/dd/yyyy)"},
      {"01/-1/2005", "Date is incorrect format.  Check day. (mm/dd/yyyy)"},
      {"01/01/05", "Date is incorrect format.  Check year1. (mm/dd/yyyy)"},
      {"01/01/20051", "Date is incorrect format.  Check year1. (mm/dd/yyyy)"},
      {"01/01/2005/x", ""},  // only the first three parts are looked at
  };
  for (const auto& c : cases) {
    expect(
        {c.text, c.message, c.text}, [](Dialogs& d, TextBox& b) { checkSurveyDate(d, b); },
        kProgramTitle);
  }
}

// Typing character by character into a box with its check attached: every
// keystroke runs the check, and a refused box starts over empty.
enum class Attach { Dms, DegLat, Number, Seconds, Icao };

void attach(Dialogs& dialogs, TextBox& box, Attach kind, int maxLength, int maxDecimals) {
  switch (kind) {
    case Attach::Dms:
      return attachDmsCheck(dialogs, box, DmsKind::Deg);
    case Attach::DegLat:
      return attachDmsCheck(dialogs, box, DmsKind::DegLat);
    case Attach::Number:
      return attachNumberCheck(dialogs, box, maxLength, maxDecimals);
    case Attach::Seconds:
      return attachSecondsCheck(dialogs, box, maxLength, maxDecimals);
    case Attach::Icao:
      return attachIcaoCheck(dialogs, box);
  }
}

TEST(TypedCheckTest, EachKeystrokeIsChecked) {
  const std::string decimals = "123.45:  Error (Only 1 decimal place allowed)";
  const std::string tooLarge = ":  Error (Entry too large for field)";
  const std::string range = " is greater than 59.99.  Minute values must be between 0 and 59.99.";
  const struct {
    Attach kind;
    int maxLength, maxDecimals;
    const char* keys;
    std::string message;  // empty: none
    const char* left;
  } cases[] = {
      {Attach::Dms, 0, 0, "12.5", std::string("12.") + kImproper, "5"},
      {Attach::DegLat, 0, 0, "-45", std::string("-") + kImproper, "45"},
      {Attach::Number, 7, 1, "-45", "", "-45"},
      {Attach::Number, 7, 1, "1-2", "", "1-2"},
      {Attach::Number, 7, 1, "-123.45", decimals, ""},
      {Attach::Number, 7, 1, "12345678", "12345678" + tooLarge, ""},
      {Attach::Seconds, 7, 4, "59.995", "59.995" + range, ""},
      {Attach::Seconds, 4, 1, "59.99", "59.99" + tooLarge, ""},
      // Refused by its range alone: the number check that follows finds the box empty.
      {Attach::Seconds, 4, 1, "60", "60" + range, ""},
      {Attach::Icao, 0, 0, "KJFK", "KJFK appears to be an ICAO code", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    ScriptedDialogs dialogs;
    TextBox box("Text9A", nullptr);
    attach(dialogs, box, c.kind, c.maxLength, c.maxDecimals);
    for (const char* key = c.keys; *key; ++key) box.setText(box.text() + *key);
    EXPECT_EQ(dialogs.texts(),
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    for (const auto& message : dialogs.shown) EXPECT_EQ(message.title, "");
    EXPECT_EQ(box.text(), c.left);
  }
}

}  // namespace
}  // namespace survey::testing
