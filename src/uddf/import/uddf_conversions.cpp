#include "uddf/import/uddf_conversions.h"

#include <array>

#include "uddf/import/uddf_text.h"

namespace survey::uddf {

namespace {

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

struct MonthStart {
  int firstDay;  // day of year of the month's first day
  const char* month;
};
constexpr std::array<MonthStart, 12> kMonths{{{1, "01"},
                                              {32, "02"},
                                              {60, "03"},
                                              {91, "04"},
                                              {121, "05"},
                                              {152, "06"},
                                              {182, "07"},
                                              {213, "08"},
                                              {244, "09"},
                                              {274, "10"},
                                              {305, "11"},
                                              {335, "12"}}};

constexpr std::array<std::string_view, 30> kElectronic{"",
                                                       "ARSR - Air Route Surveillance Radar",
                                                       "ASR - Airport Surveillance Radar",
                                                       "ATCBI",
                                                       "BCM - Back Course Marker",
                                                       "DME - Distance Measuring Equipment",
                                                       "FM - Fan Marker",
                                                       "GS - Glide Slope",
                                                       "IM - Inner Marker",
                                                       "LDA - Localizer Type Directional Aid",
                                                       "LFR - Low Frequency Radio Range",
                                                       "LMM - Locator Middle Marker",
                                                       "LOC - Localizer",
                                                       "LOM - Locator Outer Marker",
                                                       "LRR - Long Range Radar",
                                                       "MLSAZ - MLS Azimuth Guidance",
                                                       "MLSEL - MLS Elevation Guidance",
                                                       "MLSDME - DME Associated with MLS",
                                                       "MM - Middle Marker",
                                                       "NDB - Nondirectional Beacon",
                                                       "NDB/DME",
                                                       "OTHER - Other NAVAID",
                                                       "OM - Outer Marker",
                                                       "PAR - Precision Approach Radar",
                                                       "SDF - Simplified Directional Facility",
                                                       "TACAN - Tactical Air Navigation",
                                                       "TDR - GCA Touchdown Reflectors",
                                                       "VOR - VHF Omni Directional Range",
                                                       "VOR/DME",
                                                       "VORTAC - VOR + TACAN"};

constexpr std::array<std::string_view, 10> kVisual{
    "",
    "ALS - Approach Lights",
    "APBN - Airport Beacon",
    "PAPI - Precision Approach Path Indicator",
    "PLASI",
    "PVASI - Pulsating Visual Approach Slope Indicator",
    "REIL - Runway End Identifier Lights",
    "TRCV - Tri-color Visual Approach Slope Indicator",
    "TVASI",
    "VASI - Visual Approach Slope Indicator"};

constexpr std::array<std::string_view, 11> kSurfaces{
    "ANALPV: Area Nav Approach",
    "ANAPC: Area Nav Approach - Precision, conventional landing",
    "AV: FAR77 Visual Approach: Utility runway includes approach and primary surfaces only",
    "ANP: FAR77 Nonprecision Approach: Utility runway includes approach and primary surfaces "
    "only",
    "BV: FAR77 Visual Approach: Includes approach and primary surfaces only",
    "C: FAR77 Nonprecision Approach: Visibility minimums > 3/4 mile includes approach and primary "
    "surfaces only",
    "D: FAR77 Nonprecision Approach: Visibility minimums as low as 3/4 mile includes approach and "
    "primary surfaces only",
    "PIR: Precision Instrument Approach, includes approach and primary surfaces only",
    "SUPLC: C Approach underlying a BV Approach, includes approach and primary surfaces only",
    "HCT: FAR77 Horizontal, Conical, and Transistions includes FAR77 horizontal, conical, and "
    "transistion surfaces only",
    "NUL: OIS not applicable"};

constexpr std::array<std::string_view, 3> kHorizontalAccuracy{"1 (20')", "2 (50')", "3 (100')"};
constexpr std::array<std::string_view, 5> kVerticalAccuracy{"A (3')", "B (10')", "C (20')",
                                                            "D (50')", "E (Estimated max elv)"};

template <std::size_t N>
std::string itemBeginningWith(const std::array<std::string_view, N>& list,
                              std::string_view character) {
  if (character.empty()) return {};
  for (std::string_view item : list) {
    if (item.starts_with(character)) return std::string(item);
  }
  return {};
}

// Digits before the decimal point (the whole text when it has none).
std::size_t wholePartLength(std::string_view text) {
  const auto point = text.find('.');
  return characterCount(point == std::string_view::npos ? text : text.substr(0, point));
}

}  // namespace

std::optional<std::string> convertUddfDate(std::string_view item) {
  item = trimSpaces(item);
  if (item.size() != 7 || !allDigits(item)) return std::nullopt;
  const int dayOfYear = (item[0] - '0') * 100 + (item[1] - '0') * 10 + (item[2] - '0');
  const std::string_view year = item.substr(3);
  if (dayOfYear < 1 || dayOfYear > 365) return "//" + std::string(year);
  const MonthStart* month = &kMonths[0];
  for (const auto& m : kMonths) {
    if (dayOfYear >= m.firstDay) month = &m;
  }
  return std::string(month->month) + "/" + std::to_string(dayOfYear - month->firstDay + 1) + "/" +
         std::string(year);
}

std::string uddfDateOrEmpty(std::string_view item) {
  return convertUddfDate(item).value_or("");
}

std::optional<DmsText> convertCoordinate(std::string_view item, CoordinateAxis kind) {
  const std::string text = removeAll(trimSpaces(item), "-");
  if (text.empty()) return std::nullopt;
  std::size_t degreeDigits = 2;
  if (kind == CoordinateAxis::Longitude && (text[0] == '0' || text[0] == '1')) {
    degreeDigits = 3;
    // 10 to 19 degrees are written with two degree digits: DDMMSS or, without
    // seconds, DDMM before the decimal point.
    const std::size_t whole = wholePartLength(text);
    if (text[0] == '1' && (whole == 6 || whole == 4)) degreeDigits = 2;
  }
  DmsText dms;
  dms.degrees = std::string(characters(text, 1, degreeDigits));
  dms.minutes = std::string(characters(text, degreeDigits + 1, 2));
  dms.seconds = std::string(trimSpaces(characters(text, degreeDigits + 3, 8)));
  return dms;
}

std::string surfaceText(std::string_view code) {
  if (code == "P") return "P - Paved Hard Surface";
  if (code == "U") return "U - Unpaved Surface";
  if (code == "N") return "N - Not a specially prepared surface";
  return {};
}

std::string blastPadText(std::string_view code) {
  if (code == "N") return "No";
  if (code == "Y") return "Yes";
  if (code == "X") return "Not Verified";
  return {};
}

std::string surfaceItemForCode(std::string_view code) {
  for (std::string_view item : kSurfaces) {
    if (item.substr(0, item.find(':')) == code) return std::string(item);
  }
  return {};
}

std::string horizontalAccuracyText(std::string_view character) {
  return itemBeginningWith(kHorizontalAccuracy, character);
}

std::string verticalAccuracyText(std::string_view character) {
  return itemBeginningWith(kVerticalAccuracy, character);
}

std::span<const std::string_view> electronicNavaidTypes() {
  return kElectronic;
}
std::span<const std::string_view> visualNavaidTypes() {
  return kVisual;
}
std::span<const std::string_view> surfaceItems() {
  return kSurfaces;
}

std::string_view navaidTypeCode(std::string_view item) {
  return item.substr(0, item.find(' '));
}

std::optional<std::string> navaidTypeForCode(std::span<const std::string_view> list,
                                             std::string_view code) {
  std::optional<std::string> found;
  for (std::string_view item : list) {
    if (navaidTypeCode(item) == code) found = std::string(item);
  }
  return found;
}

}  // namespace survey::uddf
