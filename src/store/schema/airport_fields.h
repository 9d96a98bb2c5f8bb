// The fields of an airport row: one row per survey, its identifier the survey's key.
#pragma once

#include "store/schema/field_views.h"

namespace survey::airport {

// Fields 26 to 33, 37, 38 and 42 hold nothing; 1 to 41 reach the store file.
enum Field : int {
  Name = 1,
  SiteNumber = 2,
  Identifier = 3,  // the survey key that runway, navaid and obstruction rows link to
  Region = 4,
  SurveyDate = 5,  // "mm/dd/yyyy"
  City = 6,
  // The airport reference point.
  ReferenceLatitudeDegrees = 7,
  ReferenceLatitudeMinutes = 8,
  ReferenceLatitudeSeconds = 9,
  ReferenceLongitudeDegrees = 10,
  ReferenceLongitudeMinutes = 11,
  ReferenceLongitudeSeconds = 12,
  ElevationOrthometric = 13,
  ElevationEllipsoidal = 14,
  ElevationLocation = 15,    // where the elevation was taken, as "30 + 1500"
  MagneticDeclination = 16,  // east declination is negative
  HorizontalDatumTieAccuracy = 17,
  EllipsoidalElevationTieAccuracy = 18,
  OrthometricElevationTieAccuracy = 19,
  State = 20,
  Unlabeled21 = 21,  // no screen sets it; kept as stored
  VerticalDatum = 22,
  TowerFloorElevationOrthometric = 23,
  TowerFloorElevationEllipsoidal = 24,
  SurveyType = 25,  // "AOC", "ANAPC", ...: chosen when the survey was added
  // Entered at certification.
  SurveyorName = 34,
  SurveyorLicenseNumber = 35,
  AdditionalComments = 36,
  LatitudeNorth = 39,  // "True" for north, anything else south
  LongitudeEast = 40,  // "True" for east, anything else west
  Status = 41,         // "NEW", "CERTIFIED", "CERTIFIED2" (locked) or empty
};

inline constexpr int kStorageFields = 42;
inline constexpr int kWrittenFields = 41;

// A survey is its own key; airport rows are never marked deleted.
inline constexpr Field kLinkField = Identifier;
inline constexpr int kNoDeletionMark = 0;

inline constexpr PositionFields kReferencePoint = positionFrom(ReferenceLatitudeDegrees);
inline constexpr ElevationFields kElevation = elevationFrom(ElevationOrthometric);
inline constexpr ElevationFields kTowerFloorElevation =
    elevationFrom(TowerFloorElevationOrthometric);

}  // namespace survey::airport
