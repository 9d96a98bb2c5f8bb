#include "entry/hub_grids.h"
#include "record_fixture.h"
#include "shell/screen_names.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

class NavaidScreenTest : public NavaidTest {
 protected:
  // Fills every box of a glide slope of runway 09 with a perpendicular point.
  // Box TextNG holds field N.
  const FieldValues glideSlope = fieldsOf(
      "1=09, 2=IABC, 3=38, 4=51, 5=12.3456, 6=77, 7=2, 8=1.5, 9=312.4, 10=280.1, 14=-1050, 20=38, "
      "21=51, 22=13.0001, 23=77, 24=2, 25=2.25, 26=300.5, 27=268.2");
  void enterGlideSlope() {
    choose("ListElectronic", "GS - Glide Slope");
    for (const auto& [field, text] : glideSlope)
      type(kScreen, "Text" + std::to_string(field) + "G", text);
    option("RadioPP").setValue(true);
    choose("ListLR", "R");
  }
};

TEST_F(NavaidScreenTest, OpeningShowsTheSurveyAndItsHemispheres) {
  openNew();
  EXPECT_EQ(screen().get<StatusBar>("StatusBar1").panelText(), "ABC: Abc Field");
  EXPECT_EQ(caption("LabelLatDir1"), "N");
  EXPECT_EQ(caption("LabelLonDir1"), "W");
  EXPECT_EQ(screen().get<TabStrip>("TabStrip1").selectedCaption(), "Current Airport");
  EXPECT_TRUE(box("Text5G").bold());
  EXPECT_EQ(screen().caption(), "Part C: NAVAID Information");
  EXPECT_TRUE(shown(kScreen));
  EXPECT_EQ(box("Text18G").text(), "03/04/2005");
  EXPECT_FALSE(visible("Frame4"));
  EXPECT_FALSE(visible("Frame5"));
}

TEST_F(NavaidScreenTest, SaveAddsTheNavaidWithItsLinkAndRowNumberAndListsIt) {
  addNavaid({{15, "VOR/DME"}});
  openNew();
  enterGlideSlope();
  click(kScreen, "Command5");

  ASSERT_EQ(program.store.navaids().count(), 2);
  EXPECT_TRUE(told("Navaid Information Successfully Added"));
  expectRow(TableKind::Navaid, 2, glideSlope);
  expectRow(TableKind::Navaid, 2,
            fieldsOf("11=PP, 12=, 13=R, 15=GS - Glide Slope, 16=ABC, 17=, 18=03/04/2005, 19= 2 "));
  EXPECT_EQ(program.current().navaidMode, RecordMode::Add);
  // The airport screen comes back listing the new navaid.
  ASSERT_TRUE(shown(screen::kAirport));
  EXPECT_FALSE(shown(kScreen));
  const Grid& grid = control<Grid>(screen::kAirport, "GridGS");
  ASSERT_EQ(grid.rows(), 3);
  EXPECT_EQ(grid.cell(2, 0), "GS - Glide Slope (Rwy 09) PP");
  EXPECT_EQ(grid.cell(2, kRowNumberColumn), "2");
}

// The other two answers are stored by the glide slope and empty screen saves.
TEST_F(NavaidScreenTest, SaveStoresTheCenterlineAnswer) {
  openNew();
  choose("ListElectronic", "VOR - VHF Omni Directional Range");
  option("RadioCLPT").setValue(true);
  click(kScreen, "Command5");
  EXPECT_EQ(stored(1, 11), "CLPT");
}

TEST_F(NavaidScreenTest, HiddenFieldsAreSavedAsTheyStand) {
  openNew();
  enterGlideSlope();
  choose("ListVisual", "REIL - Runway End Identifier Lights");
  ASSERT_FALSE(visible("Text2G"));
  ASSERT_FALSE(visible("Frame4"));
  click(kScreen, "Command5");
  expectRow(
      TableKind::Navaid, 1,
      fieldsOf(
          "2=IABC, 13=R, 14=-1050, 22=13.0001, 11=NAVAID, 15=REIL - Runway End Identifier Lights"));
}

TEST_F(NavaidScreenTest, StarsEntryBecomesTheTypeAndAnEmptyScreenIsStoredToo) {
  openNew();
  typeKeys(kScreen, "Text15G", "ASOS");
  click(kScreen, "Command5");
  openNew();
  click(kScreen, "Command5");
  EXPECT_EQ(stored(1, 15), "ASOS");
  expectRow(TableKind::Navaid, 2, {{15, ""}, {11, "NAVAID"}});
  EXPECT_EQ(program.store.navaids().count(), 2);
}

