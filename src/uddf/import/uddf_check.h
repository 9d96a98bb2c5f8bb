// Checks the structure of an exchange file without importing it: line
// lengths, the version, the marker lines between sections, and the dates and
// coordinates the import would not be able to read.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "uddf/import/exchange_lines.h"

namespace survey::uddf {

struct UddfProblem {
  long long line = 0;  // 1-based line of the file
  int column = 0;      // 1-based character column, 0 when the whole line is meant
  std::string text;
};

// A file of a million broken lines would list millions of problems: only the
// first ones are kept, the rest are counted.
inline constexpr std::size_t kListedProblems = 1000;

struct UddfCheckReport {
  std::vector<UddfProblem> problems;  // in file order, at most the listing limit
  long long unlisted = 0;             // problems found after the listed ones
  std::string readError;              // why the file could not be read; empty when it was

  long long total() const { return static_cast<long long>(problems.size()) + unlisted; }
};

UddfCheckReport checkUddfLines(RawLines& lines, std::size_t limit = kListedProblems);
UddfCheckReport checkUddfText(std::string_view bytes, std::size_t limit = kListedProblems);
// Reads the file line by line: memory follows its longest line, not its size.
UddfCheckReport checkUddfFile(const std::filesystem::path& file,
                              std::size_t limit = kListedProblems);

// "line 12, column 36: ..." or "line 9: ...".
std::string describe(const UddfProblem& problem);
// The line that stands for the problems not listed ("and 5 more problems ...").
std::string describeUnlisted(const UddfCheckReport& report);

}  // namespace survey::uddf
