#include "entry/hub_grids.h"
#include "navaid_fixture.h"

namespace survey::testing {
namespace {

class NavaidGridTest : public NavaidTest {
 protected:
  Grid grid{"GridGS", nullptr, kHubGridColumns};
};

TEST_F(NavaidGridTest, DescriptionNamesTypeRunwayAndAssociatedPoint) {
  const struct {
    const char* type;
    const char* runway;
    const char* answer;
    const char* description;
  } cases[] = {
      {"GS - Glide Slope", "09", "PP", "GS - Glide Slope (Rwy 09) PP"},
      {"VOR - VHF Omni Directional Range", "", "NAVAID", "VOR - VHF Omni Directional Range"},
      {"OM - Outer Marker", "27L", "CLPT", "OM - Outer Marker (Rwy 27L) CLPT"},
      {"NDB/DME", "", "CLPT", "NDB/DME CLPT"},
      {"", "09", "NAVAID", " (Rwy 09)"},
      {"", "", "", ""},
      {"ASOS", "", "pp", "ASOS"},
  };
  for (const auto& c : cases) addNavaid({{15, c.type}, {1, c.runway}, {11, c.answer}});
  program.current().surveyKey = "ABC";
  fillNavaidGrid(program, grid);
  ASSERT_EQ(grid.rows(), static_cast<int>(std::size(cases)) + 1);
  EXPECT_EQ(grid.cell(0, 0), "Navaid Description");
  for (int line = 1; line < grid.rows(); ++line) {
    EXPECT_EQ(grid.cell(line, 0), cases[line - 1].description) << line;
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
