// Positions of a survey as the tables hold them (unsigned degree, minute and
// second texts plus the survey's hemispheres) turned into signed decimal degrees.
#pragma once

#include "survey/geodesy.h"

namespace survey::map {

using survey::GeoPosition;
using survey::Placement;
using survey::placePosition;

}  // namespace survey::map
