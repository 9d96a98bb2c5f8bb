// Positions of a survey as the tables hold them (unsigned degree, minute and
// second texts plus the survey's hemispheres) turned into signed decimal degrees.
#pragma once

#include <optional>
#include <string>

#include "store/schema/hemispheres.h"
#include "survey/degrees.h"

namespace survey::map {

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

Placement placePosition(const DmsTexts& latitude, const DmsTexts& longitude,
                        const Hemispheres& hemispheres);

}  // namespace survey::map
