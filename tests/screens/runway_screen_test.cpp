#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "record_fixture.h"
#include "shell/screen_names.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

// A valid value for every runway field the screen holds, distinct per field.
std::string sampleValue(int field) {
  if (field == 3) return "No";
  if (field == 7) return "U - Unpaved Surface";
  if (field == 28) return "Not Verified";
  const std::set<int> fourDecimals{10, 13, 20, 23, 32, 35, 42, 45};
  return std::to_string(field) + (fourDecimals.count(field) ? ".1234" : "");
}

using RunwayScreenTest = RunwayTest;

TEST_F(RunwayScreenTest, NewRunwayStartsEmptyWithTheSurveyDateListsAndHemispheres) {
  addRunway("ABC", "09", "27");
  program.current().runwayRow = 1;
  type(kRunway, "Text4R", "123");  // left over from an earlier visit
  openNew();
  EXPECT_EQ(box("Text1R").text(), "05/06/2024");
  EXPECT_EQ(box("Text4R").text(), "");
  EXPECT_TRUE(box("Text14R").bold());
  EXPECT_FALSE(box("Text2R").locked());
  EXPECT_EQ(list("ListBP1").items(), (std::vector<std::string>{"Yes", "No", "Not Verified"}));
  EXPECT_EQ(list("ListBP2").items(), list("ListBP1").items());
  EXPECT_EQ(list("ListSurf").items(),
            (std::vector<std::string>{"P - Paved Hard Surface", "U - Unpaved Surface",
                                      "N - Not a specially prepared surface"}));
  for (const char* name : {"ListBP1", "ListBP2", "ListSurf"}) {
    EXPECT_FALSE(list(name).chosen()) << name;
  }
  for (const auto& [name, text] :
       FieldTexts{{"LabelLatDir1", "N"}, {"LabelLatDir4", "N"}, {"LabelLonDir3", "W"}}) {
    EXPECT_EQ(control<Label>(kRunway, name).caption(), text) << name;
  }
  EXPECT_EQ(control<TabStrip>(kRunway, "TabStrip1").selectedCaption(), "Current Airport");
  EXPECT_EQ(control<StatusBar>(kRunway, "StatusBar1").panelText(), "ABC: Abc Field");
  EXPECT_TRUE(button("Command1").enabled());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RunwayScreenTest, SaveAddsTheRowThenASecondSaveChangesTheSameRow) {
  addRunway("XYZ", "18", "36");
  openNew();
  for (int field = 1; field <= kRunwayScreenFields; ++field) {
    if (field == 3 || field == 7 || field == 28) continue;
    type(kRunway, "Text" + std::to_string(field) + "R", sampleValue(field));
  }
  list("ListBP1").choose(1);
  list("ListSurf").choose(1);
  list("ListBP2").choose(2);
  ASSERT_TRUE(dialogs.shown.empty()) << dialogs.last();

  click(kRunway, "CommandSubmitRunway");
  EXPECT_EQ(dialogs.last(), "Runway Information Successfully Added");
  EXPECT_EQ(dialogs.shown.back().title, kProgramTitle);
  ASSERT_EQ(program.store.runways().count(), 2);
  for (int field = 1; field <= kRunwayScreenFields; ++field) {
    EXPECT_EQ(cell(2, field), sampleValue(field)) << "field " << field;
  }
  EXPECT_EQ(cell(2, 49), "ABC");
  EXPECT_EQ(program.current().runwayRow, 2);
  EXPECT_EQ(program.current().runwayMode, RecordMode::Edit);
  EXPECT_EQ(program.current().surveyDate, "1");
  EXPECT_EQ(program.current().runwayEnd, "2");
  // "Save" stays on the screen, editing the saved row, with its commands enabled again.
  EXPECT_TRUE(shown(kRunway));
  EXPECT_TRUE(button("CommandSubmitRunway").enabled());
  EXPECT_TRUE(button("CommandCancelRunway").enabled());

  type(kRunway, "Text6R", "200");
  click(kRunway, "CommandSubmitRunway");
  EXPECT_EQ(dialogs.last(), "Runway Information Successfully Changed");
  EXPECT_EQ(program.store.runways().count(), 2);
  EXPECT_EQ(cell(2, 6), "200");
}

