// What of one survey can be drawn on a plan or written for a GIS: every
// positioned record (deleted rows left out) in signed degrees, the runways joining
// their two ends, and the records whose position is missing or unreadable.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "map/geo_position.h"
#include "store/survey_store.h"
#include "survey/obstruction_surfaces.h"

namespace survey::map {

enum class FeatureKind {
  Airport,             // the airport reference point
  RunwayEnd,           // end 1 (fields 2, 8-17) or end 2 (fields 27, 30-39)
  DisplacedThreshold,  // of one runway end
  ProfilePoint,        // on the centre line, from its profile point group
  Navaid,
  AssociatedPoint,  // a navaid's perpendicular or centre-line point
  Obstruction,
};

enum class NavaidClass { Electronic, Visual, Stars };

struct SurveyPoint {
  FeatureKind kind = FeatureKind::Airport;
  TableKind table = TableKind::Airport;
  int row = 0;    // the record it comes from
  int end = 0;    // runway ends and displaced thresholds: 1 or 2
  int field = 0;  // profile points: the first field of their group
  std::string label;
  GeoPosition at;
  std::string latitudeText, longitudeText;         // as surveyed (profile points: empty)
  std::optional<double> orthometric, ellipsoidal;  // feet
  NavaidClass navaidClass = NavaidClass::Electronic;
  std::string surfaceCode;          // obstructions: "PIR", "HCT", ...; empty when none chosen
  std::optional<double> heightAgl;  // obstructions
  int joinedTo = -1;  // associated point: its navaid; threshold, profile point: its runway end
};

struct SurveyRunway {
  int row = 0;
  std::string designator1, designator2;
  int end1 = -1, end2 = -1;  // indexes into the points
};

struct NotPlaced {
  TableKind table = TableKind::Airport;
  int row = 0;
  std::string what;    // "obstruction 12 (TREE)"
  std::string reason;  // "latitude minutes not entered"
};

struct SurveyFeatures {
  std::string key;
  std::vector<SurveyPoint> points;
  std::vector<SurveyRunway> runways;
  std::vector<NotPlaced> notPlaced;
  bool empty() const { return points.empty(); }
};

SurveyFeatures collectSurveyFeatures(const SurveyStore& store, std::string_view key);

// Which list a navaid type belongs to: the electronic or visual list, else a STARS entry.
NavaidClass navaidClassOf(std::string_view type);
using survey::surfaceCodeOf;

// The record in a few lines: what it is, position in degrees-minutes-seconds, elevations.
std::string describe(const SurveyPoint& point, const SurveyStore& store);

}  // namespace survey::map
