// The fields of a runway row: both ends of one runway, the Rwy ID end (the small
// runway end number) and the opposite end, and the additional profile points.
#pragma once

#include "store/schema/field_views.h"

namespace survey::runway {

// Fields 51 to 59 hold nothing; all 200 reach the store file.
enum Field : int {
  SurveyDate = 1,  // "mm/dd/yyyy", the date of the whole runway
  RwyIdDesignator = 2,
  RwyIdBlastPad = 3,         // "Yes", "No" or "Not Verified"
  RwyIdGeodeticAzimuth = 4,  // dddmmss
  // Surveyed length, width and surface belong to the whole runway.
  SurveyedLength = 5,
  Width = 6,
  Surface = 7,  // "P - Paved Hard Surface", ...
  RwyIdLatitudeDegrees = 8,
  RwyIdLatitudeMinutes = 9,
  RwyIdLatitudeSeconds = 10,
  RwyIdLongitudeDegrees = 11,
  RwyIdLongitudeMinutes = 12,
  RwyIdLongitudeSeconds = 13,
  RwyIdEndElevationOrthometric = 14,
  RwyIdEndElevationEllipsoidal = 15,
  RwyIdTouchdownElevationOrthometric = 16,
  RwyIdTouchdownElevationEllipsoidal = 17,
  RwyIdDisplacedLatitudeDegrees = 18,
  RwyIdDisplacedLatitudeMinutes = 19,
  RwyIdDisplacedLatitudeSeconds = 20,
  RwyIdDisplacedLongitudeDegrees = 21,
  RwyIdDisplacedLongitudeMinutes = 22,
  RwyIdDisplacedLongitudeSeconds = 23,
  RwyIdDisplacedLength = 24,
  RwyIdDisplacedElevationOrthometric = 25,
  RwyIdDisplacedElevationEllipsoidal = 26,
  OppositeDesignator = 27,
  OppositeBlastPad = 28,
  OppositeGeodeticAzimuth = 29,
  OppositeLatitudeDegrees = 30,
  OppositeLatitudeMinutes = 31,
  OppositeLatitudeSeconds = 32,
  OppositeLongitudeDegrees = 33,
  OppositeLongitudeMinutes = 34,
  OppositeLongitudeSeconds = 35,
  OppositeEndElevationOrthometric = 36,
  OppositeEndElevationEllipsoidal = 37,
  OppositeTouchdownElevationOrthometric = 38,
  OppositeTouchdownElevationEllipsoidal = 39,
  OppositeDisplacedLatitudeDegrees = 40,
  OppositeDisplacedLatitudeMinutes = 41,
  OppositeDisplacedLatitudeSeconds = 42,
  OppositeDisplacedLongitudeDegrees = 43,
  OppositeDisplacedLongitudeMinutes = 44,
  OppositeDisplacedLongitudeSeconds = 45,
  OppositeDisplacedLength = 46,
  OppositeDisplacedElevationOrthometric = 47,
  OppositeDisplacedElevationEllipsoidal = 48,
  SurveyLink = 49,    // the survey's identifier
  DeletionMark = 50,  // "D" once deleted
};

inline constexpr int kStorageFields = 200;
inline constexpr int kWrittenFields = 200;

inline constexpr Field kLinkField = SurveyLink;
inline constexpr Field kDeletionField = DeletionMark;

enum class End { RwyId, Opposite };

// One end's fields; both ends lay theirs out alike.
struct EndFields {
  Field designator, blastPad, geodeticAzimuth;
  PositionFields position;
  ElevationFields endElevation, touchdownElevation;
  PositionFields displacedThreshold;
  Field displacedLength;
  ElevationFields displacedElevation;
};

inline constexpr EndFields kRwyIdEnd{RwyIdDesignator,
                                     RwyIdBlastPad,
                                     RwyIdGeodeticAzimuth,
                                     positionFrom(RwyIdLatitudeDegrees),
                                     elevationFrom(RwyIdEndElevationOrthometric),
                                     elevationFrom(RwyIdTouchdownElevationOrthometric),
                                     positionFrom(RwyIdDisplacedLatitudeDegrees),
                                     RwyIdDisplacedLength,
                                     elevationFrom(RwyIdDisplacedElevationOrthometric)};
inline constexpr EndFields kOppositeEnd{OppositeDesignator,
                                        OppositeBlastPad,
                                        OppositeGeodeticAzimuth,
                                        positionFrom(OppositeLatitudeDegrees),
                                        elevationFrom(OppositeEndElevationOrthometric),
                                        elevationFrom(OppositeTouchdownElevationOrthometric),
                                        positionFrom(OppositeDisplacedLatitudeDegrees),
                                        OppositeDisplacedLength,
                                        elevationFrom(OppositeDisplacedElevationOrthometric)};

constexpr const EndFields& endFields(End end) {
  return end == End::RwyId ? kRwyIdEnd : kOppositeEnd;
}

// Additional profile points: up to 28 groups of five fields from field 60 on, shared
// by both ends. A group whose end field is empty is free.
inline constexpr int kFirstProfileGroup = 60;
inline constexpr int kLastProfileGroup = 195;
inline constexpr int kProfileGroupSize = 5;
inline constexpr int kProfileGroups =
    (kLastProfileGroup - kFirstProfileGroup) / kProfileGroupSize + 1;  // 28

// The fields of the group starting at `first`; its fifth field holds nothing.
struct ProfileGroupFields {
  int end;       // designator of the end the distance is measured from
  int distance;  // feet, as typed
  ElevationFields elevation;
};

constexpr ProfileGroupFields profileGroup(int first) {
  return {first, first + 1, elevationFrom(first + 2)};
}

}  // namespace survey::runway
