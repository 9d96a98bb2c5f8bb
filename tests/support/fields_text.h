// Row fields written down as one line of text, for tests that build rows by hand.
#pragma once

#include <string>

#include "store/survey_store.h"

namespace survey::testing {

// Fields written as "N=value, N=value": a value keeps its blanks but for the ", " after it.
inline FieldValues fieldsOf(const std::string& text) {
  FieldValues fields;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t equals = text.find('=', at), next = text.find(", ", at);
    fields.emplace_back(
        std::stoi(text.substr(at, equals - at)),
        text.substr(equals + 1, next == std::string::npos ? next : next - equals - 1));
    at = next == std::string::npos ? text.size() : next + 2;
  }
  return fields;
}

}  // namespace survey::testing
