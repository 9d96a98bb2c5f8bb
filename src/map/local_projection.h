// The plan view's projection: azimuthal equidistant about one centre (the airport
// reference point) on the NAD83 ellipsoid, in feet east and north of the centre.
#pragma once

#include <GeographicLib/AzimuthalEquidistant.hpp>

#include "map/geo_position.h"
#include "survey/geodesy.h"

namespace survey::map {

using survey::kMetresPerFoot;
using survey::nad83;

struct PlanPoint {
  double east = 0;   // feet
  double north = 0;  // feet
};

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
