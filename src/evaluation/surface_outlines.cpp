#include "evaluation/surface_outlines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace survey::evaluation {

namespace {

constexpr double kPi = std::numbers::pi;

SurfaceOutline primaryOutline(const RunwaySite& runway) {
  const double half = runway.primaryWidth() / 2;
  const double length = runway.length(), extension = runway.extension;
  // Along one side and back the other; the corners at the runway ends carry the slope.
  std::vector<double> alongSide{extension, 0, -length, -length - extension};
  if (extension == 0) alongSide = {0, -length};
  SurfaceRing ring;
  for (double side : {half, -half}) {
    for (double x : alongSide) {
      ring.push_back({runway.frames[0]->toGeo({x, side}), runway.centreLineElevation(0, x)});
    }
    std::reverse(alongSide.begin(), alongSide.end());
  }
  return {SurfaceKind::Primary, "Primary surface of " + runway.name, {ring}, runway.name};
}

SurfaceOutline approachOutline(const RunwaySite& runway, int end) {
  const ApproachClass& approach = *runway.ends[end].approach;
  const RunwayFrame& frame = *runway.frames[end];
  std::vector<double> alongs{0, approach.length};
  if (approach.secondLength > 0) alongs.push_back(approach.approachLength());
  SurfaceRing ring;
  for (double side : {1.0, -1.0}) {
    for (double along : alongs) {
      ring.push_back({frame.toGeo({runway.extension + along,
                                   side * approach.halfWidthAt(runway.primaryWidth(), along)}),
                      *runway.ends[end].elevation + approach.riseAt(along)});
    }
    std::reverse(alongs.begin(), alongs.end());
  }
  return {SurfaceKind::Approach,
          "Approach surface of " + runway.ends[end].designator + " (" + std::string(approach.code) +
              ")",
          {ring},
          runway.ends[end].designator};
}

// The hull grown by `radius`: its edges moved out, joined by arcs round its corners.
SurfaceRing grownHull(const AirportSurfaces& surfaces, double radius, double elevation,
                      double arcStepDegrees) {
  const auto& hull = surfaces.hull();
  SurfaceRing ring;
  const auto arc = [&](FramePoint centre, double from, double to) {
    const int steps =
        std::max(1, static_cast<int>(std::ceil((to - from) * 180 / kPi / arcStepDegrees)));
    for (int i = 0; i <= steps; ++i) {
      const double angle = from + (to - from) * i / steps;
      ring.push_back({surfaces.plane()->toGeo({centre.x + radius * std::cos(angle),
                                               centre.y + radius * std::sin(angle)}),
                      elevation});
    }
  };
  if (hull.size() == 1) {
    arc(hull[0], 0, 2 * kPi * (1 - 1e-9));
    return ring;
  }
  // Counter-clockwise, so each edge's outward normal points to its right.
  const auto normalAngle = [&](std::size_t from) {
    const FramePoint a = hull[from], b = hull[(from + 1) % hull.size()];
    return std::atan2(-(b.x - a.x), b.y - a.y);
  };
  for (std::size_t i = 0; i < hull.size(); ++i) {
    const double in = normalAngle((i + hull.size() - 1) % hull.size());
    double out = normalAngle(i);
    while (out < in) out += 2 * kPi;
    arc(hull[i], in, out);
  }
  return ring;
}

}  // namespace

std::vector<SurfaceOutline> surfaceOutlines(const AirportSurfaces& surfaces,
                                            double arcStepDegrees) {
  std::vector<SurfaceOutline> outlines;
  for (const auto& runway : surfaces.runways()) {
    if (!runway.hasSurfaces()) continue;
    outlines.push_back(primaryOutline(runway));
    for (int end = 0; end < 2; ++end) {
      if (runway.ends[end].approach != nullptr) outlines.push_back(approachOutline(runway, end));
    }
  }
  if (!surfaces.horizontalElevation() || !surfaces.plane()) return outlines;
  const double horizontal = *surfaces.horizontalElevation();
  const double radius = surfaces.horizontalRadius();
  SurfaceRing edge = grownHull(surfaces, radius, horizontal, arcStepDegrees);
  outlines.push_back({SurfaceKind::Horizontal, "Horizontal surface", {edge}});
  outlines.push_back({SurfaceKind::Conical,
                      "Conical surface",
                      {grownHull(surfaces, radius + kConicalWidth,
                                 horizontal + kConicalWidth / kConicalSlope, arcStepDegrees),
                       edge}});
  return outlines;
}

}  // namespace survey::evaluation
