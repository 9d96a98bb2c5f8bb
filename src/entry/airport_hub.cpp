// The airport screen as the hub of a survey: its runway, navaid and
// obstruction grids and their New, Edit and Delete commands.
#include <algorithm>
#include <charconv>

#include "entry/airport_screen.h"
#include "entry/hub_grids.h"
#include "entry/navaid_screen.h"
#include "entry/runway_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/record_screen.h"
#include "shell/screen_names.h"
#include "store/schema/airport_fields.h"

namespace survey {

namespace {

bool isOneOf(const std::string& text, std::initializer_list<const char*> values) {
  for (const char* value : values) {
    if (text == value) return true;
  }
  return false;
}

RecordMode& modeOf(CurrentSurvey& current, TableKind kind) {
  switch (kind) {
    case TableKind::Runway:
      return current.runwayMode;
    case TableKind::Navaid:
      return current.navaidMode;
    default:
      return current.obstructionMode;
  }
}

int16_t& rowOf(CurrentSurvey& current, TableKind kind) {
  switch (kind) {
    case TableKind::Runway:
      return current.runwayRow;
    case TableKind::Navaid:
      return current.navaidRow;
    default:
      return current.obstructionRow;
  }
}

}  // namespace

const std::vector<AirportScreen::HubPart>& AirportScreen::hubParts() {
  static const std::vector<HubPart> parts = {
      {TableKind::Runway, kRunwayGrid, kNewRunwayButton, kEditRunwayButton, kDeleteRunwayButton,
       screen::kRunway, "runway"},
      {TableKind::Navaid, kNavaidGrid, kNewNavaidButton, kEditNavaidButton, kDeleteNavaidButton,
       screen::kNavaid, "navaid"},
      {TableKind::Obstruction, kObstructionGrid, kNewObstructionButton, kEditObstructionButton,
       kDeleteObstructionButton, screen::kObstruction, "obstruction"}};
  return parts;
}

void AirportScreen::fillGrid(const HubPart& part) {
  auto& grid = get(part.grid);
  switch (part.table) {
    case TableKind::Runway:
      fillRunwayGrid(program(), grid);
      break;
    case TableKind::Navaid:
      fillNavaidGrid(program(), grid);
      break;
    default:
      fillObstructionGrid(program(), grid);
      break;
  }
}

void AirportScreen::refillHubGrids() {
  for (const auto& part : hubParts()) fillGrid(part);
}

void AirportScreen::updateHubButtons() {
  const std::string& type = program().current().surveyType;
  for (const auto& part : hubParts()) {
    bool listed = get(part.grid).rows() > 1;
    if (part.table == TableKind::Obstruction) {
      listed = listed && !isOneOf(type, {"RUNWAYEND", "RUNWAY", "NAVAID"});
    }
    get(part.edit).setEnabled(listed);
    get(part.remove).setEnabled(listed);
    if (!program().currentSurveyExists()) get(part.add).setEnabled(false);
  }
}

void AirportScreen::setHubCommandsBySurveyType() {
  const std::string& type = program().current().surveyType;
  for (const auto& part : hubParts()) {
    bool enabled = true;
    if (part.table == TableKind::Navaid) enabled = !isOneOf(type, {"RUNWAY", "RUNWAYEND"});
    if (part.table == TableKind::Obstruction) {
      enabled = !isOneOf(type, {"RUNWAY", "RUNWAYEND", "NAVAID"});
    }
    for (const auto name : {part.add, part.edit, part.remove}) {
      get(name).setEnabled(enabled);
    }
    // New records need a survey of the store to belong to.
    if (!program().currentSurveyExists()) get(part.add).setEnabled(false);
  }
}

void AirportScreen::editCurrentSurvey(int selectedListRow) {
  Program& program = this->program();
  CurrentSurvey& current = program.current();
  get<TextBox>(boxName(airport::Identifier)).setLocked(true);
  current.airportRow = static_cast<int16_t>(selectedListRow);
  current.airportMode = RecordMode::Edit;
  refillHubGrids();
  updateHubButtons();
  showScreen(program, kName);
  get(kStateList).setHeightTwips(300);
  loadAirportScreen();
}

// The table row of the record chosen in a hub grid (its hidden column), or 0
// after telling the user that no record is chosen.
int AirportScreen::selectedRecord(const HubPart& part) {
  const auto& grid = get(part.grid);
  const int gridRow = grid.selectedRow();
  const Table& table = program().store.table(part.table);
  int row = 0;
  if (gridRow > 0 && gridRow < grid.rows()) {
    const std::string& cell = grid.cell(gridRow, kRowNumberColumn);
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), row);
    if (error != std::errc() || end != cell.data() + cell.size()) row = 0;
  }
  if (row < 1 || row > table.count()) {
    const std::string noun(part.noun);
    const bool vowel =
        !noun.empty() && std::string_view("aeiou").find(noun[0]) != std::string_view::npos;
    program().tell(std::string("Please select ") + (vowel ? "an " : "a ") + noun +
                   " in the list first.");
    return 0;
  }
  return row;
}

void AirportScreen::newRecord(const HubPart& part) {
  Program& program = this->program();
  modeOf(program.current(), part.table) = RecordMode::Add;
  prepareScreen(program, part.screen, Preparation::Load);
  // This screen is discarded from here on: only the target is touched.
  Screen& target = showScreen(program, part.screen);
  if (part.table == TableKind::Navaid) {
    target.get(NavaidScreen::kNoPointOption).setValue(true);
    target.get(NavaidScreen::kDistanceCover).setVisible(false);
  }
}

void AirportScreen::editRecord(const HubPart& part) {
  const int row = selectedRecord(part);
  if (row == 0) return;
  // This screen is discarded from here on; the next one fills its grids anew.
  editChildRecord(program(), part.table, row);
}

Screen& editChildRecord(Program& program, TableKind table, int row) {
  const auto& parts = AirportScreen::hubParts();
  const auto part =
      std::find_if(parts.begin(), parts.end(), [table](const auto& p) { return p.table == table; });
  CurrentSurvey& current = program.current();
  modeOf(current, table) = RecordMode::Edit;
  rowOf(current, table) = static_cast<int16_t>(row);
  if (table == TableKind::Runway) {
    // The ends' identifiers name the runway; they stay as they are in an edit.
    Screen& runway = program.screens.touch(part->screen);
    lockRunwayDesignators(runway);
  }
  Screen& target = showScreen(program, part->screen);
  if (auto* record = dynamic_cast<RecordScreen*>(&target)) record->loadRecord();
  return target;
}

void AirportScreen::deleteRecord(const HubPart& part) {
  if (program().refuseWhenReadOnly()) return;
  const int row = selectedRecord(part);
  if (row == 0) return;
  rowOf(program().current(), part.table) = static_cast<int16_t>(row);
  program().store.markDeleted(part.table, row);
  fillGrid(part);
  get(part.grid).selectRow(0);
}

}  // namespace survey
