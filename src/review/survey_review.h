// The review of one survey before it is certified and written: what a careful office
// would check across the whole survey, where the field checks only see one box.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/survey_store.h"

namespace survey::review {

// Error: the file would carry a wrong or missing value the authority requires.
// Warning: implausible; the surveyor should look.
enum class Severity { Error, Warning };

struct Finding {
  Severity severity = Severity::Warning;
  TableKind table = TableKind::Airport;
  int row = 0;             // row of that table; 0 when the finding is the survey's as a whole
  int field = 0;           // field number of the row; 0 when no single field is at fault
  std::string fieldLabel;  // "Surveyed Length"
  std::string record;      // "runway 09/27", "obstruction 12 (TREE)", ...
  std::string message;     // what is wrong
  std::string computed;    // the value the review computed or the file would hold; may be empty
};

struct ReviewDate {
  int year = 0, month = 0, day = 0;
};

// The findings of the survey with that identifier (its last airport row): errors first, then
// warnings, each in the order the checks found them; nothing when no survey holds it.
// `today` judges dates in the future; an unset date skips that check.
std::vector<Finding> reviewSurvey(const SurveyStore& store, std::string_view key,
                                  ReviewDate today = {});

// The system's local date.
ReviewDate localToday();

std::string_view severityText(Severity severity);  // "Error", "Warning"

struct FindingCounts {
  int errors = 0, warnings = 0;
};
FindingCounts countFindings(const std::vector<Finding>& findings);

}  // namespace survey::review
