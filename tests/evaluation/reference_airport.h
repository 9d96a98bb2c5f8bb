// A survey whose surfaces are known by hand, on a runway laid out with the direct geodesic
// problem. Runway 05/23: 8,000 ft at 50 deg true, end 05 at 1,000 ft and end 23 at
// 1,020 ft; obstructions listed for 05 under BV and for 23 under PIR, so the primary
// surface is 1,000 ft wide (PIR's) and extends 200 ft when paved; airport elevation
// 1,020 ft: horizontal surface at 1,170 ft, radius 10,000 ft (PIR).
#pragma once

#include <cmath>
#include <string>

#include "evaluation/obstruction_evaluation.h"
#include "review/review_fixture.h"

namespace survey::evaluation::testing {

using review::testing::addRow;
using review::testing::Point;
using review::testing::setPosition;
using review::testing::travel;
using survey::testing::fieldsOf;

inline constexpr double kFoot = 0.3048;
inline constexpr double kDegree = 180 / 3.14159265358979323846;

struct Hemisphere {
  const char* name;
  Point end05;
  const char* northField;  // airport field 39
  const char* eastField;   // airport field 40
};

inline const Hemisphere kNorthWest{"NorthWest", {47.4497222, -122.3116667}, "True", "False"};
inline const Hemisphere kSouthEast{"SouthEast", {-33.9461111, 151.1772222}, "False", "True"};

class ReferenceAirport {
 public:
  // Survey KREF, in a store of its own or added to `into`.
  ReferenceAirport(const Hemisphere& hemisphere, bool paved, SurveyStore* into = nullptr)
      : store(into ? *into : own_) {
    ends_[0] = hemisphere.end05;
    double arrival = 0;
    ends_[1] = travel(ends_[0], 50, 8000 * kFoot, &arrival);
    outward_[0] = 50 + 180;
    outward_[1] = arrival;
    const int airport = addRow(store.airports(),
                               fieldsOf(std::string("1=REFERENCE, 3=KREF, 13=1020.0, 25=AOC, 39=") +
                                        hemisphere.northField + ", 40=" + hemisphere.eastField));
    setPosition(store.airports(), airport, 7, 10, travel(ends_[0], 50, 4000 * kFoot), 4);
    const int runway = addRow(store.runways(),
                              fieldsOf(std::string("2=05, 7=") +
                                       (paved ? "P - Paved Hard Surface" : "U - Unpaved surface") +
                                       ", 14=1000.0, 27=23, 36=1020.0, 49=KREF"));
    setPosition(store.runways(), runway, 8, 11, ends_[0], 4);
    setPosition(store.runways(), runway, 30, 33, ends_[1], 4);
    // These two set the ends' classes; they lie far out, under nothing.
    add("05", "BV", at(0, 60000, 0), 0);
    add("23", "PIR", at(1, 60000, 0), 0);
  }

  // The point at (x, y) in the plane of end 0 (05) or 1 (23).
  Point at(int end, double x, double y) const {
    return travel(ends_[end], outward_[end] - std::atan2(y, x) * kDegree, std::hypot(x, y) * kFoot);
  }

  int add(const std::string& end, const std::string& code, Point where, double top,
          const std::string& object = "POLE") {
    const int row = addRow(store.obstructions(),
                           fieldsOf("1=" + end + ", 2=" + object + ", 9=" + std::to_string(top) +
                                    ", 21=" + code + ": a surface, 22=KREF"));
    setPosition(store.obstructions(), row, 3, 6, where, 4);
    return row;
  }

  Verdict judge(int row) const {
    for (const auto& e : evaluateObstructions(store, "KREF")) {
      if (e.row == row) return e.verdict;
    }
    return {};
  }

 private:
  SurveyStore own_;

 public:
  SurveyStore& store;

 private:
  Point ends_[2];
  double outward_[2];
};

}  // namespace survey::evaluation::testing
