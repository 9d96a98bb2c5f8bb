// A table as comma-separated values, for a spreadsheet to open.
#pragma once

#include <string>
#include <vector>

namespace survey {

// CR LF line ends; a field holding a comma, quote, line break or blanks at either end is
// quoted, its quotes doubled.
std::string csvText(const std::vector<std::vector<std::string>>& rows);

}  // namespace survey
