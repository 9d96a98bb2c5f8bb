#include "evaluation/plane_hull.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace survey::evaluation {

namespace {

double cross(FramePoint o, FramePoint a, FramePoint b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double distanceToSegment(FramePoint p, FramePoint a, FramePoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  const double t = lengthSquared > 0
                       ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0)
                       : 0.0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

std::vector<FramePoint> convexHull(std::vector<FramePoint> points) {
  std::sort(points.begin(), points.end(),
            [](FramePoint a, FramePoint b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  points.erase(std::unique(points.begin(), points.end(),
                           [](FramePoint a, FramePoint b) { return a.x == b.x && a.y == b.y; }),
               points.end());
  if (points.size() < 3) return points;
  // Andrew's monotone chain: the lower chain left to right, then the upper back.
  std::vector<FramePoint> hull(2 * points.size());
  std::size_t k = 0;
  for (const auto& p : points) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0) --k;
    hull[k++] = p;
  }
  for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return hull;
}

double distanceToHull(const std::vector<FramePoint>& hull, FramePoint point) {
  if (hull.empty()) return std::numeric_limits<double>::infinity();
  if (hull.size() == 1) return std::hypot(point.x - hull[0].x, point.y - hull[0].y);
  bool inside = hull.size() >= 3;
  double nearest = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < hull.size(); ++i) {
    const FramePoint a = hull[i], b = hull[(i + 1) % hull.size()];
    if (cross(a, b, point) < 0) inside = false;
    nearest = std::min(nearest, distanceToSegment(point, a, b));
  }
  return inside ? 0 : nearest;
}

}  // namespace survey::evaluation
