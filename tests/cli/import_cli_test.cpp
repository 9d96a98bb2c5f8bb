// survey-tool import and check, run as a separate program.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/file_io.h"
#include "store/store_files.h"
#include "uddf/export/uddf_export.h"

namespace survey {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

class ImportCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("survey-import-cli-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "store");
  }
  void TearDown() override { fs::remove_all(dir_); }

  ToolRun run(const std::string& args) {
    const fs::path out = dir_ / "out.txt", err = dir_ / "err.txt";
    const std::string command =
        std::string(SURVEY_TOOL) + " " + args + " >" + out.string() + " 2>" + err.string();
    const int raw = std::system(command.c_str());
    ToolRun result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readWholeFile(out).bytes;
    result.err = readWholeFile(err).bytes;
    return result;
  }

  fs::path write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return dir_ / name;
  }

  fs::path store() const { return dir_ / "store"; }
  fs::path dir_;
};

const std::string kSample = std::string(SURVEY_TEST_DATA) + "/import/two_runways.uddf";

TEST_F(ImportCli, ImportSavesTheStoreAndRefusesADuplicate) {
  ToolRun first = run("import " + store().string() + " " + kSample);
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, "imported ABC: 2 runways, 5 navaids, 3 obstructions\n");
  SurveyStore loaded;
  ASSERT_FALSE(loadStore(loaded, store()).failed);
  ASSERT_EQ(loaded.airports().count(), 1);
  EXPECT_EQ(loaded.airports().cell(1, 3), "ABC");
  EXPECT_EQ(loaded.navaids().cell(5, 19), " 5 ");
  EXPECT_EQ(loaded.obstructions().count(), 3);

  const std::string before = readWholeFile(store() / "survey_apt.txt").bytes;
  ToolRun again = run("import " + store().string() + " " + kSample);
  EXPECT_EQ(again.status, 2);
  EXPECT_EQ(again.err, "An airport with Location Identifier ABC already exists.\n");
  EXPECT_EQ(readWholeFile(store() / "survey_apt.txt").bytes, before);
}

TEST_F(ImportCli, ImportRefusalsAndBadArguments) {
  const auto wrong = write("old.uddf", "|OLD| | |1.06|\r\n");
  ToolRun version = run("import " + store().string() + " " + wrong.string());
  EXPECT_EQ(version.status, 2);
  EXPECT_EQ(version.err, "Sorry, the file must be UDDF Version 1.07\n");
  EXPECT_FALSE(fs::exists(store() / "survey_apt.txt"));

  EXPECT_EQ(run("import " + store().string() + " " + (dir_ / "missing.uddf").string()).status, 2);
  EXPECT_EQ(run("import " + (dir_ / "nowhere").string() + " " + kSample).status, 2);
  EXPECT_EQ(run("import " + store().string()).status, 2);

  // A store that cannot be read is not overwritten by an import.
  write("store/survey_apt.txt", "not a count\r\n");
  ToolRun unreadable = run("import " + store().string() + " " + kSample);
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_EQ(readWholeFile(store() / "survey_apt.txt").bytes, "not a count\r\n");
}

TEST_F(ImportCli, CheckListsProblemsWithTheirLines) {
  ToolRun sample = run("check " + kSample);
  EXPECT_EQ(sample.status, 1);
  EXPECT_NE(sample.out.find("two_runways.uddf: line 50, column 94: the date \"3662006\""),
            std::string::npos)
      << sample.out;
  EXPECT_NE(sample.out.find("line 54, column 94: the date \"12A4567\""), std::string::npos);

  const auto broken = write("broken.uddf", "|X| | |1.0|\r\nshort\r\n");
  ToolRun result = run("check " + broken.string());
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("line 1: the line is 11 characters long, not 200"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("line 1, column 8: the format version is \"1.0\", not \"1.07\""),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("line 2: airport line 1 has no \"|\" separators"), std::string::npos);
  EXPECT_NE(result.out.find("line 2: the file ends in the airport section"), std::string::npos);

  SurveyStore survey;
  survey.appendAirport({{1, "Clean Field"}, {3, "CLN"}, {5, "03/05/2004"}, {39, "True"}});
  const auto composed = uddf::composeUddf(survey, "CLN", {2026, 1, 2, 3, 4, 5});
  ASSERT_TRUE(composed.ok);
  ToolRun clean = run("check " + write("clean.uddf", composed.bytes).string());
  EXPECT_EQ(clean.status, 0) << clean.out;
  EXPECT_EQ(clean.out, "");

  EXPECT_EQ(run("check " + (dir_ / "missing.uddf").string()).status, 2);
  EXPECT_EQ(run("check").status, 2);
}

}  // namespace
}  // namespace survey
