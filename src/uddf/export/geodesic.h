// Distances on the Clarke 1866 ellipsoid between points held as degree, minute and
// second texts, as the navaid section writes them.
#pragma once

#include <optional>
#include <string_view>

namespace survey::uddf {

// One point as stored: latitude and longitude degrees, minutes and seconds texts.
struct DmsPoint {
  std::string_view latitudeDegrees, latitudeMinutes, latitudeSeconds;
  std::string_view longitudeDegrees, longitudeMinutes, longitudeSeconds;
};

// The geodesic distance in metres between two points given in decimal degrees, by
// Vincenty's inverse formula. Nothing when the iteration does not settle within its cap
// (nearly antipodal points).
std::optional<double> geodesicMetres(double latitude1, double longitude1, double latitude2,
                                     double longitude2);

// The distance in whole feet (metres * 3.2808, halves to the even neighbour); 0 for
// points less than 0.01 second apart in latitude and in longitude. Nothing when the
// distance cannot be computed (see geodesicMetres): the export then leaves it blank.
std::optional<long long> geodesicFeet(const DmsPoint& from, const DmsPoint& to);

}  // namespace survey::uddf
