#include "evaluation/approach_classes.h"

#include <array>

namespace survey::evaluation {

namespace {

constexpr std::array<ApproachClass, 7> kClasses{{
    {"AV", 1, 250, 1250, 5000, 20, 0, 0, 5000},
    {"BV", 2, 500, 1500, 5000, 20, 0, 0, 5000},
    {"ANP", 3, 500, 2000, 5000, 20, 0, 0, 5000},
    {"C", 4, 500, 3500, 10000, 34, 0, 0, 10000},
    {"SUPLC", 4, 500, 3500, 10000, 34, 0, 0, 10000},
    {"D", 5, 1000, 4000, 10000, 34, 0, 0, 10000},
    {"PIR", 6, 1000, 16000, 10000, 50, 40000, 40, 10000},
}};

}  // namespace

double ApproachClass::riseAt(double along) const {
  if (along <= length || secondLength == 0) return along / slope;
  return length / slope + (along - length) / secondSlope;
}

double ApproachClass::halfWidthAt(double innerWidth, double along) const {
  return innerWidth / 2 + along * (outerWidth - innerWidth) / (2 * approachLength());
}

std::string ApproachClass::slopeTextAt(double along) const {
  const double inForce = along > length && secondLength > 0 ? secondSlope : slope;
  return std::to_string(static_cast<int>(inForce)) + ":1";
}

const ApproachClass* approachClassOf(std::string_view code) {
  for (const auto& approach : kClasses) {
    if (approach.code == code) return &approach;
  }
  return nullptr;
}

}  // namespace survey::evaluation
