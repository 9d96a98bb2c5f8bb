// survey-tool list and resave, the --store option, and saving commands kept off a store
// that is not theirs.
#include <fstream>

#include "cli/tool_run.h"
#include "store/recovery_journal.h"
#include "store/store_files.h"
#include "store/store_lock.h"

namespace survey::testing {
namespace {

constexpr const char* kStoreFiles[] = {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt",
                                       "survey_obs.txt"};

class StoreCommand : public ToolTest {
 protected:
  void save(SurveyStore store) { ASSERT_TRUE(saveStore(store, dir()).ok()); }
  std::string d() const { return quoted(dir()); }
};

// list prints the six columns in table order, resave keeps the files byte for byte,
// and --store stands for the DIR argument of either.
TEST_F(StoreCommand, ListAndResaveTakeTheFolderAsDirOrThroughTheStoreOption) {
  SurveyStore store;
  store.current.surveyType = "RUNWAY";
  store.appendAirport(
      {{1, "Abc Field"}, {2, "03407.A"}, {3, "ABC"}, {5, "05/01/2026"}, {39, "True"}});
  store.current.surveyType = "";
  store.appendAirport({{1, "Second"}, {3, "XYZ"}});
  store.airports().setCell(2, 41, "CERTIFIED");
  store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}, {60, "100"}});
  store.appendChild(TableKind::Obstruction, {{1, "TREE"}, {25, numberCell(1)}});
  save(store);
  std::vector<std::string> before;
  for (const char* name : kStoreFiles) before.push_back(readWholeFile(dir() / name).bytes);
  const std::string listed =
      "ABC\t03407.A\tAbc Field\t05/01/2026\tNEW\tRUNWAY\n"
      "XYZ\t\tSecond\t\tCERTIFIED\tAOC\n";
  const struct {
    std::string args;
    int status;
    std::string out;  // all of stdout
    std::string err;  // part of stderr
  } cases[] = {{"list " + d(), 0, listed, ""},
               {"--store " + d() + " list", 0, listed, ""},
               {"--store=" + d() + " list", 0, listed, ""},
               {"list --store " + d(), 0, listed, ""},
               {"list " + d() + " --store " + d(), 2, "", "either with --store or as DIR"},
               {"--store " + d() + " list " + d(), 2, "", "either with --store or as DIR"},
               {"resave " + d(), 0, "", ""},
               {"--store " + d() + " resave", 0, "", ""},
               {"resave --store=" + d(), 0, "", ""},
               {"--store", 2, "", "--store needs a folder"},
               {"--version", 0, std::string("survey-tool ") + SURVEY_EXPECTED_VERSION + "\n", ""}};
  for (const auto& c : cases) {
    const ToolRun run = tool(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_EQ(run.out, c.out) << c.args;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << c.args << ": " << run.err;
  }
  for (int i = 0; i < 4; ++i) EXPECT_EQ(readWholeFile(dir() / kStoreFiles[i]).bytes, before[i]);
  const ToolRun help = tool("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("[--store DIR]"), std::string::npos);  // --help names the option
}

TEST_F(StoreCommand, BadArgumentsAndUnreadableStoresExitWithStatusTwo) {
  std::ofstream(dir() / "survey_apt.txt") << "garbage\r\n";
  expectAnswers("unreadable");
  EXPECT_EQ(readWholeFile(dir() / "survey_apt.txt").bytes, "garbage\r\n");
}

// Saving commands leave the store alone while the windowed program holds it
// or while its recovery journal waits to be restored.
TEST_F(StoreCommand, SavingCommandsRefuseWhileTheStoreIsNotTheirs) {
  SurveyStore store;
  store.appendAirport({{3, "ABC"}});
  save(store);
  const std::string before = readWholeFile(dir() / "survey_apt.txt").bytes;
  for (const auto& c : caseTable("cli/store_not_theirs.cases", 3)) {
    SCOPED_TRACE(c[0]);
    LockHolder holder;
    std::string error;
    auto lock = c[1] == "yes" ? StoreLock::acquire(dir(), holder, error) : nullptr;
    if (c[1] == "no") std::ofstream(dir() / kJournalName) << "J";
    const std::string sample = quoted(std::string(SURVEY_TEST_DATA) + "/import/two_runways.uddf");
    for (const std::string& command : {"resave " + d(), "import " + d() + " " + sample}) {
      const ToolRun run = tool(command);
      EXPECT_EQ(run.status, 2) << command;
      EXPECT_NE(run.err.find(c[2]), std::string::npos) << run.err;
      EXPECT_NE(run.err.find("the store was left as it was"), std::string::npos) << run.err;
    }
    EXPECT_EQ(readWholeFile(dir() / "survey_apt.txt").bytes, before);
    EXPECT_EQ(tool("list " + d()).out.substr(0, 4), "ABC\t");
  }
}

}  // namespace
}  // namespace survey::testing
