// Blanks cut from both ends of a text. Which characters count as blank depends on where
// the text comes from, and each reader keeps the set it has always cut: a tab inside a
// cell or an exchange-file item is part of the value.
#pragma once

#include <string_view>

namespace survey {

namespace detail {

template <class IsBlank>
constexpr std::string_view trimmedWhere(std::string_view text, IsBlank isBlank) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace detail

// Spaces only: cells, exchange-file items, typed values.
constexpr std::string_view trimSpaces(std::string_view text) {
  return detail::trimmedWhere(text, [](char c) { return c == ' '; });
}

// Spaces and tabs: numbers read from text, store header counts.
constexpr std::string_view trimBlanks(std::string_view text) {
  return detail::trimmedWhere(text, [](char c) { return c == ' ' || c == '\t'; });
}

// Spaces, tabs, CR and LF: items of a list file line as an editor saved it.
constexpr std::string_view trimWhitespace(std::string_view text) {
  return detail::trimmedWhere(
      text, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

}  // namespace survey