TEST_F(RunwayScreenTest, AddRefusesADesignatorOfALiveRunwayOfTheSameSurvey) {
  for (const auto& c : caseTable("screens/runway_duplicates.cases", 5)) {
    SCOPED_TRACE(c[0]);
    program.store.runways().setCount(0);
    for (std::size_t at = 0, end = 0; at < c[1].size(); at = end + 2) {
      end = std::min(c[1].find("; ", at), c[1].size());
      std::string key, id, opposite, deleted;
      std::istringstream(c[1].substr(at, end - at)) >> key >> id >> opposite >> deleted;
      addRunway(key, id, opposite, deleted == "deleted");
    }
    const int before = program.store.runways().count();
    openNew();
    typeDesignators(c[2], c[3]);
    click(kRunway, "CommandSubmitRunway");
    if (!c[4].empty()) {
      EXPECT_EQ(dialogs.last(), "Runway " + c[4] + " has already been entered.");
      EXPECT_EQ(program.store.runways().count(), before);
      EXPECT_EQ(program.current().runwayMode, RecordMode::Add);
      EXPECT_TRUE(button("CommandSubmitRunway").enabled());
    } else {
      EXPECT_EQ(dialogs.last(), "Runway Information Successfully Added");
      ASSERT_EQ(program.store.runways().count(), before + 1);
      EXPECT_EQ(cell(before + 1, 2), c[2]);
      EXPECT_EQ(cell(before + 1, 27), c[3]);
    }
  }
}

// Save, "Save and Return" and the profile points all save first, and stay when they cannot.
TEST_F(RunwayScreenTest, SavingWithoutBothDesignatorsWritesNothingAndStays) {
  for (const char* command : {"CommandSubmitRunway", "Command3", "Command1"}) {
    for (const auto& [id, opposite] :
         {std::pair{"", "27"}, std::pair{"09", ""}, std::pair{"", ""}}) {
      SCOPED_TRACE(std::string(command) + " " + id + "/" + opposite);
      openNew();
      typeDesignators(id, opposite);
      dialogs.shown.clear();
      click(kRunway, command);
      EXPECT_EQ(dialogs.texts(),
                std::vector<std::string>{"You Must First Enter a Runway Identifier"});
      EXPECT_EQ(program.store.runways().count(), 0);
      EXPECT_EQ(program.current().runwayMode, RecordMode::Add);
      EXPECT_TRUE(shown(kRunway));
    }
  }
}

TEST_F(RunwayScreenTest, EditLoadsEveryFieldAndSaveWritesOnlyTheScreenFields) {
  const int row = addRunway("ABC", "", "");
  for (int field = 1; field <= kRunwayScreenFields; ++field) {
    program.store.runways().setCell(row, field, sampleValue(field));
  }
  program.store.runways().setCell(row, 60, "2");  // a profile point of end 1
  program.store.runways().setCell(row, 61, "1200");
  openEdit(row);
  ASSERT_TRUE(dialogs.shown.empty()) << dialogs.last();
  EXPECT_TRUE(box("Text2R").locked());
  EXPECT_EQ(list("ListBP1").chosenText(), "No");
  EXPECT_EQ(list("ListSurf").chosenText(), "U - Unpaved Surface");
  EXPECT_EQ(list("ListBP2").chosenText(), "Not Verified");
  EXPECT_EQ(box("Text32R").text(), "32.1234");
  EXPECT_EQ(program.current().runwayEnd, "2");

  type(kRunway, "Text37R", "99.5");
  click(kRunway, "CommandSubmitRunway");
  EXPECT_EQ(dialogs.last(), "Runway Information Successfully Changed");
  EXPECT_EQ(program.store.runways().count(), 1);
  for (int field = 1; field <= kRunwayScreenFields; ++field) {
    EXPECT_EQ(cell(row, field), field == 37 ? "99.5" : sampleValue(field)) << "field " << field;
  }
  expectRow(TableKind::Runway, row, {{49, "ABC"}, {60, "2"}, {61, "1200"}});
}

TEST_F(RunwayScreenTest, LoadedValuesThatNoListOffersOrThatFailTheirChecksAreSavedEmpty) {
  const int row = addRunway("ABC", "09", "27");
  program.store.updateRow(TableKind::Runway, row,
                          {{3, "Y"}, {7, "P"}, {28, "Yes"}, {8, "95"}, {6, "1500"}, {14, "12.34"}});
  openEdit(row);
  EXPECT_FALSE(list("ListBP1").chosen());
  EXPECT_FALSE(list("ListSurf").chosen());
  EXPECT_EQ(list("ListBP2").chosenText(), "Yes");
  EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{
                                 "1500:  Error (Entry too large for field)",
                                 "95 is greater than 90.  Degree values must be between 0 and 90.",
                                 "12.34:  Error (Only 1 decimal place allowed)"}));
  EXPECT_EQ(dialogs.shown.front().title, "");
  click(kRunway, "CommandSubmitRunway");
  expectRow(TableKind::Runway, row, {{3, ""}, {7, ""}, {28, "Yes"}, {6, ""}, {8, ""}, {14, ""}});
}

