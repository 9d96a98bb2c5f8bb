// The statuses of a survey (its airport row's Status field) and what they decide.
#pragma once

#include <string_view>

#include "store/schema/airport_fields.h"
#include "store/survey_store.h"

namespace survey {

namespace status {
inline constexpr std::string_view kNew = "NEW";
// Certified by the surveyor: the only status the export accepts.
inline constexpr std::string_view kCertified = "CERTIFIED";
// Locked: no operation of the program sets it; it reaches the store only from a store file.
inline constexpr std::string_view kLocked = "CERTIFIED2";
}  // namespace status

// The survey type a survey stored without one counts as; the store writes it so.
inline constexpr std::string_view kDefaultSurveyTypeCode = "AOC";

// A locked survey's screens show it without letting it change; its last airport row decides.
inline bool isSurveyLocked(const SurveyStore& store, std::string_view key) {
  const int row = store.findSurveyRow(key);
  return row > 0 && store.airports().cell(row, airport::Status) == status::kLocked;
}

}  // namespace survey
