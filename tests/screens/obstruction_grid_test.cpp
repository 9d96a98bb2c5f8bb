#include "entry/hub_grids.h"
#include "screens/obstruction_fixture.h"
#include "shell/hub.h"

namespace survey::testing {
namespace {

class ObstructionGridTest : public ObstructionTest {
 protected:
  // The visible text of each data row and its hidden row number.
  std::vector<std::pair<std::string, std::string>> listed(const Grid& grid) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 1; row < grid.rows(); ++row) {
      rows.emplace_back(grid.cell(row, 0) + " | " + grid.cell(row, 1), grid.cell(row, 6));
    }
    return rows;
  }
  Grid grid{"GridObstruction", nullptr, kHubGridColumns};
};

using Listed = std::vector<std::pair<std::string, std::string>>;

TEST_F(ObstructionGridTest, ListsTheSurveysLiveObstructionsWithTheirRows) {
  addSurvey();
  addObstruction("ABC", {{2, "TREE"}, {1, "17"}, {3, "40"}, {4, "38"}, {5, "12.25"}});
  addObstruction("XYZ", {{2, "TREE"}, {1, "17"}, {3, "40"}, {4, "38"}, {5, "12.25"}});
  const int deleted = addObstruction("ABC", {{2, "POLE"}, {1, "17"}});
  program.store.markDeleted(TableKind::Obstruction, deleted);
  addObstruction("ABC", {{1, "35"}, {3, "41"}, {4, "1"}, {5, "2"}});
  addObstruction("ABC", {});

  fillObstructionGrid(program, grid);
  EXPECT_EQ(grid.cell(0, 0), "Obstruction Type");
  EXPECT_EQ(grid.cell(0, 1), "Rwy");
  EXPECT_EQ(grid.hiddenColumn(), 6);
  EXPECT_EQ(listed(grid), (Listed{{"TREE (17) 40-38-12.25 | 17", "1"},
                                  {" (35) 41-1-2 | 35", "4"},
                                  {" () -- | ", "5"}}));
}

TEST_F(ObstructionGridTest, ListsEveryObstructionOfALargeSurvey) {
  addSurvey();
  for (int i = 1; i <= 12000; ++i) addObstruction(i % 2 ? "ABC" : "XYZ", {{2, std::to_string(i)}});
  fillObstructionGrid(program, grid);
  ASSERT_EQ(grid.rows(), 6001);
  EXPECT_EQ(grid.cell(6000, 0), "11999 () --");
  EXPECT_EQ(grid.cell(6000, 6), "11999");
}

TEST_F(ObstructionGridTest, RefreshReachesTheAirportScreenOnlyWhileItExists) {
  addSurvey();
  addObstruction("ABC", {{2, "TREE"}});
  refreshObstructionGrid(program);
  EXPECT_EQ(program.screens.existing(screen::kAirport), nullptr);

  showScreen(program, screen::kAirport);
  auto& hubGrid = control<Grid>(screen::kAirport, "GridObstruction");
  hubGrid.setRows(1);
  refreshObstructionGrid(program);
  ASSERT_EQ(hubGrid.rows(), 2);
  EXPECT_EQ(hubGrid.cell(1, 0), "TREE () --");
}

TEST_F(ObstructionGridTest, HubAddsEditsAndDeletesThroughTheGrid) {
  program.current().surveyType = "AOC";
  addSurvey();
  addObstruction("ABC", {{2, "TREE"}, {1, "17"}});
  addObstruction("XYZ", {{2, "BLDG"}, {1, "17"}});
  showScreen(program, screen::kAirport);
  auto* hub = dynamic_cast<HubScreen*>(program.screens.existing(screen::kAirport));
  ASSERT_NE(hub, nullptr);
  hub->refillHubGrids();

  click(screen::kAirport, "CommandAddObs");
  ASSERT_TRUE(shown(screen::kObstruction));
  type(screen::kObstruction, "Text2O", "POLE");
  save();
  ASSERT_TRUE(shown(screen::kAirport));
  Grid* hubGrid = &control<Grid>(screen::kAirport, "GridObstruction");
  EXPECT_EQ(listed(*hubGrid), (Listed{{"TREE (17) -- | 17", "1"}, {"POLE () -- | ", "3"}}));

  hubGrid->clickRow(2);
  click(screen::kAirport, "CommandEditObs");
  ASSERT_TRUE(shown(screen::kObstruction));
  EXPECT_EQ(box("Text2O").text(), "POLE");
  type(screen::kObstruction, "Text1O", "35");
  save();
  EXPECT_EQ(cell(3, 1), "35");
  EXPECT_EQ(cell(3, 25), " 3 ");

  hubGrid = &control<Grid>(screen::kAirport, "GridObstruction");
  hubGrid->clickRow(1);
  click(screen::kAirport, "CommandDelObs");
  EXPECT_EQ(cell(1, 24), "D");
  EXPECT_EQ(listed(*hubGrid), (Listed{{"POLE (35) -- | 35", "3"}}));
}

}  // namespace
}  // namespace survey::testing
