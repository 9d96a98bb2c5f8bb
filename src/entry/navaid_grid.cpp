#include "entry/hub_grids.h"

namespace survey {

// Placeholder until the navaid screen lists its records: header row only.
void fillNavaidGrid(Program&, Grid& grid) { grid.setRows(1); }

}  // namespace survey
