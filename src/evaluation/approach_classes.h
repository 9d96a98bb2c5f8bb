// The approach classes of the obstruction identification surfaces and the
// dimensions of their imaginary surfaces (feet; slopes as horizontal per vertical).
#pragma once

#include <string>
#include <string_view>

namespace survey::evaluation {

struct ApproachClass {
  std::string_view code;  // "BV"; SUPLC shares C's dimensions under its own code
  int rank;               // how demanding: AV 1, BV 2, ANP 3, C and SUPLC 4, D 5, PIR 6
  double primaryWidth;
  double outerWidth;  // at the approach surface's far end
  double length;      // of the approach's first section
  double slope;
  double secondLength;  // PIR only: a flatter section after the first
  double secondSlope;
  double horizontalRadius;

  double approachLength() const { return length + secondLength; }
  // How far the approach surface has risen above its start `along` feet out.
  double riseAt(double along) const;
  // Half the surface's width `along` feet beyond a primary surface `innerWidth` wide.
  double halfWidthAt(double innerWidth, double along) const;
  // The slope in force `along` feet out, as "50:1".
  std::string slopeTextAt(double along) const;
};

// The class an approach code names; nothing for HCT, NUL, ANALPV, ANAPC and the rest.
const ApproachClass* approachClassOf(std::string_view code);

// The code whose obstructions are judged against the airport's transitional,
// horizontal and conical surfaces.
inline constexpr std::string_view kHorizontalConicalCode = "HCT";

inline constexpr double kPavedPrimaryExtension = 200;  // beyond each end of a paved runway
inline constexpr double kTransitionalSlope = 7;
inline constexpr double kHorizontalHeight = 150;  // above the airport elevation
inline constexpr double kConicalSlope = 20;
inline constexpr double kConicalWidth = 4000;

}  // namespace survey::evaluation
