// The plan view's projection: azimuthal equidistant about one centre (the airport
// reference point) on the NAD83 ellipsoid, in feet east and north of the centre.
#pragma once

#include <GeographicLib/AzimuthalEquidistant.hpp>
#include <GeographicLib/Geodesic.hpp>

#include "map/geo_position.h"

namespace survey::map {

inline constexpr double kMetresPerFoot = 0.3048;

struct PlanPoint {
  double east = 0;   // feet
  double north = 0;  // feet
};

// GRS80, the ellipsoid of NAD83.
const GeographicLib::Geodesic& nad83();

class LocalProjection {
 public:
  explicit LocalProjection(GeoPosition centre);

  GeoPosition centre() const { return centre_; }
  PlanPoint toPlan(GeoPosition position) const;
  GeoPosition toGeo(PlanPoint point) const;

 private:
  GeoPosition centre_;
  GeographicLib::AzimuthalEquidistant projection_;
};

// The point `feet` along the geodesic from `from` towards `towards`.
GeoPosition alongGeodesic(GeoPosition from, GeoPosition towards, double feet);

}  // namespace survey::map
