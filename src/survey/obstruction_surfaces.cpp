#include "survey/obstruction_surfaces.h"

#include <array>

#include "survey/survey_types.h"

namespace survey {

namespace {

enum class Surface { ANALPV, ANAPC, AV, ANP, BV, C, D, PIR, SUPLC, HCT, NUL };

const char* surfaceText(Surface surface) {
  switch (surface) {
    case Surface::ANALPV:
      return "ANALPV: Area Nav Approach";
    case Surface::ANAPC:
      return kAreaNavPrecisionSurface;
    case Surface::AV:
      return "AV: FAR77 Visual Approach: Utility runway includes approach and primary surfaces "
             "only";
    case Surface::ANP:
      return "ANP: FAR77 Nonprecision Approach: Utility runway includes approach and primary "
             "surfaces only";
    case Surface::BV:
      return "BV: FAR77 Visual Approach: Includes approach and primary surfaces only";
    case Surface::C:
      return "C: FAR77 Nonprecision Approach: Visibility minimums > 3/4 mile includes approach "
             "and primary surfaces only";
    case Surface::D:
      return "D: FAR77 Nonprecision Approach: Visibility minimums as low as 3/4 mile includes "
             "approach and primary surfaces only";
    case Surface::PIR:
      return "PIR: Precision Instrument Approach, includes approach and primary surfaces only";
    case Surface::SUPLC:
      return "SUPLC: C Approach underlying a BV Approach, includes approach and primary surfaces "
             "only";
    case Surface::HCT:
      return "HCT: FAR77 Horizontal, Conical, and Transistions includes FAR77 horizontal, "
             "conical, and transistion surfaces only";
    case Surface::NUL:
      return "NUL: OIS not applicable";
  }
  return "";
}

// The airport obstruction chart surfaces, shared by the chart and combined surveys.
constexpr std::array kChartSurfaces{Surface::AV, Surface::ANP, Surface::BV,    Surface::C,
                                    Surface::D,  Surface::PIR, Surface::SUPLC, Surface::HCT};

}  // namespace

const std::vector<std::string>& horizontalAccuracyItems() {
  static const std::vector<std::string> items{"1 (20')", "2 (50')", "3 (100')"};
  return items;
}

const std::vector<std::string>& verticalAccuracyItems() {
  static const std::vector<std::string> items{"A (3')", "B (10')", "C (20')", "D (50')",
                                              "E (Estimated max elv)"};
  return items;
}

std::vector<std::string> obstructionSurfacesFor(std::string_view surveyType) {
  std::vector<Surface> surfaces;
  const auto type = surveyTypeOf(surveyType);
  if (type == SurveyType::Aoc) {
    surfaces.assign(kChartSurfaces.begin(), kChartSurfaces.end());
  } else if (type == SurveyType::Anapc) {
    surfaces = {Surface::ANAPC};
  } else if (type == SurveyType::Analpv) {
    surfaces = {Surface::ANALPV};
  } else if (type == SurveyType::Combined) {
    surfaces = {Surface::ANAPC};
    surfaces.insert(surfaces.end(), kChartSurfaces.begin(), kChartSurfaces.end());
  } else {
    surfaces = {Surface::ANALPV, Surface::ANAPC};
    surfaces.insert(surfaces.end(), kChartSurfaces.begin(), kChartSurfaces.end());
    surfaces.push_back(Surface::NUL);
  }
  std::vector<std::string> items;
  items.reserve(surfaces.size());
  for (Surface surface : surfaces) items.emplace_back(surfaceText(surface));
  return items;
}

std::string surfaceCodeOf(std::string_view surfaceItem) {
  const auto colon = surfaceItem.find(':');
  return std::string(colon == std::string_view::npos ? surfaceItem : surfaceItem.substr(0, colon));
}

}  // namespace survey
