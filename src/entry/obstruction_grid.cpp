#include "entry/hub_grids.h"

namespace survey {

// Placeholder until the obstruction screen lists its records: header row only.
void fillObstructionGrid(Program&, Grid& grid) { grid.setRows(1); }

}  // namespace survey
