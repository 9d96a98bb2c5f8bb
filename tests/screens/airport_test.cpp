#include <gtest/gtest.h>

#include "entry/airport_screen.h"
#include "entry/survey_type_screen.h"
#include "shell/screen_names.h"
#include "support/program_fixture.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

constexpr const char* kAirport = AirportScreen::kName;
const std::vector<const char*> kHubCommands = {"CommandAddRWY", "CommandEditRWY", "CommandDelRWY",
                                               "CommandAddNAV", "CommandEditNAV", "CommandDelNAV",
                                               "CommandAddObs", "CommandEditObs", "CommandDelObs"};

class AirportTest : public ProgramTest {
 protected:
  // "New" on the main screen, the given type, "Submit".
  void newSurvey(const char* typeOption = "RadioAOC") {
    start();
    click(MainScreen::kName, "CommandAddAPT");
    control<OptionButton>(SurveyTypeScreen::kName, typeOption).setValue(true);
    click(SurveyTypeScreen::kName, "Command1");
  }
  void fill(const std::string& identifier, const std::string& region = "AEA") {
    type(kAirport, "Text1A", identifier + " Field");
    type(kAirport, "Text3A", identifier);
    type(kAirport, "Text4A", region);
  }
  void save() { click(kAirport, "CommandSubmitAirport"); }
  // A stored survey, as a store file brings it in.
  int storeSurvey(const std::string& identifier, FieldValues extra = {}) {
    const auto added =
        program.store.appendAirport({{1, identifier + " Field"}, {3, identifier}, {4, "ASW"}});
    program.store.updateRow(TableKind::Airport, added.row, extra);
    program.current().surveyKey.clear();
    program.current().storeLoaded = true;
    return added.row;
  }
  // "Edit" on the main screen for the survey in the given list row.
  void editFromList(int listRow) {
    start();
    control<Grid>(MainScreen::kName, "GridAirport").clickRow(listRow);
    click(MainScreen::kName, "CommandEditAPT");
  }
  bool enabled(const char* name) { return control<Control>(kAirport, name).enabled(); }
  // The hub's commands in order, '1' for each enabled one.
  std::string hubState() {
    std::string state;
    for (const char* name : kHubCommands) state += enabled(name) ? '1' : '0';
    return state;
  }
  const Table& airports() { return program.store.airports(); }
};

TEST_F(AirportTest, NewSurveyOpensAnEmptyScreenWaitingForTheFirstSave) {
  program.current().surveyDate = "01/02/2003";
  newSurvey("RadioRUNWAY");
  ASSERT_TRUE(shown(kAirport));
  EXPECT_EQ(program.current().surveyType, "RUNWAY");
  EXPECT_EQ(program.current().airportMode, RecordMode::Add);
  EXPECT_FALSE(control<Frame>(kAirport, "Frame2").visible());
  EXPECT_FALSE(control<Frame>(kAirport, "Frame2").ownEnabled());
  EXPECT_FALSE(enabled("CommandCertify"));
  EXPECT_TRUE(enabled("CommandSubmitAirport"));
  for (const char* list : {"ListVertDatum", "ListEll", "ListHor", "ListOrth"}) {
    EXPECT_EQ(control<ListBox>(kAirport, list).chosen(), 0) << list;
  }
  EXPECT_TRUE(control<OptionButton>(kAirport, "RadioN").value());
  EXPECT_TRUE(control<OptionButton>(kAirport, "RadioW").value());
  EXPECT_EQ(program.current().latitudeHemisphere, "N");
  EXPECT_EQ(program.current().longitudeHemisphere, "W");
  EXPECT_EQ(program.current().surveyDate, "01/02/2003");
  EXPECT_FALSE(control<TextBox>(kAirport, "Text3A").locked());
  EXPECT_TRUE(control<TextBox>(kAirport, "Text3A").required());
  EXPECT_TRUE(control<TextBox>(kAirport, "Text4A").required());
  EXPECT_TRUE(control<TextBox>(kAirport, "Text7A").bold());
  EXPECT_EQ(control<TabStrip>(kAirport, "TabStrip1").selectedCaption(), "Current Airport");
}

