// Angles as the tables hold them, unsigned degree, minute and second texts (the
// survey's hemispheres give the sign), turned into decimal degrees, and decimal
// degrees written back as degrees, minutes and seconds. Numbers are read and
// written the same whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace survey {

struct DmsTexts {
  std::string_view degrees, minutes, seconds;
  bool empty() const { return degrees.empty() && minutes.empty() && seconds.empty(); }
};

// Degrees + (minutes * 60 + seconds) / 3600, where a part that is not a number counts
// as 0 and a sign is taken as written; no range. The exchange file's distances are
// computed from whatever was typed.
double lenientDegrees(const DmsTexts& texts);

// Degrees + minutes / 60 + seconds / 3600 when every part is a number (blanks and tabs
// around, an exponent allowed) that is not negative and the sum is at most maxDegrees;
// nothing otherwise. Minutes or seconds of 60 and more are added as they are.
std::optional<double> nonNegativeDegrees(const DmsTexts& texts, double maxDegrees);

// Either the degrees or why there are none ("latitude minutes \"7x\" is not a number of
// minutes"), `axis` naming the coordinate in the problem.
struct DegreesReading {
  std::optional<double> degrees;
  std::string problem;
};

// Degrees + minutes / 60 + seconds / 3600 when each part is entered and is a plain
// non-negative number (spaces around, no exponent), minutes and seconds are below 60 and
// the sum is at most maxDegrees.
DegreesReading checkedDegrees(const DmsTexts& texts, std::string_view axis, double maxDegrees);

// A dddmmss azimuth ("0901530") in degrees; nothing when it is not one to seven digits,
// or its degrees reach 360 or its minutes or seconds 60.
std::optional<double> dddmmssDegrees(std::string_view text);

// 123°45'06.7": degrees taken into 0 to 360, rounded to a tenth of a second.
std::string degreesText(double degrees);

// 37°14'43.2" N, from the texts as the surveyor typed them (spaces cut).
std::string dmsText(const DmsTexts& texts, char hemisphere);

}  // namespace survey
