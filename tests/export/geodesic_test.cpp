// Distances on Clarke 1866 against reference values computed independently
// (GeodSolve -i -e 6378206.4 0.0033900753039287908 -p 6).
#include "uddf/export/geodesic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace survey::uddf {
namespace {

struct Reference {
  DmsPoint from, to;
  double metres;
};

const Reference kReferences[] = {
    {{"34", "05", "07.25", "118", "15", "30.2"},
     {"34", "05", "12.5", "118", "15", "10.75"},
     524.222911},
    {{"34", "05", "07.25", "118", "15", "30.2"},
     {"34", "05", "08.25", "118", "15", "30.5"},
     31.756754},
    {{"40", "38", "23", "73", "46", "44"}, {"33", "56", "33", "118", "24", "29"}, 3983037.842667},
    // southern and eastern hemisphere, as stored (unsigned)
    {{"33", "56", "46", "151", "10", "38"}, {"37", "40", "24", "144", "50", "36"}, 705924.906247},
    {{"0", "0", "0", "10", "0", "0"}, {"0", "0", "0", "20", "0", "0"}, 1113207.020518},
    {{"45", "0", "0", "93", "0", "0"}, {"46", "30", "0", "93", "0", "0"}, 166718.559666},
    {{"61", "10", "27", "149", "59", "53"}, {"61", "10", "27.3", "149", "59", "52.2"}, 15.140613},
    {{"21", "19", "07", "157", "55", "21"}, {"21", "18", "25", "157", "55", "05"}, 1371.526162},
    {{"40", "38", "20.1234", "73", "46", "40.5"},
     {"40", "38", "21", "73", "46", "43.25"},
     70.050029},
    {{"40", "38", "30.5", "73", "45", "0"}, {"40", "38", "31", "73", "44", "55.5"}, 106.857844},
};

double latitude(const DmsPoint& p) {
  return decimalDegrees(p.latitudeDegrees, p.latitudeMinutes, p.latitudeSeconds);
}
double longitude(const DmsPoint& p) {
  return decimalDegrees(p.longitudeDegrees, p.longitudeMinutes, p.longitudeSeconds);
}

TEST(Geodesic, AgreesWithReferenceDistances) {
  for (const Reference& r : kReferences) {
    const auto metres =
        geodesicMetres(latitude(r.from), longitude(r.from), latitude(r.to), longitude(r.to));
    ASSERT_TRUE(metres.has_value()) << r.metres;
    EXPECT_NEAR(*metres, r.metres, 0.01);

    const auto feet = geodesicFeet(r.from, r.to);
    ASSERT_TRUE(feet.has_value());
    EXPECT_LE(std::fabs(static_cast<double>(*feet) - r.metres * 3.2808), 1.0) << r.metres;
    EXPECT_EQ(geodesicFeet(r.to, r.from), feet) << "either direction";
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
