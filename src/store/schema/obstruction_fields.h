// The fields of an obstruction row.
#pragma once

#include "store/schema/field_views.h"

namespace survey::obstruction {

// 1 to 25 reach the store file.
enum Field : int {
  RwyId = 1,  // the runway the obstruction was surveyed for
  Object = 2,
  LatitudeDegrees = 3,
  LatitudeMinutes = 4,
  LatitudeSeconds = 5,
  LongitudeDegrees = 6,
  LongitudeMinutes = 7,
  LongitudeSeconds = 8,
  TopElevationOrthometric = 9,
  TopElevationEllipsoidal = 10,
  // 11 and 13 to 18 have no box on the screen; an imported survey may hold them and
  // the exchange file writes them.
  Unlabeled11 = 11,
  AboveGroundElevation = 12,
  Unlabeled13 = 13,
  Unlabeled14 = 14,
  Unlabeled15 = 15,
  Unlabeled16 = 16,
  Unlabeled17 = 17,
  Unlabeled18 = 18,
  AccuracyHorizontal = 19,  // "1 (20')", ...
  AccuracyVertical = 20,    // "A (3')", ...
  Surface = 21,             // the obstruction identification surface, as "PIR: ..."
  SurveyLink = 22,          // the survey's identifier
  SurveyDate = 23,
  DeletionMark = 24,  // "D" once deleted
  RecordNumber = 25,  // the row number the record received when it was added
};

inline constexpr int kStorageFields = 40;
inline constexpr int kWrittenFields = 25;

inline constexpr Field kLinkField = SurveyLink;
inline constexpr Field kDeletionField = DeletionMark;
inline constexpr Field kRecordNumberField = RecordNumber;

inline constexpr PositionFields kPosition = positionFrom(LatitudeDegrees);
inline constexpr ElevationFields kTopElevation = elevationFrom(TopElevationOrthometric);

}  // namespace survey::obstruction
