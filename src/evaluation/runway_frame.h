// A runway end's plane: the azimuthal equidistant projection centred on the end,
// turned so that x runs along the extended centre line, outward (away from the
// other end), and y across it; feet. Geodesics through the end are straight lines
// here, so the other end lies on the negative x axis at the runway's length.
#pragma once

#include "survey/geodesy.h"
#include "survey/local_projection.h"

namespace survey::evaluation {

struct FramePoint {
  double x = 0;  // along the extended centre line, outward
  double y = 0;  // across it, to the left looking outward
};

class RunwayFrame {
 public:
  RunwayFrame(GeoPosition end, GeoPosition otherEnd);

  FramePoint toFrame(GeoPosition position) const;
  GeoPosition toGeo(FramePoint point) const;
  double runwayLength() const { return runwayLength_; }  // feet

 private:
  LocalProjection plane_;
  double outwardSin_ = 0, outwardCos_ = 1;  // of the outward azimuth
  double runwayLength_ = 0;
};

// The same projection without a turn, centred on the airport: x east, y north.
class PlaneFrame {
 public:
  explicit PlaneFrame(GeoPosition centre);
  FramePoint toFrame(GeoPosition position) const;
  GeoPosition toGeo(FramePoint point) const;

 private:
  LocalProjection plane_;
};

}  // namespace survey::evaluation
