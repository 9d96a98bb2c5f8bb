#include "uddf/export/formatting.h"

#include <array>
#include <charconv>
#include <cmath>

#include "store/number_text.h"
#include "store/text_encoding.h"
#include "store/text_trim.h"

namespace survey::uddf {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Days of the year before each month; no leap day.
int monthOffset(std::string_view month) {
  static constexpr std::array<std::string_view, 12> kMonths{"01", "02", "03", "04", "05", "06",
                                                            "07", "08", "09", "10", "11", "12"};
  static constexpr std::array<int, 12> kOffsets{0,   31,  59,  90,  120, 151,
                                                181, 212, 243, 273, 304, 334};
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    if (kMonths[i] == month) return kOffsets[i];
  }
  return 0;
}

// The leading digits of a text taken as a number, 0 when it has none.
long dayNumber(std::string_view text) {
  text = trimBlanks(text);
  long value = 0;
  for (char c : text) {
    if (!isDigit(c) || value > 100000000) break;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Seconds with at least two whole digits and exactly `decimals` decimals, rounded on the
// decimal text itself (halves away from zero). A text that is not a number is kept.
std::string formatSeconds(std::string_view text, int decimals) {
  const std::string_view t = trimBlanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  std::string whole;
  std::string fraction;
  bool point = false;
  bool anyDigit = false;
  for (; i < t.size(); ++i) {
    if (isDigit(t[i])) {
      (point ? fraction : whole) += t[i];
      anyDigit = true;
    } else if (t[i] == '.' && !point) {
      point = true;
    } else {
      return std::string(text);
    }
  }
  if (!anyDigit) return std::string(text);

  const auto kept = static_cast<std::size_t>(decimals);
  const bool roundUp = fraction.size() > kept && fraction[kept] >= '5';
  fraction.resize(kept, '0');
  if (roundUp) {
    std::string digits = whole + fraction;
    std::size_t k = digits.size();
    while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
    if (k == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[k - 1];
    }
    whole = digits.substr(0, digits.size() - kept);
    fraction = digits.substr(digits.size() - kept);
  }
  const std::size_t firstNonZero = whole.find_first_not_of('0');
  whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
  if (whole.empty() && fraction.find_first_not_of('0') == std::string::npos) negative = false;
  while (whole.size() < 2) whole.insert(whole.begin(), '0');

  std::string out = negative ? "-" : "";
  out += whole;
  if (kept > 0) out += "." + fraction;
  return out;
}

std::string withLeadingZeros(std::string_view text, std::size_t zeros) {
  return std::string(zeros, '0') + std::string(text);
}

}  // namespace

int secondsDecimals(TableKind kind) {
  switch (kind) {
    case TableKind::Airport:
      return 1;
    case TableKind::Obstruction:
      return 2;
    case TableKind::Runway:
    case TableKind::Navaid:
      return 4;
  }
  return 4;
}

std::string formatUddfDate(std::string_view date) {
  if (date.empty()) return {};
  const std::size_t first = date.find('/');
  if (first == std::string_view::npos) return {};
  const std::size_t second = date.find('/', first + 1);
  if (second == std::string_view::npos || date.find('/', second + 1) != std::string_view::npos) {
    return {};
  }
  const std::string_view month = date.substr(0, first);
  const std::string_view day = date.substr(first + 1, second - first - 1);
  const std::string_view year = date.substr(second + 1);

  const long dayOfYear = monthOffset(month) + dayNumber(day);
  std::string out = dayOfYear < 10 ? "00" : dayOfYear < 100 ? "0" : "";
  out += std::to_string(dayOfYear);
  out += year;
  return out;
}

std::string formatCoordinate(std::string_view degrees, std::string_view minutes,
                             std::string_view seconds, CoordinateAxis coordinate, TableKind record,
                             const Hemispheres& hemispheres) {
  std::string deg(degrees);
  if (utf8Length(degrees) == 1) {
    deg = withLeadingZeros(degrees, coordinate == CoordinateAxis::Latitude ? 1 : 2);
  }
  std::string min(minutes);
  if (utf8Length(minutes) == 1) min = withLeadingZeros(minutes, 1);
  std::string sec(seconds);
  if (utf8Length(seconds) == 1) sec = withLeadingZeros(seconds, 1);
  if (!sec.empty()) sec = formatSeconds(sec, secondsDecimals(record));

  const bool negative =
      coordinate == CoordinateAxis::Latitude ? hemispheres.south : hemispheres.west;
  if (negative) {
    if (deg.empty()) return {};
    return "-" + deg + min + sec;
  }
  return deg + min + sec;
}

std::string fillDecimals(std::string_view text, int decimals) {
  if (text.empty()) return {};
  std::string out(text);
  const std::size_t point = text.find('.');
  const std::size_t have = point == std::string_view::npos ? 0 : utf8Length(text.substr(point + 1));
  if (point == std::string_view::npos) out += '.';
  for (auto i = static_cast<long>(have); i < decimals; ++i) out += '0';
  return out;
}

std::string shortestDecimal(double value) {
  if (value == 0) return "0";
  return significantText(value, 15);
}

}  // namespace survey::uddf
