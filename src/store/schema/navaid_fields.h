// The fields of a navaid row: the navaid's centre and, when it has one, its associated
// perpendicular point (PP) or centerline point (CLPT).
#pragma once

#include "store/schema/field_views.h"

namespace survey::navaid {

// Field 12 holds nothing; 1 to 27 reach the store file.
enum Field : int {
  Runway = 1,  // designator of the runway the navaid serves
  Identifier = 2,
  LatitudeDegrees = 3,
  LatitudeMinutes = 4,
  LatitudeSeconds = 5,
  LongitudeDegrees = 6,
  LongitudeMinutes = 7,
  LongitudeSeconds = 8,
  ElevationOrthometric = 9,
  ElevationEllipsoidal = 10,
  AssociatedPoint = 11,  // "PP", "CLPT" or "NAVAID" (none)
  OffsetDirection = 13,  // "L" or "R", seen from a landing aircraft
  Distance = 14,         // feet; what it measures depends on the type
  Type = 15,             // the whole list text, or a typed STARS entry
  SurveyLink = 16,       // the survey's identifier
  DeletionMark = 17,     // "D" once deleted
  SurveyDate = 18,
  RecordNumber = 19,  // the row number the record received when it was added
  AssociatedLatitudeDegrees = 20,
  AssociatedLatitudeMinutes = 21,
  AssociatedLatitudeSeconds = 22,
  AssociatedLongitudeDegrees = 23,
  AssociatedLongitudeMinutes = 24,
  AssociatedLongitudeSeconds = 25,
  AssociatedElevationOrthometric = 26,
  AssociatedElevationEllipsoidal = 27,
};

inline constexpr int kStorageFields = 40;
inline constexpr int kWrittenFields = 27;

inline constexpr Field kLinkField = SurveyLink;
inline constexpr Field kDeletionField = DeletionMark;
inline constexpr Field kRecordNumberField = RecordNumber;

inline constexpr PositionFields kPosition = positionFrom(LatitudeDegrees);
inline constexpr ElevationFields kElevation = elevationFrom(ElevationOrthometric);
inline constexpr PositionFields kAssociatedPosition = positionFrom(AssociatedLatitudeDegrees);
inline constexpr ElevationFields kAssociatedElevation =
    elevationFrom(AssociatedElevationOrthometric);

}  // namespace survey::navaid
