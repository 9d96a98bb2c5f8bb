#include "map/geo_position.h"

namespace survey::map {

Placement placePosition(const DmsTexts& latitude, const DmsTexts& longitude,
                        const Hemispheres& hemispheres) {
  Placement placement;
  if (latitude.empty() && longitude.empty()) {
    placement.problem = "no position entered";
    return placement;
  }
  DegreesReading lat = checkedDegrees(latitude, "latitude", 90);
  if (!lat.degrees) {
    placement.problem = std::move(lat.problem);
    return placement;
  }
  DegreesReading lon = checkedDegrees(longitude, "longitude", 180);
  if (!lon.degrees) {
    placement.problem = std::move(lon.problem);
    return placement;
  }
  placement.at = GeoPosition{hemispheres.south ? -*lat.degrees : *lat.degrees,
                             hemispheres.west ? -*lon.degrees : *lon.degrees};
  return placement;
}

}  // namespace survey::map