TEST_F(AirportTest, SaveRefusesAndWritesNothing) {
  storeSurvey("ABC");
  for (const auto& c : caseTable("screens/airport_refusals.cases", 3)) {
    SCOPED_TRACE(c[2]);
    newSurvey();
    type(kAirport, "Text3A", c[0]);
    type(kAirport, "Text4A", c[1]);
    dialogs.shown.clear();
    save();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], notice(c[2]));
    EXPECT_EQ(airports().count(), 1);
    EXPECT_EQ(program.current().airportMode, RecordMode::Add);
  }
  // The empty identifier also enables the hub's frame.
  newSurvey();
  save();
  EXPECT_TRUE(control<Frame>(kAirport, "Frame2").ownEnabled());
}

TEST_F(AirportTest, FirstSaveAddsTheSurveyAndTheSecondChangesIt) {
  newSurvey("RadioNAVAID");
  fill("ABC", "aea");
  type(kAirport, "Text5A", "13/01/2005");
  // The tower floor elevations close the screen's fields.
  type(kAirport, AirportScreen::boxName(airport::TowerFloorElevationOrthometric), "412.5");
  type(kAirport, AirportScreen::boxName(airport::TowerFloorElevationEllipsoidal), "434.0");
  control<OptionButton>(kAirport, "RadioS").setValue(true);
  control<OptionButton>(kAirport, "RadioE").setValue(true);
  control<ListBox>(kAirport, "ListEll").choose(4);
  save();
  EXPECT_EQ(dialogs.texts(),
            (std::vector<std::string>{"Date is incorrect format.  Check month. (mm/dd/yyyy)",
                                      "Airport Information Successfully Added"}));
  ASSERT_EQ(airports().count(), 1);
  // The region is stored as typed.
  expectRow(TableKind::Airport, 1,
            fieldsOf("3=ABC, 4=aea, 5=13/01/2005, 18=>1 M, 23=412.5, 24=434.0, 25=NAVAID, 41=NEW, "
                     "39=False, 40=True"));
  EXPECT_EQ(program.current().surveyKey, "ABC");
  EXPECT_EQ(program.current().airportMode, RecordMode::Edit);
  EXPECT_EQ(program.current().airportRow, 1);
  EXPECT_TRUE(control<Frame>(kAirport, "Frame2").visible());
  EXPECT_TRUE(enabled("CommandCertify"));
  expectStates(kAirport, {"CommandEditRWY", "CommandDelRWY", "CommandEditNAV"}, false);  // none yet

  type(kAirport, "Text1A", "Renamed Field");
  save();
  EXPECT_EQ(dialogs.last(), "Airport Information Successfully Changed");
  ASSERT_EQ(airports().count(), 1);
  EXPECT_EQ(airports().cell(1, 1), "Renamed Field");
  EXPECT_EQ(airports().cell(1, 41), "NEW");
  EXPECT_EQ(program.current().surveyName, "Renamed Field");
}

// Alt+F opens the File menu, so "Finalize Input" answers to Alt+Z.
TEST_F(AirportTest, CancelSaveAndFinalizeAnswerToTheirOwnAltLetters) {
  newSurvey();
  std::string letters;
  for (const char* name : {"CommandCancelAirport", "CommandSubmitAirport", "CommandCertify"}) {
    const auto& button = control<CommandButton>(kAirport, name);
    const auto at = static_cast<std::size_t>(button.mnemonicIndex());
    letters += at < button.caption().size() ? button.caption()[at] : '-';
  }
  EXPECT_EQ(letters, "CSz");
}

TEST_F(AirportTest, SaveInAddModeWithTheSurveyListFullIsRefused) {
  for (int i = 1; i <= 1000; ++i) storeSurvey("S" + std::to_string(i));
  newSurvey();
  fill("NEW1");
  dialogs.shown.clear();
  save();
  EXPECT_EQ(dialogs.texts(), std::vector<std::string>{tableFullMessage(TableKind::Airport)});
  EXPECT_EQ(airports().count(), 1000);
  EXPECT_EQ(program.store.findSurveyRow("NEW1"), 0);
  EXPECT_EQ(program.current().airportMode, RecordMode::Add);
}

