// The surfaces against elevations worked out by hand from the FAR 77 dimensions, on the
// reference airport (reference_airport.h). Points are given as (x, y) in feet in the plane of
// their end: x out along the extended centre line, y across it.
#include <gtest/gtest.h>

#include <cmath>

#include "evaluation/plane_hull.h"
#include "evaluation/reference_airport.h"
#include "evaluation/surface_outlines.h"
#include "store/schema/obstruction_fields.h"

namespace survey::evaluation {
namespace {

using testing::Hemisphere;
using testing::kNorthWest;
using testing::kSouthEast;
using testing::Point;
using testing::ReferenceAirport;

struct Case {
  const char* what;
  bool paved;
  const char* end;
  const char* code;
  int frameEnd;
  double x, y, top;
  SurfaceKind surface;
  double surfaceElevation, penetration;
  const char* surfaceName;
};

constexpr auto kPrimary = SurfaceKind::Primary;
constexpr auto kApproach = SurfaceKind::Approach;
constexpr auto kTransitional = SurfaceKind::Transitional;
constexpr auto kHorizontal = SurfaceKind::Horizontal;
constexpr auto kConical = SurfaceKind::Conical;
constexpr auto kOutside = SurfaceKind::Outside;

const Case kCases[] = {
    // BV approach from x = 200: 1,000 + along / 20; half width 500 + along * 500 / 10,000.
    {"approach 2,000 ft out", true, "05", "BV", 0, 2200, 0, 1110, kApproach, 1100.0, 10.0,
     "Approach surface of 05 (BV, 20:1)"},
    {"approach edge just inside (half width 600)", true, "05", "BV", 0, 2200, 599, 1090, kApproach,
     1100.0, -10.0, "Approach surface of 05 (BV, 20:1)"},
    {"approach edge just outside", true, "05", "BV", 0, 2200, 601, 1090, kOutside, 0, 0, ""},
    {"approach near its far end", true, "05", "BV", 0, 5190, 0, 1240, kApproach, 1249.5, -9.5,
     "Approach surface of 05 (BV, 20:1)"},
    {"beyond the approach's 5,000 ft", true, "05", "BV", 0, 5210, 0, 1240, kOutside, 0, 0, ""},
    // Primary: the centre line's elevation, 1,000 to 1,020 over 8,000 ft.
    {"primary mid-runway", true, "05", "BV", 0, -4000, 100, 1005, kPrimary, 1010.0, -5.0,
     "Primary surface of 05/23"},
    {"primary's 200 ft beyond the end", true, "05", "BV", 0, 150, 0, 1000.5, kPrimary, 1000.0, 0.5,
     "Primary surface of 05/23"},
    {"primary beyond the far end", true, "05", "BV", 0, -8100, 0, 1019, kPrimary, 1020.0, -1.0,
     "Primary surface of 05/23"},
    // Unpaved: no 200 ft, the approach starts at the runway end.
    {"unpaved: the approach starts at the end", false, "05", "BV", 0, 100, 0, 1010, kApproach,
     1005.0, 5.0, "Approach surface of 05 (BV, 20:1)"},
    {"unpaved: no primary beyond the far end", false, "05", "BV", 0, -8100, 0, 1019, kOutside, 0, 0,
     ""},
    // PIR from x = 200: 50:1 for 10,000 ft, then 40:1; half width 500 + along * 0.15.
    {"PIR just before the slope break", true, "23", "PIR", 1, 10190, 0, 1230, kApproach, 1219.8,
     10.2, "Approach surface of 23 (PIR, 50:1)"},
    {"PIR just after the slope break", true, "23", "PIR", 1, 10240, 0, 1230, kApproach, 1221.0, 9.0,
     "Approach surface of 23 (PIR, 40:1)"},
    {"PIR 5,000 ft past the break", true, "23", "PIR", 1, 15200, 0, 1300, kApproach, 1345.0, -45.0,
     "Approach surface of 23 (PIR, 40:1)"},
    {"PIR 30,000 ft out, 2,000 ft aside", true, "23", "PIR", 1, 30200, 2000, 1700, kApproach,
     1720.0, -20.0, "Approach surface of 23 (PIR, 40:1)"},
    // HCT: transitional 7:1 from the sides up to 1,170; horizontal 1,170 within 10,000 ft
    // of the primary surface's ends; conical 20:1 for 4,000 ft more.
    {"transitional beside the primary", true, "", "HCT", 0, -4000, 850, 1070, kTransitional, 1060.0,
     10.0, "Transitional surface of 05/23"},
    {"transitional beside the PIR approach", true, "", "HCT", 1, 1200, 720, 1040, kTransitional,
     1050.0, -10.0, "Transitional surface of 05/23"},
    {"horizontal where the transitional is higher", true, "", "HCT", 0, -4000, 3000, 1180,
     kHorizontal, 1170.0, 10.0, "Horizontal surface"},
    {"conical 2,000 ft past the horizontal", true, "", "HCT", 0, -4000, 12000, 1200, kConical,
     1270.0, -70.0, "Conical surface"},
    {"conical's outer edge, inside", true, "", "HCT", 0, -4000, 13990, 1400, kConical, 1369.5, 30.5,
     "Conical surface"},
    {"beyond the conical", true, "", "HCT", 0, -4000, 14010, 1400, kOutside, 0, 0, ""},
    {"radius from the primary's end, not the runway's", true, "", "HCT", 0, 10700, 0, 1200,
     kConical, 1195.0, 5.0, "Conical surface"},
};

class SurfacesReference
    : public ::testing::TestWithParam<std::tuple<const Hemisphere*, std::size_t>> {};

TEST_P(SurfacesReference, ElevationAndPenetrationAsComputedByHand) {
  const auto& [hemisphere, index] = GetParam();
  const Case& c = kCases[index];
  SCOPED_TRACE(c.what);
  ReferenceAirport airport(*hemisphere, c.paved);
  const int row = airport.add(c.end, c.code, airport.at(c.frameEnd, c.x, c.y), c.top);
  const Verdict verdict = airport.judge(row);
  EXPECT_EQ(verdict.surface, c.surface) << verdict.reason;
  if (c.surface == kOutside) {
    EXPECT_FALSE(verdict.surfaceElevation);
    EXPECT_FALSE(verdict.penetration);
    return;
  }
  ASSERT_TRUE(verdict.surfaceElevation && verdict.penetration) << verdict.reason;
  EXPECT_DOUBLE_EQ(*verdict.surfaceElevation, c.surfaceElevation);
  EXPECT_DOUBLE_EQ(*verdict.penetration, c.penetration);
  EXPECT_EQ(verdict.surfaceName, c.surfaceName);
}

INSTANTIATE_TEST_SUITE_P(HandComputed, SurfacesReference,
                         ::testing::Combine(::testing::Values(&kNorthWest, &kSouthEast),
                                            ::testing::Range<std::size_t>(0, std::size(kCases))),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param)->name) + "_" +
                                  std::to_string(std::get<1>(info.param));
                         });

