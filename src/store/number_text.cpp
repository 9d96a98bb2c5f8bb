#include "store/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

#include "store/text_trim.h"

namespace survey {

namespace {

std::string formatted(double value, std::chars_format format, int precision) {
  std::array<char, 400> buffer{};  // a fixed double has at most 309 digits before the point
  const auto [end, ec] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  if (ec != std::errc()) return {};
  return std::string(buffer.data(), end);
}

}  // namespace

std::string fixedText(double value, int decimals) {
  return formatted(value, std::chars_format::fixed, decimals);
}

std::string significantText(double value, int digits) {
  return formatted(value, std::chars_format::general, digits);
}

std::optional<double> decimalValue(std::string_view text) {
  text = trimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return std::nullopt;
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> plainDecimalValue(std::string_view text) {
  text = trimSpaces(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace survey