TEST_F(AirportTest, StateListFoldsToTheChosenStateWhichSurvivesSaveAndReload) {
  newSurvey();
  fill("ABC");
  auto& state = control<ListBox>(kAirport, "ListState");
  ASSERT_EQ(state.count(), 55);
  EXPECT_EQ(state.item(54), "WYOMING");
  state.choose(54);
  EXPECT_EQ(state.item(0), "WYOMING");
  EXPECT_EQ(state.item(1), "");
  EXPECT_EQ(state.count(), 56);
  EXPECT_EQ(state.chosen(), std::optional<int>(55));  // its own row, for the arrow keys
  EXPECT_EQ(state.heightTwips(), 500);
  save();
  EXPECT_EQ(airports().cell(1, 20), "WYOMING");

  editFromList(1);
  auto& reopened = control<ListBox>(kAirport, "ListState");
  EXPECT_EQ(reopened.item(0), "WYOMING");
  EXPECT_EQ(control<ListBox>(kAirport, "ListEll").chosenText(), "");
  save();
  EXPECT_EQ(airports().cell(1, 20), "WYOMING");
}

TEST_F(AirportTest, StoredListValuesAreSelectedAgainAndKept) {
  storeSurvey("ABC", {{20, "WYOMING"}, {18, ">1 M"}, {17, "1:10,000"}, {22, "MSL"}});
  storeSurvey("IMP", {{20, "ONTARIO"}, {19, "3 CM"}});  // values no list offers
  editFromList(1);
  EXPECT_EQ(control<ListBox>(kAirport, "ListState").item(0), "WYOMING");
  EXPECT_EQ(control<ListBox>(kAirport, "ListEll").chosenText(), ">1 M");
  EXPECT_EQ(control<ListBox>(kAirport, "ListHor").chosenText(), "1:10,000");
  EXPECT_EQ(control<ListBox>(kAirport, "ListVertDatum").chosenText(), "MSL");
  save();
  expectRow(TableKind::Airport, 1, {{20, "WYOMING"}, {18, ">1 M"}, {22, "MSL"}});

  editFromList(2);
  save();
  EXPECT_EQ(dialogs.last(), "Airport Information Successfully Changed");
  expectRow(TableKind::Airport, 2, {{20, "ONTARIO"}, {19, "3 CM"}});
}

// A loaded survey's state folds the list to it, chosen on its own row (the empty state too); a
// state the list does not name (from an exchange file) is chosen on the first row, where it
// stands alone, so that no state of the list is taken for it.
TEST_F(AirportTest, StoredStateIsChosenOnItsOwnRow) {
  const struct {
    const char* state;
    int chosen;
  } cases[] = {{"WYOMING", 55}, {"ONTARIO", 0}, {"", 1}};
  for (int k = 0; k < 3; ++k) storeSurvey(std::string(1, char('A' + k)), {{20, cases[k].state}});
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(cases[k].state);
    editFromList(k + 1);
    const auto& state = control<ListBox>(kAirport, "ListState");
    EXPECT_EQ(state.item(0), cases[k].state);
    EXPECT_EQ(state.count(), 56);
    EXPECT_EQ(state.chosen(), std::optional<int>(cases[k].chosen));
    EXPECT_EQ(state.chosenText(), cases[k].state);
    EXPECT_EQ(state.heightTwips(), 500);
  }
}

TEST_F(AirportTest, EditLoadsTheSurveyAndLocksItsIdentifier) {
  storeSurvey("OLD");
  storeSurvey("ABC", fieldsOf("5=04/05/2006, 7=40, 8=38, 9=12.5, 13=1234.5, 39=False, 40=True"));
  editFromList(2);
  ASSERT_TRUE(shown(kAirport));
  EXPECT_TRUE(control<TextBox>(kAirport, "Text3A").locked());
  expectBoxes(kAirport, {{"Text3A", "ABC"}, {"Text9A", "12.5"}, {"Text13A", "1234.5"}});
  EXPECT_TRUE(control<OptionButton>(kAirport, "RadioS").value());
  EXPECT_TRUE(control<OptionButton>(kAirport, "RadioE").value());
  EXPECT_EQ(program.current().latitudeHemisphere, "S");
  EXPECT_EQ(program.current().longitudeHemisphere, "E");
  EXPECT_EQ(program.current().surveyDate, "04/05/2006");
  EXPECT_EQ(program.current().airportMode, RecordMode::Edit);
  EXPECT_EQ(program.current().airportRow, 2);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(AirportTest, LoadingAnIcaoLikeIdentifierEmptiesTheBox) {
  storeSurvey("KJFK");
  editFromList(1);
  EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"KJFK appears to be an ICAO code"});
  EXPECT_EQ(control<TextBox>(kAirport, "Text3A").text(), "");
  save();
  EXPECT_EQ(dialogs.last(), "You Must First Enter an Airport Identifier");
  EXPECT_EQ(airports().cell(1, 3), "KJFK");
}

