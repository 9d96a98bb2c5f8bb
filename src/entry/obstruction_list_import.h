// The developer's bulk import of obstructions from a comma-separated list,
// bound to the airport screen's never-visible "From List" button.
#pragma once

#include "shell/program.h"

namespace survey {

// The list file, in the program's directory. Each line holds the object, the
// latitude as DDMMSS.SS, the longitude as DDDMMSS.SS and the top elevation in
// feet, separated by commas; further items are ignored.
inline constexpr const char* kObstructionListFile = "obstruction_list.csv";

// Appends every readable line of the list to the current survey's obstructions,
// refreshes the airport screen's obstruction grid and tells what was imported.
void importObstructionList(Program& program);

}  // namespace survey
