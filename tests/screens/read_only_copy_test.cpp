// A copy opened read-only beside the store's writer: every change is refused before it is made.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <map>

#include "entry/airport_screen.h"
#include "entry/obstruction_list_import.h"
#include "entry/runway_pp_groups.h"
#include "shell/screen_names.h"
#include "store/file_io.h"
#include "support/program_fixture.h"

namespace survey {
namespace {

using testing::FakePlatform;
using testing::NextRun;
using testing::TempDir;

// Every file of the folder, with its bytes.
std::map<std::string, std::string> folderBytes(const std::filesystem::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    files[entry.path().filename().string()] = readWholeFile(entry.path()).bytes;
  }
  return files;
}

// Every cell of the four tables, one line a row.
std::string tablesText(const SurveyStore& store) {
  std::string text;
  for (auto kind :
       {TableKind::Airport, TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    const Table& table = store.table(kind);
    for (int row = 1; row <= table.count(); ++row, text += '\n') {
      for (int field = 1; field <= table.shape().storageFields; ++field) {
        text += std::string(table.cell(row, field)) + '|';
      }
    }
  }
  return text;
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

TEST(ReadOnlyCopyTest, EveryChangeIsRefusedSayingWhoHoldsTheStoreAndNothingChanges) {
  TempDir dir;
  saveSampleSurvey(dir.path());
  LockHolder holder;
  std::string error;
  const auto writer = StoreLock::acquire(dir.path(), holder, error);  // the other copy
  ASSERT_TRUE(writer);
  FakePlatform platform(dir.path());
  NextRun copy(platform, {Button::Yes});  // open read-only
  Program& program = copy.program;
  ASSERT_TRUE(program.session.readOnly);
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  const std::string refusal = "This survey store is open read-only: process " +
                              std::to_string(::getpid()) + " on machine " + host + " holds it.";
  auto click = [&program](const char* screen, const char* button) {
    program.screens.touch(screen).get<CommandButton>(button).click();
  };
  auto onAirport = [&] {
    program.current().surveyKey = "ABC";
    static_cast<AirportScreen&>(program.screens.touch(screen::kAirport)).editCurrentSurvey(1);
  };
  auto deleteOnHub = [&](const char* grid, const char* button) {
    onAirport();
    program.screens.touch(screen::kAirport).get<Grid>(grid).clickRow(1);
    click(screen::kAirport, button);
  };
  auto onPoints = [&] {
    editChildRecord(program, TableKind::Runway, 1);
    click(screen::kRunway, "Command1");
  };
  const struct {
    const char* command;
    std::function<void()> run;
  } cases[] = {
      {"survey list Delete",
       [&] {
         showScreen(program, screen::kMain);
         program.current().surveyKey = "ABC";
         click(screen::kMain, "CommandDelete");
       }},
      {"survey list Import UDDF", [&] { click(screen::kMain, "Command2"); }},
      {"survey type OK",
       [&] {
         showScreen(program, screen::kSurveyType);
         click(screen::kSurveyType, "Command1");
       }},
      {"airport Save",
       [&] {
         onAirport();
         click(screen::kAirport, "CommandSubmitAirport");
       }},
      {"runway Delete", [&] { deleteOnHub("GridRunway", "CommandDelRWY"); }},
      {"navaid Delete", [&] { deleteOnHub("GridGS", "CommandDelNAV"); }},
      {"obstruction Delete", [&] { deleteOnHub("GridObstruction", "CommandDelObs"); }},
      {"obstruction list import", [&] { importObstructionList(program); }},
      {"runway Save",
       [&] {
         editChildRecord(program, TableKind::Runway, 1);
         click(screen::kRunway, "CommandSubmitRunway");
       }},
      {"profile point Add",
       [&] {
         onPoints();
         program.screens.touch(screen::kRunwayPP).get<TextBox>("Text1PP").setText("2000");
         click(screen::kRunwayPP, "CommandAddRWY");
       }},
      {"profile point Delete",
       [&] {
         onPoints();
         program.screens.touch(screen::kRunwayPP).get<Grid>("GridPP").clickRow(1);
         click(screen::kRunwayPP, "Command3");
       }},
      {"navaid Save",
       [&] {
         editChildRecord(program, TableKind::Navaid, 1);
         click(screen::kNavaid, "Command5");
       }},
      {"obstruction Save",
       [&] {
         editChildRecord(program, TableKind::Obstruction, 1);
         click(screen::kObstruction, "CommandSubmitOBS");
       }},
      {"certification Submit",
       [&] {
         program.current().surveyKey = "ABC";
         showScreen(program, screen::kCertification);
         click(screen::kCertification, "CommandSubmitAirport");
       }},
  };
  const auto filesBefore = folderBytes(dir.path());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    const std::string tablesBefore = tablesText(program.store);
    copy.dialogs.shown.clear();
    c.run();
    ASSERT_FALSE(copy.dialogs.shown.empty());
    EXPECT_EQ(copy.dialogs.last(), refusal);
    EXPECT_EQ(tablesText(program.store), tablesBefore);
  }
  EXPECT_FALSE(program.screens.isShown(screen::kImport));
  EXPECT_EQ(folderBytes(dir.path()), filesBefore);
}

}  // namespace
}  // namespace survey
