#include "map/surface_features.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "evaluation/obstruction_evaluation.h"
#include "evaluation/surface_outlines.h"

namespace survey::map {

namespace {

PlanOutline placeOutline(const LocalProjection& projection, SurfaceKind kind, std::string name,
                         const evaluation::SurfaceRing& ring) {
  PlanOutline outline{kind, std::move(name), {}, ring.front().elevation, ring.front().elevation};
  outline.ring.reserve(ring.size());
  for (const auto& vertex : ring) {
    outline.ring.push_back(projection.toPlan(vertex.at));
    outline.lowest = std::min(outline.lowest, vertex.elevation);
    outline.highest = std::max(outline.highest, vertex.elevation);
  }
  return outline;
}

}  // namespace

std::vector<SurfaceKind> SurfaceFeatures::kindsShown() const {
  std::vector<SurfaceKind> kinds;
  for (SurfaceKind kind : {SurfaceKind::Primary, SurfaceKind::Approach, SurfaceKind::Horizontal,
                           SurfaceKind::Conical}) {
    if (std::any_of(outlines.begin(), outlines.end(),
                    [&](const PlanOutline& outline) { return outline.kind == kind; })) {
      kinds.push_back(kind);
    }
  }
  return kinds;
}

std::vector<std::optional<evaluation::Verdict>> verdictsOfPoints(
    const SurveyFeatures& features, std::vector<evaluation::ObstructionEvaluation> evaluations) {
  std::map<int, evaluation::Verdict> byRow;
  for (auto& e : evaluations) byRow.emplace(e.row, std::move(e.verdict));
  std::vector<std::optional<evaluation::Verdict>> verdicts(features.points.size());
  for (std::size_t i = 0; i < features.points.size(); ++i) {
    const SurveyPoint& point = features.points[i];
    if (point.kind != FeatureKind::Obstruction) continue;
    if (const auto found = byRow.find(point.row); found != byRow.end()) {
      verdicts[i] = found->second;
    }
  }
  return verdicts;
}

SurfaceFeatures placeSurfaces(const SurveyStore& store, const SurveyFeatures& features,
                              const PlanView& plan) {
  SurfaceFeatures placed;
  const auto surfaces = evaluation::AirportSurfaces::ofSurvey(store, features.key);
  const LocalProjection projection(plan.centre);
  for (const auto& outline : evaluation::surfaceOutlines(surfaces)) {
    if (outline.rings.empty() || outline.rings.front().empty()) continue;
    // The conical's inner ring is the horizontal's edge, drawn already.
    placed.outlines.push_back(
        placeOutline(projection, outline.kind, outline.name, outline.rings.front()));
  }
  placed.verdicts =
      verdictsOfPoints(features, evaluation::evaluateObstructions(store, features.key, surfaces));
  return placed;
}

std::string surfaceLine(const evaluation::Verdict& verdict) {
  if (!verdict.penetration) return evaluation::verdictLine(verdict);
  return (verdict.penetrates() ? "Penetrates the " : "Clears the ") + verdict.surfaceName + " by " +
         evaluation::groupedFeetText(std::fabs(*verdict.penetration));
}

std::string describe(const PlanOutline& outline) {
  std::string text = outline.name;
  if (outline.kind == SurfaceKind::Horizontal) text += ", its edge";
  if (outline.kind == SurfaceKind::Conical) text += ", its outer edge";
  text += "\nElevation " + evaluation::groupedFeetText(outline.lowest);
  if (outline.highest - outline.lowest >= 0.05) {
    text += " to " + evaluation::groupedFeetText(outline.highest);
  }
  return text;
}

std::string legendName(SurfaceKind kind) {
  switch (kind) {
    case SurfaceKind::Horizontal:
      return "Horizontal surface (edge)";
    case SurfaceKind::Conical:
      return "Conical surface (outer edge)";
    default:
      std::string name(evaluation::surfaceKindName(kind));
      name[0] = static_cast<char>(name[0] - 'a' + 'A');
      return name + " surface";
  }
}

}  // namespace survey::map
