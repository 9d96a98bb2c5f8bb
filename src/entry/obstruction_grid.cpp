#include <string>

#include "entry/hub_grids.h"
#include "entry/obstruction_screen.h"
#include "shell/screen_names.h"

namespace survey {

// The airport screen's list of the current survey's obstructions: what each
// one is, its runway and latitude (TREE (17) 40-38-12.25), and its table row.
// The grid holds every listed obstruction, however many the survey has.
void fillObstructionGrid(Program& program, Grid& grid) {
  const SurveyStore& store = program.store;
  const Table& obstructions = store.obstructions();
  const std::vector<int> rows =
      store.childRows(TableKind::Obstruction, program.current().surveyKey);

  Grid::Batch batch(grid);
  grid.setHiddenColumn(kRowNumberColumn);
  grid.setRows(static_cast<int>(rows.size()) + 1);
  grid.setCell(0, 0, "Obstruction Type");
  grid.setCell(0, 1, "Rwy");
  std::string text;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int row = rows[k];
    const int gridRow = static_cast<int>(k) + 1;
    const std::string& runway = obstructions.cell(row, obstruction::RwyId);
    text.clear();
    text.append(obstructions.cell(row, obstruction::Object))
        .append(" (")
        .append(runway)
        .append(") ")
        .append(obstructions.cell(row, obstruction::LatitudeDegrees))
        .append("-")
        .append(obstructions.cell(row, obstruction::LatitudeMinutes))
        .append("-")
        .append(obstructions.cell(row, obstruction::LatitudeSeconds));
    grid.setCell(gridRow, 0, text);
    grid.setCell(gridRow, 1, runway);
    grid.setCell(gridRow, kRowNumberColumn, std::to_string(row));
  }
}

void refreshObstructionGrid(Program& program) {
  Screen* airport = program.screens.existing(screen::kAirport);
  if (airport == nullptr) return;
  if (auto* grid = dynamic_cast<Grid*>(airport->find("GridObstruction"))) {
    fillObstructionGrid(program, *grid);
  }
}

void showAddedObstructions(Program& program) {
  refreshObstructionGrid(program);
  Screen* airport = program.screens.existing(screen::kAirport);
  if (airport == nullptr) return;
  for (const char* name : {"CommandAddObs", "CommandEditObs", "CommandDelObs"}) {
    if (auto* command = dynamic_cast<CommandButton*>(airport->find(name))) {
      command->setEnabled(true);
    }
  }
}

}  // namespace survey
