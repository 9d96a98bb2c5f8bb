#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "evaluation/obstruction_evaluation.h"

namespace survey::evaluation {
namespace {

ObstructionEvaluation judged(SurfaceKind surface, std::optional<double> penetration) {
  ObstructionEvaluation e;
  e.verdict.surface = surface;
  e.verdict.penetration = penetration;
  return e;
}

// Each obstruction counted once, in the one count its verdict belongs to; a count of one
// takes the singular.
TEST(EvaluationSummary, CountsEachVerdictOnceInItsOwnForm) {
  const ObstructionEvaluation above = judged(SurfaceKind::Approach, 10.0);
  const ObstructionEvaluation level = judged(SurfaceKind::Horizontal, 0.0);
  const ObstructionEvaluation below = judged(SurfaceKind::Primary, -4.5);
  const ObstructionEvaluation outside = judged(SurfaceKind::Outside, std::nullopt);
  const ObstructionEvaluation unjudged = judged(SurfaceKind::NotEvaluated, std::nullopt);
  const struct {
    std::vector<ObstructionEvaluation> evaluations;
    std::string summary;
  } cases[] = {
      {{}, "0 obstructions: 0 penetrate, 0 clear, 0 outside the surfaces listed, 0 not evaluated"},
      {{above},
       "1 obstruction: 1 penetrates, 0 clear, 0 outside the surfaces listed, 0 not evaluated"},
      {{level, below, outside, unjudged, unjudged},
       "5 obstructions: 0 penetrate, 2 clear, 1 outside the surfaces listed, 2 not evaluated"},
      {{above, above, outside},
       "3 obstructions: 2 penetrate, 0 clear, 1 outside the surfaces listed, 0 not evaluated"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.summary);
    EXPECT_EQ(evaluationSummary(c.evaluations), c.summary);
  }
}

}  // namespace
}  // namespace survey::evaluation
