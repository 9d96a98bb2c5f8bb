// The surfaces as shapes to draw or write: each a polygon of geographic vertices at
// the surface's elevation there.
#pragma once

#include <string>
#include <vector>

#include "evaluation/airport_surfaces.h"

namespace survey::evaluation {

struct SurfaceVertex {
  GeoPosition at;
  double elevation = 0;  // feet, orthometric
};

using SurfaceRing = std::vector<SurfaceVertex>;  // closed: the last joins the first

struct SurfaceOutline {
  SurfaceKind kind = SurfaceKind::Primary;  // primary, approach, horizontal or conical
  std::string name;                         // "Approach surface of 05 (BV)"
  std::vector<SurfaceRing> rings;           // the outer ring, then any hole
  std::string runway = {};  // what it belongs to: "05/23" (primary), "05" (approach), else none
};

// The primary surface of every runway that has surfaces, the approach surface of each
// of its ends that has a class, and the horizontal and conical surfaces when the
// airport elevation is known. Arcs are drawn in steps of at most `arcStepDegrees`.
std::vector<SurfaceOutline> surfaceOutlines(const AirportSurfaces& surfaces,
                                            double arcStepDegrees = 5);

}  // namespace survey::evaluation
