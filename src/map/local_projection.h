// The plan view's projection: the plane about the airport reference point
// (survey/local_projection.h), and points along a geodesic.
#pragma once

#include "map/geo_position.h"
#include "survey/geodesy.h"
#include "survey/local_projection.h"

namespace survey::map {

using survey::kMetresPerFoot;
using survey::LocalProjection;
using survey::nad83;
using survey::PlanPoint;

// The point `feet` along the geodesic from `from` towards `towards`.
GeoPosition alongGeodesic(GeoPosition from, GeoPosition towards, double feet);

}  // namespace survey::map
