// Where things are: near the airport, not twice, and tied to the survey's runways and
// surfaces.
#include <cmath>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "review/review_context.h"
#include "store/number_text.h"
#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "store/survey_status.h"
#include "store/text_trim.h"
#include "survey/obstruction_surfaces.h"

namespace survey::review {

namespace {

constexpr double kNavaidRadiusNm = 30.0;
constexpr double kOtherRadiusNm = 10.0;

std::string nauticalMiles(double metres) {
  return fixedText(metres / kMetresPerNauticalMile, 1) + " NM";
}

// A flat-earth distance, within one percent of the geodesic this close to an airport: the
// exact (and slower) geodesic is only needed near the limit and for the message.
double roughMetres(const GeoPoint& a, const GeoPoint& b) {
  constexpr double kRadians = 3.14159265358979323846 / 180;
  constexpr double kMetresPerDegree = 6371008.8 * kRadians;
  double east = std::remainder(b.longitude - a.longitude, 360.0);
  east *= std::cos((a.latitude + b.latitude) / 2 * kRadians);
  return std::hypot(east, b.latitude - a.latitude) * kMetresPerDegree;
}

void checkRadius(ReviewContext& context, const GeoPoint& arp, TableKind table, int row,
                 const PositionFields& fields, double radiusNm) {
  const auto point = context.position(table, row, fields);
  if (!point) return;
  const double limit = radiusNm * kMetresPerNauticalMile;
  if (roughMetres(arp, *point) < 0.98 * limit) return;
  const double metres = inverseGeodesic(arp, *point).metres;
  if (metres <= limit) return;
  const std::string radius = fixedText(radiusNm, 0) + " NM";
  context.add(Severity::Warning, table, row, fields.latitude.degrees,
              "Lies " + nauticalMiles(metres) + " from the airport reference point, more than " +
                  radius + ".",
              nauticalMiles(metres));
}

// Position to the hundredth of a second and top elevation to the tenth of a foot.
struct Place {
  long long latitude, longitude, top;
  bool operator==(const Place&) const = default;
};
struct PlaceHash {
  std::size_t operator()(const Place& p) const {
    const std::hash<long long> hash;
    return hash(p.latitude) ^ (hash(p.longitude) * 31) ^ (hash(p.top) * 1009);
  }
};

std::optional<Place> obstructionPlace(const ReviewContext& context, int row) {
  const auto point = context.position(TableKind::Obstruction, row, obstruction::kPosition);
  const auto top =
      context.number(TableKind::Obstruction, row, obstruction::TopElevationOrthometric);
  if (!point || !top) return std::nullopt;
  return Place{std::llround(point->latitude * 360000.0), std::llround(point->longitude * 360000.0),
               std::llround(*top * 10.0)};
}

bool blank(const std::string& text) {
  return trimSpaces(text).empty();
}

}  // namespace

void reviewPositions(ReviewContext& context) {
  const auto arp =
      context.position(TableKind::Airport, context.surveyRow, airport::kReferencePoint);
  if (!arp) return;
  for (int row : context.runways) {
    checkRadius(context, *arp, TableKind::Runway, row, runway::kRwyIdEnd.position, kOtherRadiusNm);
    checkRadius(context, *arp, TableKind::Runway, row, runway::kOppositeEnd.position,
                kOtherRadiusNm);
  }
  for (int row : context.navaids) {
    checkRadius(context, *arp, TableKind::Navaid, row, navaid::kPosition, kNavaidRadiusNm);
  }
  for (int row : context.obstructions) {
    checkRadius(context, *arp, TableKind::Obstruction, row, obstruction::kPosition, kOtherRadiusNm);
  }
}

void reviewReferences(ReviewContext& context) {
  std::unordered_set<std::string> runwayNames;
  for (int row : context.runways) {
    const std::string& first = context.cell(TableKind::Runway, row, runway::RwyIdDesignator);
    const std::string& second = context.cell(TableKind::Runway, row, runway::OppositeDesignator);
    runwayNames.insert({first, second, first + "/" + second});
  }
  std::string surveyType = context.airport(airport::SurveyType);
  if (surveyType.empty()) surveyType = kDefaultSurveyTypeCode;  // what the store makes of it
  const std::vector<std::string> surfaces = obstructionSurfacesFor(surveyType);
  const std::unordered_set<std::string> allowedSurfaces(surfaces.begin(), surfaces.end());

  std::unordered_map<Place, int, PlaceHash> seen;
  seen.reserve(context.obstructions.size());
  for (int row : context.obstructions) {
    if (const auto place = obstructionPlace(context, row)) {
      const auto [first, fresh] = seen.emplace(*place, row);
      if (!fresh) {
        context.add(Severity::Warning, TableKind::Obstruction, row, obstruction::LatitudeDegrees,
                    "Same position and top elevation as " +
                        context.recordName(TableKind::Obstruction, first->second) +
                        ": entered twice?");
      }
    }
    const std::string& runway = context.cell(TableKind::Obstruction, row, obstruction::RwyId);
    if (!runwayNames.empty() && !blank(runway) && !runwayNames.contains(runway)) {
      context.add(Severity::Warning, TableKind::Obstruction, row, obstruction::RwyId,
                  "Runway " + runway + " is not a runway of this survey.");
    }
    const std::string& surface = context.cell(TableKind::Obstruction, row, obstruction::Surface);
    if (!blank(surface) && !allowedSurfaces.contains(surface)) {
      context.add(Severity::Error, TableKind::Obstruction, row, obstruction::Surface,
                  "The surface \"" + surface + "\" is not one of a " + surveyType + " survey.");
    }
  }
}

}  // namespace survey::review
