// The survey review's findings as marks on the plan.
#pragma once

#include <vector>

#include "map/plan_view.h"
#include "review/survey_review.h"

namespace survey::map {

// One mark per finding that names a record; findings of the survey as a whole (row 0)
// mark nothing, since no point of the plan stands for them.
std::vector<MapMark> marksOfFindings(const std::vector<review::Finding>& findings);

}  // namespace survey::map
