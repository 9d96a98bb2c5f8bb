#include "map/local_projection.h"

namespace survey::map {

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
