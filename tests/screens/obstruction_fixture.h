// A survey to put obstructions in, and the obstruction screen opened the way
// the airport screen's hub opens it.
#pragma once

#include <string>

#include "entry/obstruction_screen.h"
#include "shell/screen_names.h"
#include "support/program_fixture.h"

namespace survey::testing {

class ObstructionTest : public ProgramTest {
 protected:
  // Adds a survey and makes it the current one, as choosing it on the list does.
  void addSurvey(const std::string& key = "ABC", const std::string& name = "Abc Field",
                 const std::string& status = "NEW") {
    const auto added = program.store.appendAirport({{1, name}, {3, key}});
    program.store.airports().setCell(added.row, 41, status);
    CurrentSurvey& current = program.current();
    current.storeLoaded = true;
    current.latitudeHemisphere = "N";
    current.longitudeHemisphere = "W";
    current.surveyDate = "05/06/2007";
    if (current.surveyType.empty()) current.surveyType = "AOC";
  }

  int addObstruction(const std::string& key, FieldValues values) {
    return addChild(TableKind::Obstruction, values, key);
  }

  Screen& openNew() {
    program.current().obstructionMode = "A";
    prepareScreen(program, screen::kObstruction, "LOAD");
    return showScreen(program, screen::kObstruction);
  }

  Screen& openEdit(int row) {
    program.current().obstructionMode = "E";
    program.current().obstructionRow = static_cast<int16_t>(row);
    Screen& screen = showScreen(program, screen::kObstruction);
    dynamic_cast<RecordScreen&>(screen).loadRecord();
    return screen;
  }

  TextBox& box(const std::string& name) { return control<TextBox>(screen::kObstruction, name); }
  ListBox& list(const std::string& name) { return control<ListBox>(screen::kObstruction, name); }

  void choose(const std::string& listName, const std::string& text) {
    chooseItem(screen::kObstruction, listName, text);
  }

  void save() { click(screen::kObstruction, "CommandSubmitOBS"); }
  CellText cell(int row, int field) { return program.store.obstructions().cell(row, field); }
};

}  // namespace survey::testing
