// survey-tool review: findings on stdout, tab-separated, status 0 / 1 / 2 like check.
#include "cli/tool_run.h"
#include "review/review_fixture.h"
#include "store/store_files.h"

namespace survey::testing {
namespace {

class ReviewCommand : public ToolTest {
 protected:
  void save(SurveyStore store) { ASSERT_TRUE(saveStore(store, dir()).ok()); }
  ToolRun runReview(const std::string& args) const { return tool("review " + args); }
};

// The surface is checked after the runway, and its error is printed first all the same.
TEST_F(ReviewCommand, EachFindingIsOneTabSeparatedLineErrorsFirst) {
  review::testing::KnownSurvey survey;
  survey.store.runways().setCell(survey.runway, 5, "7000");
  survey.store.obstructions().setCell(survey.obstructions[0], 21, "NUL: x");
  save(survey.store);
  const ToolRun run = runReview(quoted(dir()) + " KTST");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "Error\tobstruction 1 (TREE)\tObstruction Identification Surface\tThe surface "
            "\"NUL: x\" is not one of a AOC survey.\t\n"
            "Warning\trunway 15/33\tSurveyed Length\tThe runway ends are 9000.0 ft apart; the "
            "surveyed length is 7000 ft.\t9000.0 ft\n");
}

TEST_F(ReviewCommand, ACleanSurveyPrintsNothingAndBadArgumentsAreRefusedOnStderr) {
  save(review::testing::KnownSurvey().store);
  expectAnswers("review");
}

}  // namespace
}  // namespace survey::testing
