#include <algorithm>

#include "entry/hub_grids.h"
#include "entry/navaid_screen.h"
#include "shell/screen_names.h"

namespace survey {

void fillNavaidGrid(Program& program, Grid& grid) {
  const SurveyStore& store = program.store;
  const Table& navaids = store.navaids();
  const std::vector<int> rows = store.childRows(TableKind::Navaid, program.current().surveyKey);
  Grid::Batch batch(grid);
  // Room for every navaid of the survey, however many there are.
  grid.setRows(std::max(100, static_cast<int>(rows.size()) + 1));
  grid.setCell(0, 0, "Navaid Description");
  int line = 1;
  for (int row : rows) {
    std::string description = navaids.cell(row, navaid::Type);
    const std::string& runway = navaids.cell(row, navaid::Runway);
    if (!runway.empty()) description += " (Rwy " + runway + ")";
    const std::string& answer = navaids.cell(row, navaid::AssociatedPoint);
    if (answer == "CLPT" || answer == "PP") description += " " + answer;
    grid.setCell(line, 0, std::move(description));
    grid.setCell(line, kRowNumberColumn, std::to_string(row));
    ++line;
  }
  grid.setRows(line);
}

void fillHubNavaidGrid(Program& program) {
  Screen* airport = program.screens.existing(screen::kAirport);
  if (!airport) return;
  if (auto* grid = dynamic_cast<Grid*>(airport->find("GridGS"))) fillNavaidGrid(program, *grid);
}

}  // namespace survey
