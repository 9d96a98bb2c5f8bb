#include "survey/geodesy.h"

namespace survey {

const GeographicLib::Geodesic& nad83() {
  static const GeographicLib::Geodesic grs80(6378137, 1 / 298.257222101);
  return grs80;
}

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

Placement placeRowPosition(const Table& table, int row, const PositionFields& fields,
                           const Hemispheres& hemispheres) {
  const auto texts = [&](const CoordinateFields& coordinate) {
    return DmsTexts{table.cell(row, coordinate.degrees), table.cell(row, coordinate.minutes),
                    table.cell(row, coordinate.seconds)};
  };
  return placePosition(texts(fields.latitude), texts(fields.longitude), hemispheres);
}

}  // namespace survey
