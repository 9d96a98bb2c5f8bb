// A plane about one centre: the azimuthal equidistant projection on the NAD83 ellipsoid, in
// feet east and north of the centre. Geodesics through the centre are straight lines in it,
// at their true length. The plan view and the surfaces' frames are drawn in it.
#pragma once

#include <GeographicLib/AzimuthalEquidistant.hpp>

#include "survey/geodesy.h"

namespace survey {

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

}  // namespace survey
