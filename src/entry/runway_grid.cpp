#include <algorithm>

#include "entry/hub_grids.h"
#include "store/schema/runway_fields.h"

namespace survey {

// Each runway as the identifiers of its two ends, "09 / 27".
void fillRunwayGrid(Program& program, Grid& grid) {
  const SurveyStore& store = program.store;
  const Table& runways = store.runways();
  const auto rows = store.childRows(TableKind::Runway, program.current().surveyKey);
  Grid::Batch batch(grid);
  grid.setRows(std::max(100, static_cast<int>(rows.size()) + 1));
  grid.setCell(0, 0, "Runway ID");
  int gridRow = 1;
  for (int row : rows) {
    grid.setCell(gridRow, 0,
                 runways.cell(row, runway::RwyIdDesignator) + " / " +
                     runways.cell(row, runway::OppositeDesignator));
    grid.setCell(gridRow, kRowNumberColumn, std::to_string(row));
    ++gridRow;
  }
  grid.setRows(gridRow);
}

}  // namespace survey
