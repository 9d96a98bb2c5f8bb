// The screen labels of the fields the review names, so a finding reads as the screen does.
#include <array>
#include <string_view>

#include "review/review_context.h"

namespace survey::review {

namespace {

struct Label {
  int field;
  std::string_view text;
};

constexpr std::array kAirport{
    Label{1, "Airport Name"},
    Label{2, "Site Number"},
    Label{3, "Airport Identifier"},
    Label{4, "Region"},
    Label{5, "Survey Date"},
    Label{6, "City"},
    Label{7, "ARP Latitude Deg"},
    Label{8, "ARP Latitude Min"},
    Label{9, "ARP Latitude Sec"},
    Label{10, "ARP Longitude Deg"},
    Label{11, "ARP Longitude Min"},
    Label{12, "ARP Longitude Sec"},
    Label{13, "Airport Elevation Orthometric"},
    Label{14, "Airport Elevation Ellipsoidal"},
    Label{15, "Airport Elevation Location"},
    Label{16, "Magnetic Declination"},
    Label{17, "Horizontal Datum Tie Accuracy"},
    Label{18, "Ellipsoidal Elevation Tie Accuracy"},
    Label{19, "Orthometric Elevation Tie Accuracy"},
    Label{20, "State"},
    Label{22, "Vertical Datum"},
    Label{23, "Control Tower Floor Elevation Orthometric"},
    Label{24, "Control Tower Floor Elevation Ellipsoidal"},
};

constexpr std::array kRunway{
    Label{1, "Survey Date"},
    Label{2, "Rwy ID"},
    Label{4, "Runway Geodetic Azimuth (Rwy ID)"},
    Label{5, "Surveyed Length"},
    Label{6, "Width"},
    Label{7, "Surface"},
    Label{8, "Latitude Deg (Rwy ID)"},
    Label{9, "Latitude Min (Rwy ID)"},
    Label{10, "Latitude Sec (Rwy ID)"},
    Label{11, "Longitude Deg (Rwy ID)"},
    Label{12, "Longitude Min (Rwy ID)"},
    Label{13, "Longitude Sec (Rwy ID)"},
    Label{14, "Runway End Elevation Orthometric (Rwy ID)"},
    Label{15, "Runway End Elevation Ellipsoidal (Rwy ID)"},
    Label{18, "Displaced Threshold Latitude (Rwy ID)"},
    Label{21, "Displaced Threshold Longitude (Rwy ID)"},
    Label{24, "Displaced Threshold Length (Rwy ID)"},
    Label{27, "Opp. Rwy"},
    Label{29, "Runway Geodetic Azimuth (Opp. Rwy)"},
    Label{30, "Latitude Deg (Opp. Rwy)"},
    Label{31, "Latitude Min (Opp. Rwy)"},
    Label{32, "Latitude Sec (Opp. Rwy)"},
    Label{33, "Longitude Deg (Opp. Rwy)"},
    Label{34, "Longitude Min (Opp. Rwy)"},
    Label{35, "Longitude Sec (Opp. Rwy)"},
    Label{36, "Runway End Elevation Orthometric (Opp. Rwy)"},
    Label{37, "Runway End Elevation Ellipsoidal (Opp. Rwy)"},
    Label{40, "Displaced Threshold Latitude (Opp. Rwy)"},
    Label{43, "Displaced Threshold Longitude (Opp. Rwy)"},
    Label{46, "Displaced Threshold Length (Opp. Rwy)"},
};

constexpr std::array kNavaid{
    Label{1, "Runway"},
    Label{2, "NAVAID or ILS/MLS Identifier"},
    Label{3, "Latitude Deg"},
    Label{4, "Latitude Min"},
    Label{5, "Latitude Sec"},
    Label{6, "Longitude Deg"},
    Label{7, "Longitude Min"},
    Label{8, "Longitude Sec"},
    Label{9, "Elevation Orthometric"},
    Label{10, "Elevation Ellipsoidal"},
    Label{15, "NAVAID Type"},
    Label{18, "Survey Date"},
};

constexpr std::array kObstruction{
    Label{1, "Rwy ID"},
    Label{2, "Object"},
    Label{3, "Latitude Deg"},
    Label{4, "Latitude Min"},
    Label{5, "Latitude Sec"},
    Label{6, "Longitude Deg"},
    Label{7, "Longitude Min"},
    Label{8, "Longitude Sec"},
    Label{9, "Top Elevation Orthometric"},
    Label{10, "Top Elevation Ellipsoidal"},
    Label{12, "Above Ground Elevation (AGL)"},
    Label{19, "Accuracy Code Horizontal"},
    Label{20, "Accuracy Code Vertical"},
    Label{21, "Obstruction Identification Surface"},
    Label{23, "Survey Date"},
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
