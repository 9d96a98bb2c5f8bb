#include "map/survey_features.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "map/plan_view.h"
#include "map/survey_sample.h"
#include "support/survey_rows.h"

namespace survey::map {
namespace {

using testing::addSouthernSurvey;

const SurveyPoint* find(const SurveyFeatures& features, FeatureKind kind, std::string_view label) {
  for (const auto& point : features.points) {
    if (point.kind == kind && point.label == label) return &point;
  }
  return nullptr;
}

TEST(LocalProjection, KnownOffsetsLandWhereTheSurveyorMeasuredThem) {
  for (const auto& c : survey::testing::caseTable("map/local_offsets.cases", 5)) {
    SCOPED_TRACE(c[0] + " " + c[1] + " " + c[2]);
    GeoPosition centre, target;
    std::istringstream(c[0]) >> centre.latitude >> centre.longitude;
    nad83().Direct(centre.latitude, centre.longitude, std::stod(c[1]), std::stod(c[2]) * 0.3048,
                   target.latitude, target.longitude);
    const LocalProjection projection(centre);
    const PlanPoint placed = projection.toPlan(target);
    EXPECT_NEAR(placed.east, std::stod(c[3]), 0.1);
    EXPECT_NEAR(placed.north, std::stod(c[4]), 0.1);
    const GeoPosition back = projection.toGeo(placed);
    EXPECT_NEAR(back.latitude, target.latitude, 1e-9);
    EXPECT_NEAR(back.longitude, target.longitude, 1e-9);
  }
}

// The plan keeps a point's geodesic distance and bearing from its centre, on GRS 80.
TEST(LocalProjection, KeepsTheGeodesicDistanceAndBearingFromTheCentre) {
  for (const auto& c : survey::testing::caseTable("review/geodesic_references.cases", 4)) {
    SCOPED_TRACE(c[0] + " to " + c[1]);
    GeoPosition from, to;
    std::istringstream(c[0]) >> from.latitude >> from.longitude;
    std::istringstream(c[1]) >> to.latitude >> to.longitude;
    const PlanPoint placed = LocalProjection(from).toPlan(to);
    EXPECT_NEAR(std::hypot(placed.east, placed.north) * 0.3048, std::stod(c[3]), 0.001);
    const double bearing = std::atan2(placed.east, placed.north) * 180 / std::numbers::pi;
    EXPECT_NEAR(std::fmod(bearing + 360, 360), std::stod(c[2]), 1e-6);
  }
}

TEST(PlacePosition, ReadsOrExplainsEachPosition) {
  for (const auto& c : survey::testing::caseTable("map/positions.cases", 10)) {
    SCOPED_TRACE(c[0] + " " + c[1] + " " + c[2] + ", " + c[3] + " " + c[4] + " " + c[5]);
    const Placement placement =
        placePosition({c[0], c[1], c[2]}, {c[3], c[4], c[5]},
                      {.south = !c[6].starts_with("north"), .west = !c[6].ends_with("east")});
    EXPECT_EQ(placement.problem, c[9]);
    ASSERT_EQ(placement.at.has_value(), c[9].empty());
    if (!placement.at) continue;
    EXPECT_NEAR(placement.at->latitude, std::stod(c[7]), 1e-12);
    EXPECT_NEAR(placement.at->longitude, std::stod(c[8]), 1e-12);
  }
}

// The counts, positions and most attributes of each kind are read back from every GIS format;
// here what the export takes from elsewhere.
TEST(SurveyFeatures, PlacesEveryLiveRecordWithItsHemisphereAndListsTheRest) {
  SurveyStore store;
  addSouthernSurvey(store);
  const SurveyFeatures features = collectSurveyFeatures(store, "SBB");
  EXPECT_EQ(find(features, FeatureKind::Obstruction, "MAST"), nullptr);  // deleted
  ASSERT_EQ(features.runways.size(), 1u);

  const SurveyPoint* arp = find(features, FeatureKind::Airport, "SBB");
  ASSERT_NE(arp, nullptr);
  EXPECT_EQ(arp->latitudeText, "33\u00b056'46.0\" S");
  EXPECT_EQ(arp->longitudeText, "151\u00b010'38.0\" E");
  EXPECT_EQ(arp->ellipsoidal, 43.5);
  const SurveyPoint* glideSlope = find(features, FeatureKind::Navaid, "ISBB GS");
  ASSERT_NE(glideSlope, nullptr);
  EXPECT_EQ(glideSlope->orthometric, 25.0);
  const SurveyPoint* threshold =
      find(features, FeatureKind::DisplacedThreshold, "16 displaced threshold");
  ASSERT_NE(threshold, nullptr);
  EXPECT_EQ(threshold->orthometric, 19.0);
  EXPECT_EQ(threshold->ellipsoidal, 40.5);
  const SurveyPoint* tree = find(features, FeatureKind::Obstruction, "TREE");
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->heightAgl, 60);
  // Only an obstruction has a height above ground and a surface to tell.
  EXPECT_EQ(describe(*arp, store),
            "Airport SBB - Botany Bay Aer\u00f3dromo\n33\u00b056'46.0\" S  151\u00b010'38.0\" E\n"
            "Elevation 21.0 ft orthometric, 43.5 ft ellipsoidal");
  EXPECT_TRUE(describe(*tree, store)
                  .ends_with("\nElevation 95.0 ft orthometric, 117.0 ft ellipsoidal\n"
                             "AGL 60.0 ft, surface PIR"))
      << describe(*tree, store);