TEST_F(RunwayScreenTest, SaveAndReturnGoesBackToTheAirportListingTheRunway) {
  openNew();
  typeDesignators("09", "27");
  click(kRunway, "Command3");
  EXPECT_EQ(dialogs.last(), "Runway Information Successfully Added");
  ASSERT_TRUE(shown(screen::kAirport));
  EXPECT_FALSE(shown(kRunway));
  // The airport screen shows the survey, lists the new runway and can still save.
  EXPECT_EQ(control<TextBox>(screen::kAirport, "Text3A").text(), "ABC");
  const auto& grid = control<Grid>(screen::kAirport, "GridRunway");
  ASSERT_EQ(grid.rows(), 2);
  EXPECT_EQ(grid.cell(1, 0), "09 / 27");
  EXPECT_TRUE(control<CommandButton>(screen::kAirport, "CommandSubmitAirport").enabled());
}

TEST_F(RunwayScreenTest, HubEditOpensTheRunwayLoadedWithItsDesignatorsLocked) {
  addRunway("ABC", "18", "36");
  const int row = addRunway("ABC", "09", "27", false, "5000");
  program.store.runways().setCell(row, 1, "04/04/2023");
  prepareScreen(program, screen::kAirport, Preparation::Tab);
  showScreen(program, screen::kAirport);
  control<Grid>(screen::kAirport, "GridRunway").clickRow(2);
  click(screen::kAirport, "CommandEditRWY");
  ASSERT_TRUE(shown(kRunway));
  EXPECT_EQ(program.current().runwayRow, row);
  // The runway's own survey date replaces the airport's.
  expectBoxes(kRunway, {{"Text2R", "09"}, {"Text5R", "5000"}, {"Text1R", "04/04/2023"}});
  EXPECT_EQ(program.current().surveyDate, "04/04/2023");
  EXPECT_TRUE(box("Text2R").locked());
  EXPECT_TRUE(box("Text27R").locked());
}

TEST_F(RunwayScreenTest, PictureOpensTheStandardsDocumentAndReportsAFailure) {
  openNew();
  control<Picture>(kRunway, "Picture1").click();
  EXPECT_EQ(platform.opened, std::vector<std::string>{kRunwayStandardsAddress});
  EXPECT_TRUE(dialogs.shown.empty());
  platform.openSucceeds = false;
  control<Picture>(kRunway, "Picture1").click();
  EXPECT_NE(dialogs.last().find(kRunwayStandardsAddress), std::string::npos);
}

TEST_F(RunwayScreenTest, ProfilePointsOfAnUnsavedRunwaySaveItFirst) {
  openNew();
  typeDesignators("09", "27");
  click(kRunway, "Command2");
  EXPECT_EQ(dialogs.last(), "Runway Information Successfully Added");
  EXPECT_EQ(program.store.runways().count(), 1);
  EXPECT_EQ(program.current().runwayRow, 1);
  EXPECT_TRUE(shown(kPoints));
  EXPECT_FALSE(shown(kRunway));
  EXPECT_EQ(program.current().runwayEnd, "27");
  EXPECT_EQ(control<StatusBar>(kPoints, "StatusBar1").panelText(), "ABC: Abc Field  (Rwy 27)");
}

TEST_F(RunwayScreenTest, ProfilePointsOfADeletedRunwaysDesignatorsGoToTheNewRunway) {
  addRunway("ABC", "09", "27", /*deleted=*/true);
  openNew();
  typeDesignators("09", "27");
  click(kRunway, "Command1");
  EXPECT_EQ(dialogs.last(), "Runway Information Successfully Added");
  ASSERT_EQ(program.store.runways().count(), 2);
  EXPECT_EQ(program.current().runwayRow, 2);
  addPoint("1200", "310.5", "280.5");
  EXPECT_EQ(cell(2, 60), "09");
  EXPECT_EQ(cell(1, 60), "");
}

}  // namespace
}  // namespace survey::testing
