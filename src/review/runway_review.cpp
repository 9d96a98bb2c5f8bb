// A runway's surveyed values against the geometry of its two end positions.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "evaluation/runway_frame.h"
#include "review/review_context.h"
#include "store/number_text.h"
#include "store/schema/airport_fields.h"
#include "store/schema/runway_fields.h"
#include "survey/degrees.h"

namespace survey::review {

namespace {

constexpr double kArcMinute = 1.0 / 60.0;

// A length or distance off by more than 10 ft is worth a look, however long the runway.
constexpr double kToleranceFeet = 10.0;

double angleBetween(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360.0 - d);
}

// The number a designator starts with ("09L" gives 9); nothing for "N" or "".
std::optional<int> designatorNumber(const std::string& designator) {
  int value = 0, digits = 0;
  for (char c : designator) {
    if (c == ' ' && digits == 0) continue;
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    value = value * 10 + (c - '0');
    ++digits;
  }
  if (digits == 0 || value < 1 || value > 36) return std::nullopt;
  return value;
}

int designatorSteps(int a, int b) {
  const int d = ((a - b) % 36 + 36) % 36;
  return std::min(d, 36 - d);
}

using runway::EndFields;
using runway::kOppositeEnd;
using runway::kRwyIdEnd;

class RunwayCheck {
 public:
  RunwayCheck(ReviewContext& context, int row) : context_(context), row_(row) {}

  void run() {
    const auto first = position(kRwyIdEnd.position);
    const auto second = position(kOppositeEnd.position);
    if (!first || !second) return;
    const GeodesicLine line = inverseGeodesic(*first, *second);
    lengthFeet_ = line.metres / kMetresPerFoot;
    checkLength();
    checkAzimuth(kRwyIdEnd, line.azimuthFrom);
    checkAzimuth(kOppositeEnd, line.azimuthTo);
    checkDesignator(kRwyIdEnd, line.azimuthFrom);
    checkDesignator(kOppositeEnd, line.azimuthTo);
    checkDesignatorPair();
    checkDisplacedThreshold(kRwyIdEnd, kOppositeEnd, *first, *second);
    checkDisplacedThreshold(kOppositeEnd, kRwyIdEnd, *second, *first);
    checkProfilePoints();
  }

 private:
  std::optional<GeoPoint> position(const PositionFields& fields) const {
    return context_.position(TableKind::Runway, row_, fields);
  }
  CellText cell(int field) const { return context_.cell(TableKind::Runway, row_, field); }
  void warn(int field, std::string message, std::string computed) {
    context_.add(Severity::Warning, TableKind::Runway, row_, field, std::move(message),
                 std::move(computed));
  }

  void checkLength() {
    const auto surveyed = context_.number(TableKind::Runway, row_, runway::SurveyedLength);
    if (!surveyed || std::fabs(*surveyed - lengthFeet_) <= kToleranceFeet) return;
    warn(runway::SurveyedLength,
         "The runway ends are " + feetText(lengthFeet_) + " apart; the surveyed length is " +
             cell(runway::SurveyedLength) + " ft.",
         feetText(lengthFeet_));
  }

  void checkAzimuth(const EndFields& end, double computed) {
    const std::string& text = cell(end.geodeticAzimuth);
    if (text.empty()) return;
    const std::optional<double> stored = dddmmssDegrees(text);
    if (!stored) {
      warn(end.geodeticAzimuth, "\"" + text + "\" is not an azimuth in dddmmss.",
           degreesText(computed));
    } else if (angleBetween(*stored, computed) > kArcMinute) {
      warn(end.geodeticAzimuth,
           "The azimuth " + text + " differs from the one computed from the runway ends, " +
               degreesText(computed) + ", by more than one minute.",
           degreesText(computed));
    }
  }