TEST(SurfacesVerdict, LinesSayWhereAndByHowMuch) {
  ReferenceAirport airport(kNorthWest, true);
  const auto line = [&](const char* end, const char* code, double x, double y, double top) {
    return verdictLine(airport.judge(airport.add(end, code, airport.at(0, x, y), top)));
  };
  EXPECT_EQ(line("05", "BV", 2200, 0, 1110),
            "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: penetrates by 10.0 ft");
  EXPECT_EQ(line("05", "BV", 2200, 0, 1087.6),
            "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: clears by 12.4 ft");
  EXPECT_EQ(line("05", "BV", 2200, 0, 1100),
            "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: "
            "clears by 0.0 ft");
  EXPECT_EQ(line("05", "BV", 2200, 900, 1110),
            "Lies outside the surfaces listed: not under the approach or primary surface of 05 "
            "(BV)");
}

TEST(SurfacesVerdict, WhatCannotBeJudgedSaysWhy) {
  ReferenceAirport airport(kNorthWest, true);
  const Point near = airport.at(0, 2200, 0);
  const struct {
    const char* end;
    const char* code;
    bool placed;
    bool noTop;  // its top elevation no number can hold
    const char* reason;
  } cases[] = {
      {"05", "NUL", true, false, "NUL names no FAR 77 surface"},
      {"05", "ANAPC", true, false, "ANAPC names no FAR 77 surface"},
      {"17", "BV", true, false, "runway end 17 is not in the survey"},
      {"", "BV", true, false, "no runway end"},
      {"05", "BV", false, false, "no position entered"},
      {"05", "BV", true, true, "no orthometric top elevation"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    const int row = airport.add(c.end, c.code, near, 1100);
    Table& obstructions = airport.store.obstructions();
    if (c.noTop) obstructions.setCell(row, obstruction::TopElevationOrthometric, "1e400");
    if (!c.placed) {
      for (const CoordinateFields& coordinate :
           {obstruction::kPosition.latitude, obstruction::kPosition.longitude}) {
        for (int field : {coordinate.degrees, coordinate.minutes, coordinate.seconds})
          obstructions.setCell(row, field, "");
      }
    }
    const Verdict verdict = airport.judge(row);
    EXPECT_EQ(verdict.surface, SurfaceKind::NotEvaluated);
    EXPECT_EQ(verdict.reason, c.reason);
    EXPECT_FALSE(verdict.penetration);
  }
}

TEST(EvaluationTable, HeaderAndOneLinePerLiveObstruction) {
  ReferenceAirport airport(kNorthWest, true);
  airport.add("05", "BV", airport.at(0, 2200, 0), 1110);
  const int deleted = airport.add("05", "BV", airport.at(0, 2200, 0), 1110);
  airport.store.markDeleted(TableKind::Obstruction, deleted);
  const int noTop = airport.add("05", "NUL", airport.at(0, 2200, 0), 0);
  airport.store.obstructions().setCell(noTop, obstruction::TopElevationOrthometric, "");
  EXPECT_EQ(evaluationTable(evaluateObstructions(airport.store, "KREF")),
            "record\tobject\trunway end\tcode\tsurface\tsurface elevation\ttop elevation\t"
            "penetration\n"
            "1\tPOLE\t05\tBV\toutside\t\t0.0\t\n"
            "2\tPOLE\t23\tPIR\toutside\t\t0.0\t\n"
            "3\tPOLE\t05\tBV\tapproach\t1100.0\t1110.0\t10.0\n"
            "5\tPOLE\t05\tNUL\tnot evaluated\t\t\t\n");
}

}  // namespace
}  // namespace survey::evaluation

