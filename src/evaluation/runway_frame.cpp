#include "evaluation/runway_frame.h"

#include <cmath>
#include <numbers>

namespace survey::evaluation {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

}  // namespace

RunwayFrame::RunwayFrame(GeoPosition end, GeoPosition otherEnd) : plane_(end) {
  double metres = 0, towardsOther = 0, azimuthThere = 0;
  nad83().Inverse(end.latitude, end.longitude, otherEnd.latitude, otherEnd.longitude, metres,
                  towardsOther, azimuthThere);
  runwayLength_ = metres / kMetresPerFoot;
  const double outward = (towardsOther + 180) * kDegree;
  outwardSin_ = std::sin(outward);
  outwardCos_ = std::cos(outward);
}

FramePoint RunwayFrame::toFrame(GeoPosition position) const {
  const PlanPoint p = plane_.toPlan(position);
  // The outward unit vector is (sin, cos) in (east, north); y is its left normal.
  return {p.east * outwardSin_ + p.north * outwardCos_,
          p.north * outwardSin_ - p.east * outwardCos_};
}

GeoPosition RunwayFrame::toGeo(FramePoint point) const {
  return plane_.toGeo({point.x * outwardSin_ - point.y * outwardCos_,
                       point.x * outwardCos_ + point.y * outwardSin_});
}

PlaneFrame::PlaneFrame(GeoPosition centre) : plane_(centre) {}

FramePoint PlaneFrame::toFrame(GeoPosition position) const {
  const PlanPoint p = plane_.toPlan(position);
  return {p.east, p.north};
}

GeoPosition PlaneFrame::toGeo(FramePoint point) const {
  return plane_.toGeo({point.x, point.y});
}

}  // namespace survey::evaluation
