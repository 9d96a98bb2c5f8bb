#include <fstream>

#include "entry/open_record.h"
#include "map/survey_sample.h"
#include "shell/exit_help_print.h"
#include "shell/screen_names.h"
#include "store/store_files.h"
#include "support/program_fixture.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

class MainScreenTest : public ProgramTest {
 protected:
  void addSurveys(int n) {
    for (int i = 1; i <= n; ++i) {
      program.store.appendAirport(
          {{1, "Field " + std::to_string(i)}, {3, "A" + std::to_string(i)}});
    }
    program.current().surveyKey.clear();
    program.current().storeLoaded = true;
  }
  Grid& list() { return control<Grid>(MainScreen::kName, "GridAirport"); }
};

TEST_F(MainScreenTest, FirstStartWithoutStoreShowsHeaderOnlyAndDisablesEdit) {
  start();
  EXPECT_EQ(list().rows(), 1);
  EXPECT_EQ(list().cell(0, 0), "Apt ID");
  EXPECT_EQ(list().cell(0, 5), "Survey Type");
  EXPECT_FALSE(control<CommandButton>(MainScreen::kName, "CommandEditAPT").enabled());
  EXPECT_TRUE(program.current().storeLoaded);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainScreenTest, ListShowsEverySurveyBeyondTheFirstHundred) {
  addSurveys(150);
  start();
  ASSERT_EQ(list().rows(), 151);
  EXPECT_EQ(list().cell(150, 0), "A150");
  EXPECT_EQ(list().cell(150, 2), "Field 150");
  EXPECT_EQ(list().cell(150, 4), "NEW");
  EXPECT_EQ(list().selectedRow(), 0);
}

TEST_F(MainScreenTest, ChoosingASurveyShowsItsRunwaysOnTheAirportScreen) {
  addSurveys(2);
  applyChanges(program.store, "add runway 49=A2, 2=09, 27=27");
  start();
  list().clickRow(1);
  list().clickRow(2);
  const Grid& runways = control<Grid>(screen::kAirport, "GridRunway");
  ASSERT_EQ(runways.rows(), 2);
  EXPECT_EQ(runways.cell(1, 0), "09 / 27");
}

TEST_F(MainScreenTest, EditWithoutSurveyRefuses) {
  addSurveys(1);
  start();
  click(MainScreen::kName, "CommandEditAPT");
  EXPECT_EQ(dialogs.last(), "You must first select an airport.");
  EXPECT_EQ(dialogs.shown.back().title, kProgramTitle);
}

TEST_F(MainScreenTest, ClickingARowChoosesTheSurveyWhichDeleteRemovesKeepingTheKey) {
  addSurveys(3);
  start();
  list().clickRow(2);
  EXPECT_EQ(program.current().surveyKey, "A2");
  EXPECT_EQ(program.current().surveyName, "Field 2");
  EXPECT_EQ(list().selectedRow(), 2);
  click(MainScreen::kName, "CommandDelete");
  EXPECT_EQ(list().rows(), 3);
  EXPECT_EQ(list().cell(2, 0), "A3");
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_EQ(program.current().surveyKey, "A2");
  EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(MainScreenTest, StoreIsReadOnceAndAFailedLoadIsReported) {
  { std::ofstream(dir.path() / "survey_apt.txt") << "x : 3.7\r\n"; }
  start();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.last().find("survey_apt.txt"), std::string::npos);
  EXPECT_NE(dialogs.last().find("line 1"), std::string::npos);
  showScreen(program, MainScreen::kName);
  program.screens.discard(MainScreen::kName);
  start();
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(MainScreenTest, ObstructionAppendicesSayTheyAreMissing) {
  auto& main = start();
  for (const char* item : {"MenuObs1_1", "MenuObs_2", "MenuObs_3"}) main.menuItem(item).click();
  EXPECT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.last(), "This appendix is not available in this version.");
}