  ASSERT_EQ(features.notPlaced.size(), 2u);
  EXPECT_EQ(features.notPlaced[0].what, "obstruction 3 (POLE)");
  EXPECT_EQ(features.notPlaced[0].reason, "latitude minutes \"7x\" is not a number of minutes");
  EXPECT_EQ(features.notPlaced[1].reason, "no position entered");

  const SurveyPoint* pp = find(features, FeatureKind::AssociatedPoint, "PP");
  ASSERT_NE(pp, nullptr);
  EXPECT_EQ(features.points[static_cast<std::size_t>(pp->joinedTo)].label, "ISBB GS");
}

TEST(SurveyFeatures, ProfilePointsLieOnTheCentreLineFromTheirOwnEnd) {
  SurveyStore store;
  addSouthernSurvey(store);
  const SurveyFeatures features = collectSurveyFeatures(store, "SBB");
  const PlanView plan = planSurvey(features);
  const auto& runway = features.runways[0];
  const PlanPoint end1 = plan.points[static_cast<std::size_t>(runway.end1)];
  const PlanPoint end2 = plan.points[static_cast<std::size_t>(runway.end2)];
  const double length = std::hypot(end2.east - end1.east, end2.north - end1.north);
  struct Case {
    const char* label;
    PlanPoint from;
    double feet;
  };
  for (const Case& c : {Case{"16 + 2000", end1, 2000}, Case{"34 + 500", end2, 500}}) {
    std::size_t index = 0;
    while (index < features.points.size() && features.points[index].label != c.label) ++index;
    ASSERT_LT(index, features.points.size()) << c.label;
    const PlanPoint point = plan.points[index];
    EXPECT_NEAR(std::hypot(point.east - c.from.east, point.north - c.from.north), c.feet, 0.5)
        << c.label;
    const double toEnd1 = std::hypot(point.east - end1.east, point.north - end1.north);
    const double toEnd2 = std::hypot(point.east - end2.east, point.north - end2.north);
    EXPECT_NEAR(toEnd1 + toEnd2, length, 0.5) << c.label << " is off the centre line";
  }
}

TEST(PlanView, CentresOnTheArpOrTheMeanAndAttachesMarks) {
  SurveyStore store;
  addSouthernSurvey(store);
  const std::vector<MapMark> marks = {
      {TableKind::Runway, 1, MarkSeverity::Error, "ends swapped"},
      {TableKind::Obstruction, 1, MarkSeverity::Warning, "tall"},
      {TableKind::Obstruction, 99, MarkSeverity::Warning, "no such row"}};
  SurveyFeatures features = collectSurveyFeatures(store, "SBB");
  PlanView plan = planSurvey(features, marks);
  EXPECT_TRUE(plan.centredOnArp);
  int marked = 0;
  for (std::size_t i = 0; i < features.points.size(); ++i) {
    const auto& point = features.points[i];
    if (point.kind == FeatureKind::Airport) {
      EXPECT_NEAR(plan.points[i].east, 0, 1e-6);
      EXPECT_NEAR(plan.points[i].north, 0, 1e-6);
    }
    const bool runway = point.table == TableKind::Runway;
    const bool tree = point.kind == FeatureKind::Obstruction;
    EXPECT_EQ(plan.marksOf[i], runway ? std::vector<int>{0}
                               : tree ? std::vector<int>{1}
                                      : std::vector<int>{});
    marked += !plan.marksOf[i].empty();
  }
  EXPECT_EQ(marked, 6);  // the runway's ends, threshold and profile points, and the tree
  EXPECT_LE(plan.bounds.west, plan.bounds.east);

  store.airports().setCell(1, 9, "");
  features = collectSurveyFeatures(store, "SBB");
  plan = planSurvey(features);
  EXPECT_FALSE(plan.centredOnArp);
  EXPECT_EQ(features.notPlaced.front().what, "airport reference point");
}

}  // namespace
}  // namespace survey::map
