// A copy opened read-only beside the store's writer: every change is refused before it is made.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>

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
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  const std::string refusal = "This survey store is open read-only: process " +
                              std::to_string(::getpid()) + " on machine " + host + " holds it.";
  using Run = std::function<void(Program&)>;
  auto click = [](Program& program, const char* screen, const char* button) {
    program.screens.touch(screen).get<CommandButton>(button).click();
  };
  auto onAirport = [](Program& program) {
    program.current().surveyKey = "ABC";
    static_cast<AirportScreen&>(program.screens.touch(screen::kAirport)).editCurrentSurvey(1);
  };
  auto deleteOnHub = [&](const char* grid, const char* button) -> Run {
    return [=](Program& program) {
      onAirport(program);
      program.screens.touch(screen::kAirport).get<Grid>(grid).clickRow(1);
      click(program, screen::kAirport, button);
    };
  };
  auto save = [&](TableKind kind, const char* screen, const char* button) -> Run {
    return [=](Program& program) {
      program.current().surveyKey = "ABC";
      editChildRecord(program, kind, 1);
      click(program, screen, button);
    };
  };
  auto onPoints = [&](Program& program) {
    save(TableKind::Runway, screen::kRunway, "Command1")(program);  // end 09's points
    return &program.screens.touch(screen::kRunwayPP);
  };
  const struct {
    const char* command;
    Run run;
  } cases[] = {
      {"survey list Delete",
       [&](Program& program) {
         program.current().surveyKey = "ABC";
         click(program, screen::kMain, "CommandDelete");
       }},
      {"survey list Import UDDF",
       [&](Program& program) {
         click(program, screen::kMain, "Command2");
         EXPECT_FALSE(program.screens.isShown(screen::kImport));
       }},
      {"survey type OK",
       [&](Program& program) {
         showScreen(program, screen::kSurveyType);
         click(program, screen::kSurveyType, "Command1");
       }},
      {"airport Save",
       [&](Program& program) {
         onAirport(program);
         click(program, screen::kAirport, "CommandSubmitAirport");
       }},
      {"runway Delete", deleteOnHub("GridRunway", "CommandDelRWY")},
      {"navaid Delete", deleteOnHub("GridGS", "CommandDelNAV")},
      {"obstruction Delete", deleteOnHub("GridObstruction", "CommandDelObs")},
      {"obstruction list import",
       [](Program& program) {
         program.current().surveyKey = "ABC";
         importObstructionList(program);
       }},
      {"runway Save", save(TableKind::Runway, screen::kRunway, "CommandSubmitRunway")},
      {"profile point Add",
       [&](Program& program) {
         onPoints(program)->get<TextBox>("Text1PP").setText("2000");
         click(program, screen::kRunwayPP, "CommandAddRWY");
       }},
      {"profile point Delete",
       [&](Program& program) {
         onPoints(program)->get<Grid>("GridPP").clickRow(1);
         click(program, screen::kRunwayPP, "Command3");
       }},
      {"navaid Save", save(TableKind::Navaid, screen::kNavaid, "Command5")},
      {"obstruction Save", save(TableKind::Obstruction, screen::kObstruction, "CommandSubmitOBS")},
      {"certification Submit",
       [&](Program& program) {
         program.current().surveyKey = "ABC";
         showScreen(program, screen::kCertification);
         click(program, screen::kCertification, "CommandSubmitAirport");
       }},
  };
  const auto filesBefore = folderBytes(dir.path());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    FakePlatform platform(dir.path());
    NextRun copy(platform, {Button::Yes});  // open read-only
    ASSERT_TRUE(copy.program.session.readOnly);
    const std::string tablesBefore = tablesText(copy.program.store);
    copy.dialogs.shown.clear();
    try {
      c.run(copy.program);
    } catch (const std::logic_error& unexpected) {  // a question a refusal never asks
      ADD_FAILURE() << unexpected.what();
    }
    EXPECT_EQ(copy.dialogs.last(), refusal);
    EXPECT_EQ(tablesText(copy.program.store), tablesBefore);
    EXPECT_EQ(folderBytes(dir.path()), filesBefore);
  }
}

}  // namespace
}  // namespace survey
