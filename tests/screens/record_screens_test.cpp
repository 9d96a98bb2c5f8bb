// What the runway, navaid and obstruction screens share: a record belongs to a survey of the
// store, the table has a size, an edited row may be gone, Cancel keeps nothing, and a locked
// survey cannot be changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>

#include "shell/record_screen.h"
#include "shell/screen_names.h"
#include "support/program_fixture.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

struct RecordKind {
  std::string screen;
  TableKind table;
  std::string save, cancel, hubNew, hubGrid;
  int capacity;
  std::string box;  // a box typed on every opening
  int field;        // where that box is stored
  std::string text;
  std::vector<std::string> lockedButtons;  // disabled while the survey is locked
  std::string gone;                        // told when the edited row is no longer there
};

// The three screens, as the reviewed case file describes them.
const std::vector<RecordKind>& kinds() {
  static std::vector<RecordKind> kinds;
  if (!kinds.empty()) return kinds;
  for (const auto& c : caseTable("screens/record_kinds.cases", 12)) {
    const auto* table = std::find_if(std::begin(kAllTables), std::end(kAllTables),
                                     [&](TableKind k) { return shapeOf(k).name == c[1]; });
    std::istringstream words(c[10]);
    std::vector<std::string> locked{std::istream_iterator<std::string>(words), {}};
    kinds.push_back({c[0], *table, c[2], c[3], c[4], c[5], std::stoi(c[6]), c[7], std::stoi(c[8]),
                     c[9], locked, c[11]});
  }
  return kinds;
}

class RecordScreensTest : public ProgramTest {
 protected:
  RecordScreensTest() {
    program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}, {6, "Springfield"}});
    CurrentSurvey& current = program.current();
    current.storeLoaded = true;
    current.surveyType = "AOC";
    current.surveyDate = "05/06/2007";
    current.latitudeHemisphere = "N";
    current.longitudeHemisphere = "W";
    start();
    current.surveyKey = "ABC";
  }
  // The hub's "New".
  void openNew(const RecordKind& kind) {
    program.screens.discard(kind.screen);
    program.current().runwayMode = program.current().navaidMode =
        program.current().obstructionMode = RecordMode::Add;
    prepareScreen(program, kind.screen, Preparation::Load);
    showScreen(program, kind.screen);
    if (kind.table == TableKind::Runway) {
      type(kind.screen, "Text2R", "09");
      type(kind.screen, "Text27R", "27");
    }
    type(kind.screen, kind.box, kind.text);
  }
  // The hub's "Edit" of a row.
  void openEdit(const RecordKind& kind, int row) {
    program.screens.discard(kind.screen);
    CurrentSurvey& current = program.current();
    current.runwayMode = current.navaidMode = current.obstructionMode = RecordMode::Edit;
    current.runwayRow = current.navaidRow = current.obstructionRow = static_cast<int16_t>(row);
    dynamic_cast<RecordScreen&>(showScreen(program, kind.screen)).loadRecord();
  }
  Table& table(const RecordKind& kind) { return program.store.table(kind.table); }
  CommandButton& button(const RecordKind& kind, const std::string& name) {
    return control<CommandButton>(kind.screen, name);
  }
};

TEST_F(RecordScreensTest, SaveRefusesWithoutASurveyOfTheStore) {
  // No survey chosen; a survey deleted on the main screen; then the survey itself.
  const struct {
    const char* key;
    bool added;
  } cases[] = {{"", false}, {"GONE", false}, {"ABC", true}};
  for (const auto& kind : kinds()) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(kind.screen) + " key " + c.key);
      program.current().surveyKey = c.key;
      const int before = table(kind).count();
      openNew(kind);
      click(kind.screen, kind.save);
      EXPECT_EQ(table(kind).count(), before + (c.added ? 1 : 0));
      EXPECT_EQ(dialogs.last() == "You must first select an airport.", !c.added) << dialogs.last();
    }
  }
}

TEST_F(RecordScreensTest, HubNewCommandsNeedTheSurveyInTheStore) {
  for (const char* key : {"ABC", "GONE", ""}) {
    SCOPED_TRACE(key);
    program.current().surveyKey = key;
    control<TabStrip>(MainScreen::kName, "TabStrip1").select(1);
    ASSERT_TRUE(shown(screen::kAirport));
    for (const auto& kind : kinds()) {
      EXPECT_EQ(control<CommandButton>(screen::kAirport, kind.hubNew).enabled(),
                std::string(key) == "ABC")
          << kind.hubNew;
    }
    control<TabStrip>(screen::kAirport, "TabStrip1").select(0);
  }
}

