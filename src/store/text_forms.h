// Forms of a text the program compares or tells: lower case (ASCII letters only, so that
// file endings and column names compare the same in any locale), a cell of a tab-separated
// line, and a count with its noun.
#pragma once

#include <string>
#include <string_view>

namespace survey {

inline std::string lowered(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

// A cell of a tab-separated line: a tab or line break typed into a field must not split it.
inline std::string cellText(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

// "1 row was", "3 rows were": the count and the form that goes with it.
inline std::string plural(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace survey