TEST_F(MainScreenTest, TabsActOnlyWhileTheirScreenIsShown) {
  addSurveys(1);
  auto& main = start();
  EXPECT_EQ(main.get<TabStrip>("TabStrip1").selected(), 0);
  // The airport screen exists but is not shown: its tabs switch nothing.
  Screen& airport = program.screens.touch(screen::kAirport);
  airport.get<TabStrip>("TabStrip1").select(0);
  EXPECT_TRUE(shown(MainScreen::kName));
  EXPECT_EQ(program.screens.existing(screen::kAirport), &airport);
  // The main screen's own tab does.
  main.get<TabStrip>("TabStrip1").select(1);
  EXPECT_TRUE(shown(screen::kAirport));
  EXPECT_FALSE(shown(MainScreen::kName));
}

TEST_F(MainScreenTest, HelpOpensTheDocumentBesideTheProgramOrSaysWhereItIs) {
  auto& main = start();
  const std::string help = (dir.path() / "help.pdf").string();
  const struct {
    bool present;
    bool viewer;
    std::string told;  // the start of the message; empty when none
  } cases[] = {
      {false, true, "The help file " + help + " was not found."},
      {true, false, "No program on this computer could open the help. It is the PDF file " + help},
      {true, true, ""}};
  for (const auto& c : cases) {
    if (c.present) std::ofstream(help) << "%PDF-1.4";
    platform.openSucceeds = c.viewer;
    platform.opened.clear();
    dialogs.shown.clear();
    main.menuItem("OnLineHelp").click();
    EXPECT_EQ(platform.opened,
              c.present ? std::vector<std::string>{help} : std::vector<std::string>{});
    EXPECT_EQ(dialogs.last().substr(0, c.told.size()), c.told);
    EXPECT_EQ(dialogs.shown.size(), c.told.empty() ? 0u : 1u);
  }
  main.menuItem("MenuPrint").click();
  EXPECT_EQ(platform.printed, std::vector<std::string>{"FormMain"});
}

// The survey map's double-click: the record's own screen, filled from its row.
TEST_F(MainScreenTest, MapDoubleClickOpensTheScreenOfALiveRecordOfTheCurrentSurveyOnly) {
  addSouthernSurvey(program.store);
  // A second runway, entered last: the first is opened only when asked for.
  applyChanges(program.store, "append runway 2=09, 27=27");
  start();
  for (const auto& c : caseTable("screens/map_double_clicks.cases", 6)) {
    SCOPED_TRACE(c[0] + " " + c[1]);
    const auto* table = std::find_if(std::begin(kAllTables), std::end(kAllTables),
                                     [&](TableKind k) { return shapeOf(k).name == c[0]; });
    ASSERT_NE(table, std::end(kAllTables));
    showScreen(program, "FormMain");
    program.current().surveyKey = "SBB";
    EXPECT_EQ(openRecordScreen(program, *table, std::stoi(c[1])), c[2] == "yes");
    EXPECT_TRUE(shown(c[3]));
    if (!c[4].empty()) {
      EXPECT_EQ(control<TextBox>(c[3], c[4]).text(), c[5]);
    }
  }
  EXPECT_EQ(program.current().obstructionMode, RecordMode::Edit);
  EXPECT_EQ(program.current().obstructionRow, 1);
  EXPECT_TRUE(dialogs.shown.empty());
  program.current().surveyKey = "NONE";
  EXPECT_FALSE(openRecordScreen(program, TableKind::Airport, 1));
}

// A refilled list reaches the window as one change, not one for each cell.
TEST(SurveyList, ARefillReachesTheWindowAsOneChange) {
  struct Window : ControlObserver {
    int changes = 0;
    void controlChanged(Control&, ControlChange) override { ++changes; }
    void controlDestroyed(Control&) override {}
  } window;
  Grid list("GridAirport", nullptr, 2);
  list.setObserver(&window);
  {
    Grid::Batch batch(list);
    list.setRows(3);
    list.setCell(1, 0, "ABC");
    list.selectRow(2);
  }
  EXPECT_EQ(window.changes, 1);
  list.setCell(2, 0, "XYZ");
  EXPECT_EQ(window.changes, 2);
}

}  // namespace
}  // namespace survey::testing
