// The surfaces on the plan of the southern survey, its tree listed for end 16 under PIR:
// primary surface 1,000 ft wide and 200 ft beyond the ends, horizontal surface at 21 +
// 150 ft reaching 10,000 ft out. Obstructions stand `out` feet beyond their end on its
// extended centre line and `aside` to its left.
#include "map/surface_features.h"

#include <gtest/gtest.h>

#include <cmath>

#include "map/survey_sample.h"
#include "review/review_fixture.h"
#include "store/schema/obstruction_fields.h"

namespace survey::map {
namespace {

using namespace review::testing;

struct SouthernApproaches {
  SouthernApproaches() {
    testing::addSouthernSurvey(store);
    store.obstructions().setCell(1, obstruction::RwyId, "16");
  }
  // End 0 is 16, end 1 is 34.
  void add(int end, const std::string& fields, double out, double aside) {
    const Point from = ends[end], other = ends[1 - end];
    double azimuth = 0, outward = 0;
    grs80().Inverse(other.latitude, other.longitude, from.latitude, from.longitude, azimuth,
                    outward);
    const int row = addRow(store.obstructions(), fieldsOf(fields + ", 2=POLE, 22=SBB"));
    setPosition(store.obstructions(), row, 3, 6,
                travel(from, outward - std::atan2(aside, out) * 180 / 3.14159265358979,
                       std::hypot(out, aside) * kFoot),
                4);
  }
  SurfaceFeatures place() {
    features = collectSurveyFeatures(store, "SBB");
    plan = planSurvey(features);
    return placeSurfaces(store, features, plan);
  }
  SurveyStore store;
  SurveyFeatures features;
  PlanView plan;
  Point ends[2] = {{-(33 + 55 / 60.0), 151 + 10 / 60.0}, {-(33 + 58 / 60.0), 151 + 11 / 60.0}};
};

TEST(SurfacesOnThePlan, EachObstructionCarriesItsJudgementAndPenetratingOnesAreFlagged) {
  const struct {
    int end;
    const char* fields;  // end 16 at 20.5 ft, 34 at 18.0 ft
    double out, aside;
    const char* line;
  } cases[] = {
      {0, "1=16, 9=70.5, 21=PIR", 2200, 0,  // 20.5 + 2,000 / 50
       "Penetrates the Approach surface of 16 (PIR, 50:1) by 10.0 ft"},
      {0, "1=16, 9=60.5, 21=PIR", 2200, 0,
       "Clears the Approach surface of 16 (PIR, 50:1) by 0.0 ft"},
      {1, "1=34, 9=105.6, 21=BV", 2200, 0,  // 18.0 + 2,000 / 20
       "Clears the Approach surface of 34 (BV, 20:1) by 12.4 ft"},
      {1, "9=181, 21=HCT", -4000, 3000, "Penetrates the Horizontal surface by 10.0 ft"},
      {0, "1=17, 9=90, 21=BV", 2200, 0, "Not evaluated: runway end 17 is not in the survey"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    SouthernApproaches survey;
    survey.add(c.end, c.fields, c.out, c.aside);
    const SurfaceFeatures surfaces = survey.place();
    std::vector<std::string> lines, penetrating;
    for (std::size_t i = 0; i < survey.features.points.size(); ++i) {
      const SurveyPoint& point = survey.features.points[i];
      EXPECT_EQ(surfaces.verdicts[i].has_value(), point.kind == FeatureKind::Obstruction);
      if (point.label == "POLE") lines.push_back(surfaceLine(*surfaces.verdicts[i]));
      if (surfaces.penetrates(i)) penetrating.push_back(point.label);
    }
    EXPECT_EQ(lines, std::vector<std::string>{c.line});
    EXPECT_EQ(penetrating, std::string(c.line).starts_with("Pen") ? std::vector<std::string>{"POLE"}
                                                                  : std::vector<std::string>{});
  }
}

// Each outline measured on the plan from the primary surface's centre line.
TEST(SurfacesOnThePlan, OutlinesLieOnThePlanWhereTheSurfacesReach) {
  SouthernApproaches survey;
  const SurfaceFeatures surfaces = survey.place();
  const auto& runway = survey.features.runways.at(0);
  const PlanPoint a = survey.plan.points[static_cast<std::size_t>(runway.end1)];
  const PlanPoint b = survey.plan.points[static_cast<std::size_t>(runway.end2)];
  const double length = std::hypot(b.east - a.east, b.north - a.north);
  const double east = (b.east - a.east) / length, north = (b.north - a.north) / length;
  const auto fromCentreLine = [&](PlanPoint p) {
    const double along = (p.east - a.east) * east + (p.north - a.north) * north;
    const double across = (p.east - a.east) * north - (p.north - a.north) * east;
    return std::hypot(std::max({-200 - along, along - length - 200, 0.0}), across);
  };
  const struct {
    SurfaceKind kind;
    const char* description;
    double nearest, farthest;
  } expected[] = {
      {SurfaceKind::Primary, "Primary surface of 16/34\nElevation 18.0 ft to 20.5 ft", 500, 500},
      // 50:1 for 10,000 ft, then 40:1 for 40,000 ft, to 16,000 ft wide.
      {SurfaceKind::Approach, "Approach surface of 16 (PIR)\nElevation 20.5 ft to 1,220.5 ft", 500,
       std::hypot(50000, 8000)},
      {SurfaceKind::Horizontal, "Horizontal surface, its edge\nElevation 171.0 ft", 10000, 10000},
      {SurfaceKind::Conical, "Conical surface, its outer edge\nElevation 371.0 ft", 14000, 14000},
  };
  ASSERT_EQ(surfaces.outlines.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].description);
    EXPECT_EQ(surfaces.outlines[i].kind, expected[i].kind);
    EXPECT_EQ(describe(surfaces.outlines[i]), expected[i].description);
    std::vector<double> distances;
    for (const PlanPoint& point : surfaces.outlines[i].ring)
      distances.push_back(fromCentreLine(point));
    EXPECT_NEAR(*std::min_element(distances.begin(), distances.end()), expected[i].nearest, 1);
    EXPECT_NEAR(*std::max_element(distances.begin(), distances.end()), expected[i].farthest, 1);
  }
  // Without an approach listed for an end, only the horizontal and conical surfaces remain.
  survey.store.obstructions().setCell(1, obstruction::RwyId, "");
  EXPECT_EQ(survey.place().kindsShown(),
            (std::vector{SurfaceKind::Horizontal, SurfaceKind::Conical}));
}

}  // namespace
}  // namespace survey::map