TEST_F(AirportTest, HubCommandsFollowTheSurveyTypeChosenLast) {
  storeSurvey("ABC", {{25, "AOC"}});
  addChild(TableKind::Runway, {{2, "09"}, {27, "27"}}, "ABC");
  addChild(TableKind::Navaid, {{15, "VOR"}}, "ABC");
  addChild(TableKind::Obstruction, {{2, "TREE"}}, "ABC");
  for (const auto& c : caseTable("screens/hub_commands.cases", 2)) {
    SCOPED_TRACE(c[0]);
    program.current().surveyType = c[0];
    editFromList(1);
    EXPECT_EQ(hubState(), c[1]);
  }
}

TEST_F(AirportTest, ALockedSurveyOpensWithFieldsAndNewCommandsDisabled) {
  storeSurvey("ABC", {{41, "CERTIFIED2"}});
  addChild(TableKind::Runway, {{2, "09"}, {27, "27"}}, "ABC");
  editFromList(1);
  // Nothing is listed for "Edit" among the navaids.
  expectStates(kAirport,
               {"Text1A", "CommandSubmitAirport", "CommandCertify", "CommandAddRWY",
                "CommandAddNAV", "CommandAddObs", "CommandEditNAV"},
               false);
  EXPECT_TRUE(enabled("CommandEditRWY"));

  // Reached through the tab it stays locked, so it cannot be certified anew.
  control<TabStrip>(kAirport, "TabStrip1").select(0);
  control<TabStrip>(MainScreen::kName, "TabStrip1").select(1);
  ASSERT_TRUE(shown(kAirport));
  EXPECT_EQ(control<TextBox>(kAirport, "Text3A").text(), "ABC");
  expectStates(kAirport, {"Text1A", "CommandCertify", "CommandAddRWY"}, false);
  EXPECT_TRUE(enabled("CommandEditRWY"));
}

TEST_F(AirportTest, CurrentAirportTabWithAndWithoutSurveys) {
  start();
  control<TabStrip>(MainScreen::kName, "TabStrip1").select(1);
  ASSERT_TRUE(shown(kAirport));
  expectStates(kAirport, {"FrameGeneralAIRPORT", "CommandCertify", "Frame2"}, false);
  EXPECT_EQ(hubState(), "000000000");

  storeSurvey("ABC");
  control<TabStrip>(kAirport, "TabStrip1").select(0);
  ASSERT_TRUE(shown(MainScreen::kName));
  control<TabStrip>(MainScreen::kName, "TabStrip1").select(1);
  ASSERT_TRUE(shown(kAirport));
  EXPECT_EQ(control<TextBox>(kAirport, "Text3A").text(), "");
  EXPECT_FALSE(enabled("CommandSubmitAirport"));
  expectStates(kAirport, {"Text1A", "CommandCertify"}, true);
  // No survey is chosen: nothing can be added to it.
  EXPECT_EQ(hubState(), "011011011");
  // Selecting the airport's own tab again keeps the screen as it is.
  control<TabStrip>(kAirport, "TabStrip1").select(1);
  EXPECT_TRUE(shown(kAirport));
}

TEST_F(AirportTest, CancelReturnsToTheListWithoutSaving) {
  newSurvey();
  fill("ABC");
  click(kAirport, "CommandCancelAirport");
  EXPECT_TRUE(shown(MainScreen::kName));
  EXPECT_EQ(airports().count(), 0);
}

