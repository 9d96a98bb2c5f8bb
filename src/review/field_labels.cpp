// The screen labels of the fields the review names, so a finding reads as the screen does.
#include <array>
#include <string_view>

#include "review/review_context.h"
#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"

namespace survey::review {

namespace {

struct Label {
  int field;
  std::string_view text;
};

constexpr std::array kAirport{
    Label{airport::Name, "Airport Name"},
    Label{airport::SiteNumber, "Site Number"},
    Label{airport::Identifier, "Airport Identifier"},
    Label{airport::Region, "Region"},
    Label{airport::SurveyDate, "Survey Date"},
    Label{airport::City, "City"},
    Label{airport::ReferenceLatitudeDegrees, "ARP Latitude Deg"},
    Label{airport::ReferenceLatitudeMinutes, "ARP Latitude Min"},
    Label{airport::ReferenceLatitudeSeconds, "ARP Latitude Sec"},
    Label{airport::ReferenceLongitudeDegrees, "ARP Longitude Deg"},
    Label{airport::ReferenceLongitudeMinutes, "ARP Longitude Min"},
    Label{airport::ReferenceLongitudeSeconds, "ARP Longitude Sec"},
    Label{airport::ElevationOrthometric, "Airport Elevation Orthometric"},
    Label{airport::ElevationEllipsoidal, "Airport Elevation Ellipsoidal"},
    Label{airport::ElevationLocation, "Airport Elevation Location"},
    Label{airport::MagneticDeclination, "Magnetic Declination"},
    Label{airport::HorizontalDatumTieAccuracy, "Horizontal Datum Tie Accuracy"},
    Label{airport::EllipsoidalElevationTieAccuracy, "Ellipsoidal Elevation Tie Accuracy"},
    Label{airport::OrthometricElevationTieAccuracy, "Orthometric Elevation Tie Accuracy"},
    Label{airport::State, "State"},
    Label{airport::VerticalDatum, "Vertical Datum"},
    Label{airport::TowerFloorElevationOrthometric, "Control Tower Floor Elevation Orthometric"},
    Label{airport::TowerFloorElevationEllipsoidal, "Control Tower Floor Elevation Ellipsoidal"},
};

constexpr std::array kRunway{
    Label{runway::SurveyDate, "Survey Date"},
    Label{runway::RwyIdDesignator, "Rwy ID"},
    Label{runway::RwyIdGeodeticAzimuth, "Runway Geodetic Azimuth (Rwy ID)"},
    Label{runway::SurveyedLength, "Surveyed Length"},
    Label{runway::Width, "Width"},
    Label{runway::Surface, "Surface"},
    Label{runway::RwyIdLatitudeDegrees, "Latitude Deg (Rwy ID)"},
    Label{runway::RwyIdLatitudeMinutes, "Latitude Min (Rwy ID)"},
    Label{runway::RwyIdLatitudeSeconds, "Latitude Sec (Rwy ID)"},
    Label{runway::RwyIdLongitudeDegrees, "Longitude Deg (Rwy ID)"},
    Label{runway::RwyIdLongitudeMinutes, "Longitude Min (Rwy ID)"},
    Label{runway::RwyIdLongitudeSeconds, "Longitude Sec (Rwy ID)"},
    Label{runway::RwyIdEndElevationOrthometric, "Runway End Elevation Orthometric (Rwy ID)"},
    Label{runway::RwyIdEndElevationEllipsoidal, "Runway End Elevation Ellipsoidal (Rwy ID)"},
    Label{runway::RwyIdDisplacedLatitudeDegrees, "Displaced Threshold Latitude (Rwy ID)"},
    Label{runway::RwyIdDisplacedLongitudeDegrees, "Displaced Threshold Longitude (Rwy ID)"},
    Label{runway::RwyIdDisplacedLength, "Displaced Threshold Length (Rwy ID)"},
    Label{runway::OppositeDesignator, "Opp. Rwy"},
    Label{runway::OppositeGeodeticAzimuth, "Runway Geodetic Azimuth (Opp. Rwy)"},
    Label{runway::OppositeLatitudeDegrees, "Latitude Deg (Opp. Rwy)"},
    Label{runway::OppositeLatitudeMinutes, "Latitude Min (Opp. Rwy)"},
    Label{runway::OppositeLatitudeSeconds, "Latitude Sec (Opp. Rwy)"},
    Label{runway::OppositeLongitudeDegrees, "Longitude Deg (Opp. Rwy)"},
    Label{runway::OppositeLongitudeMinutes, "Longitude Min (Opp. Rwy)"},
    Label{runway::OppositeLongitudeSeconds, "Longitude Sec (Opp. Rwy)"},
    Label{runway::OppositeEndElevationOrthometric, "Runway End Elevation Orthometric (Opp. Rwy)"},
    Label{runway::OppositeEndElevationEllipsoidal, "Runway End Elevation Ellipsoidal (Opp. Rwy)"},
    Label{runway::OppositeDisplacedLatitudeDegrees, "Displaced Threshold Latitude (Opp. Rwy)"},
    Label{runway::OppositeDisplacedLongitudeDegrees, "Displaced Threshold Longitude (Opp. Rwy)"},
    Label{runway::OppositeDisplacedLength, "Displaced Threshold Length (Opp. Rwy)"},
};

constexpr std::array kNavaid{
    Label{navaid::Runway, "Runway"},
    Label{navaid::Identifier, "NAVAID or ILS/MLS Identifier"},
    Label{navaid::LatitudeDegrees, "Latitude Deg"},
    Label{navaid::LatitudeMinutes, "Latitude Min"},
    Label{navaid::LatitudeSeconds, "Latitude Sec"},
    Label{navaid::LongitudeDegrees, "Longitude Deg"},
    Label{navaid::LongitudeMinutes, "Longitude Min"},
    Label{navaid::LongitudeSeconds, "Longitude Sec"},
    Label{navaid::ElevationOrthometric, "Elevation Orthometric"},
    Label{navaid::ElevationEllipsoidal, "Elevation Ellipsoidal"},
    Label{navaid::Type, "NAVAID Type"},
    Label{navaid::SurveyDate, "Survey Date"},
};

constexpr std::array kObstruction{
    Label{obstruction::RwyId, "Rwy ID"},
    Label{obstruction::Object, "Object"},
    Label{obstruction::LatitudeDegrees, "Latitude Deg"},
    Label{obstruction::LatitudeMinutes, "Latitude Min"},
    Label{obstruction::LatitudeSeconds, "Latitude Sec"},
    Label{obstruction::LongitudeDegrees, "Longitude Deg"},
    Label{obstruction::LongitudeMinutes, "Longitude Min"},
    Label{obstruction::LongitudeSeconds, "Longitude Sec"},
    Label{obstruction::TopElevationOrthometric, "Top Elevation Orthometric"},
    Label{obstruction::TopElevationEllipsoidal, "Top Elevation Ellipsoidal"},
    Label{obstruction::AboveGroundElevation, "Above Ground Elevation (AGL)"},
    Label{obstruction::AccuracyHorizontal, "Accuracy Code Horizontal"},
    Label{obstruction::AccuracyVertical, "Accuracy Code Vertical"},
    Label{obstruction::Surface, "Obstruction Identification Surface"},
    Label{obstruction::SurveyDate, "Survey Date"},
};

template <std::size_t N>
std::string find(const std::array<Label, N>& labels, int field) {
  for (const Label& label : labels) {
    if (label.field == field) return std::string(label.text);
  }
  return "field " + std::to_string(field);
}

}  // namespace

std::string fieldLabel(TableKind table, int field) {
  switch (table) {
    case TableKind::Airport:
      return find(kAirport, field);
    case TableKind::Runway:
      return find(kRunway, field);
    case TableKind::Navaid:
      return find(kNavaid, field);
    case TableKind::Obstruction:
      return find(kObstruction, field);
  }
  return {};
}

}  // namespace survey::review
