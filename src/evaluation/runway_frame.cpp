#include "evaluation/runway_frame.h"

#include <cmath>
#include <numbers>

namespace survey::evaluation {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

}  // namespace

RunwayFrame::RunwayFrame(GeoPosition end, GeoPosition otherEnd) : end_(end), projection_(nad83()) {
  double metres = 0, towardsOther = 0, azimuthThere = 0;
  nad83().Inverse(end.latitude, end.longitude, otherEnd.latitude, otherEnd.longitude, metres,
                  towardsOther, azimuthThere);
  runwayLength_ = metres / kMetresPerFoot;
  const double outward = (towardsOther + 180) * kDegree;
  outwardSin_ = std::sin(outward);
  outwardCos_ = std::cos(outward);
}

FramePoint RunwayFrame::toFrame(GeoPosition position) const {
  double east = 0, north = 0, azimuth = 0, scale = 0;
  projection_.Forward(end_.latitude, end_.longitude, position.latitude, position.longitude, east,
                      north, azimuth, scale);
  // The outward unit vector is (sin, cos) in (east, north); y is its left normal.
  return {(east * outwardSin_ + north * outwardCos_) / kMetresPerFoot,
          (north * outwardSin_ - east * outwardCos_) / kMetresPerFoot};
}

GeoPosition RunwayFrame::toGeo(FramePoint point) const {
  const double east = (point.x * outwardSin_ - point.y * outwardCos_) * kMetresPerFoot;
  const double north = (point.x * outwardCos_ + point.y * outwardSin_) * kMetresPerFoot;
  GeoPosition position;
  double azimuth = 0, scale = 0;
  projection_.Reverse(end_.latitude, end_.longitude, east, north, position.latitude,
                      position.longitude, azimuth, scale);
  return position;
}

PlaneFrame::PlaneFrame(GeoPosition centre) : centre_(centre), projection_(nad83()) {}

FramePoint PlaneFrame::toFrame(GeoPosition position) const {
  double east = 0, north = 0, azimuth = 0, scale = 0;
  projection_.Forward(centre_.latitude, centre_.longitude, position.latitude, position.longitude,
                      east, north, azimuth, scale);
  return {east / kMetresPerFoot, north / kMetresPerFoot};
}

GeoPosition PlaneFrame::toGeo(FramePoint point) const {
  GeoPosition position;
  double azimuth = 0, scale = 0;
  projection_.Reverse(centre_.latitude, centre_.longitude, point.x * kMetresPerFoot,
                      point.y * kMetresPerFoot, position.latitude, position.longitude, azimuth,
                      scale);
  return position;
}

}  // namespace survey::evaluation
