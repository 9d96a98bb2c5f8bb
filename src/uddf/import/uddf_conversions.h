// Turning the exchange file's dates, coordinates and codes back into the texts
// the entry screens store.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/schema/field_views.h"

namespace survey::uddf {

// A day-of-year date DDDYYYY as "mm/d/yyyy" (month with two digits, day without
// leading zero; February always has 28 days). A day of year outside 1..365
// gives "//yyyy". Nothing (nullopt) when the item is not seven digits.
std::optional<std::string> convertUddfDate(std::string_view item);

// The same, for storing: an unreadable date is stored empty.
std::string uddfDateOrEmpty(std::string_view item);

// Degrees, minutes and seconds texts of one coordinate.
struct DmsText {
  std::string degrees;
  std::string minutes;
  std::string seconds;
};

// Cuts a coordinate item into its three texts; the sign is dropped. Nothing
// when the item holds nothing but blanks and minus signs. A longitude that
// begins with "0" or "1" has three degree digits unless its whole part (the
// digits before the decimal point) is as short as a two-degree-digit one,
// which is how the export writes 10 to 19 degrees.
std::optional<DmsText> convertCoordinate(std::string_view item, CoordinateAxis kind);

// Surface letter to runway field 7's text; empty for any other code.
std::string surfaceText(std::string_view code);
// Blast pad code to runway fields 3 and 28's text; empty for any other code.
std::string blastPadText(std::string_view code);

// The obstruction identification surface item whose code (text before its
// first ":") equals the code; empty when none does.
std::string surfaceItemForCode(std::string_view code);
// The horizontal / vertical accuracy item that begins with the character.
std::string horizontalAccuracyText(std::string_view character);
std::string verticalAccuracyText(std::string_view character);

// The navaid type lists of the navaid screen, the empty first item included.
std::span<const std::string_view> electronicNavaidTypes();
std::span<const std::string_view> visualNavaidTypes();
std::span<const std::string_view> surfaceItems();
// The code of a list item: its text up to the first blank.
std::string_view navaidTypeCode(std::string_view item);
// The last item of the list whose code equals the code; nothing when none does.
std::optional<std::string> navaidTypeForCode(std::span<const std::string_view> list,
                                             std::string_view code);

}  // namespace survey::uddf
