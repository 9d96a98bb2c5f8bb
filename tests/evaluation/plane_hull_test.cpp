// The convex hull of points on a plane and how far a point lies from it, on shapes whose
// answers are worked out by hand.
#include "evaluation/plane_hull.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace survey::evaluation {
namespace {

using Points = std::vector<std::pair<double, double>>;

std::vector<FramePoint> framePoints(const Points& points) {
  std::vector<FramePoint> frame;
  for (const auto& [x, y] : points) frame.push_back({x, y});
  return frame;
}

// The hull's corners in their order, begun at the lowest x (then lowest y): where a ring
// starts is no part of its shape.
Points corners(const std::vector<FramePoint>& hull) {
  Points points;
  for (const FramePoint& p : hull) points.emplace_back(p.x, p.y);
  std::rotate(points.begin(), std::min_element(points.begin(), points.end()), points.end());
  return points;
}

TEST(PlaneHull, CornersCounterClockwiseWithoutRepeatsOrPointsOnAnEdge) {
  const struct {
    const char* what;
    Points points;
    Points hull;
  } cases[] = {
      {"nothing", {}, {}},
      {"one point, repeated", {{1, 1}, {1, 1}, {1, 1}}, {{1, 1}}},
      {"two points, one repeated", {{2, 0}, {0, 0}, {2, 0}}, {{0, 0}, {2, 0}}},
      {"a line: its two ends", {{1, 1}, {3, 3}, {0, 0}, {2, 2}}, {{0, 0}, {3, 3}}},
      {"a triangle given clockwise", {{0, 0}, {0, 3}, {4, 0}}, {{0, 0}, {4, 0}, {0, 3}}},
      {"a square with a point inside, mid-edge points and repeated corners",
       {{4, 4}, {2, 2}, {0, 4}, {2, 0}, {0, 0}, {4, 2}, {4, 0}, {4, 4}, {0, 2}, {0, 0}},
       {{0, 0}, {4, 0}, {4, 4}, {0, 4}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(corners(convexHull(framePoints(c.points))), c.hull);
  }
}

TEST(PlaneHull, DistanceIsNoughtInsideAndToTheNearestEdgeOrCornerOutside) {
  const Points square{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}, {0, 0}};
  const Points segment{{0, 0}, {4, 0}, {2, 0}};
  const struct {
    const char* what;
    Points points;
    double x, y;
    double distance;
  } cases[] = {
      {"square: its centre", square, 2, 2, 0},
      {"square: inside, half a foot from an edge", square, 3.5, 2, 0},
      {"square: on an edge", square, 4, 1, 0},
      {"square: on a corner", square, 0, 4, 0},
      {"square: beside an edge", square, 7, 2, 3},
      {"square: below an edge", square, 1, -2, 2},
      {"square: off a corner, 3 across and 4 up", square, 7, 8, 5},
      {"segment: beside it", segment, 2, 3, 3},
      {"segment: on it", segment, 1, 0, 0},
      {"segment: beyond its end", segment, -3, -4, 5},
      {"a line's hull: half a diagonal off it", {{0, 0}, {1, 1}, {3, 3}}, 1, 0, std::sqrt(0.5)},
      {"one point", {{1, 1}}, 4, 5, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_DOUBLE_EQ(distanceToHull(convexHull(framePoints(c.points)), {c.x, c.y}), c.distance);
  }
  EXPECT_EQ(distanceToHull({}, {0, 0}), std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace survey::evaluation
