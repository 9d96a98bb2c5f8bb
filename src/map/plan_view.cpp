#include "map/plan_view.h"

#include <algorithm>
#include <map>
#include <utility>

namespace survey::map {

namespace {

GeoPosition centreOf(const SurveyFeatures& features, bool& onArp) {
  for (const auto& point : features.points) {
    if (point.kind == FeatureKind::Airport) {
      onArp = true;
      return point.at;
    }
  }
  onArp = false;
  GeoPosition mean;
  for (const auto& point : features.points) {
    mean.latitude += point.at.latitude;
    mean.longitude += point.at.longitude;
  }
  if (!features.points.empty()) {
    mean.latitude /= static_cast<double>(features.points.size());
    mean.longitude /= static_cast<double>(features.points.size());
  }
  return mean;
}

}  // namespace

PlanView planSurvey(const SurveyFeatures& features, const std::vector<MapMark>& marks) {
  PlanView view;
  view.centre = centreOf(features, view.centredOnArp);
  const LocalProjection projection(view.centre);
  view.points.reserve(features.points.size());
  view.marksOf.resize(features.points.size());
  std::map<std::pair<TableKind, int>, std::vector<int>> marksByRecord;
  for (std::size_t m = 0; m < marks.size(); ++m) {
    marksByRecord[{marks[m].table, marks[m].row}].push_back(static_cast<int>(m));
  }
  for (std::size_t i = 0; i < features.points.size(); ++i) {
    const SurveyPoint& point = features.points[i];
    const PlanPoint placed = projection.toPlan(point.at);
    view.points.push_back(placed);
    if (i == 0) view.bounds = {placed.east, placed.north, placed.east, placed.north};
    view.bounds.west = std::min(view.bounds.west, placed.east);
    view.bounds.east = std::max(view.bounds.east, placed.east);
    view.bounds.south = std::min(view.bounds.south, placed.north);
    view.bounds.north = std::max(view.bounds.north, placed.north);
    if (const auto found = marksByRecord.find({point.table, point.row});
        found != marksByRecord.end()) {
      view.marksOf[i] = found->second;
    }
  }
  return view;
}

}  // namespace survey::map
