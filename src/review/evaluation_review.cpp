// The obstructions against the airport's imaginary surfaces: each one that penetrates its
// surface, and each one that lies under none of the surfaces listed for it.
#include "evaluation/obstruction_evaluation.h"
#include "review/review_context.h"
#include "store/schema/obstruction_fields.h"

namespace survey::review {

void reviewObstructionSurfaces(ReviewContext& context) {
  for (const auto& e : evaluation::evaluateObstructions(context.store, context.key)) {
    const evaluation::Verdict& verdict = e.verdict;
    if (verdict.penetrates()) {
      context.add(Severity::Warning, TableKind::Obstruction, e.row,
                  obstruction::TopElevationOrthometric,
                  "The obstruction penetrates the " + verdict.surfaceName + " by " +
                      feetText(*verdict.penetration) + ".",
                  feetText(*verdict.surfaceElevation));
    } else if (verdict.surface == evaluation::SurfaceKind::Outside) {
      context.add(
          Severity::Warning, TableKind::Obstruction, e.row, obstruction::Surface,
          "The obstruction lies outside the surfaces listed for it: " + verdict.reason + ".");
    }
  }
}

}  // namespace survey::review
