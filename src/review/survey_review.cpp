#include "review/survey_review.h"

#include <GeographicLib/Geodesic.hpp>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "review/review_context.h"
#include "store/number_text.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "survey/geodesy.h"

namespace survey::review {

ReviewContext::ReviewContext(const SurveyStore& store, std::string_view key, int surveyRow,
                             ReviewDate today)
    : store(store), key(key), surveyRow(surveyRow), today(today) {
  runways = store.childRows(TableKind::Runway, key);
  navaids = store.childRows(TableKind::Navaid, key);
  obstructions = store.childRows(TableKind::Obstruction, key);
  hemispheres_ = hemispheresOf(store.airports(), surveyRow);
}

std::optional<double> ReviewContext::number(TableKind table, int row, int field) const {
  return decimalValue(cell(table, row, field));
}

std::optional<GeoPoint> ReviewContext::position(TableKind table, int row,
                                                const PositionFields& fields) const {
  auto texts = [&](const CoordinateFields& coordinate) {
    return DmsTexts{cell(table, row, coordinate.degrees), cell(table, row, coordinate.minutes),
                    cell(table, row, coordinate.seconds)};
  };
  const std::optional<double> latitude = nonNegativeDegrees(texts(fields.latitude), 90);
  const std::optional<double> longitude = nonNegativeDegrees(texts(fields.longitude), 180);
  if (!latitude || !longitude) return std::nullopt;
  return GeoPoint{hemispheres_.south ? -*latitude : *latitude,
                  hemispheres_.west ? -*longitude : *longitude};
}

std::string ReviewContext::recordName(TableKind table, int row) const {
  auto field = [&](int number) { return std::string(cell(table, row, number)); };
  switch (table) {
    case TableKind::Airport:
      return "airport " + key;
    case TableKind::Runway:
      return "runway " + field(runway::RwyIdDesignator) + "/" + field(runway::OppositeDesignator);
    case TableKind::Navaid: {
      const std::string& type = field(navaid::Type);
      std::string name = "navaid " + type.substr(0, type.find(" - "));
      for (int number : {navaid::Runway, navaid::Identifier}) {
        if (!field(number).empty()) name += " " + field(number);
      }
      return name;
    }
    case TableKind::Obstruction: {
      const std::string& object = field(obstruction::Object);
      return "obstruction " + std::to_string(row) + (object.empty() ? "" : " (" + object + ")");
    }
  }
  return {};
}

void ReviewContext::add(Severity severity, TableKind table, int row, int field, std::string message,
                        std::string computed) {
  findings.push_back({severity, table, row, field, field > 0 ? fieldLabel(table, field) : "",
                      recordName(table, row), std::move(message), std::move(computed)});
}

GeodesicLine inverseGeodesic(const GeoPoint& from, const GeoPoint& to) {
  GeodesicLine line;
  nad83().Inverse(from.latitude, from.longitude, to.latitude, to.longitude, line.metres,
                  line.azimuthFrom, line.azimuthTo);
  line.azimuthFrom = std::fmod(line.azimuthFrom + 360.0, 360.0);
  // The azimuth at the far end looking back along the line.
  line.azimuthTo = std::fmod(line.azimuthTo + 180.0 + 360.0, 360.0);
  return line;
}

std::string feetText(double feet) {
  return fixedText(feet, 1) + " ft";
}

std::vector<Finding> reviewSurvey(const SurveyStore& store, std::string_view key,
                                  ReviewDate today) {
  const int surveyRow = key.empty() ? 0 : store.findSurveyRow(key);
  if (surveyRow == 0) return {};
  ReviewContext context(store, key, surveyRow, today);
  reviewCompleteness(context);
  reviewShortenedValues(context);
  reviewDates(context);
  reviewRunwayGeometry(context);
  reviewHeights(context);
  reviewPositions(context);
  reviewReferences(context);
  reviewObstructionSurfaces(context);
  std::stable_partition(context.findings.begin(), context.findings.end(),
                        [](const Finding& f) { return f.severity == Severity::Error; });
  return std::move(context.findings);
}

ReviewDate localToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string_view severityText(Severity severity) {
  return severity == Severity::Error ? "Error" : "Warning";
}

FindingCounts countFindings(const std::vector<Finding>& findings) {
  FindingCounts counts;
  for (const Finding& finding : findings) {
    (finding.severity == Severity::Error ? counts.errors : counts.warnings) += 1;
  }
  return counts;
}

}  // namespace survey::review