TEST_F(AirportTest, HubDeleteMarksTheChosenRecord) {
  storeSurvey("ABC");
  const int first = addChild(TableKind::Runway, {{2, "09"}, {27, "27"}}, "ABC");
  const int second = addChild(TableKind::Runway, {{2, "18"}, {27, "36"}}, "ABC");
  editFromList(1);
  auto& grid = control<Grid>(kAirport, "GridRunway");
  ASSERT_EQ(grid.rows(), 3);
  EXPECT_EQ(grid.cell(0, 0), "Runway ID");
  EXPECT_EQ(grid.cell(1, 0), "09 / 27");
  EXPECT_EQ(grid.cell(2, 6), std::to_string(second));

  click(kAirport, "CommandDelRWY");  // nothing chosen yet
  EXPECT_EQ(dialogs.last(), "Please select a runway in the list first.");
  EXPECT_EQ(program.store.runways().cell(first, 50), "");

  grid.clickRow(1);
  click(kAirport, "CommandDelRWY");
  EXPECT_EQ(program.store.runways().cell(first, 50), "D");
  EXPECT_EQ(program.store.runways().count(), 2);
  ASSERT_EQ(grid.rows(), 2);
  EXPECT_EQ(grid.cell(1, 0), "18 / 36");
  EXPECT_EQ(grid.selectedRow(), 0);
}

TEST_F(AirportTest, HubNewOpensTheRecordScreens) {
  storeSurvey("ABC");
  editFromList(1);
  click(kAirport, "CommandAddRWY");
  ASSERT_TRUE(shown(screen::kRunway));
  EXPECT_EQ(program.current().runwayMode, RecordMode::Add);

  editFromList(1);
  click(kAirport, "CommandAddNAV");
  ASSERT_TRUE(shown(screen::kNavaid));
  EXPECT_EQ(program.current().navaidMode, RecordMode::Add);
  EXPECT_TRUE(control<OptionButton>(screen::kNavaid, "RadioDEF").value());
  EXPECT_FALSE(control<Frame>(screen::kNavaid, "Frame1").visible());
}

TEST_F(AirportTest, IdentifierChangeIsCarriedToTheKeyAndEveryChildRow) {
  storeSurvey("OTH");
  const int otherRunway = addChild(TableKind::Runway, {}, "OTH");
  newSurvey();
  fill("ABC");
  save();
  const int runway = addChild(TableKind::Runway, {{2, "09"}}, "ABC");
  const int deletedNavaid = addChild(TableKind::Navaid, {{17, "D"}}, "ABC");
  const int obstruction = addChild(TableKind::Obstruction, {}, "ABC");

  type(kAirport, "Text3A", "OTH");
  save();
  EXPECT_EQ(dialogs.last(),
            "Another survey already has the Airport Identifier OTH. The identifier was not "
            "changed; nothing was saved.");
  EXPECT_EQ(airports().cell(2, 3), "ABC");
  EXPECT_EQ(program.current().surveyKey, "ABC");

  type(kAirport, "Text3A", "XYZ");
  save();
  EXPECT_EQ(dialogs.last(), "Airport Information Successfully Changed");
  EXPECT_EQ(airports().cell(2, 3), "XYZ");
  EXPECT_EQ(program.current().surveyKey, "XYZ");
  expectRow(TableKind::Runway, runway, {{49, "XYZ"}});
  expectRow(TableKind::Navaid, deletedNavaid, {{16, "XYZ"}});
  expectRow(TableKind::Obstruction, obstruction, {{22, "XYZ"}});
  expectRow(TableKind::Runway, otherRunway, {{49, "OTH"}});
  EXPECT_EQ(control<TextBox>(kAirport, "Text3A").text(), "XYZ");
}

TEST_F(AirportTest, HelpPicturesExplainTheAccuracies) {
  newSurvey();
  control<Picture>(kAirport, "Picture1").click();
  control<Picture>(kAirport, "Picture3").click();
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].title, kProgramTitle);
  EXPECT_NE(dialogs.shown[0].text.find("DATUM TIE. BECAUSE"), std::string::npos);
  EXPECT_NE(dialogs.shown[0].text.find("FROM THE NSRS TIE STATION. "), std::string::npos);
  EXPECT_NE(dialogs.shown[1].text.find("DATUM TIE.  BECAUSE"), std::string::npos);
  EXPECT_EQ(dialogs.shown[1].text.back(), '.');
}

}  // namespace
}  // namespace survey::testing
