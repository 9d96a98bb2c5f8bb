// The airport screen's three hub grids, filled from the current survey's rows.
// Column 6 of each data row holds the table row number of the record shown.
#pragma once

#include "shell/controls.h"
#include "shell/program.h"

namespace survey {

inline constexpr int kHubGridColumns = 7;
inline constexpr int kRowNumberColumn = 6;

void fillRunwayGrid(Program& program, Grid& grid);
void fillNavaidGrid(Program& program, Grid& grid);
void fillObstructionGrid(Program& program, Grid& grid);

}  // namespace survey