  void checkDesignator(const EndFields& end, double trueAzimuth) {
    const auto number = designatorNumber(cell(end.designator));
    const auto declination =
        context_.number(TableKind::Airport, context_.surveyRow, airport::MagneticDeclination);
    if (!number || !declination) return;
    // East declination is held negative, so adding it turns a true bearing magnetic.
    const double magnetic = std::fmod(trueAzimuth + *declination + 720.0, 360.0);
    int expected = static_cast<int>(std::lround(magnetic / 10.0)) % 36;
    if (expected == 0) expected = 36;
    if (designatorSteps(*number, expected) <= 1) return;
    const std::string bearing = fixedText(magnetic, 1);
    warn(end.designator,
         "Runway end " + cell(end.designator) + " points to the magnetic bearing " + bearing +
             "\u00b0, which makes it runway " + std::to_string(expected) + ".",
         std::to_string(expected));
  }

  void checkDesignatorPair() {
    const auto first = designatorNumber(cell(kRwyIdEnd.designator));
    const auto second = designatorNumber(cell(kOppositeEnd.designator));
    if (!first || !second || designatorSteps(*first, *second) == 18) return;
    int opposite = (*first + 18) % 36;
    if (opposite == 0) opposite = 36;
    warn(kOppositeEnd.designator,
         "The designators " + cell(kRwyIdEnd.designator) + " and " + cell(kOppositeEnd.designator) +
             " of one runway should differ by 18.",
         std::to_string(opposite));
  }

  // The threshold's place in the runway end's plane, where the geodesic to the other end is a
  // straight line: its distance along that line from the end, and across it from the centre
  // line.
  void checkDisplacedThreshold(const EndFields& end, const EndFields& other, const GeoPoint& near,
                               const GeoPoint& far) {
    const auto threshold = position(end.displacedThreshold);
    if (!threshold) return;
    const evaluation::FramePoint at = evaluation::RunwayFrame(near, far).toFrame(*threshold);
    const double along = -at.x;  // the frame's x runs outward, away from the other end
    const double across = std::fabs(at.y);

    std::string where;  // "700.0 ft off the centre line and 279.0 ft beyond runway end 15"
    auto note = [&where](const std::string& offset) {
      where += (where.empty() ? "" : " and ") + offset;
    };
    if (across > kToleranceFeet) note(feetText(across) + " off the centre line");
    if (along < -kToleranceFeet) {
      note(feetText(-along) + " beyond runway end " + cell(end.designator));
    } else if (along > lengthFeet_ + kToleranceFeet) {
      note(feetText(along - lengthFeet_) + " beyond runway end " + cell(other.designator));
    }
    if (!where.empty()) {
      warn(end.displacedThreshold.latitude.degrees,
           "The displaced threshold of runway end " + cell(end.designator) + " lies " + where + ".",
           where);
      return;
    }
    const auto length = context_.number(TableKind::Runway, row_, end.displacedLength);
    if (length && std::fabs(*length - along) > kToleranceFeet) {
      warn(end.displacedLength,
           "The displaced threshold of runway end " + cell(end.designator) + " lies " +
               feetText(along) + " from the runway end; its length is " +
               cell(end.displacedLength) + " ft.",
           feetText(along));
    }
  }

  void checkProfilePoints() {
    const double length =
        context_.number(TableKind::Runway, row_, runway::SurveyedLength).value_or(lengthFeet_);
    for (int first = runway::kFirstProfileGroup; first <= runway::kLastProfileGroup;
         first += runway::kProfileGroupSize) {
      const runway::ProfileGroupFields group = runway::profileGroup(first);
      const std::string& end = cell(group.end);
      if (end.empty() ||
          (end != cell(kRwyIdEnd.designator) && end != cell(kOppositeEnd.designator)))
        continue;
      const auto distance = context_.number(TableKind::Runway, row_, group.distance);
      if (!distance || (*distance >= 0 && *distance <= length)) continue;
      context_.add(Severity::Warning, TableKind::Runway, row_, group.distance,
                   "The profile point at " + cell(group.distance) + " ft from runway end " + end +
                       " lies outside the runway (" + feetText(length) + ").",
                   feetText(length));
      context_.findings.back().fieldLabel = "Profile Point Distance";
    }
  }

  ReviewContext& context_;
  int row_;
  double lengthFeet_ = 0;
};

}  // namespace

void reviewRunwayGeometry(ReviewContext& context) {
  for (int row : context.runways) RunwayCheck(context, row).run();
}

}  // namespace survey::review
