// Heights across the survey: one geoid separation for the whole airport, and heights
// above ground that fit the top elevations.
#include <algorithm>
#include <cmath>
#include <limits>

#include "review/review_context.h"
#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"

namespace survey::review {

namespace {

constexpr double kSeparationTolerance = 6.0;  // ft
// The ground round an airport hardly lies further below its lowest runway end.
constexpr double kGroundBelowAirport = 1000.0;  // ft

struct Separation {
  TableKind table;
  int row, orthometricField, ellipsoidalField;
  double feet;
};

void collect(const ReviewContext& context, std::vector<Separation>& out, TableKind table, int row,
             const ElevationFields& fields) {
  const auto o = context.number(table, row, fields.orthometric);
  const auto e = context.number(table, row, fields.ellipsoidal);
  if (o && e) out.push_back({table, row, fields.orthometric, fields.ellipsoidal, *e - *o});
}

void reviewGeoidSeparation(ReviewContext& context) {
  std::vector<Separation> samples;
  samples.reserve(context.obstructions.size() + context.navaids.size() + 64);
  collect(context, samples, TableKind::Airport, context.surveyRow, airport::kElevation);
  for (int row : context.runways) {
    collect(context, samples, TableKind::Runway, row, runway::kRwyIdEnd.endElevation);
    collect(context, samples, TableKind::Runway, row, runway::kOppositeEnd.endElevation);
  }
  for (int row : context.navaids) {
    collect(context, samples, TableKind::Navaid, row, navaid::kElevation);
  }
  for (int row : context.obstructions) {
    collect(context, samples, TableKind::Obstruction, row, obstruction::kTopElevation);
  }
  if (samples.size() < 3) return;  // too few to tell which one is wrong
  std::vector<double> values;
  values.reserve(samples.size());
  for (const Separation& s : samples) values.push_back(s.feet);
  const auto middle = values.begin() + static_cast<long>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  const double median = *middle;
  for (const Separation& s : samples) {
    if (std::fabs(s.feet - median) <= kSeparationTolerance) continue;
    context.add(Severity::Warning, s.table, s.row, s.ellipsoidalField,
                "Ellipsoidal minus orthometric height is " + feetText(s.feet) +
                    "; the rest of the survey has about " + feetText(median) +
                    " (heights swapped, or metres for feet?).",
                feetText(s.feet));
  }
}

void reviewAboveGround(ReviewContext& context) {
  double lowest = std::numeric_limits<double>::infinity();
  auto lower = [&](TableKind table, int row, int field) {
    if (auto value = context.number(table, row, field)) lowest = std::min(lowest, *value);
  };
  lower(TableKind::Airport, context.surveyRow, airport::ElevationOrthometric);
  for (int row : context.runways) {
    lower(TableKind::Runway, row, runway::kRwyIdEnd.endElevation.orthometric);
    lower(TableKind::Runway, row, runway::kOppositeEnd.endElevation.orthometric);
  }
  if (!std::isfinite(lowest)) return;
  const double ground = lowest - kGroundBelowAirport;
  for (int row : context.obstructions) {
    const auto top =
        context.number(TableKind::Obstruction, row, obstruction::TopElevationOrthometric);
    const auto agl = context.number(TableKind::Obstruction, row, obstruction::AboveGroundElevation);
    if (!top || !agl || *agl <= *top - ground) continue;
    context.add(Severity::Warning, TableKind::Obstruction, row, obstruction::AboveGroundElevation,
                "A height above ground of " + feetText(*agl) + " puts the ground at " +
                    feetText(*top - *agl) + ", far below the airport's lowest elevation " +
                    feetText(lowest) + ".",
                feetText(*top - *agl));
  }
}

}  // namespace

void reviewHeights(ReviewContext& context) {
  reviewGeoidSeparation(context);
  reviewAboveGround(context);
}

}  // namespace survey::review
