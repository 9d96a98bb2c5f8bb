#include "survey/degrees.h"

#include <cctype>
#include <cmath>

#include "store/number_text.h"
#include "store/text_trim.h"

namespace survey {

double lenientDegrees(const DmsTexts& texts) {
  auto orZero = [](std::string_view text) { return decimalValue(text).value_or(0.0); };
  return orZero(texts.degrees) + (orZero(texts.minutes) * 60 + orZero(texts.seconds)) / 3600;
}

std::optional<double> nonNegativeDegrees(const DmsTexts& texts, double maxDegrees) {
  const std::pair<std::string_view, double> parts[] = {
      {texts.degrees, 1}, {texts.minutes, 60}, {texts.seconds, 3600}};
  double degrees = 0;
  for (const auto& [text, perDegree] : parts) {
    const std::optional<double> value = decimalValue(text);
    if (!value || *value < 0) return std::nullopt;
    degrees += *value / perDegree;
  }
  if (degrees > maxDegrees) return std::nullopt;
  return degrees;
}

DegreesReading checkedDegrees(const DmsTexts& texts, std::string_view axis, double maxDegrees) {
  const std::pair<std::string_view, std::string_view> parts[] = {
      {texts.degrees, "degrees"}, {texts.minutes, "minutes"}, {texts.seconds, "seconds"}};
  const std::string prefix = std::string(axis) + " ";
  double values[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto& [text, name] = parts[i];
    if (trimSpaces(text).empty())
      return {std::nullopt, prefix + std::string(name) + " not entered"};
    const auto value = plainDecimalValue(text);
    if (!value || *value < 0) {
      return {std::nullopt, prefix + std::string(name) + " \"" + std::string(text) +
                                "\" is not a number of " + std::string(name)};
    }
    values[i] = *value;
  }
  if (values[1] >= 60 || values[2] >= 60) {
    return {std::nullopt, prefix + "minutes and seconds must be below 60"};
  }
  const double degrees = values[0] + values[1] / 60 + values[2] / 3600;
  if (degrees > maxDegrees) {
    return {std::nullopt,
            prefix + "beyond " + std::to_string(static_cast<int>(maxDegrees)) + " degrees"};
  }
  return {degrees, {}};
}

std::optional<double> dddmmssDegrees(std::string_view text) {
  if (text.empty() || text.size() > 7) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  const long degrees = value / 10000, minutes = value / 100 % 100, seconds = value % 100;
  if (degrees >= 360 || minutes >= 60 || seconds >= 60) return std::nullopt;
  return degrees + minutes / 60.0 + seconds / 3600.0;
}

std::string degreesText(double degrees) {
  const double total = std::round(std::fmod(degrees + 360.0, 360.0) * 36000.0) / 10.0;  // seconds
  const int whole = static_cast<int>(total / 3600.0);
  const int minutes = static_cast<int>((total - whole * 3600.0) / 60.0);
  const double seconds = total - whole * 3600.0 - minutes * 60.0;
  auto padded = [](std::string digits, std::size_t width) {
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
  };
  return padded(std::to_string(whole), 3) + "\u00b0" + padded(std::to_string(minutes), 2) + "'" +
         padded(fixedText(seconds, 1), 4) + "\"";
}

std::string dmsText(const DmsTexts& texts, char hemisphere) {
  return std::string(trimSpaces(texts.degrees)) + "\u00b0" +
         std::string(trimSpaces(texts.minutes)) + "'" + std::string(trimSpaces(texts.seconds)) +
         "\" " + hemisphere;
}

}  // namespace survey
