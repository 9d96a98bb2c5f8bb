// The types of survey: chosen when a survey is added, stored by their code in the
// airport row, and deciding the obstruction surfaces offered and the exchange
// file's extension.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "store/survey_status.h"

namespace survey {

enum class SurveyType { Aoc, Anapc, Analpv, Combined, Navaid, Runway, RunwayEnd, Special };

struct SurveyTypeData {
  SurveyType type;
  std::string_view code;       // as the airport row stores it
  std::string_view extension;  // of the survey's exchange file
};

inline constexpr std::array<SurveyTypeData, 8> kSurveyTypes{{
    {SurveyType::Aoc, "AOC", ".f77"},
    {SurveyType::Anapc, "ANAPC", ".ana"},
    {SurveyType::Analpv, "ANALPV", ".lpv"},
    {SurveyType::Combined, "COMBINE", ".cmb"},
    {SurveyType::Navaid, "NAVAID", ".nob"},
    {SurveyType::Runway, "RUNWAY", ".nob"},
    {SurveyType::RunwayEnd, "RUNWAYEND", ".nob"},
    {SurveyType::Special, "SPECIAL", ".spc"},
}};

constexpr std::string_view surveyTypeCode(SurveyType type) {
  return kSurveyTypes[static_cast<std::size_t>(type)].code;
}

// The type of a stored code; nothing for a code no survey type has.
constexpr std::optional<SurveyType> surveyTypeOf(std::string_view code) {
  for (const auto& data : kSurveyTypes) {
    if (data.code == code) return data.type;
  }
  return std::nullopt;
}

constexpr std::string_view uddfExtension(SurveyType type) {
  return kSurveyTypes[static_cast<std::size_t>(type)].extension;
}

// What a survey stored without a type counts as (the store writes it so).
inline constexpr SurveyType kDefaultSurveyType = SurveyType::Aoc;
static_assert(surveyTypeCode(kDefaultSurveyType) == kDefaultSurveyTypeCode);

}  // namespace survey
