// Numbers as text, the same whatever the user's locale: the window runs in
// the desktop's locale, where printf and strtod would write and read a
// decimal comma into files, reports and messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace survey {

// "12.5" for fixedText(12.46, 1): printf's "%.*f", always with a point.
std::string fixedText(double value, int decimals);
// printf's "%.*g": at most `digits` significant digits, no trailing zeros.
std::string significantText(double value, int digits);
// A decimal number with a point ("-12.5", "+3", "1e3", blanks around allowed);
// nothing for anything else, an infinity or a value out of range.
std::optional<double> decimalValue(std::string_view text);
// A plain decimal number ("12.5", "+3", "-4", spaces around allowed, no exponent);
// nothing for anything else.
std::optional<double> plainDecimalValue(std::string_view text);

}  // namespace survey
