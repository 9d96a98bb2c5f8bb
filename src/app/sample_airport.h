// A made-up but realistic airport for the map's and the evaluation's screenshots: two
// crossing runways, electronic, visual and STARS navaids, and a few hundred obstructions
// around it, listed for the runway ends' approaches, so that the imaginary surfaces are drawn.
#pragma once

#include <cmath>
#include <random>
#include <string>

#include "map/local_projection.h"
#include "store/number_text.h"
#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "store/survey_status.h"
#include "store/survey_store.h"

namespace survey::sample {

// Degrees, minutes and seconds texts of an unsigned angle.
inline void splitDms(double degrees, std::string& d, std::string& m, std::string& s, int decimals) {
  degrees = std::abs(degrees);
  const int whole = static_cast<int>(degrees);
  const double minutes = (degrees - whole) * 60;
  const int wholeMinutes = static_cast<int>(minutes);
  d = std::to_string(whole);
  m = std::to_string(wholeMinutes);
  s = fixedText((minutes - wholeMinutes) * 60, decimals);
}

// Adds the six fields of the position `fields`: latitude, then longitude.
inline void putPosition(FieldValues& values, const PositionFields& fields, map::GeoPosition at,
                        int decimals) {
  const auto put = [&](const CoordinateFields& coordinate, double degrees) {
    std::string d, m, s;
    splitDms(degrees, d, m, s, decimals);
    values.insert(values.end(),
                  {{coordinate.degrees, d}, {coordinate.minutes, m}, {coordinate.seconds, s}});
  };
  put(fields.latitude, at.latitude);
  put(fields.longitude, at.longitude);
}

// Survey "SGF" centred near 37.2456 N, 93.3886 W; `obstructions` scattered round it.
inline constexpr map::GeoPosition kSampleReferencePoint{37.24575, -93.38858};

inline void addSampleAirport(SurveyStore& store, int obstructions) {
  const map::GeoPosition arp = kSampleReferencePoint;
  const map::LocalProjection plan(arp);
  const auto at = [&](double east, double north) { return plan.toGeo({east, north}); };
  store.current.surveyType = "AOC";
  FieldValues airportRow = {{airport::Name, "Springfield-Branson National"},
                            {airport::Identifier, "SGF"},
                            {airport::Region, "ACE"},
                            {airport::SurveyDate, "05/14/2026"},
                            {airport::City, "Springfield"},
                            {airport::ElevationOrthometric, "1268.4"},
                            {airport::ElevationEllipsoidal, "1182.9"},
                            {airport::State, "MISSOURI"},
                            {airport::LatitudeNorth, "True"},
                            {airport::LongitudeEast, "False"}};
  putPosition(airportRow, airport::kReferencePoint, arp, 1);
  store.appendAirport(airportRow);
  store.airports().setCell(1, airport::Status, std::string(status::kCertified));
  store.current.surveyKey = "SGF";

  struct Runway {
    const char *end1, *end2;
    double e1, n1, e2, n2, length;
  };
  const runway::EndFields& end1 = runway::endFields(runway::End::RwyId);
  const runway::EndFields& end2 = runway::endFields(runway::End::Opposite);
  // Two profile points measured from end 1.
  const runway::ProfileGroupFields first = runway::profileGroup(runway::kFirstProfileGroup);
  const runway::ProfileGroupFields second =
      runway::profileGroup(runway::kFirstProfileGroup + runway::kProfileGroupSize);
  for (const Runway& r : {Runway{"02", "20", -1200, -3900, 900, 3500, 7003},
                          Runway{"14", "32", -3300, 2100, 2700, -2400, 8000}}) {
    FieldValues runwayRow = {{runway::SurveyDate, "05/14/2026"},
                             {end1.designator, r.end1},
                             {end2.designator, r.end2},
                             {runway::SurveyedLength, std::to_string(static_cast<int>(r.length))},
                             {runway::Width, "150"},
                             {runway::Surface, "P - Paved Hard Surface"},
                             {end1.endElevation.orthometric, "1255.2"},
                             {end2.endElevation.orthometric, "1262.8"},
                             {first.end, r.end1},
                             {first.distance, "2000"},
                             {first.elevation.orthometric, "1259.0"},
                             {second.end, r.end1},
                             {second.distance, "4000"},
                             {second.elevation.orthometric, "1263.1"}};
    putPosition(runwayRow, end1.position, at(r.e1, r.n1), 4);
    putPosition(runwayRow, end2.position, at(r.e2, r.n2), 4);
    // A displaced threshold 600 ft in from end 1.
    const double f = 600 / r.length;
    putPosition(runwayRow, end1.displacedThreshold,
                at(r.e1 + (r.e2 - r.e1) * f, r.n1 + (r.n2 - r.n1) * f), 4);
    runwayRow.push_back({end1.displacedLength, "600"});
    store.appendChild(TableKind::Runway, runwayRow);
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
    FieldValues navaidRow = {{navaid::Runway, n.runway},
                             {navaid::Identifier, n.identifier},
                             {navaid::ElevationOrthometric, "1260.0"},
                             {navaid::AssociatedPoint, n.answer},
                             {navaid::Type, n.type},
                             {navaid::SurveyDate, "05/14/2026"}};
    putPosition(navaidRow, navaid::kPosition, at(n.east, n.north), 4);
    if (std::string(n.answer) != "NAVAID") {
      putPosition(navaidRow, navaid::kAssociatedPosition, at(n.pointEast, n.pointNorth), 4);
    }
    store.appendChild(TableKind::Navaid, navaidRow);
  }
  // Each runway end's approach: an obstruction out beyond the runway end nearest to it is
  // listed for that end under the end's code; the others under HCT.
  struct ApproachEnd {
    const char *designator, *code;
    double east, north, otherEast, otherNorth;
  };
  static const ApproachEnd approachEnds[] = {
      {"02", "PIR: Precision Instrument Approach", -1200, -3900, 900, 3500},
      {"20", "C: FAR77 Nonprecision", 900, 3500, -1200, -3900},
      {"14", "BV: FAR77 Visual Approach", -3300, 2100, 2700, -2400},
      {"32", "D: FAR77 Nonprecision", 2700, -2400, -3300, 2100}};
  static const char* objects[] = {"TREE", "POLE", "BUILDING", "ANTENNA", "TOWER", "FENCE"};
  std::mt19937 random(14);
  std::normal_distribution<double> spread(0, 2600);
  std::exponential_distribution<double> height(1 / 45.0);
  for (int i = 0; i < obstructions; ++i) {
    const double east = spread(random), north = spread(random);
    // Near the runways the ground is kept clear of all but low objects.
    const double clearing = std::min(1.0, std::hypot(east, north) / 6000);
    const int agl = 5 + static_cast<int>(height(random) * clearing);
    const ApproachEnd* nearest = &approachEnds[0];
    for (const ApproachEnd& end : approachEnds) {
      if (std::hypot(end.east - east, end.north - north) <
          std::hypot(nearest->east - east, nearest->north - north)) {
        nearest = &end;
      }
    }
    const bool beyondEnd = (east - nearest->east) * (nearest->east - nearest->otherEast) +
                               (north - nearest->north) * (nearest->north - nearest->otherNorth) >
                           0;
    const bool horizontal = !beyondEnd || i % 5 == 2;
    FieldValues obstructionRow = {
        {obstruction::RwyId, horizontal ? "" : nearest->designator},
        {obstruction::Object, objects[i % 6]},
        {obstruction::TopElevationOrthometric, std::to_string(1250 + agl)},
        {obstruction::AboveGroundElevation, std::to_string(agl)},
        {obstruction::Surface,
         horizontal ? "HCT: FAR77 Horizontal, Conical, and Transistions" : nearest->code},
        {obstruction::SurveyDate, "05/14/2026"}};
    putPosition(obstructionRow, obstruction::kPosition, at(east, north), 2);
    store.appendChild(TableKind::Obstruction, obstructionRow);
  }
  // Two records a surveyor still has to finish.
  store.appendChild(TableKind::Obstruction, {{obstruction::Object, "CRANE"},
                                             {obstruction::LatitudeDegrees, "37"},
                                             {obstruction::LatitudeMinutes, "14"},
                                             {obstruction::LongitudeDegrees, "93"}});
  store.appendChild(TableKind::Obstruction, {{obstruction::Object, "MAST"},
                                             {obstruction::LatitudeDegrees, "37"},
                                             {obstruction::LatitudeMinutes, "1x"},
                                             {obstruction::LatitudeSeconds, "0"},
                                             {obstruction::LongitudeDegrees, "93"},
                                             {obstruction::LongitudeMinutes, "2"},
                                             {obstruction::LongitudeSeconds, "0"}});
}

}  // namespace survey::sample