TEST_F(NavaidScreenTest, EditLoadsTheChosenRowAndSaveChangesOnlyIt) {
  addNavaid({{15, "VOR/DME"}, {2, "DCA"}});
  // Box TextNG shows field N.
  const FieldValues shownInBoxes{{1, "27"},   {2, "ILOC"}, {3, "38"},          {9, "15.5"},
                                 {14, "900"}, {20, "39"},  {18, "01/02/2004"}, {27, "11.2"}};
  FieldValues values = shownInBoxes;
  values.insert(values.end(), {{11, "CLPT"}, {13, "L"}, {15, "OM - Outer Marker"}});
  const int row = addNavaid(values);
  program.store.updateRow(TableKind::Navaid, row, {{19, " 9 "}, {12, "x"}});
  openEdit(row);

  for (const auto& [field, text] : shownInBoxes) {
    EXPECT_EQ(box("Text" + std::to_string(field) + "G").text(), text) << field;
  }
  EXPECT_EQ(list("ListElectronic").chosenText(), "OM - Outer Marker");
  EXPECT_EQ(list("ListLR").chosenText(), "L");
  EXPECT_TRUE(option("RadioCLPT").value());
  EXPECT_TRUE(visible("Frame4"));
  EXPECT_FALSE(visible("RadioPP"));
  EXPECT_EQ(caption("LabelCenterline"), "Distance Between Navaid CLPT and the Runway Approach End");
  EXPECT_TRUE(control<CommandButton>(kScreen, "Command5").enabled());

  type(kScreen, "Text2G", "IOM");
  click(kScreen, "Command5");
  EXPECT_TRUE(told("Navaid Information Successfully Changed"));
  EXPECT_EQ(program.store.navaids().count(), 2);
  expectRow(TableKind::Navaid, row,
            {{2, "IOM"}, {11, "CLPT"}, {19, " 9 "}, {12, "x"}, {16, "ABC"}});
  EXPECT_EQ(stored(1, 2), "DCA");
}

TEST_F(NavaidScreenTest, LoadingPutsATypeFromNeitherListIntoTheStarsBox) {
  const int row = addNavaid({{15, "ASOS - Weather Station"}, {1, "09"}, {11, "PP"}});
  openEdit(row);
  EXPECT_EQ(box("Text15G").text(), "ASOS - Weather Station");
  EXPECT_EQ(list("ListElectronic").chosen(), 0);
  EXPECT_EQ(list("ListVisual").chosen(), 0);
  EXPECT_FALSE(visible("Text1G"));
  EXPECT_FALSE(visible("RadioPP"));
  EXPECT_TRUE(option("RadioPP").value());
  EXPECT_TRUE(visible("Frame4"));
  EXPECT_EQ(box("Text1G").text(), "09");
}

TEST_F(NavaidScreenTest, LoadingAnEmptyTypeChoosesTheEmptyElectronicItem) {
  const int row = addNavaid({{2, "X"}});
  openEdit(row);
  EXPECT_EQ(list("ListElectronic").chosen(), 0);
  EXPECT_EQ(box("Text15G").text(), "");
  EXPECT_TRUE(option("RadioDEF").value());
  EXPECT_FALSE(visible("Frame1"));
}

TEST_F(NavaidScreenTest, LoadingAVisualTypeLeavesTheDistanceBoxHidden) {
  const int row = addNavaid({{15, "PAPI - Precision Approach Path Indicator"}, {11, "PP"}});
  openEdit(row);
  EXPECT_EQ(list("ListVisual").chosenText(), "PAPI - Precision Approach Path Indicator");
  EXPECT_EQ(list("ListElectronic").chosen(), 0);
  EXPECT_FALSE(visible("Frame3"));
  EXPECT_FALSE(visible("RadioCLPT"));
  EXPECT_TRUE(option("RadioPP").value());
  EXPECT_TRUE(visible("Frame5"));
}

class NavaidGridTest : public NavaidTest {
 protected:
  Grid grid{"GridGS", nullptr, kHubGridColumns};
};

TEST_F(NavaidGridTest, DescriptionNamesTypeRunwayAndAssociatedPoint) {
  const auto cases = caseTable("screens/navaid_descriptions.cases", 4);
  for (const auto& c : cases) addNavaid({{15, c[0]}, {1, c[1]}, {11, c[2]}});
  program.current().surveyKey = "ABC";
  fillNavaidGrid(program, grid);
  ASSERT_EQ(grid.rows(), static_cast<int>(cases.size()) + 1);
  EXPECT_EQ(grid.cell(0, 0), "Navaid Description");
  for (int line = 1; line < grid.rows(); ++line) {
    EXPECT_EQ(grid.cell(line, 0), cases[static_cast<std::size_t>(line) - 1][3]) << line;
    EXPECT_EQ(grid.cell(line, kRowNumberColumn), std::to_string(line)) << line;
  }
}

TEST_F(NavaidGridTest, ListsOnlyTheSurveysNavaidsThatAreNotDeleted) {
  addNavaid({{15, "A"}});
  addNavaid({{15, "B"}}, "XYZ");
  const int deleted = addNavaid({{15, "C"}});
  addNavaid({{15, "D"}});
  program.store.markDeleted(TableKind::Navaid, deleted);
  program.current().surveyKey = "ABC";
  fillNavaidGrid(program, grid);
  ASSERT_EQ(grid.rows(), 3);
  EXPECT_EQ(grid.cell(1, 0), "A");
  EXPECT_EQ(grid.cell(1, kRowNumberColumn), "1");
  EXPECT_EQ(grid.cell(2, 0), "D");
  EXPECT_EQ(grid.cell(2, kRowNumberColumn), "4");

  // A refill after a delete shortens the list.
  program.store.markDeleted(TableKind::Navaid, 1);
  fillNavaidGrid(program, grid);
  ASSERT_EQ(grid.rows(), 2);
  EXPECT_EQ(grid.cell(1, 0), "D");
}

TEST_F(NavaidGridTest, ListsEveryNavaidBeyondTheFirstNinetyNine) {
  for (int i = 1; i <= 150; ++i) addNavaid({{15, "NDB " + std::to_string(i)}});
  program.current().surveyKey = "ABC";
  fillNavaidGrid(program, grid);
  ASSERT_EQ(grid.rows(), 151);
  EXPECT_EQ(grid.cell(150, 0), "NDB 150");
  EXPECT_EQ(grid.cell(150, kRowNumberColumn), "150");
}

}  // namespace
}  // namespace survey::testing
