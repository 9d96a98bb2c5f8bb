#include "entry/open_record.h"

#include <algorithm>

#include "entry/runway_screen.h"
#include "shell/hub.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/record_screen.h"
#include "shell/screen_names.h"

namespace survey {

bool openRecordScreen(Program& program, TableKind table, int row) {
  CurrentSurvey& current = program.current();
  const int surveyRow = program.store.findSurveyRow(current.surveyKey);
  if (surveyRow == 0) return false;
  if (table != TableKind::Airport) {
    const auto rows = program.store.childRows(table, current.surveyKey);
    if (std::find(rows.begin(), rows.end(), row) == rows.end()) return false;
  }
  auto* hub = dynamic_cast<HubScreen*>(&program.screens.touch(screen::kAirport));
  if (!hub) return false;
  hub->editCurrentSurvey(surveyRow);
  if (table == TableKind::Airport) return true;

  const char* target = screen::kObstruction;
  if (table == TableKind::Runway) {
    current.runwayMode = RecordMode::Edit;
    current.runwayRow = static_cast<int16_t>(row);
    target = screen::kRunway;
    // The ends' identifiers name the runway; they stay as they are in an edit.
    Screen& runway = program.screens.touch(target);
    lockRunwayDesignators(runway);
  } else if (table == TableKind::Navaid) {
    current.navaidMode = RecordMode::Edit;
    current.navaidRow = static_cast<int16_t>(row);
    target = screen::kNavaid;
  } else {
    current.obstructionMode = RecordMode::Edit;
    current.obstructionRow = static_cast<int16_t>(row);
  }
  Screen& shown = showScreen(program, target);
  if (auto* record = dynamic_cast<RecordScreen*>(&shown)) record->loadRecord();
  return true;
}

}  // namespace survey
