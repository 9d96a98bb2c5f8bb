// survey-tool export: the same file as "Create UDDF", refusals on stderr with status 2.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/file_io.h"
#include "store/store_files.h"

namespace survey {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status = -1;
  std::string out, err;
};

ToolRun runTool(const fs::path& dir, const std::string& args) {
  const std::string command = std::string("'") + SURVEY_TOOL + "' export " + args + " >'" +
                              (dir / "out.txt").string() + "' 2>'" + (dir / "err.txt").string() +
                              "'";
  ToolRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = readWholeFile(dir / "out.txt").bytes;
  run.err = readWholeFile(dir / "err.txt").bytes;
  return run;
}

class ExportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    // One directory per test and process: ctest runs the tests side by side.
    dir_ = fs::temp_directory_path() /
           ("survey-export-cli-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
            std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    SurveyStore store;
    auto add = [&](const char* key, const char* status) {
      const int row = *store.airports().appendRow();
      store.airports().setCell(row, 3, key);
      store.airports().setCell(row, 25, "AOC");
      store.airports().setCell(row, 41, status);
    };
    add("KNEW", "NEW");
    add("KCRT", "CERTIFIED");
    ASSERT_TRUE(saveStore(store, dir_).ok());
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string quoted(const fs::path& path) const { return "'" + path.string() + "'"; }

  fs::path dir_;
};

TEST_F(ExportCommand, WritesACertifiedSurvey) {
  const fs::path file = dir_ / "kcrt.f77";
  const ToolRun run = runTool(dir_, quoted(dir_) + " KCRT " + quoted(file));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, file.string() + " Successfully created\n");
  const std::string bytes = readWholeFile(file).bytes;
  EXPECT_EQ(bytes.substr(0, 30), "|KCRT  |          |    |1.07| ");
  EXPECT_EQ(bytes.size(), 17 * 202 + 204u);
  EXPECT_EQ(bytes.substr(bytes.size() - 204, 3), "EOF");
}

TEST_F(ExportCommand, RefusesUnknownAndUncertifiedSurveys) {
  const struct {
    const char* key;
    const char* message;
  } cases[] = {
      {"KNEW", "You must first certify this survey (Finalize Input on Airport Screen).\n"},
      {"KXXX", "No survey with the identifier \"KXXX\" is held.\n"},
  };
  for (const auto& c : cases) {
    const fs::path file = dir_ / "refused.f77";
    const ToolRun run = runTool(dir_, quoted(dir_) + " " + c.key + " " + quoted(file));
    EXPECT_EQ(run.status, 2) << c.key;
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(file));
  }
  EXPECT_EQ(runTool(dir_, quoted(dir_) + " KCRT").status, 2);  // FILE missing
}

TEST_F(ExportCommand, AnUnreadableStoreWritesNothingAndSaysWhere) {
  std::ofstream(dir_ / "survey_rwy.txt") << "garbage\r\n";
  const fs::path file = dir_ / "kcrt.f77";
  const ToolRun run = runTool(dir_, quoted(dir_) + " KCRT " + quoted(file));
  EXPECT_EQ(run.status, 2);
  const std::string where = "survey-tool: " + (dir_ / "survey_rwy.txt").string() + " line 1: ";
  EXPECT_EQ(run.err.substr(0, where.size()), where);
  EXPECT_TRUE(run.err.ends_with("; nothing was written\n")) << run.err;
  EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace survey
