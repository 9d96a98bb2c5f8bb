// A survey of known geometry for the review tests: the runway laid out with the direct
// geodesic problem from a start point, an azimuth and a length, and everything else
// placed round the airport reference point at known distances and heights.
#pragma once

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "review/survey_review.h"
#include "store/survey_store.h"
#include "support/fields_text.h"
#include "survey/obstruction_surfaces.h"

namespace survey::review::testing {

using Fields = std::vector<std::pair<int, std::string>>;
using survey::testing::fieldsOf;

inline constexpr ReviewDate kToday{2026, 12, 6};
inline constexpr double kFoot = 0.3048;
inline constexpr double kRunwayStart[2] = {47.4497222, -122.3116667};
inline constexpr double kRunwayAzimuth = 163.25;  // true; magnetic 148.25 with 15 deg east
inline constexpr double kRunwayFeet = 9000;
inline constexpr double kSeparation = -75;  // ellipsoidal minus orthometric, ft

struct Point {
  double latitude, longitude;
};

inline const GeographicLib::Geodesic& grs80() {
  static const GeographicLib::Geodesic geodesic(6378137.0, 1 / 298.257222101);
  return geodesic;
}

inline Point travel(Point from, double azimuth, double metres, double* arrivalAzimuth = nullptr) {
  Point to{};
  double azi2 = 0;
  grs80().Direct(from.latitude, from.longitude, azimuth, metres, to.latitude, to.longitude, azi2);
  if (arrivalAzimuth) *arrivalAzimuth = azi2;
  return to;
}

// Unsigned degrees, minutes, seconds texts of one coordinate.
inline std::vector<std::string> dms(double value, int decimals) {
  value = std::fabs(value);
  const int degrees = static_cast<int>(value);
  const double minutesAll = (value - degrees) * 60;
  const int minutes = static_cast<int>(minutesAll);
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.*f", decimals, (minutesAll - minutes) * 60);
  return {std::to_string(degrees), std::to_string(minutes), seconds};
}

inline void setPosition(Table& table, int row, int latitude, int longitude, Point p, int decimals) {
  const auto lat = dms(p.latitude, decimals), lon = dms(p.longitude, decimals);
  for (int k = 0; k < 3; ++k) {
    table.setCell(row, latitude + k, lat[static_cast<std::size_t>(k)]);
    table.setCell(row, longitude + k, lon[static_cast<std::size_t>(k)]);
  }
}

// "dddmmss" of a true azimuth, to the nearest second.
inline std::string azimuthText(double degrees) {
  long seconds = std::lround(std::fmod(degrees + 360.0, 360.0) * 3600);
  char text[64];
  std::snprintf(text, sizeof text, "%03ld%02ld%02ld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

inline std::string feet(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

inline int addRow(Table& table, const Fields& fields) {
  const int row = *table.appendRow();
  for (const auto& [field, value] : fields) table.setCell(row, field, value);
  return row;
}

struct KnownSurvey {
  SurveyStore store;
  std::string key = "KTST";
  int airport = 0, runway = 0, navaid = 0;
  std::vector<int> obstructions;
  Point arp{}, end1{}, end2{};
  double end2Azimuth = 0;

  KnownSurvey() {
    end1 = {kRunwayStart[0], kRunwayStart[1]};
    double arrival = 0;
    end2 = travel(end1, kRunwayAzimuth, kRunwayFeet * kFoot, &arrival);
    end2Azimuth = arrival + 180;
    arp = travel(end1, kRunwayAzimuth, kRunwayFeet * kFoot / 2);
    arp = travel(arp, kRunwayAzimuth + 90, 150);

    airport = addRow(
        store.airports(),
        fieldsOf("1=TEST FIELD, 2=03407.A, 3=" + key +
                 ", 4=ANM, 5=11/20/2026, 6=SEATTLE, 13=400.0, 14=" + feet(400 + kSeparation) +
                 ", 15=15 + 100, 16=-15.0, 17=5 CM, 18=15 CM, 19=25 CM, "
                 "20=WASHINGTON, 22=NAVD88, 25=AOC, 39=True, 40=False, 41=CERTIFIED"));
    setPosition(store.airports(), airport, 7, 10, arp, 1);

    const Point displaced = travel(end1, kRunwayAzimuth, 500 * kFoot);
    runway = addRow(store.runways(),
                    fieldsOf("1=11/19/2026, 2=15, 4=" + azimuthText(kRunwayAzimuth) +
                             ", 5=9000, 6=150, 7=P - Paved Hard Surface, 14=390.0, 15=" +
                             feet(390 + kSeparation) + ", 24=500, 25=392.0, 26=" +
                             feet(392 + kSeparation) + ", 27=33, 29=" + azimuthText(end2Azimuth) +
                             ", 36=410.0, 37=" + feet(410 + kSeparation) + ", 49=" + key +
                             ", 60=15, 61=4500, 62=401.0, 63=" + feet(401 + kSeparation)));
    setPosition(store.runways(), runway, 8, 11, end1, 4);
    setPosition(store.runways(), runway, 30, 33, end2, 4);
    setPosition(store.runways(), runway, 18, 21, displaced, 4);

    navaid = addRow(store.navaids(),
                    fieldsOf("1=15, 2=ITST, 9=395.0, 10=" + feet(395 + kSeparation) +
                             ", 11=NAVAID, 15=GS - Glide Slope, 16=" + key + ", 18=11/19/2026"));
    setPosition(store.navaids(), navaid, 3, 6, travel(arp, 40, 1852), 4);

    // Each clears its surface (horizontal at 550 ft): the first lies under the approach
    // surface of 15 (AV: 580 ft there), the second under the horizontal surface beside the
    // runway, the third under the conical surface (about 604 ft there).
    obstructions.push_back(addObstruction(travel(end1, kRunwayAzimuth + 180, 4000 * kFoot), 480));
    obstructions.push_back(addObstruction(travel(arp, kRunwayAzimuth + 90, 1000), 481, "HCT"));
    obstructions.push_back(addObstruction(travel(arp, kRunwayAzimuth - 90, 2000), 482, "HCT"));
  }

  int addObstruction(Point where, double top, const std::string& code = "AV") {
    const int row =
        addRow(store.obstructions(),
               fieldsOf("1=15, 2=TREE, 9=" + feet(top) + ", 10=" + feet(top + kSeparation) +
                        ", 12=80, 19=1 (20'), 20=A (3'), 22=" + key + ", 23=11/19/2026"));
    for (const std::string& surface : obstructionSurfacesFor("AOC")) {
      if (surfaceCodeOf(surface) == code) store.obstructions().setCell(row, 21, surface);
    }
    setPosition(store.obstructions(), row, 3, 6, where, 2);
    return row;
  }

  std::vector<Finding> review() const { return reviewSurvey(store, key, kToday); }
};

}  // namespace survey::review::testing
