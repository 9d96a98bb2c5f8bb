// A copy opened read-only beside the store's writer: every change is refused before it is made.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "entry/airport_screen.h"
#include "entry/obstruction_list_import.h"
#include "shell/screen_names.h"
#include "store/file_io.h"
#include "support/program_fixture.h"
#include "support/survey_rows.h"
#include "survey/profile_point_groups.h"

namespace survey::testing {
namespace {

// Every file of the folder, with its bytes.
std::map<std::string, std::string> folderBytes(const std::filesystem::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    files[entry.path().filename().string()] = readWholeFile(entry.path()).bytes;
  }
  return files;
}

// A survey with a runway (and a profile point), a navaid and an obstruction, saved.
void saveSampleSurvey(const std::filesystem::path& dir) {
  SurveyStore store;
  store.appendAirport({{1, "Abc Field"}, {3, "ABC"}, {41, "NEW"}});
  store.current.surveyKey = "ABC";
  const int runway = store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}, {5, "5000"}}).row;
  storeProfilePoint(store.runways(), runway, {"09", "1000", "12", "-20"});
  store.appendChild(TableKind::Navaid, {{2, "ILS"}});
  store.appendChild(TableKind::Obstruction, {{2, "TREE"}});
  ASSERT_TRUE(saveStore(store, dir).ok());
  std::ofstream(dir / kObstructionListFile) << "STREET LIGHT,401234.56,0953012.34,1234.6\r\n";
}

// Comes to the command's screen as a user does, and does what comes before its click.
void reach(Program& program, const std::string& how, const std::string& screen,
           const std::string& before) {
  program.current().surveyKey = "ABC";
  if (how == "show") showScreen(program, screen);
  if (how == "airport") {
    static_cast<AirportScreen&>(program.screens.touch(screen::kAirport)).editCurrentSurvey(1);
  }
  for (TableKind kind : {TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    if (how == shapeOf(kind).name || (how == "points" && kind == TableKind::Runway)) {
      editChildRecord(program, kind, 1);
    }
  }
  if (how == "points")
    program.screens.touch(screen::kRunway).get<CommandButton>("Command1").click();
  std::istringstream words(before);
  std::string what, name, text;
  words >> what >> name >> text;
  if (what == "row") program.screens.touch(screen).get<Grid>(name).clickRow(1);
  if (what == "type") program.screens.touch(screen).get<TextBox>(name).setText(text);
  if (what == "call" && name == "importObstructionList") importObstructionList(program);
}

TEST(ReadOnlyCopyTest, EveryChangeIsRefusedSayingWhoHoldsTheStoreAndNothingChanges) {
  TempDir dir;
  saveSampleSurvey(dir.path());
  LockHolder holder;
  std::string error;
  const auto writer = StoreLock::acquire(dir.path(), holder, error);  // the other copy
  ASSERT_TRUE(writer);
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  const std::string refusal = "This survey store is open read-only: process " +
                              std::to_string(::getpid()) + " on machine " + host + " holds it.";
  const auto filesBefore = folderBytes(dir.path());
  for (const auto& c : caseTable("screens/read_only_refusals.cases", 5)) {
    SCOPED_TRACE(c[0]);
    FakePlatform platform(dir.path());
    NextRun copy(platform, {Button::Yes});  // open read-only
    ASSERT_TRUE(copy.program.session.readOnly);
    const std::string tablesBefore = surveyRowsText(copy.program.store);
    copy.dialogs.shown.clear();
    try {
      reach(copy.program, c[1], c[2], c[3]);
      ASSERT_TRUE(copy.program.screens.isShown(c[2]));
      if (c[4] != "-") copy.program.screens.touch(c[2]).get<CommandButton>(c[4]).click();
    } catch (const std::logic_error& unexpected) {  // a question a refusal never asks
      ADD_FAILURE() << unexpected.what();
    }
    EXPECT_EQ(copy.dialogs.last(), refusal);
    EXPECT_FALSE(copy.program.screens.isShown(screen::kImport));
    EXPECT_EQ(surveyRowsText(copy.program.store), tablesBefore);
    EXPECT_EQ(folderBytes(dir.path()), filesBefore);
  }
}

}  // namespace
}  // namespace survey::testing
