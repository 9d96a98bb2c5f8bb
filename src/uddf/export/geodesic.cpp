#include "uddf/export/geodesic.h"

#include <cmath>

#include "survey/degrees.h"

namespace survey::uddf {

namespace {

// Clarke 1866.
constexpr double kSemiMajor = 6378206.4;
constexpr double kSemiMinor = 6356583.8;
constexpr double kFlattening = (kSemiMajor - kSemiMinor) / kSemiMajor;
constexpr double kRadiansPerArcSecond = 4.8481368111e-06;
constexpr double kFeetPerMetre = 3.2808;
constexpr double kSettled = 5e-14;
// Far more than any pair of points that converges needs; nearly antipodal
// points may never settle.
constexpr int kMaxIterations = 200;

double roundHalfToEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

}  // namespace

std::optional<double> geodesicMetres(double latitude1, double longitude1, double latitude2,
                                     double longitude2) {
  const double a = kSemiMajor;
  const double b = kSemiMinor;
  const double f = kFlattening;
  const double toRadians = 3600 * kRadiansPerArcSecond;

  const double L = (longitude2 - longitude1) * toRadians;
  const double U1 = std::atan((1 - f) * std::tan(latitude1 * toRadians));
  const double U2 = std::atan((1 - f) * std::tan(latitude2 * toRadians));
  const double sinU1 = std::sin(U1), cosU1 = std::cos(U1);
  const double sinU2 = std::sin(U2), cosU2 = std::cos(U2);

  double lambda = L;
  double sinSigma = 0, cosSigma = 0, sigma = 0, cosSqAlpha = 0, cos2SigmaM = 0;
  bool settled = false;
  for (int i = 0; i < kMaxIterations && !settled; ++i) {
    const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
    const double t1 = cosU2 * sinLambda;
    const double t2 = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
    sinSigma = std::sqrt(t1 * t1 + t2 * t2);
    if (sinSigma == 0) return 0.0;  // the same point
    cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
    sigma = std::atan2(sinSigma, cosSigma);
    const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
    cosSqAlpha = 1 - sinAlpha * sinAlpha;
    // On the equator cos²α is 0 and the term vanishes.
    cos2SigmaM = cosSqAlpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cosSqAlpha : 0;
    const double C = f / 16 * cosSqAlpha * (4 + f * (4 - 3 * cosSqAlpha));
    const double previous = lambda;
    lambda = L + (1 - C) * f * sinAlpha *
                     (sigma + C * sinSigma *
                                  (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
    if (!std::isfinite(lambda)) return std::nullopt;
    settled = std::fabs(lambda - previous) < kSettled;
  }
  if (!settled) return std::nullopt;

  const double uSq = cosSqAlpha * (a * a - b * b) / (b * b);
  const double root = std::sqrt(1 + uSq);
  const double k1 = (root - 1) / (root + 1);
  const double A = (1 + k1 * k1 / 4) / (1 - k1);
  const double B = k1 * (1 - 3 * k1 * k1 / 8);
  const double deltaSigma = B * sinSigma *
                            (cos2SigmaM + B / 4 *
                                              (cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM) -
                                               B / 6 * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) *
                                                   (-3 + 4 * cos2SigmaM * cos2SigmaM)));
  const double metres = b * A * (sigma - deltaSigma);
  if (!std::isfinite(metres)) return std::nullopt;
  return metres;
}

std::optional<long long> geodesicFeet(const DmsPoint& from, const DmsPoint& to) {
  const double lat1 =
      lenientDegrees({from.latitudeDegrees, from.latitudeMinutes, from.latitudeSeconds});
  const double lon1 =
      lenientDegrees({from.longitudeDegrees, from.longitudeMinutes, from.longitudeSeconds});
  const double lat2 = lenientDegrees({to.latitudeDegrees, to.latitudeMinutes, to.latitudeSeconds});
  const double lon2 =
      lenientDegrees({to.longitudeDegrees, to.longitudeMinutes, to.longitudeSeconds});
  if (std::fabs((lat1 - lat2) * 3600) < 0.01 && std::fabs((lon1 - lon2) * 3600) < 0.01) return 0;
  const std::optional<double> metres = geodesicMetres(lat1, lon1, lat2, lon2);
  if (!metres || !std::isfinite(*metres) || *metres > 1e12) return std::nullopt;
  return static_cast<long long>(roundHalfToEven(*metres * kFeetPerMetre));
}

}  // namespace survey::uddf
