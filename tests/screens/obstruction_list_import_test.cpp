#include "entry/obstruction_list_import.h"

#include <fstream>

#include "record_fixture.h"
#include "support/survey_rows.h"
#include "survey/obstruction_surfaces.h"

namespace survey::testing {
namespace {

class ObstructionListImportTest : public ObstructionTest {
 protected:
  void writeList(const std::string& content) {
    std::ofstream(dir.path() / kObstructionListFile, std::ios::binary) << content;
  }
  std::string listPath() const { return (dir.path() / kObstructionListFile).string(); }
};

TEST_F(ObstructionListImportTest, ReadsObjectsPositionsAndElevations) {
  addSurvey();
  addObstruction("XYZ", {{2, "OTHER"}});
  writeList(
      "STREET LIGHT,401234.56,0953012.34,1234.6\r\n"
      "OFFICE BLDG 3,395901.5,1045959.99,20.5\r\n"
      "POWER POLE, 380000.00 , 1200000.00 ,-3.5\r\n"
      "TRANSMISSION BLDG,401234.56,0953012.34,7\r\n"
      "ANTENNA,4012,09530,10,extra,items\r\n"
      "tree,401234.56,0953012.34,0\n"
      "SHORT,401234.56,0953012.34\r\n"
      "\r\n"
      "NO ELEVATION,401234.56,0953012.34,high\r");
  importObstructionList(program);

  const auto expected = caseTable("screens/obstruction_list_rows.cases", 8);
  ASSERT_EQ(program.store.obstructions().count(), 7);
  ASSERT_EQ(expected.size(), 6u);
  for (int row = 2; row <= 7; ++row) {
    const auto& c = expected[static_cast<std::size_t>(row) - 2];
    SCOPED_TRACE(c[0]);
    for (int field = 2; field <= 9; ++field) EXPECT_EQ(cell(row, field), c[field - 2]) << field;
    EXPECT_EQ(cell(row, 1), "17");
    EXPECT_EQ(cell(row, 21), kAreaNavPrecisionSurface);
    EXPECT_EQ(cell(row, 22), "ABC");
    EXPECT_EQ(cell(row, 23), "08/23/2005");
    EXPECT_EQ(cell(row, 25), numberCell(row));
  }
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last(), "6 obstructions were imported from " + listPath() +
                                ".\n3 lines were skipped: each line needs an object, a latitude, "
                                "a longitude and a numeric elevation, separated by commas.");
}

TEST_F(ObstructionListImportTest, RefreshesTheHubAndEnablesItsObstructionCommands) {
  program.current().surveyType = "NAVAID";  // obstructions are off for this type
  addSurvey();
  showScreen(program, screen::kAirport);
  for (const char* name : {"CommandAddObs", "CommandEditObs", "CommandDelObs"}) {
    control<CommandButton>(screen::kAirport, name).setEnabled(false);
  }
  writeList("TREE,401234.56,0953012.34,100\r\n");
  importObstructionList(program);
  const Grid& grid = control<Grid>(screen::kAirport, "GridObstruction");
  ASSERT_EQ(grid.rows(), 2);
  EXPECT_EQ(grid.cell(1, 0), "TREE (17) 40-12-34.56");
  for (const char* name : {"CommandAddObs", "CommandEditObs", "CommandDelObs"}) {
    EXPECT_TRUE(control<CommandButton>(screen::kAirport, name).enabled()) << name;
  }
  EXPECT_EQ(dialogs.last(), "1 obstruction was imported from " + listPath() + ".");
}

TEST_F(ObstructionListImportTest, RefusesWithoutAFileOrASurvey) {
  addSurvey();
  importObstructionList(program);
  EXPECT_EQ(dialogs.last(), "The obstruction list " + listPath() +
                                " was not found. No obstructions were imported.");

  writeList("TREE,401234.56,0953012.34,100\r\n");
  program.current().surveyKey.clear();
  importObstructionList(program);
  EXPECT_EQ(dialogs.last(), "You must first select an airport.");
  EXPECT_EQ(program.store.obstructions().count(), 0);
}

TEST_F(ObstructionListImportTest, StopsAtAFullTableAndSaysWhere) {
  addSurvey();
  program.store.obstructions().setCount(32766);
  writeList("A,401234.56,0953012.34,1\r\nB,401234.56,0953012.34,2\r\nC,4,0,3\r\n");
  importObstructionList(program);
  EXPECT_EQ(program.store.obstructions().count(), 32767);
  EXPECT_EQ(cell(32767, 2), "A");
  EXPECT_EQ(dialogs.last(), tableFullMessage(TableKind::Obstruction) +
                                "\nLine 2 and the lines after it were not imported.\n"
                                "1 obstruction was imported from " +
                                listPath() + ".");
  EXPECT_EQ(platform.busyDepth, 0);
}

}  // namespace
}  // namespace survey::testing
