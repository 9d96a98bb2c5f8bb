// Runways, navaids and obstructions belong to a survey of the store: without one, nothing is
// added, and the airport screen offers no "New".
#include <gtest/gtest.h>

#include "shell/screen_names.h"
#include "support/program_fixture.h"

namespace survey::testing {
namespace {

struct RecordKind {
  const char* screen;
  TableKind table;
  const char* save;
  const char* hubNew;
};

const RecordKind kKinds[] = {
    {screen::kRunway, TableKind::Runway, "CommandSubmitRunway", "CommandAddRWY"},
    {screen::kNavaid, TableKind::Navaid, "Command5", "CommandAddNAV"},
    {screen::kObstruction, TableKind::Obstruction, "CommandSubmitOBS", "CommandAddObs"}};

class RecordWithoutSurveyTest : public ProgramTest {
 protected:
  void openNew(const RecordKind& kind) {
    program.screens.discard(kind.screen);
    program.current().runwayMode = program.current().navaidMode =
        program.current().obstructionMode = "A";
    prepareScreen(program, kind.screen, "LOAD");
    showScreen(program, kind.screen);
    if (kind.table == TableKind::Runway) {
      type(kind.screen, "Text2R", "09");
      type(kind.screen, "Text27R", "27");
    }
  }
};

TEST_F(RecordWithoutSurveyTest, SaveRefusesWithoutASurveyOfTheStore) {
  program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
  program.current().storeLoaded = true;
  start();
  // No survey chosen; a survey deleted on the main screen; then the survey itself.
  const struct {
    const char* key;
    bool added;
  } cases[] = {{"", false}, {"GONE", false}, {"ABC", true}};
  for (const auto& kind : kKinds) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(kind.screen) + " key " + c.key);
      program.current().surveyKey = c.key;
      const int before = program.store.table(kind.table).count();
      openNew(kind);
      click(kind.screen, kind.save);
      EXPECT_EQ(program.store.table(kind.table).count(), before + (c.added ? 1 : 0));
      EXPECT_EQ(dialogs.last() == "You must first select an airport.", !c.added) << dialogs.last();
    }
  }
}

TEST_F(RecordWithoutSurveyTest, HubNewCommandsNeedTheSurveyInTheStore) {
  program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
  program.current().storeLoaded = true;
  start();
  for (const char* key : {"ABC", "GONE", ""}) {
    SCOPED_TRACE(key);
    program.current().surveyKey = key;
    control<TabStrip>(MainScreen::kName, "TabStrip1").select(1);
    ASSERT_TRUE(shown(screen::kAirport));
    for (const auto& kind : kKinds) {
      EXPECT_EQ(control<CommandButton>(screen::kAirport, kind.hubNew).enabled(),
                std::string(key) == "ABC")
          << kind.hubNew;
    }
    control<TabStrip>(screen::kAirport, "TabStrip1").select(0);
  }
}

}  // namespace
}  // namespace survey::testing
