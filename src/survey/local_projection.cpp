#include "survey/local_projection.h"

namespace survey {

LocalProjection::LocalProjection(GeoPosition centre) : centre_(centre), projection_(nad83()) {}

PlanPoint LocalProjection::toPlan(GeoPosition position) const {
  double x = 0, y = 0, azimuth = 0, scale = 0;
  projection_.Forward(centre_.latitude, centre_.longitude, position.latitude, position.longitude, x,
                      y, azimuth, scale);
  return {x / kMetresPerFoot, y / kMetresPerFoot};
}

GeoPosition LocalProjection::toGeo(PlanPoint point) const {
  double lat = 0, lon = 0, azimuth = 0, scale = 0;
  projection_.Reverse(centre_.latitude, centre_.longitude, point.east * kMetresPerFoot,
                      point.north * kMetresPerFoot, lat, lon, azimuth, scale);
  return {lat, lon};
}

}  // namespace survey
