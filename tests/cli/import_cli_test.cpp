// survey-tool import and check, run as a separate program.
#include <filesystem>
#include <fstream>

#include "cli/tool_run.h"
#include "store/store_files.h"

namespace survey::testing {
namespace {

namespace fs = std::filesystem;

class ImportCli : public ToolTest {
 protected:
  void SetUp() override { fs::create_directories(store()); }
  fs::path write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir() / name, std::ios::binary) << bytes;
    return dir() / name;
  }
  fs::path store() const { return dir() / "store"; }
  ToolRun import(const fs::path& file) const {
    return tool("import " + quoted(store()) + " " + quoted(file));
  }
  ToolRun check(const fs::path& file) const { return tool("check " + quoted(file)); }
  const fs::path sample_ = fs::path(SURVEY_TEST_DATA) / "import" / "two_runways.uddf";
};

TEST_F(ImportCli, ImportSavesTheStoreAndRefusesADuplicate) {
  ToolRun first = import(sample_);
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, "imported ABC: 2 runways, 5 navaids, 3 obstructions\n");
  SurveyStore loaded;
  ASSERT_FALSE(loadStore(loaded, store()).failed);
  ASSERT_EQ(loaded.airports().count(), 1);
  EXPECT_EQ(loaded.airports().cell(1, 3), "ABC");
  EXPECT_EQ(loaded.navaids().cell(5, 19), " 5 ");
  EXPECT_EQ(loaded.obstructions().count(), 3);

  const std::string before = readWholeFile(store() / "survey_apt.txt").bytes;
  ToolRun again = import(sample_);
  EXPECT_EQ(again.status, 2);
  EXPECT_EQ(again.err, "An airport with Location Identifier ABC already exists.\n");
  EXPECT_EQ(readWholeFile(store() / "survey_apt.txt").bytes, before);
}

TEST_F(ImportCli, ImportRefusalsAndBadArguments) {
  ToolRun version = import(write("old.uddf", "|OLD| | |1.06|\r\n"));
  EXPECT_EQ(version.status, 2);
  EXPECT_EQ(version.err, "Sorry, the file must be UDDF Version 1.07\n");
  EXPECT_FALSE(fs::exists(store() / "survey_apt.txt"));

  EXPECT_EQ(import(dir() / "missing.uddf").status, 2);
  EXPECT_EQ(tool("import " + quoted(dir() / "nowhere") + " " + quoted(sample_)).status, 2);
  EXPECT_EQ(tool("import " + quoted(store())).status, 2);

  // A store that cannot be read is not overwritten by an import.
  write("store/survey_apt.txt", "not a count\r\n");
  EXPECT_EQ(import(sample_).status, 2);
  EXPECT_EQ(readWholeFile(store() / "survey_apt.txt").bytes, "not a count\r\n");
}

TEST_F(ImportCli, CheckListsProblemsWithTheirLines) {
  ToolRun sample = check(sample_);
  EXPECT_EQ(sample.status, 1);
  EXPECT_NE(sample.out.find("two_runways.uddf: line 50, column 94: the date \"3662006\""),
            std::string::npos)
      << sample.out;
  EXPECT_NE(sample.out.find("line 54, column 94: the date \"12A4567\""), std::string::npos);

  ToolRun result = check(write("broken.uddf", "|X| | |1.0|\r\nshort\r\n"));
  EXPECT_EQ(result.status, 1);
  for (const char* problem : {"line 1: the line is 11 characters long, not 200",
                              "line 1, column 8: the format version is \"1.0\", not \"1.07\"",
                              "line 2: airport line 1 has no \"|\" separators",
                              "line 2: the file ends in the airport section"}) {
    EXPECT_NE(result.out.find(problem), std::string::npos) << result.out;
  }

  ToolRun clean = check(fs::path(SURVEY_TEST_DATA) / "export" / "runways.uddf");
  EXPECT_EQ(clean.status, 0) << clean.out;
  EXPECT_EQ(clean.out, "");

  EXPECT_EQ(check(dir() / "missing.uddf").status, 2);
  EXPECT_EQ(tool("check").status, 2);
}

}  // namespace
}  // namespace survey::testing
