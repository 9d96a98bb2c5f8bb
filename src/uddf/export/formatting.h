// The texts of an exchange file: day-of-year dates, coordinates written as one
// run of digits, and numbers filled to a minimum of decimals.
#pragma once

#include <string>
#include <string_view>

#include "store/schema/field_views.h"
#include "store/schema/hemispheres.h"
#include "store/table.h"

namespace survey::uddf {

// The table of the record a coordinate belongs to fixes the decimals of its seconds:
// airport reference point 1, obstructions 2, runway ends and navaids 4.
int secondsDecimals(TableKind kind);

// "mm/dd/yyyy" to DDDYYYY on a 365-day year ("03/05/2004" gives "0642004").
// An empty text, or one that is not three parts separated by "/", gives an empty text.
std::string formatUddfDate(std::string_view date);

// Degrees, minutes and seconds texts to one coordinate text ("-1181530.2").
// The survey's hemispheres hold for every coordinate of the file.
std::string formatCoordinate(std::string_view degrees, std::string_view minutes,
                             std::string_view seconds, CoordinateAxis coordinate, TableKind record,
                             const Hemispheres& hemispheres);

// Appends zeros (and a point when there is none) until at least `decimals` digits follow
// the first point; never removes a digit. An empty text stays empty.
std::string fillDecimals(std::string_view text, int decimals);

// A number in its shortest decimal form: 4700, 4700.5, -12.25.
std::string shortestDecimal(double value);

}  // namespace survey::uddf
