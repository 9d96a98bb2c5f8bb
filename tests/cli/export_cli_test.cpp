// survey-tool export: the same file as "Create UDDF", refusals on stderr with status 2.
#include <fstream>

#include "cli/tool_run.h"
#include "store/store_files.h"

namespace survey::testing {
namespace {

namespace fs = std::filesystem;

class ExportCommand : public ToolTest {
 protected:
  void SetUp() override {
    SurveyStore store;
    for (const char* status : {"NEW", "CERTIFIED"}) {
      const int row = *store.airports().appendRow();
      store.airports().setCell(row, 3, status == std::string("NEW") ? "KNEW" : "KCRT");
      store.airports().setCell(row, 25, "AOC");
      store.airports().setCell(row, 41, status);
    }
    ASSERT_TRUE(saveStore(store, dir()).ok());
  }
  ToolRun exportTo(const std::string& key, const fs::path& file) const {
    return tool("export " + quoted(dir()) + " " + key + " " + quoted(file));
  }
};

TEST_F(ExportCommand, WritesACertifiedSurvey) {
  const fs::path file = dir() / "kcrt.f77";
  const ToolRun run = exportTo("KCRT", file);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, file.string() + " Successfully created\n");
  const std::string bytes = readWholeFile(file).bytes;
  EXPECT_EQ(bytes.substr(0, 30), "|KCRT  |          |    |1.07| ");
  EXPECT_EQ(bytes.size(), 17 * 202 + 204u);
  EXPECT_EQ(bytes.substr(bytes.size() - 204, 3), "EOF");
}

TEST_F(ExportCommand, RefusesUnknownAndUncertifiedSurveys) {
  expectAnswers("export");
  EXPECT_FALSE(fs::exists(dir() / "refused.f77"));
}

TEST_F(ExportCommand, AnUnreadableStoreWritesNothingAndSaysWhere) {
  std::ofstream(dir() / "survey_rwy.txt") << "garbage\r\n";
  const ToolRun run = exportTo("KCRT", dir() / "kcrt.f77");
  EXPECT_EQ(run.status, 2);
  const std::string where = "survey-tool: " + (dir() / "survey_rwy.txt").string() + " line 1: ";
  EXPECT_EQ(run.err.substr(0, where.size()), where);
  EXPECT_TRUE(run.err.ends_with("; nothing was written\n")) << run.err;
  EXPECT_FALSE(fs::exists(dir() / "kcrt.f77"));
}

}  // namespace
}  // namespace survey::testing