namespace survey::evaluation {
namespace {

TEST(SurfaceOutlines, ShapesOfTheReferenceAirport) {
  ReferenceAirport airport(kSouthEast, true);
  const AirportSurfaces surfaces = AirportSurfaces::ofSurvey(airport.store, "KREF");
  const auto outlines = surfaceOutlines(surfaces);
  ASSERT_EQ(outlines.size(), 5u);
  const struct {
    SurfaceKind kind;
    const char* name;
    std::size_t vertices;
    double lowest, highest;
  } expected[] = {
      {kPrimary, "Primary surface of 05/23", 8, 1000, 1020},
      {kApproach, "Approach surface of 05 (BV)", 4, 1000, 1250},
      // 50:1 for 10,000 ft, then 40:1 for 40,000 ft: 1,020 + 200 + 1,000.
      {kApproach, "Approach surface of 23 (PIR)", 6, 1020, 2220},
      {kHorizontal, "Horizontal surface", 0, 1170, 1170},
      {kConical, "Conical surface", 0, 1170, 1370},
  };
  for (std::size_t i = 0; i < outlines.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(outlines[i].kind, expected[i].kind);
    EXPECT_EQ(outlines[i].name, expected[i].name);
    if (expected[i].vertices > 0) {
      EXPECT_EQ(outlines[i].rings[0].size(), expected[i].vertices);
    }
    double lowest = 1e9, highest = -1e9;
    for (const auto& ring : outlines[i].rings) {
      for (const auto& vertex : ring) {
        lowest = std::min(lowest, vertex.elevation);
        highest = std::max(highest, vertex.elevation);
      }
    }
    EXPECT_NEAR(lowest, expected[i].lowest, 0.01);
    EXPECT_NEAR(highest, expected[i].highest, 0.01);
  }
  // The horizontal edge runs 10,000 ft from the primary surfaces' ends; the conical's
  // outer edge 4,000 ft further.
  const auto distances = [&](const SurfaceRing& ring, double feet) {
    for (const auto& vertex : ring)
      EXPECT_NEAR(distanceToHull(surfaces.hull(), surfaces.plane()->toFrame(vertex.at)), feet, 0.5);
  };
  distances(outlines[3].rings[0], 10000);
  ASSERT_EQ(outlines[4].rings.size(), 2u);
  distances(outlines[4].rings[0], 14000);
  distances(outlines[4].rings[1], 10000);
}

}  // namespace
}  // namespace survey::evaluation
