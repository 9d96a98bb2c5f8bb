#include "evaluation/airport_surfaces.h"

#include <algorithm>
#include <cmath>

#include "evaluation/plane_hull.h"
#include "store/number_text.h"
#include "store/schema/airport_fields.h"
#include "store/schema/hemispheres.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "store/text_trim.h"
#include "survey/obstruction_surfaces.h"

namespace survey::evaluation {

namespace {

constexpr std::string_view kPavedSurface = "P - Paved Hard Surface";

double roundedTenth(double value) {
  const double rounded = std::round(value * 10) / 10;
  return rounded == 0 ? 0 : rounded;  // no "-0.0"
}

// A surface whose plan holds the obstruction, and its elevation there.
struct Candidate {
  SurfaceKind kind;
  std::string name;
  double elevation;
};

Verdict notEvaluated(std::string reason) {
  Verdict verdict;
  verdict.reason = std::move(reason);
  return verdict;
}

// The lowest of the candidates controls; none leaves the obstruction outside.
Verdict lowest(const std::vector<Candidate>& candidates, double top, std::string outsideReason) {
  Verdict verdict;
  const auto controlling = std::min_element(
      candidates.begin(), candidates.end(),
      [](const Candidate& a, const Candidate& b) { return a.elevation < b.elevation; });
  if (controlling == candidates.end()) {
    verdict.surface = SurfaceKind::Outside;
    verdict.reason = std::move(outsideReason);
    return verdict;
  }
  verdict.surface = controlling->kind;
  verdict.surfaceName = controlling->name;
  verdict.surfaceElevation = roundedTenth(controlling->elevation);
  verdict.penetration = roundedTenth(top - controlling->elevation);
  return verdict;
}

}  // namespace

std::string_view surfaceKindName(SurfaceKind kind) {
  switch (kind) {
    case SurfaceKind::Primary:
      return "primary";
    case SurfaceKind::Approach:
      return "approach";
    case SurfaceKind::Transitional:
      return "transitional";
    case SurfaceKind::Horizontal:
      return "horizontal";
    case SurfaceKind::Conical:
      return "conical";
    case SurfaceKind::Outside:
      return "outside";
    case SurfaceKind::NotEvaluated:
      break;
  }
  return "not evaluated";
}

bool RunwaySite::hasSurfaces() const {
  return placed() && ends[0].elevation && ends[1].elevation && primaryWidth() > 0;
}

double RunwaySite::centreLineElevation(int end, double x) const {
  const double t = length() > 0 ? std::clamp(-x / length(), 0.0, 1.0) : 0.0;
  return *ends[end].elevation + t * (*ends[1 - end].elevation - *ends[end].elevation);
}

class SurfacesBuilder {
 public:
  SurfacesBuilder(const SurveyStore& store, std::string_view key, int leftOut) : store_(store) {
    const int airportRow = store.findSurveyRow(key);
    if (airportRow == 0) return;
    hemispheres_ = hemispheresOf(store.airports(), airportRow);
    if (const auto elevation =
            decimalValue(store.airports().cell(airportRow, airport::ElevationOrthometric)))
      surfaces_.horizontalElevation_ = *elevation + kHorizontalHeight;
    for (int row : store.childRows(TableKind::Runway, key)) addRunway(row);
    for (int row : store.childRows(TableKind::Obstruction, key)) {
      if (row != leftOut) classify(row);
    }
    const Placement reference =
        placeRowPosition(store.airports(), airportRow, airport::kReferencePoint, hemispheres_);
    placeHull(reference.at);
  }

  AirportSurfaces take() { return std::move(surfaces_); }

 private:
  void addRunway(int row) {
    const Table& runways = store_.runways();
    RunwaySite runway;
    runway.row = row;
    const runway::EndFields* fields[2] = {&runway::kRwyIdEnd, &runway::kOppositeEnd};
    for (int end = 0; end < 2; ++end) {
      RunwayEndSite& site = runway.ends[end];
      site.designator = std::string(trimSpaces(runways.cell(row, fields[end]->designator)));
      site.at = placeRowPosition(runways, row, fields[end]->position, hemispheres_).at;
      site.elevation = decimalValue(runways.cell(row, fields[end]->endElevation.orthometric));
    }
    runway.name = runway.ends[0].designator + "/" + runway.ends[1].designator;
    if (trimSpaces(runways.cell(row, runway::Surface)) == kPavedSurface)
      runway.extension = kPavedPrimaryExtension;
    if (runway.ends[0].at && runway.ends[1].at) {
      runway.frames[0].emplace(*runway.ends[0].at, *runway.ends[1].at);
      runway.frames[1].emplace(*runway.ends[1].at, *runway.ends[0].at);
      if (runway.frames[0]->runwayLength() <= 0) runway.frames[0].reset(), runway.frames[1].reset();
    }
    surfaces_.runways_.push_back(std::move(runway));
  }

