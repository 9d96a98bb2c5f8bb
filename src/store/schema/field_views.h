// Typed views over the fields of a table row that every table lays out alike: a
// coordinate's degrees, minutes and seconds, a position, an orthometric and
// ellipsoidal elevation pair. Each member is a field number of the row's table.
#pragma once

namespace survey {

enum class CoordinateAxis { Latitude, Longitude };

// Degrees, minutes and seconds: three texts in consecutive fields.
struct CoordinateFields {
  int degrees, minutes, seconds;
};

// The coordinate whose degrees are in `degrees`, its minutes and seconds after it.
constexpr CoordinateFields coordinateFrom(int degrees) {
  return {degrees, degrees + 1, degrees + 2};
}

// Latitude and longitude; every table keeps the longitude right after the latitude.
struct PositionFields {
  CoordinateFields latitude, longitude;
};

// The position whose latitude degrees are in `latitudeDegrees`.
constexpr PositionFields positionFrom(int latitudeDegrees) {
  return {coordinateFrom(latitudeDegrees), coordinateFrom(latitudeDegrees + 3)};
}

// Elevations in feet: orthometric (above the vertical datum) and ellipsoidal (above
// the NAD83 ellipsoid), the ellipsoidal one right after.
struct ElevationFields {
  int orthometric, ellipsoidal;
};

constexpr ElevationFields elevationFrom(int orthometric) {
  return {orthometric, orthometric + 1};
}

}  // namespace survey
