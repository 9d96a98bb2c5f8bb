// survey-tool review: findings on stdout, tab-separated, status 0 / 1 / 2 like check.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "review/review_fixture.h"
#include "store/file_io.h"
#include "store/store_files.h"

namespace survey {
namespace {

namespace fs = std::filesystem;

class ReviewCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("survey-review-cli-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
            std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void save(SurveyStore store) { ASSERT_TRUE(saveStore(store, dir_).ok()); }
  int run(const std::string& args) {
    const std::string command = std::string("'") + SURVEY_TOOL + "' review " + args + " >'" +
                                (dir_ / "out.txt").string() + "' 2>'" +
                                (dir_ / "err.txt").string() + "'";
    const int raw = std::system(command.c_str());
    out_ = readWholeFile(dir_ / "out.txt").bytes;
    err_ = readWholeFile(dir_ / "err.txt").bytes;
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::string dir() const { return "'" + dir_.string() + "'"; }

  fs::path dir_;
  std::string out_, err_;
};

TEST_F(ReviewCommand, ACleanSurveyPrintsNothingAndSucceeds) {
  save(review::testing::KnownSurvey().store);
  EXPECT_EQ(run(dir() + " KTST"), 0) << out_ << err_;
  EXPECT_EQ(out_, "");
}

TEST_F(ReviewCommand, EachFindingIsOneTabSeparatedLine) {
  review::testing::KnownSurvey survey;
  survey.store.runways().setCell(survey.runway, 5, "7000");
  survey.store.obstructions().setCell(survey.obstructions[0], 9, "");
  save(survey.store);
  EXPECT_EQ(run(dir() + " KTST"), 1);
  EXPECT_EQ(out_,
            "Error\tobstruction 1 (TREE)\tTop Elevation Orthometric\tMissing: the UDDF file "
            "needs this value.\t\n"
            "Warning\trunway 15/33\tSurveyed Length\tThe runway ends are 9000.0 ft apart; the "
            "surveyed length is 7000 ft.\t9000.0 ft\n");
}

TEST_F(ReviewCommand, RefusesBadArgumentsAndUnknownSurveysOnStderr) {
  save(review::testing::KnownSurvey().store);
  const struct {
    std::string args;
    std::string told;
  } cases[] = {{"", "usage: survey-tool review DIR KEY"},
               {dir() + " KXXX", "no survey with the identifier \"KXXX\""},
               {"'" + (dir_ / "missing").string() + "' KTST", "is not a directory"}};
  for (const auto& c : cases) {
    EXPECT_EQ(run(c.args), 2) << c.args;
    EXPECT_NE(err_.find(c.told), std::string::npos) << err_;
    EXPECT_EQ(out_, "");
  }
}

}  // namespace
}  // namespace survey