TEST_F(RecordScreensTest, AFullTableRefusesTheAddAndKeepsTheEntry) {
  for (const auto& kind : kinds()) {
    SCOPED_TRACE(kind.screen);
    table(kind).setCount(kind.capacity);
    openNew(kind);
    click(kind.screen, kind.save);
    EXPECT_EQ(dialogs.last(), tableFullMessage(kind.table));
    EXPECT_EQ(table(kind).count(), kind.capacity);
    EXPECT_TRUE(shown(kind.screen));
    EXPECT_EQ(control<TextBox>(kind.screen, kind.box).text(), kind.text);
    EXPECT_TRUE(button(kind, kind.save).enabled());
    for (const RecordMode mode : {program.current().runwayMode, program.current().navaidMode,
                                  program.current().obstructionMode}) {
      EXPECT_EQ(mode, RecordMode::Add);
    }
  }
}

TEST_F(RecordScreensTest, AnEditedRowNoLongerInTheTableSavesNothing) {
  for (const auto& kind : kinds()) {
    SCOPED_TRACE(kind.screen);
    program.store.appendChild(kind.table, {{kind.field, "1"}});
    openNew(kind);
    CurrentSurvey& current = program.current();
    current.runwayMode = current.navaidMode = current.obstructionMode = RecordMode::Edit;
    current.runwayRow = current.navaidRow = current.obstructionRow = 2;  // beyond the count
    click(kind.screen, kind.save);
    EXPECT_EQ(dialogs.last(), kind.gone);
    EXPECT_EQ(table(kind).count(), 1);
    EXPECT_EQ(table(kind).cell(1, kind.field), "1");
    EXPECT_EQ(table(kind).cell(2, kind.field), "");
    EXPECT_TRUE(shown(kind.screen));
  }
}

TEST_F(RecordScreensTest, CancelStoresNothingAndShowsTheSurveyAgain) {
  for (const auto& kind : kinds()) {
    SCOPED_TRACE(kind.screen);
    openNew(kind);
    const std::size_t told = dialogs.shown.size();
    click(kind.screen, kind.cancel);
    EXPECT_EQ(table(kind).count(), 0);
    ASSERT_TRUE(shown(screen::kAirport));
    EXPECT_FALSE(shown(kind.screen));
    EXPECT_EQ(control<TextBox>(screen::kAirport, "Text1A").text(), "Abc Field");
    EXPECT_EQ(control<TextBox>(screen::kAirport, "Text6A").text(), "Springfield");
    EXPECT_EQ(control<Grid>(screen::kAirport, kind.hubGrid).rows(), 1);
    EXPECT_EQ(dialogs.shown.size(), told);
  }
}

TEST_F(RecordScreensTest, ALockedSurveyCannotBeChangedFromEdit) {
  for (const auto& kind : kinds()) {
    for (const char* status : {"CERTIFIED2", "CERTIFIED", "NEW", ""}) {
      SCOPED_TRACE(std::string(kind.screen) + " " + status);
      const bool locked = std::string(status) == "CERTIFIED2";
      program.store.clear();  // each case starts from a store of its own
      program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
      program.store.airports().setCell(1, 41, status);
      FieldValues values{{kind.field, "1"}};
      if (kind.table == TableKind::Runway) {  // designators of their own: no duplicate
        const int next = table(kind).count() + 1;
        values.insert(values.end(), {{2, std::to_string(next)}, {27, std::to_string(next + 50)}});
      }
      const int row = program.store.appendChild(kind.table, values).row;
      openEdit(kind, row);
      for (const std::string& name : kind.lockedButtons) {
        EXPECT_EQ(button(kind, name).enabled(), !locked) << name;
      }
      type(kind.screen, kind.box, kind.text);
      click(kind.screen, kind.save);
      EXPECT_EQ(table(kind).cell(row, kind.field), locked ? "1" : kind.text);
      if (locked) {
        for (const std::string& name : kind.lockedButtons) click(kind.screen, name);
        EXPECT_EQ(table(kind).cell(row, kind.field), "1");
        EXPECT_TRUE(shown(kind.screen));
      }
    }
  }
}

// Each box of the three screens runs its own check as it changes; a refused box is emptied.
TEST_F(RecordScreensTest, EveryBoxChecksWhatIsTyped) {
  for (const auto& c : caseTable("screens/typed_checks.cases", 4)) {
    const std::string &screenName = c[0], &box = c[1], &text = c[2], &message = c[3];
    SCOPED_TRACE(box + " " + text);
    if (!shown(screenName)) {
      openNew(*std::find_if(kinds().begin(), kinds().end(),
                            [&](const RecordKind& kind) { return kind.screen == screenName; }));
    }
    dialogs.shown.clear();
    type(screenName, box, text);
    if (message.empty()) {
      EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last();
      EXPECT_EQ(control<TextBox>(screenName, box).text(), text);
    } else {
      ASSERT_EQ(dialogs.shown.size(), 1u);
      EXPECT_EQ(dialogs.shown[0], notice(message, ""));
      EXPECT_EQ(control<TextBox>(screenName, box).text(), "");
    }
  }
}

}  // namespace
}  // namespace survey::testing
