#include "map/geo_position.h"

#include "store/number_text.h"
#include "store/text_trim.h"

namespace survey::map {

namespace {

// Degrees + minutes / 60 + seconds / 3600 after checking each part; sets problem otherwise.
std::optional<double> unsignedDegrees(const DmsTexts& texts, std::string_view axis,
                                      double maxDegrees, std::string& problem) {
  const std::pair<std::string_view, std::string_view> parts[] = {
      {texts.degrees, "degrees"}, {texts.minutes, "minutes"}, {texts.seconds, "seconds"}};
  double values[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto& [text, name] = parts[i];
    if (trimSpaces(text).empty()) {
      problem = std::string(axis) + " " + std::string(name) + " not entered";
      return std::nullopt;
    }
    const auto value = plainDecimalValue(text);
    if (!value || *value < 0) {
      problem = std::string(axis) + " " + std::string(name) + " \"" + std::string(text) +
                "\" is not a number of " + std::string(name);
      return std::nullopt;
    }
    values[i] = *value;
  }
  if (values[1] >= 60 || values[2] >= 60) {
    problem = std::string(axis) + " minutes and seconds must be below 60";
    return std::nullopt;
  }
  const double degrees = values[0] + values[1] / 60 + values[2] / 3600;
  if (degrees > maxDegrees) {
    problem =
        std::string(axis) + " beyond " + std::to_string(static_cast<int>(maxDegrees)) + " degrees";
    return std::nullopt;
  }
  return degrees;
}

}  // namespace

Placement placePosition(const DmsTexts& latitude, const DmsTexts& longitude,
                        const Hemispheres& hemispheres) {
  Placement placement;
  if (latitude.empty() && longitude.empty()) {
    placement.problem = "no position entered";
    return placement;
  }
  const auto lat = unsignedDegrees(latitude, "latitude", 90, placement.problem);
  if (!lat) return placement;
  const auto lon = unsignedDegrees(longitude, "longitude", 180, placement.problem);
  if (!lon) return placement;
  placement.at = GeoPosition{hemispheres.south ? -*lat : *lat, hemispheres.west ? -*lon : *lon};
  return placement;
}

std::string dmsText(const DmsTexts& texts, char hemisphere) {
  return std::string(trimSpaces(texts.degrees)) + "\u00b0" +
         std::string(trimSpaces(texts.minutes)) + "'" + std::string(trimSpaces(texts.seconds)) +
         "\" " + hemisphere;
}

}  // namespace survey::map
