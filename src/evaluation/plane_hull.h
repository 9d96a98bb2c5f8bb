// The convex hull of points on a plane and the distance of a point from it.
#pragma once

#include <vector>

#include "evaluation/runway_frame.h"

namespace survey::evaluation {

// Counter-clockwise, without repeated or collinear points; one or two points when
// that is all there is.
std::vector<FramePoint> convexHull(std::vector<FramePoint> points);

// 0 inside the hull, else the distance to its nearest edge or corner.
double distanceToHull(const std::vector<FramePoint>& hull, FramePoint point);

}  // namespace survey::evaluation
