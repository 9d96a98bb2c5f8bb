// The survey map's double-click: the record's own screen, filled from its row.
#include "entry/open_record.h"

#include "map/survey_sample.h"
#include "support/program_fixture.h"

namespace survey::testing {
namespace {

class OpenRecordTest : public ProgramTest {};

TEST_F(OpenRecordTest, OpensTheScreenOfALiveRecordOfTheCurrentSurveyOnly) {
  addSouthernSurvey(program.store);
  start();
  struct Case {
    TableKind table;
    int row;
    bool opens;
    const char* screen;
    const char* box;
    const char* text;
  };
  const Case cases[] = {
      {TableKind::Airport, 1, true, "FormAirport", "Text3A", "SBB"},
      {TableKind::Runway, 1, true, "FormRunway", "Text27R", "34"},
      {TableKind::Navaid, 2, true, "FormGS", "Text4G", "57"},
      {TableKind::Obstruction, 1, true, "FormObstruction", "Text2O", "TREE"},
      {TableKind::Obstruction, 2, false, "FormMain", nullptr, nullptr},  // deleted
      {TableKind::Navaid, 9, false, "FormMain", nullptr, nullptr},       // no such row
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.screen) + " " + std::to_string(c.row));
    showScreen(program, "FormMain");
    program.current().surveyKey = "SBB";
    EXPECT_EQ(openRecordScreen(program, c.table, c.row), c.opens);
    EXPECT_TRUE(shown(c.screen));
    if (c.box) {
      EXPECT_EQ(control<TextBox>(c.screen, c.box).text(), c.text);
    }
  }
  EXPECT_EQ(program.current().obstructionMode, "E");
  EXPECT_EQ(program.current().obstructionRow, 1);
  EXPECT_TRUE(dialogs.shown.empty());
  program.current().surveyKey = "NONE";
  EXPECT_FALSE(openRecordScreen(program, TableKind::Airport, 1));
}

}  // namespace
}  // namespace survey::testing
