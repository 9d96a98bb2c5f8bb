// Distances on Clarke 1866 against reference values computed independently.
#include "uddf/export/geodesic.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>

#include "support/survey_rows.h"
#include "survey/degrees.h"

namespace survey::uddf {
namespace {

// The six texts of a point as the reference table writes them, and the point that views them.
struct PointTexts {
  std::array<std::string, 6> texts;
  explicit PointTexts(const std::string& column) {
    std::istringstream words(column);
    for (std::string& text : texts) words >> text;
  }
  DmsPoint point() const { return {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]}; }
};

double latitude(const DmsPoint& p) {
  return lenientDegrees({p.latitudeDegrees, p.latitudeMinutes, p.latitudeSeconds});
}
double longitude(const DmsPoint& p) {
  return lenientDegrees({p.longitudeDegrees, p.longitudeMinutes, p.longitudeSeconds});
}

TEST(Geodesic, AgreesWithReferenceDistances) {
  for (const auto& c : survey::testing::caseTable("export/geodesic_references.cases", 3)) {
    SCOPED_TRACE(c[0] + " to " + c[1]);
    const PointTexts fromTexts(c[0]), toTexts(c[1]);
    const DmsPoint from = fromTexts.point(), to = toTexts.point();
    const double reference = std::stod(c[2]);
    const auto metres =
        geodesicMetres(latitude(from), longitude(from), latitude(to), longitude(to));
    ASSERT_TRUE(metres.has_value());
    EXPECT_NEAR(*metres, reference, 0.001);  // Vincenty is good to well under a millimetre

    const auto feet = geodesicFeet(from, to);
    ASSERT_TRUE(feet.has_value());
    EXPECT_LE(std::fabs(static_cast<double>(*feet) - reference * 3.2808), 1.0);
    EXPECT_EQ(geodesicFeet(to, from), feet) << "either direction";
  }
}

TEST(Geodesic, PointsWithinAHundredthOfASecondAreZeroApart) {
  const DmsPoint a{"34", "5", "7.25", "118", "15", "30.2"};
  EXPECT_EQ(geodesicFeet(a, {"34", "5", "7.259", "118", "15", "30.209"}), 0);
  EXPECT_EQ(geodesicFeet(a, a), 0);
  // 0.01 second in latitude is no longer "the same point" (about 1 foot).
  EXPECT_EQ(geodesicFeet(a, {"34", "5", "7.27", "118", "15", "30.2"}), 2);
}

TEST(Geodesic, TextsThatAreNotNumbersCountAsZero) {
  EXPECT_EQ(
      geodesicFeet({"34", "", "x", "118", "15", "30.2"}, {"34", "0", "0", "118", "15", "30.2"}), 0);
}

TEST(Geodesic, NearlyAntipodalPointsGiveNoDistanceInsteadOfHanging) {
  EXPECT_FALSE(geodesicMetres(0, 0, 0.5, 179.7).has_value());
  EXPECT_FALSE(
      geodesicFeet({"0", "0", "0", "0", "0", "0"}, {"0", "30", "0", "179", "42", "0"}).has_value());
}

}  // namespace
}  // namespace survey::uddf
