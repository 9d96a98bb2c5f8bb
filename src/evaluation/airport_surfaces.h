// The imaginary surfaces of one survey's airport, built from its runways, the
// approach codes its obstructions are listed under and the airport elevation, and
// the judgement of one obstruction against them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "evaluation/approach_classes.h"
#include "evaluation/runway_frame.h"
#include "store/survey_store.h"

namespace survey::evaluation {

enum class SurfaceKind {
  Primary,
  Approach,
  Transitional,
  Horizontal,
  Conical,
  Outside,
  NotEvaluated
};

// "primary", ..., "outside", "not evaluated".
std::string_view surfaceKindName(SurfaceKind kind);

struct RunwayEndSite {
  std::string designator;  // spaces cut
  std::optional<GeoPosition> at;
  std::optional<double> elevation;          // orthometric, feet
  const ApproachClass* approach = nullptr;  // the most demanding listed for this end
};

struct RunwaySite {
  int row = 0;
  std::string name;                      // "05/23"
  std::array<RunwayEndSite, 2> ends;     // the Rwy ID end, then the opposite end
  double extension = 0;                  // of the primary surface beyond each end
  std::optional<RunwayFrame> frames[2];  // each end's plane, when both ends are placed

  bool placed() const { return frames[0].has_value(); }
  // The widest its ends' classes need; 0 when neither end has a class.
  double primaryWidth() const;
  // An approach code listed for end `end` makes that end at least as demanding.
  void raiseClass(int end, const ApproachClass& approach);
  // Placed, with both end elevations and an approach class: it has surfaces.
  bool hasSurfaces() const;
  double length() const { return frames[0]->runwayLength(); }
  // The centre line's elevation nearest `x` of end `end`'s plane (linear between ends).
  double centreLineElevation(int end, double x) const;
};

// What an obstruction brings to its judgement.
struct ObstructionQuery {
  std::optional<GeoPosition> at;
  std::optional<double> topElevation;  // orthometric, feet
  std::string runwayEnd;               // as typed
  std::string surfaceCode;             // "BV", "HCT", ...; empty when none chosen
  std::string positionProblem;         // why `at` is missing
};

struct Verdict {
  SurfaceKind surface = SurfaceKind::NotEvaluated;
  std::string surfaceName;  // "Approach surface of 05 (BV, 20:1)", "Horizontal surface"
  std::optional<double> surfaceElevation;  // feet, rounded to a tenth
  std::optional<double> penetration;       // top minus surface, rounded to a tenth
  std::string reason;                      // not evaluated, outside: why

  bool penetrates() const { return penetration && *penetration > 0; }
};

class AirportSurfaces {
 public:
  // The survey's surfaces; an unknown key gives an airport without runways. The
  // obstruction row `leftOut` (when not 0) lists nothing: the one being edited.
  static AirportSurfaces ofSurvey(const SurveyStore& store, std::string_view key, int leftOut = 0);

  // These surfaces with one more obstruction listed for `runwayEnd` under `code`: an
  // approach code may raise that end's class, and so the primary surface's width and the
  // horizontal surface's radius.
  AirportSurfaces withListed(std::string_view runwayEnd, std::string_view code) const;

  Verdict judge(const ObstructionQuery& query) const;
  // The runway and end (0 the Rwy ID end, 1 the opposite end) with that designator.
  std::pair<const RunwaySite*, int> findEnd(std::string_view designator) const;

  const std::vector<RunwaySite>& runways() const { return runways_; }
  std::optional<double> horizontalElevation() const { return horizontalElevation_; }
  // 10,000 ft when any end's class needs it, else 5,000 ft.
  double horizontalRadius() const;
  // The plane the horizontal and conical surfaces are drawn in, and the convex hull of
  // the primary surfaces' ends in it (counter-clockwise); empty when no runway is placed.
  const std::optional<PlaneFrame>& plane() const { return plane_; }
  const std::vector<FramePoint>& hull() const { return hull_; }

 private:
  friend class SurfacesBuilder;
  Verdict judgeApproach(const ObstructionQuery& query, const ApproachClass& approach) const;
  Verdict judgeHorizontalConical(const ObstructionQuery& query) const;

  std::vector<RunwaySite> runways_;
  std::optional<double> horizontalElevation_;
  std::optional<PlaneFrame> plane_;
  std::vector<FramePoint> hull_;
};

// The obstruction screen's line: "Approach surface of 05 (BV, 20:1) at 1,100.0 ft:
// penetrates by 10.0 ft".
std::string verdictLine(const Verdict& verdict);

// "1,100.0 ft".
std::string groupedFeetText(double feet);

}  // namespace survey::evaluation
