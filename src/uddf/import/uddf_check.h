// Checks the structure of an exchange file without importing it: line
// lengths, the version, the marker lines between sections, and the dates and
// coordinates the import would not be able to read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace survey::uddf {

struct UddfProblem {
  int line = 0;    // 1-based line of the file
  int column = 0;  // 1-based character column, 0 when the whole line is meant
  std::string text;
};

std::vector<UddfProblem> checkUddfText(std::string_view bytes);

// "line 12, column 36: ..." or "line 9: ...".
std::string describe(const UddfProblem& problem);

}  // namespace survey::uddf
