#include "map/local_projection.h"

namespace survey::map {

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

GeoPosition alongGeodesic(GeoPosition from, GeoPosition towards, double feet) {
  double azimuth1 = 0, azimuth2 = 0;
  nad83().Inverse(from.latitude, from.longitude, towards.latitude, towards.longitude, azimuth1,
                  azimuth2);
  GeoPosition result;
  nad83().Direct(from.latitude, from.longitude, azimuth1, feet * kMetresPerFoot, result.latitude,
                 result.longitude);
  return result;
}

}  // namespace survey::map
