// survey-tool review and evaluate: tab-separated lines on stdout, status 0 / 1 / 2 like check.
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

// Its obstructions clear their surfaces until one is raised above the horizontal surface.
TEST_F(ReviewCommand, EvaluateExitsOneOnlyWhenAnObstructionPenetrates) {
  review::testing::KnownSurvey survey;
  for (const auto& [top, status] : {std::pair{"481.0", 0}, std::pair{"560.0", 1}}) {
    survey.store.obstructions().setCell(survey.obstructions[1], 9, top);
    save(survey.store);
    const ToolRun run = tool("evaluate " + quoted(dir()) + " KTST");
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "record\tobject\trunway end\tcode\tsurface\tsurface elevation\ttop elevation\t"
              "penetration");
    EXPECT_NE(run.out.find(std::string("\n2\tTREE\t15\tHCT\thorizontal\t550.0\t") + top),
              std::string::npos);
  }
}

TEST_F(ReviewCommand, ACleanSurveyPrintsNothingAndBadArgumentsAreRefusedOnStderr) {
  save(review::testing::KnownSurvey().store);
  expectAnswers("review");
}

}  // namespace
}  // namespace survey::testing
