#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>

#include "store/file_io.h"
#include "store/recovery_journal.h"
#include "store/store_files.h"
#include "store/store_lock.h"
#include "support/fakes.h"

namespace survey {
namespace {

struct ToolRun {
  int status;
  std::string out;
};

// Runs survey-tool with the arguments; stdout captured, stderr to a file.
ToolRun runTool(const std::string& args, const std::filesystem::path& errFile) {
  const std::string command = std::string(SURVEY_TOOL) + " " + args + " 2>" + errFile.string();
  FILE* pipe = ::popen(command.c_str(), "r");
  ToolRun run{-1, {}};
  std::array<char, 4096> buffer{};
  while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
    run.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

TEST(SurveyToolStore, ListPrintsTheSixColumnsInTableOrder) {
  testing::TempDir dir;
  SurveyStore store;
  store.current.surveyType = "RUNWAY";
  store.appendAirport({{1, "Abc Field"}, {2, "03407.A"}, {3, "ABC"}, {5, "05/01/2026"}});
  store.current.surveyType = "";
  store.appendAirport({{1, "Second"}, {3, "XYZ"}});
  store.airports().setCell(2, 41, "CERTIFIED");
  ASSERT_TRUE(saveStore(store, dir.path()).ok());
  const ToolRun run = runTool("list " + dir.path().string(), dir.path() / "err");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "ABC\t03407.A\tAbc Field\t05/01/2026\tNEW\tRUNWAY\n"
            "XYZ\t\tSecond\t\tCERTIFIED\tAOC\n");
}

TEST(SurveyToolStore, ResaveKeepsTheFilesByteIdentical) {
  testing::TempDir dir;
  SurveyStore store;
  store.appendAirport({{1, "Abc"}, {3, "ABC"}, {39, "True"}});
  store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}, {60, "100"}});
  store.appendChild(TableKind::Obstruction, {{1, "TREE"}, {25, numberCell(1)}});
  ASSERT_TRUE(saveStore(store, dir.path()).ok());
  std::vector<std::string> before;
  for (const char* name : {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt", "survey_obs.txt"}) {
    before.push_back(readWholeFile(dir.path() / name).bytes);
  }
  ASSERT_EQ(runTool("resave " + dir.path().string(), dir.path() / "err").status, 0);
  int i = 0;
  for (const char* name : {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt", "survey_obs.txt"}) {
    EXPECT_EQ(readWholeFile(dir.path() / name).bytes, before[i++]) << name;
  }
}

TEST(SurveyToolStore, BadArgumentsAndUnreadableStoresExitWithStatusTwo) {
  testing::TempDir dir;
  std::ofstream(dir.path() / "survey_apt.txt") << "garbage\r\n";
  const struct {
    std::string args;
    std::string message;
  } cases[] = {{"", "usage"},
               {"nonsense", "unknown command"},
               {"list a b", "usage: survey-tool list DIR"},
               {"list /nonexistent/dir", "is not a directory"},
               {"list " + dir.path().string(), "survey_apt.txt line 1"},
               {"resave " + dir.path().string(), "survey_apt.txt line 1"}};
  for (const auto& c : cases) {
    const ToolRun run = runTool(c.args, dir.path() / "err");
    EXPECT_EQ(run.status, 2) << c.args;
    const std::string err = readWholeFile(dir.path() / "err").bytes;
    EXPECT_NE(err.find(c.message), std::string::npos) << c.args << ": " << err;
  }
  EXPECT_EQ(readWholeFile(dir.path() / "survey_apt.txt").bytes, "garbage\r\n");
}

TEST(SurveyToolStore, StoreOptionStandsForTheDirArgument) {
  testing::TempDir dir;
  SurveyStore store;
  store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
  ASSERT_TRUE(saveStore(store, dir.path()).ok());
  const std::string d = dir.path().string();
  const struct {
    std::string args;
    int status;
    std::string out;  // all of stdout
    std::string err;  // part of stderr
  } cases[] = {{"--store " + d + " list", 0, "ABC\t\tAbc Field\t\tNEW\tAOC\n", ""},
               {"--store=" + d + " list", 0, "ABC\t\tAbc Field\t\tNEW\tAOC\n", ""},
               {"--store " + d + " list " + d, 2, "", "either with --store or as DIR"},
               {"--store " + d + " resave", 0, "", ""},
               {"--store", 2, "", "--store needs a folder"},
               {"--version", 0, std::string("survey-tool ") + SURVEY_EXPECTED_VERSION + "\n", ""},
               {"--help", 0, "", ""}};
  for (const auto& c : cases) {
    const ToolRun run = runTool(c.args, dir.path() / "err");
    EXPECT_EQ(run.status, c.status) << c.args;
    if (c.args != "--help") {
      EXPECT_EQ(run.out, c.out) << c.args;
    }
    const std::string err = readWholeFile(dir.path() / "err").bytes;
    EXPECT_NE(err.find(c.err), std::string::npos) << c.args << ": " << err;
  }
  // --help names the option.
  EXPECT_NE(runTool("--help", dir.path() / "err").out.find("[--store DIR]"), std::string::npos);
}

}  // namespace
}  // namespace survey

namespace survey {
namespace {

// Saving commands leave the store alone while the windowed program holds it
// or while its recovery journal waits to be restored.
TEST(SurveyToolStore, SavingCommandsRefuseWhileTheStoreIsNotTheirs) {
  struct Case {
    const char* what;
    bool lockHeld;
    bool journalLeft;
    const char* said;
  };
  const Case cases[] = {
      {"program running", true, false, "is in use by process"},
      {"program cut short", false, true, "was not closed properly"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempDir dir;
    SurveyStore store;
    store.appendAirport({{3, "ABC"}});
    ASSERT_TRUE(saveStore(store, dir.path()).ok());
    const std::string before = readWholeFile(dir.path() / "survey_apt.txt").bytes;
    LockHolder holder;
    std::string error;
    auto lock = c.lockHeld ? StoreLock::acquire(dir.path(), holder, error) : nullptr;
    if (c.journalLeft) std::ofstream(dir.path() / kJournalName) << "J";
    const auto errFile = dir.path() / "err.txt";
    for (const std::string& command :
         {"resave " + dir.path().string(),
          "import " + dir.path().string() + " " + SURVEY_TEST_DATA "/import/two_runways.uddf"}) {
      EXPECT_EQ(runTool(command, errFile).status, 2) << command;
      const std::string said = readWholeFile(errFile).bytes;
      EXPECT_NE(said.find(c.said), std::string::npos) << said;
      EXPECT_NE(said.find("the store was left as it was"), std::string::npos) << said;
    }
    EXPECT_EQ(readWholeFile(dir.path() / "survey_apt.txt").bytes, before);
    EXPECT_EQ(runTool("list " + dir.path().string(), errFile).out.substr(0, 4), "ABC\t");
  }
}

}  // namespace
}  // namespace survey