  void classify(int row) {
    const Table& obstructions = store_.obstructions();
    const ApproachClass* approach =
        approachClassOf(surfaceCodeOf(obstructions.cell(row, obstruction::Surface)));
    if (approach == nullptr) return;
    const auto [runway, end] =
        surfaces_.findEnd(trimSpaces(obstructions.cell(row, obstruction::RwyId)));
    if (runway == nullptr) return;
    surfaces_.runways_[runway - surfaces_.runways_.data()].raiseClass(end, *approach);
  }

  // The horizontal surface's edge is drawn round the primary surfaces' ends.
  void placeHull(std::optional<GeoPosition> centre) {
    std::vector<GeoPosition> ends;
    for (const auto& runway : surfaces_.runways_) {
      if (!runway.placed()) continue;
      for (const auto& frame : runway.frames) ends.push_back(frame->toGeo({runway.extension, 0}));
    }
    if (ends.empty()) return;
    surfaces_.plane_.emplace(centre.value_or(ends.front()));
    std::vector<FramePoint> points;
    for (const auto& end : ends) points.push_back(surfaces_.plane_->toFrame(end));
    surfaces_.hull_ = convexHull(std::move(points));
  }

  const SurveyStore& store_;
  Hemispheres hemispheres_;
  AirportSurfaces surfaces_;
};

AirportSurfaces AirportSurfaces::ofSurvey(const SurveyStore& store, std::string_view key,
                                          int leftOut) {
  return SurfacesBuilder(store, key, leftOut).take();
}

AirportSurfaces AirportSurfaces::withListed(std::string_view runwayEnd,
                                            std::string_view code) const {
  AirportSurfaces listed = *this;
  const ApproachClass* approach = approachClassOf(code);
  const auto [runway, end] = findEnd(trimSpaces(runwayEnd));
  if (approach == nullptr || runway == nullptr) return listed;
  listed.runways_[static_cast<std::size_t>(runway - runways_.data())].raiseClass(end, *approach);
  return listed;
}

double RunwaySite::primaryWidth() const {
  double width = 0;
  for (const auto& end : ends) {
    if (end.approach != nullptr) width = std::max(width, end.approach->primaryWidth);
  }
  return width;
}

void RunwaySite::raiseClass(int end, const ApproachClass& approach) {
  const ApproachClass*& endClass = ends[end].approach;
  if (endClass == nullptr || endClass->rank < approach.rank) endClass = &approach;
}

double AirportSurfaces::horizontalRadius() const {
  double radius = 5000;
  for (const auto& runway : runways_) {
    for (const auto& end : runway.ends) {
      if (end.approach != nullptr) radius = std::max(radius, end.approach->horizontalRadius);
    }
  }
  return radius;
}

std::pair<const RunwaySite*, int> AirportSurfaces::findEnd(std::string_view designator) const {
  if (designator.empty()) return {nullptr, 0};
  for (const auto& runway : runways_) {
    for (int end = 0; end < 2; ++end) {
      if (runway.ends[end].designator == designator) return {&runway, end};
    }
  }
  return {nullptr, 0};
}

Verdict AirportSurfaces::judge(const ObstructionQuery& query) const {
  if (query.surfaceCode.empty()) return notEvaluated("no obstruction identification surface");
  const ApproachClass* approach = approachClassOf(query.surfaceCode);
  if (approach == nullptr && query.surfaceCode != kHorizontalConicalCode)
    return notEvaluated(query.surfaceCode + " names no FAR 77 surface");
  if (!query.at)
    return notEvaluated(query.positionProblem.empty() ? "no position" : query.positionProblem);
  if (!query.topElevation) return notEvaluated("no orthometric top elevation");
  return approach != nullptr ? judgeApproach(query, *approach) : judgeHorizontalConical(query);
}

Verdict AirportSurfaces::judgeApproach(const ObstructionQuery& query,
                                       const ApproachClass& approach) const {
  const std::string_view designator = trimSpaces(query.runwayEnd);
  if (designator.empty()) return notEvaluated("no runway end");
  const auto [runway, end] = findEnd(designator);
  if (runway == nullptr)
    return notEvaluated("runway end " + std::string(designator) + " is not in the survey");
  if (!runway->placed())
    return notEvaluated("runway " + runway->name + " lacks the position of an end");
  if (!runway->ends[0].elevation || !runway->ends[1].elevation)
    return notEvaluated("runway " + runway->name + " lacks an end elevation");

  const FramePoint at = runway->frames[end]->toFrame(*query.at);
  const double width = runway->primaryWidth();
  const double across = std::fabs(at.y);
  std::vector<Candidate> candidates;
  if (at.x >= -runway->length() - runway->extension && at.x <= runway->extension &&
      across <= width / 2) {
    candidates.push_back({SurfaceKind::Primary, "Primary surface of " + runway->name,
                          runway->centreLineElevation(end, at.x)});
  }
  const double along = at.x - runway->extension;
  if (along >= 0 && along <= approach.approachLength() &&
      across <= approach.halfWidthAt(width, along)) {
    candidates.push_back({SurfaceKind::Approach,
                          "Approach surface of " + std::string(designator) + " (" +
                              std::string(approach.code) + ", " + approach.slopeTextAt(along) + ")",
                          *runway->ends[end].elevation + approach.riseAt(along)});
  }
  return lowest(candidates, *query.topElevation,
                "not under the approach or primary surface of " + std::string(designator) + " (" +
                    std::string(approach.code) + ")");
}

Verdict AirportSurfaces::judgeHorizontalConical(const ObstructionQuery& query) const {
  if (!horizontalElevation_) return notEvaluated("no airport elevation");
  if (!plane_) return notEvaluated("no runway with both ends placed");
  const double horizontal = *horizontalElevation_;
  std::vector<Candidate> candidates;
  for (const auto& runway : runways_) {
    if (!runway.hasSurfaces()) continue;
    const double half = runway.primaryWidth() / 2;
    double lowestSide = horizontal;
    for (int end = 0; end < 2; ++end) {
      const FramePoint at = runway.frames[end]->toFrame(*query.at);
      const double across = std::fabs(at.y);
      if (end == 0 && at.x >= -runway.length() - runway.extension && at.x <= runway.extension &&
          across > half) {
        lowestSide = std::min(
            lowestSide, runway.centreLineElevation(0, at.x) + (across - half) / kTransitionalSlope);
      }
      const ApproachClass* approach = runway.ends[end].approach;
      const double along = at.x - runway.extension;
      if (approach == nullptr || along <= 0 || along > approach->approachLength()) continue;
      const double halfWidth = approach->halfWidthAt(runway.primaryWidth(), along);
      if (across <= halfWidth) continue;
      lowestSide = std::min(lowestSide, *runway.ends[end].elevation + approach->riseAt(along) +
                                            (across - halfWidth) / kTransitionalSlope);
    }
    if (lowestSide < horizontal)
      candidates.push_back(
          {SurfaceKind::Transitional, "Transitional surface of " + runway.name, lowestSide});
  }
  const double fromEdge = distanceToHull(hull_, plane_->toFrame(*query.at));
  const double radius = horizontalRadius();
  if (fromEdge <= radius) {
    candidates.push_back({SurfaceKind::Horizontal, "Horizontal surface", horizontal});
  } else if (fromEdge <= radius + kConicalWidth) {
    candidates.push_back({SurfaceKind::Conical, "Conical surface",
                          horizontal + (fromEdge - radius) / kConicalSlope});
  }
  return lowest(candidates, *query.topElevation,
                "not under the transitional, horizontal or conical surfaces");
}

std::string groupedFeetText(double feet) {
  std::string digits = fixedText(std::fabs(feet), 1);
  for (auto i = static_cast<std::ptrdiff_t>(digits.find('.')) - 3; i > 0; i -= 3)
    digits.insert(static_cast<std::size_t>(i), ",");
  return (feet < 0 && digits != "0.0" ? "-" : "") + digits + " ft";
}

std::string verdictLine(const Verdict& verdict) {
  switch (verdict.surface) {
    case SurfaceKind::NotEvaluated:
      return "Not evaluated: " + verdict.reason;
    case SurfaceKind::Outside:
      return "Lies outside the surfaces listed: " + verdict.reason;
    default:
      break;
  }
  const double penetration = *verdict.penetration;
  return verdict.surfaceName + " at " + groupedFeetText(*verdict.surfaceElevation) + ": " +
         (penetration > 0 ? "penetrates by " : "clears by ") +
         groupedFeetText(std::fabs(penetration));
}

}  // namespace survey::evaluation
