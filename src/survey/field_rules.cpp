#include "survey/field_rules.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>
#include <vector>

#include "store/text_encoding.h"
#include "store/text_trim.h"

namespace survey {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The value of a numeric text; nothing when it cannot be held (too large).
// Read the same way whatever the system's number format (a decimal comma
// elsewhere must not turn "59.995" into 59).
std::optional<double> numericValue(std::string_view text) {
  std::string_view s = trimSpaces(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// The characters of a UTF-8 text, each as its bytes.
std::vector<std::string_view> characters(std::string_view text) {
  std::vector<std::string_view> result;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t length = 1;
    while (i + length < text.size() &&
           (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80 &&
           (static_cast<unsigned char>(text[i]) & 0xC0) == 0xC0 && length < 4) {
      ++length;
    }
    result.push_back(text.substr(i, length));
    i += length;
  }
  return result;
}

struct DmsRule {
  double limit;
  const char* message;
};

DmsRule ruleOf(DmsKind kind) {
  switch (kind) {
    case DmsKind::Deg:
      return {180, " is greater than 180.  Degree values must be between 0 and 180."};
    case DmsKind::DegLat:
      return {90, " is greater than 90.  Degree values must be between 0 and 90."};
    case DmsKind::Min:
      return {59, " is greater than 59.  Minute values must be between 0 and 59.99."};
    case DmsKind::Sec:
      return {59.99, " is greater than 59.99.  Minute values must be between 0 and 59.99."};
  }
  return {0, ""};
}

}  // namespace

bool isNumeric(std::string_view text) {
  std::string_view s = trimSpaces(text);
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

std::string dmsProblem(DmsKind kind, std::string_view text) {
  const bool numeric = isNumeric(text);
  const bool formOk = numeric && (kind == DmsKind::Sec || text.find('.') == std::string::npos);
  if (!formOk) return text.empty() ? std::string() : std::string(text) + ":  Improper Entry";
  const auto value = numericValue(text);
  if (!value) return {};  // too large to compare: the check ends quietly
  const DmsRule rule = ruleOf(kind);
  if (*value > rule.limit) return std::string(text) + rule.message;
  return {};
}

std::string numberProblem(std::string_view text, int maxLength, int maxDecimals) {
  std::string digits;
  for (char c : text) {
    if (c != '-') digits += c;
  }
  digits = std::string(trimSpaces(digits));
  if (!digits.empty() && !isNumeric(digits) && !text.empty()) {
    return std::string(text) + ":  Improper Entry";
  }
  if (utf8Length(text) > static_cast<std::size_t>(maxLength)) {
    return digits + ":  Error (Entry too large for field)";
  }
  const auto point = text.find('.');
  if (point != std::string::npos) {
    const std::size_t decimals = utf8Length(text.substr(point + 1));
    if (decimals > static_cast<std::size_t>(maxDecimals)) {
      return digits + ":  Error (Only " + std::to_string(maxDecimals) + " decimal place allowed)";
    }
  }
  return {};
}

std::string surveyDateProblem(std::string_view text) {
  if (text.empty()) return {};
  constexpr const char* kFormat = "Date is incorrect format (mm/dd/yyyy)";
  const auto chars = characters(text);
  if (chars.size() < 6 || chars[2] != "/" || chars[5] != "/") return kFormat;
  std::vector<std::string_view> parts;
  std::string_view rest(text);
  for (auto slash = rest.find('/'); slash != std::string_view::npos; slash = rest.find('/')) {
    parts.push_back(rest.substr(0, slash));
    rest.remove_prefix(slash + 1);
  }
  parts.push_back(rest);
  // A part that is no number at all gets the general message.
  auto wholeIn = [&](std::string_view part, int low, int high, const char* message) {
    if (!isNumeric(part)) return std::string(kFormat);
    const auto value = numericValue(part);
    if (!value || *value != std::floor(*value) || *value < low || *value > high)
      return std::string(message);
    return std::string();
  };
  if (auto m = wholeIn(parts[0], 1, 12, "Date is incorrect format.  Check month. (mm/dd/yyyy)");
      !m.empty()) {
    return m;
  }
  if (auto m = wholeIn(parts[1], 1, 31, "Date is incorrect format.  Check day. (mm/dd/yyyy)");
      !m.empty()) {
    return m;
  }
  if (utf8Length(parts[2]) != 4) return "Date is incorrect format.  Check year1. (mm/dd/yyyy)";
  return {};
}

std::string icaoCodeProblem(std::string_view text) {
  const auto chars = characters(text);
  if (chars.size() != 4 || chars[0] != "K") return {};
  for (char c : text) {
    if (isDigit(c)) return {};
  }
  return std::string(text) + " appears to be an ICAO code";
}

}  // namespace survey
