// Positions on the NAD83 ellipsoid, the datum of every position a survey holds.
#pragma once

#include <GeographicLib/Geodesic.hpp>
#include <optional>
#include <string>

#include "store/schema/field_views.h"
#include "store/schema/hemispheres.h"
#include "survey/degrees.h"

namespace survey {

inline constexpr double kMetresPerFoot = 0.3048;

// Signed decimal degrees on NAD83: south and west are negative.
struct GeoPosition {
  double latitude = 0;
  double longitude = 0;
};

// Either a position, or why it cannot be placed ("latitude minutes \"7x\" is not a number").
struct Placement {
  std::optional<GeoPosition> at;
  std::string problem;
};

// The position of degree, minute and second texts with the survey's hemispheres; each
// part must be entered, minutes and seconds below 60.
Placement placePosition(const DmsTexts& latitude, const DmsTexts& longitude,
                        const Hemispheres& hemispheres);

// The position a row holds in `fields`.
Placement placeRowPosition(const Table& table, int row, const PositionFields& fields,
                           const Hemispheres& hemispheres);

// GRS80, the ellipsoid of NAD83.
const GeographicLib::Geodesic& nad83();

}  // namespace survey
