// A made-up but realistic airport for the map's screenshots: two crossing runways,
// electronic, visual and STARS navaids, and a few hundred obstructions around it.
#pragma once

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "map/local_projection.h"
#include "store/survey_status.h"
#include "store/survey_store.h"

namespace survey::sample {

// Degrees, minutes and seconds texts of an unsigned angle.
inline void splitDms(double degrees, std::string& d, std::string& m, std::string& s, int decimals) {
  degrees = std::abs(degrees);
  const int whole = static_cast<int>(degrees);
  const double minutes = (degrees - whole) * 60;
  const int wholeMinutes = static_cast<int>(minutes);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, (minutes - wholeMinutes) * 60);
  d = std::to_string(whole);
  m = std::to_string(wholeMinutes);
  s = buffer;
}

// Adds the six position fields starting at `latitudeField` and `longitudeField`.
inline void putPosition(FieldValues& values, int latitudeField, int longitudeField,
                        map::GeoPosition at, int decimals) {
  std::string d, m, s;
  splitDms(at.latitude, d, m, s, decimals);
  values.insert(values.end(), {{latitudeField, d}, {latitudeField + 1, m}, {latitudeField + 2, s}});
  splitDms(at.longitude, d, m, s, decimals);
  values.insert(values.end(),
                {{longitudeField, d}, {longitudeField + 1, m}, {longitudeField + 2, s}});
}

// Survey "SGF" centred near 37.2456 N, 93.3886 W; `obstructions` scattered round it.
inline void addSampleAirport(SurveyStore& store, int obstructions) {
  const map::GeoPosition arp{37.24575, -93.38858};
  const map::LocalProjection plan(arp);
  const auto at = [&](double east, double north) { return plan.toGeo({east, north}); };
  store.current.surveyType = "AOC";
  FieldValues airport = {{1, "Springfield-Branson National"},
                         {3, "SGF"},
                         {4, "ACE"},
                         {5, "05/14/2026"},
                         {6, "Springfield"},
                         {13, "1268.4"},
                         {14, "1182.9"},
                         {20, "MISSOURI"},
                         {39, "True"},
                         {40, "False"}};
  putPosition(airport, 7, 10, arp, 1);
  store.appendAirport(airport);
  store.airports().setCell(1, survey::airport::Status, std::string(survey::status::kCertified));
  store.current.surveyKey = "SGF";

  struct Runway {
    const char *end1, *end2;
    double e1, n1, e2, n2, length;
  };
  for (const Runway& r : {Runway{"02", "20", -1200, -3900, 900, 3500, 7003},
                          Runway{"14", "32", -3300, 2100, 2700, -2400, 8000}}) {
    FieldValues runway = {{1, "05/14/2026"}, {2, r.end1},
                          {27, r.end2},      {5, std::to_string(static_cast<int>(r.length))},
                          {6, "150"},        {7, "P - Paved Hard Surface"},
                          {14, "1255.2"},    {36, "1262.8"},
                          {60, r.end1},      {61, "2000"},
                          {62, "1259.0"},    {65, r.end1},
                          {66, "4000"},      {67, "1263.1"}};
    putPosition(runway, 8, 11, at(r.e1, r.n1), 4);
    putPosition(runway, 30, 33, at(r.e2, r.n2), 4);
    // A displaced threshold 600 ft in from end 1.
    const double f = 600 / r.length;
    putPosition(runway, 18, 21, at(r.e1 + (r.e2 - r.e1) * f, r.n1 + (r.n2 - r.n1) * f), 4);
    runway.push_back({24, "600"});
    store.appendChild(TableKind::Runway, runway);
  }
  struct Navaid {
    const char *runway, *identifier, *type, *answer;
    double east, north, pointEast, pointNorth;
  };
  for (const Navaid& n : {Navaid{"02", "ISGF", "GS - Glide Slope", "PP", -650, -2900, -1000, -2850},
                          Navaid{"20", "ISGF", "LOC - Localizer", "NAVAID", 1150, 4500, 0, 0},
                          Navaid{"14", "", "PAPI - Precision Approach Path Indicator", "CLPT",
                                 -2850, 1550, -3000, 1800},
                          Navaid{"", "SGF", "VORTAC - VOR + TACAN", "NAVAID", 4200, 3100, 0, 0},
                          Navaid{"", "", "APBN - Airport Beacon", "NAVAID", 1500, 900, 0, 0},
                          Navaid{"", "", "WIND CONE", "NAVAID", -600, 600, 0, 0}}) {
    FieldValues navaid = {{1, n.runway},  {2, n.identifier}, {9, "1260.0"},
                          {11, n.answer}, {15, n.type},      {18, "05/14/2026"}};
    putPosition(navaid, 3, 6, at(n.east, n.north), 4);
    if (std::string(n.answer) != "NAVAID") {
      putPosition(navaid, 20, 23, at(n.pointEast, n.pointNorth), 4);
    }
    store.appendChild(TableKind::Navaid, navaid);
  }
  static const char* surfaces[] = {"PIR: Precision Instrument Approach", "C: FAR77 Nonprecision",
                                   "HCT: FAR77 Horizontal, Conical, and Transistions",
                                   "BV: FAR77 Visual Approach", "D: FAR77 Nonprecision"};
  static const char* objects[] = {"TREE", "POLE", "BUILDING", "ANTENNA", "TOWER", "FENCE"};
  std::mt19937 random(14);
  std::normal_distribution<double> spread(0, 2600);
  std::exponential_distribution<double> height(1 / 45.0);
  for (int i = 0; i < obstructions; ++i) {
    const double east = spread(random), north = spread(random);
    const int agl = 5 + static_cast<int>(height(random));
    FieldValues obstruction = {
        {2, objects[i % 6]},
        {9, std::to_string(1250 + agl)},
        {12, std::to_string(agl)},
        {21, surfaces[static_cast<std::size_t>(std::abs(east) > 4000 ? 2 : i % 5)]},
        {23, "05/14/2026"}};
    putPosition(obstruction, 3, 6, at(east, north), 2);
    store.appendChild(TableKind::Obstruction, obstruction);
  }
  // Two records a surveyor still has to finish.
  store.appendChild(TableKind::Obstruction, {{2, "CRANE"}, {3, "37"}, {4, "14"}, {6, "93"}});
  store.appendChild(TableKind::Obstruction,
                    {{2, "MAST"}, {3, "37"}, {4, "1x"}, {5, "0"}, {6, "93"}, {7, "2"}, {8, "0"}});
}

}  // namespace survey::sample
