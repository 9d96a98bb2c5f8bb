// The airport's imaginary surfaces on the plan: the outlines of the primary, approach,
// horizontal and conical surfaces, and each obstruction's judgement against them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "evaluation/airport_surfaces.h"
#include "evaluation/obstruction_evaluation.h"
#include "map/plan_view.h"

namespace survey::map {

using evaluation::SurfaceKind;

struct PlanOutline {
  SurfaceKind kind = SurfaceKind::Primary;
  std::string name;                // "Approach surface of 16 (PIR)"
  std::vector<PlanPoint> ring;     // closed: the last joins the first
  double lowest = 0, highest = 0;  // elevation along it, feet
};

struct SurfaceFeatures {
  // The primary and approach surfaces of each runway, the horizontal surface's edge and
  // the conical surface's outer edge; the conical's inner edge is the horizontal's.
  std::vector<PlanOutline> outlines;
  // Per feature point (same order): an obstruction's judgement; none for other points.
  std::vector<std::optional<evaluation::Verdict>> verdicts;

  bool penetrates(std::size_t point) const {
    return verdicts[point] && verdicts[point]->penetrates();
  }
  // The kinds the outlines hold, in the order primary, approach, horizontal, conical.
  std::vector<SurfaceKind> kindsShown() const;
};

// Each feature point's judgement, in the points' order: an obstruction's, none for other
// points (and for an obstruction the evaluations do not hold).
std::vector<std::optional<evaluation::Verdict>> verdictsOfPoints(
    const SurveyFeatures& features, std::vector<evaluation::ObstructionEvaluation> evaluations);

// The surfaces of the survey `features` was collected from, placed on `plan`.
SurfaceFeatures placeSurfaces(const SurveyStore& store, const SurveyFeatures& features,
                              const PlanView& plan);

// An obstruction's line under its description: "Penetrates the Approach surface of 16
// (PIR, 50:1) by 10.0 ft", "Clears the Horizontal surface by 12.4 ft", or why it was not
// judged.
std::string surfaceLine(const evaluation::Verdict& verdict);

// An outline's tool-tip: its name and its elevation along it.
std::string describe(const PlanOutline& outline);

// "Approach surface", "Horizontal surface (edge)", ...: a kind's name in the legend.
std::string legendName(SurfaceKind kind);

}  // namespace survey::map
