// A survey's features placed on the plan: feet east and north of the airport
// reference point, with the records a caller wants marked (the survey review's findings).
#pragma once

#include <string>
#include <vector>

#include "map/local_projection.h"
#include "map/survey_features.h"

namespace survey::map {

enum class MarkSeverity { Note, Warning, Error };

// A record to mark on the plan: every point of that record gets the mark.
struct MapMark {
  TableKind table = TableKind::Airport;
  int row = 0;
  MarkSeverity severity = MarkSeverity::Warning;
  std::string text;
};

struct PlanBounds {
  double west = 0, south = 0, east = 0, north = 0;
};

struct PlanView {
  GeoPosition centre;
  bool centredOnArp = false;
  std::vector<PlanPoint> points;  // one per feature point, same order
  PlanBounds bounds;
  // Per feature point: the marks of its record (indexes into the marks given), if any.
  std::vector<std::vector<int>> marksOf;
};

// Centred on the airport reference point; on the mean position when it is not placed.
PlanView planSurvey(const SurveyFeatures& features, const std::vector<MapMark>& marks = {});

}  // namespace survey::map
