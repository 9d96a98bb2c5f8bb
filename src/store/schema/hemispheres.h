// The survey's hemispheres: one pair for every position of the survey. The tables hold
// degrees, minutes and seconds without sign; the airport row says where they lie.
#pragma once

#include "store/schema/airport_fields.h"
#include "store/table.h"

namespace survey {

struct Hemispheres {
  bool south = false;
  bool west = false;

  char latitudeLetter() const { return south ? 'S' : 'N'; }
  char longitudeLetter() const { return west ? 'W' : 'E'; }
};

// The hemispheres the airport row `row` holds: "True" is north or east, anything else
// (an empty field too) south or west.
inline Hemispheres hemispheresOf(const Table& airports, int row) {
  return {airports.cell(row, airport::LatitudeNorth) != "True",
          airports.cell(row, airport::LongitudeEast) != "True"};
}

}  // namespace survey
