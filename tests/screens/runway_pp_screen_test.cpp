#include <algorithm>
#include <string>
#include <vector>

#include "record_fixture.h"
#include "support/survey_rows.h"
#include "survey/profile_point_groups.h"

namespace survey::testing {
namespace {

class RunwayPPScreenTest : public RunwayTest {
 protected:
  // The grid's data rows, each as "end distance orth ellip".
  std::vector<std::string> listed() {
    std::vector<std::string> rows;
    Grid& grid = pointGrid();
    for (int row = 1; row < grid.rows(); ++row) {
      rows.push_back(grid.cell(row, 0) + " " + grid.cell(row, 1) + " " + grid.cell(row, 2) + " " +
                     grid.cell(row, 3));
    }
    return rows;
  }
  // Runway 09/27, 5000 ft long, and the profile points of its end 09.
  int openNewRunwaysPoints() {
    const int row = addRunway("ABC", "09", "27", false, "5000");
    openPoints(row);
    return row;
  }
  void deleteListed(int gridRow) {
    pointGrid().clickRow(gridRow);
    click(kPoints, "Command3");
  }
};

TEST_F(RunwayPPScreenTest, OpensWithHeaderStatusAndTheCurrentAirportTab) {
  openNewRunwaysPoints();
  EXPECT_EQ(pointGrid().rows(), 1);
  const char* headers[] = {"Runway", "Distance", "Orth Elv", "Ellip Elv"};
  for (int column = 0; column < 4; ++column)
    EXPECT_EQ(pointGrid().cell(0, column), headers[column]);
  EXPECT_EQ(control<TabStrip>(kPoints, "TabStrip1").selectedCaption(), "Current Airport");
  EXPECT_EQ(control<StatusBar>(kPoints, "StatusBar1").panelText(), "ABC: Abc Field  (Rwy 09)");
}

TEST_F(RunwayPPScreenTest, ZeroAndTheRunwayLengthAreRunwayEndsNotPoints) {
  for (const auto& c : caseTable("screens/profile_point_distances.cases", 2)) {
    SCOPED_TRACE(c[0]);
    program.store.runways().setCount(0);
    dialogs.shown.clear();
    const int row = openNewRunwaysPoints();
    addPoint(c[0], "310.5", "280.4");
    for (const char* name : {"Text1PP", "Text2PP", "Text3PP"}) {
      EXPECT_EQ(control<TextBox>(kPoints, name).text(), "") << name;
    }
    if (!c[1].empty()) {
      EXPECT_EQ(dialogs.last(), c[1]);
      EXPECT_EQ(dialogs.shown.back().title, kProgramTitle);
      EXPECT_EQ(cell(row, 60), "");
      EXPECT_TRUE(listed().empty());
    } else {
      EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last();
      EXPECT_EQ(listed(), std::vector<std::string>{"09 " + c[0] + " 310.5 280.4"});
      EXPECT_EQ(cell(row, 61), c[0]);
    }
  }
}

TEST_F(RunwayPPScreenTest, SaveStoresLikeAddAndAnEmptyPointShowsOnlyTheEnd) {
  const int row = openNewRunwaysPoints();
  click(kPoints, "CommandSubmitRunway");
  addPoint("800", "1.5", "2");
  EXPECT_EQ(listed(), (std::vector<std::string>{"09   ", "09 800 1.5 2"}));
  EXPECT_EQ(cell(row, 60), "09");
  EXPECT_EQ(cell(row, 65), "09");
}

TEST_F(RunwayPPScreenTest, ADeletedGroupIsReusedBeforeLaterFreeGroups) {
  const int row = openNewRunwaysPoints();
  addPoint("1000");
  addPoint("2000");
  addPoint("3000");
  deleteListed(2);
  EXPECT_EQ(listed(), (std::vector<std::string>{"09 1000  ", "09 3000  "}));
  EXPECT_EQ(cell(row, 65), "");
  addPoint("500");
  EXPECT_EQ(cell(row, 66), "500");
  // Listed in group order, not by distance.
  EXPECT_EQ(listed(), (std::vector<std::string>{"09 1000  ", "09 500  ", "09 3000  "}));
}

TEST_F(RunwayPPScreenTest, IdenticalPointsAreDeletedLowestGroupFirst) {
  const int row = openNewRunwaysPoints();
  addPoint("1000", "5", "6");
  addPoint("2000", "5", "6");
  addPoint("1000", "5", "6");
  deleteListed(0);  // the header row is no point
  EXPECT_EQ(listed().size(), 3u);
  deleteListed(3);
  EXPECT_EQ(cell(row, 60), "");
  EXPECT_EQ(cell(row, 61), "");
  EXPECT_EQ(cell(row, 70), "09");
  EXPECT_EQ(listed(), (std::vector<std::string>{"09 2000 5 6", "09 1000 5 6"}));
}

TEST_F(RunwayPPScreenTest, DeleteTakesThePointFromTheListedRunwayNotADeletedOne) {
  const int old = addRunway("ABC", "09", "27", /*deleted=*/true, "5000");
  const int row = addRunway("ABC", "09", "27", false, "5000");
  for (int r : {old, row}) {
    program.store.runways().setCell(r, 60, "09");
    program.store.runways().setCell(r, 61, "1000");
  }
  openPoints(row);
  ASSERT_EQ(listed(), std::vector<std::string>{"09 1000  "});
  deleteListed(1);
  EXPECT_TRUE(listed().empty());
  EXPECT_EQ(cell(row, 60), "");
  EXPECT_EQ(cell(old, 60), "09");
}

TEST_F(RunwayPPScreenTest, EachEndListsOnlyItsOwnPointsButTheyShareTheGroups) {
  const int row = openNewRunwaysPoints();
  addPoint("1000", "1", "2");
  click(kPoints, "Command1");  // Back
  ASSERT_TRUE(shown(kRunway));
  click(kRunway, "Command2");
  ASSERT_TRUE(shown(kPoints));
  EXPECT_EQ(control<StatusBar>(kPoints, "StatusBar1").panelText(), "ABC: Abc Field  (Rwy 27)");
  EXPECT_TRUE(listed().empty());
  addPoint("700", "3", "4");
  EXPECT_EQ(listed(), std::vector<std::string>{"27 700 3 4"});
  EXPECT_EQ(cell(row, 60), "09");
  EXPECT_EQ(cell(row, 65), "27");
  EXPECT_EQ(cell(row, 66), "700");
}

// A keyboard user enters points one after another: each value typed where the cursor is,
// Tab to the next box, and Add (Alt+A), which leaves the cursor where it was unless the
// screen moves it. Every point keeps its values in their own fields.
TEST_F(RunwayPPScreenTest, TheKeyboardAddLoopStoresEachPointAsTyped) {
  openNewRunwaysPoints();
  Screen& screen = program.screens.touch(kPoints);
  const std::vector<std::string> tabOrder = {"Text1PP", "Text2PP", "Text3PP", "CommandAddRWY"};
  std::string cursor = tabOrder.front();
  for (const auto& point : std::vector<std::vector<std::string>>{
           {"800", "1.5", "2"}, {"1600", "", "3"}, {"2400", "4.5", ""}}) {
    for (const std::string& value : point) {
      if (auto* box = dynamic_cast<TextBox*>(screen.find(cursor))) box->setText(value);
      const auto at = std::find(tabOrder.begin(), tabOrder.end(), cursor);
      if (&value != &point.back() && at + 1 != tabOrder.end()) cursor = *(at + 1);
    }
    click(kPoints, "CommandAddRWY");
    if (!screen.focusedControl().empty()) cursor = screen.focusedControl();
    EXPECT_EQ(cursor, "Text1PP");
    for (std::size_t box = 0; box < 3; ++box) {
      EXPECT_EQ(control<TextBox>(kPoints, tabOrder[box]).text(), "") << tabOrder[box];
    }
  }
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last();
  EXPECT_EQ(listed(), (std::vector<std::string>{"09 800 1.5 2", "09 1600  3", "09 2400 4.5 "}));
}

TEST_F(RunwayPPScreenTest, ATwentyNinthPointIsRefusedAndNothingIsStored) {
  const int row = openNewRunwaysPoints();
  for (int n = 1; n <= runway::kProfileGroups; ++n) addPoint(std::to_string(n * 100));
  ASSERT_TRUE(dialogs.shown.empty()) << dialogs.last();
  EXPECT_EQ(cell(row, 195), "09");
  EXPECT_EQ(cell(row, 196), "2800");
  addPoint("2900", "1", "2");
  EXPECT_EQ(dialogs.last(),
            "Runway 09 / 27 already holds 28 additional profile points, the most a runway can "
            "hold. Delete a point before adding another; the point was not stored.");
  EXPECT_EQ(listed().size(), 28u);
  for (int field = 51; field <= 200; ++field) {
    EXPECT_NE(cell(row, field), "2900") << field;
  }
  EXPECT_EQ(control<TextBox>(kPoints, "Text1PP").text(), "");
}

TEST_F(RunwayPPScreenTest, BoxesAreCheckedAsTyped) {
  openNewRunwaysPoints();
  typeKeys(kPoints, "Text1PP", "123456");
  EXPECT_EQ(dialogs.last(), "123456:  Error (Entry too large for field)");
  typeKeys(kPoints, "Text2PP", "-12.34");
  EXPECT_EQ(dialogs.last(), "12.34:  Error (Only 1 decimal place allowed)");
  typeKeys(kPoints, "Text3PP", "1x");
  EXPECT_EQ(dialogs.last(), "1x:  Improper Entry");
  for (const char* name : {"Text1PP", "Text2PP", "Text3PP"}) {
    EXPECT_EQ(control<TextBox>(kPoints, name).text(), "") << name;
  }
}

TEST_F(RunwayPPScreenTest, BackAndTheCurrentRunwayTabReloadTheRunway) {
  openNewRunwaysPoints();
  click(kPoints, "Command1");
  ASSERT_TRUE(shown(kRunway));
  EXPECT_FALSE(shown(kPoints));
  expectBoxes(kRunway, {{"Text2R", "09"}, {"Text5R", "5000"}});

  click(kRunway, "Command2");
  ASSERT_TRUE(shown(kPoints));
  auto& tabs = control<TabStrip>(kPoints, "TabStrip1");
  tabs.select(1);  // "Current Airport" does nothing here
  EXPECT_TRUE(shown(kPoints));
  control<TabStrip>(kPoints, "TabStrip1").select(2);
  ASSERT_TRUE(shown(kRunway));
  EXPECT_EQ(box("Text27R").text(), "27");

  click(kRunway, "Command1");
  control<TabStrip>(kPoints, "TabStrip1").select(0);
  EXPECT_TRUE(shown(MainScreen::kName));
  EXPECT_FALSE(shown(kPoints));
}

}  // namespace
}  // namespace survey::testing
