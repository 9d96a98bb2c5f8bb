// A survey with runways, and the runway screen opened as the airport screen's hub opens it.
#pragma once

#include <map>
#include <string>

#include "entry/runway_pp_screen.h"
#include "entry/runway_screen.h"
#include "support/program_fixture.h"

namespace survey::testing {

class RunwayTest : public ProgramTest {
 protected:
  static constexpr const char* kRunway = RunwayScreen::kName;
  static constexpr const char* kPoints = RunwayPPScreen::kName;

  RunwayTest() {
    program.current().storeLoaded = true;
    addSurvey("ABC", "Abc Field");
  }

  // Adds a survey and makes it the current one.
  int addSurvey(const std::string& key, const std::string& name,
                const std::string& status = "NEW") {
    const int row = program.store.appendAirport({{1, name}, {3, key}}).row;
    program.store.airports().setCell(row, 41, status);
    CurrentSurvey& current = program.current();
    current.surveyDate = "05/06/2024";
    current.latitudeHemisphere = "N";
    current.longitudeHemisphere = "W";
    return row;
  }
  // A runway row of the given survey, written straight into the table.
  int addRunway(const std::string& key, const std::string& id, const std::string& opposite,
                bool deleted = false, const std::string& length = "") {
    Table& runways = program.store.runways();
    const int row = *runways.appendRow();
    runways.setCell(row, 2, id);
    runways.setCell(row, 27, opposite);
    runways.setCell(row, 5, length);
    runways.setCell(row, 49, key);
    if (deleted) runways.setCell(row, 50, "D");
    return row;
  }
  CellText cell(int row, int field) const { return program.store.runways().cell(row, field); }

  // The hub's "New".
  void openNew() {
    program.current().runwayMode = "A";
    prepareScreen(program, kRunway, "LOAD");
    showScreen(program, kRunway);
  }
  // The hub's "Edit" of a runway row.
  void openEdit(int row) {
    program.current().runwayMode = "E";
    box("Text2R").setLocked(true);
    box("Text27R").setLocked(true);
    program.current().runwayRow = static_cast<int16_t>(row);
    showScreen(program, kRunway);
    runwayScreen().loadRecord();
  }
  RunwayScreen& runwayScreen() { return program.screens.touch<RunwayScreen>(); }
  TextBox& box(const std::string& name) { return control<TextBox>(kRunway, name); }
  ListBox& list(const std::string& name) { return control<ListBox>(kRunway, name); }
  CommandButton& button(const std::string& name) { return control<CommandButton>(kRunway, name); }
  void typeDesignators(const std::string& id, const std::string& opposite) {
    type(kRunway, "Text2R", id);
    type(kRunway, "Text27R", opposite);
  }

  // The profile point screen of a runway end, opened through the runway screen's button.
  void openPoints(int row, const char* command = "Command1") {
    openEdit(row);
    click(kRunway, command);
  }
  void addPoint(const std::string& distance, const std::string& orth = "",
                const std::string& ellip = "") {
    type(kPoints, "Text1PP", distance);
    type(kPoints, "Text2PP", orth);
    type(kPoints, "Text3PP", ellip);
    click(kPoints, "CommandAddRWY");
  }
  Grid& pointGrid() { return control<Grid>(kPoints, "GridPP"); }
};

}  // namespace survey::testing
