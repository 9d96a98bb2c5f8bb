// What the review's checks share: the survey under review, its rows, the findings so
// far, and the reading of the texts the tables hold as numbers and positions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "review/survey_review.h"
#include "store/schema/airport_fields.h"
#include "store/schema/field_views.h"
#include "store/schema/hemispheres.h"
#include "store/survey_store.h"
#include "survey/degrees.h"
#include "survey/geodesy.h"

namespace survey::review {

using GeoPoint = survey::GeoPosition;

using survey::kMetresPerFoot;
inline constexpr double kMetresPerNauticalMile = 1852.0;

// The screen label of a field, as the findings name it.
std::string fieldLabel(TableKind table, int field);

class ReviewContext {
 public:
  ReviewContext(const SurveyStore& store, std::string_view key, int surveyRow, ReviewDate today);

  const SurveyStore& store;
  const std::string key;
  const int surveyRow;
  const ReviewDate today;
  std::vector<int> runways, navaids, obstructions;  // the survey's live rows
  std::vector<Finding> findings;

  CellText cell(TableKind table, int row, int field) const {
    return store.table(table).cell(row, field);
  }
  CellText airport(airport::Field field) const {
    return cell(TableKind::Airport, surveyRow, field);
  }
  // A number typed in the cell; nothing when empty or not a number.
  std::optional<double> number(TableKind table, int row, int field) const;
  // The position held in `fields`, with the survey's hemispheres; nothing when any part
  // is missing or not a number.
  std::optional<GeoPoint> position(TableKind table, int row, const PositionFields& fields) const;
  // "runway 09/27", "navaid GS 09 IOLM", "obstruction 14 (TREE)", "airport KSEA".
  std::string recordName(TableKind table, int row) const;

  void add(Severity severity, TableKind table, int row, int field, std::string message,
           std::string computed = {});

 private:
  Hemispheres hemispheres_;
};

// Geodesic distance (metres) and forward azimuths (degrees, 0 to 360) on the NAD83
// ellipsoid.
struct GeodesicLine {
  double metres = 0, azimuthFrom = 0, azimuthTo = 0;
};
GeodesicLine inverseGeodesic(const GeoPoint& from, const GeoPoint& to);

// The checks, each adding its findings to the context.
void reviewCompleteness(ReviewContext& context);
void reviewShortenedValues(ReviewContext& context);
void reviewDates(ReviewContext& context);
void reviewRunwayGeometry(ReviewContext& context);
void reviewHeights(ReviewContext& context);
void reviewPositions(ReviewContext& context);
void reviewReferences(ReviewContext& context);
void reviewObstructionSurfaces(ReviewContext& context);

// "1,234.5 ft" style texts for the computed column.
std::string feetText(double feet);

}  // namespace survey::review
