// A survey to hang runways, navaids and obstructions on, and their screens
// opened the way the airport screen's hub opens them.
#pragma once

#include <algorithm>
#include <string>

#include "entry/navaid_screen.h"
#include "entry/obstruction_screen.h"
#include "entry/runway_pp_screen.h"
#include "entry/runway_screen.h"
#include "shell/screen_names.h"
#include "support/program_fixture.h"

namespace survey::testing {

// What the three record screens' fixtures share: the survey, and the boxes and
// lists of the screen each fixture opens.
class RecordTest : public ProgramTest {
 protected:
  RecordTest(const char* screen, const char* date, RecordMode CurrentSurvey::*mode,
             int16_t CurrentSurvey::*editedRow)
      : kScreen(screen), surveyDate(date), mode_(mode), editedRow_(editedRow) {}

  // Adds a survey and makes it the current one, as choosing it on the list
  // does.
  int addSurvey(const std::string& key = "ABC", const std::string& name = "Abc Field",
                const std::string& status = "NEW") {
    const int row = program.store.appendAirport({{1, name}, {3, key}}).row;
    program.store.airports().setCell(row, 41, status);
    CurrentSurvey& current = program.current();
    current.storeLoaded = true;
    current.surveyDate = surveyDate;
    current.latitudeHemisphere = "N";
    current.longitudeHemisphere = "W";
    return row;
  }

  // The hub's "New": the screen emptied for a new record.
  Screen& openNew() {
    program.current().*mode_ = RecordMode::Add;
    prepareScreen(program, kScreen, Preparation::Load);
    return showScreen(program, kScreen);
  }
  // The hub's "Edit" of a row.
  RecordScreen& openEdit(int row) {
    program.current().*mode_ = RecordMode::Edit;
    program.current().*editedRow_ = static_cast<int16_t>(row);
    auto& screen = dynamic_cast<RecordScreen&>(showScreen(program, kScreen));
    screen.loadRecord();
    return screen;
  }

  TextBox& box(const std::string& name) { return control<TextBox>(kScreen, name); }
  ListBox& list(const std::string& name) { return control<ListBox>(kScreen, name); }
  void choose(const std::string& listName, const std::string& item) {
    chooseItem(kScreen, listName, item);
  }

  const char* const kScreen;
  const char* const surveyDate;

 private:
  RecordMode CurrentSurvey::*mode_;
  int16_t CurrentSurvey::*editedRow_;
};

class NavaidTest : public RecordTest {
 protected:
  NavaidTest()
      : RecordTest(NavaidScreen::kName, "03/04/2005", &CurrentSurvey::navaidMode,
                   &CurrentSurvey::navaidRow) {
    program.current().surveyType = "AOC";
    program.store.airports().setCell(addSurvey("ABC", "Abc Field", ""), 5, surveyDate);
  }

  // Every opening builds the screen anew; "New" also sets the answer and hides the frame.
  void openNew() {
    program.screens.discard(kScreen);
    RecordTest::openNew();
    option("RadioDEF").setValue(true);
    control<Frame>(kScreen, "Frame1").setVisible(false);
  }
  void openEdit(int row) {
    program.screens.discard(kScreen);
    RecordTest::openEdit(row);
  }
  // A navaid row of the survey, as the screen would have added it.
  int addNavaid(const FieldValues& values, const std::string& key = "ABC") {
    const int row = addChild(TableKind::Navaid, values, key);
    program.store.updateRow(TableKind::Navaid, row, {{19, numberCell(row)}});
    return row;
  }

  NavaidScreen& screen() { return program.screens.touch<NavaidScreen>(); }
  OptionButton& option(const std::string& name) { return control<OptionButton>(kScreen, name); }
  std::string caption(const std::string& name) { return screen().get<Label>(name).caption(); }
  bool visible(const std::string& name) { return screen().find(name)->visible(); }
  CellText stored(int row, int field) { return program.store.navaids().cell(row, field); }
  bool told(const std::string& text) const {
    const auto texts = dialogs.texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

class ObstructionTest : public RecordTest {
 protected:
  ObstructionTest()
      : RecordTest(screen::kObstruction, "05/06/2007", &CurrentSurvey::obstructionMode,
                   &CurrentSurvey::obstructionRow) {}

  void addSurvey(const std::string& key = "ABC", const std::string& name = "Abc Field",
                 const std::string& status = "NEW") {
    RecordTest::addSurvey(key, name, status);
    if (program.current().surveyType.empty()) program.current().surveyType = "AOC";
  }
  int addObstruction(const std::string& key, FieldValues values) {
    return addChild(TableKind::Obstruction, values, key);
  }
  void save() { click(kScreen, "CommandSubmitOBS"); }
  CellText cell(int row, int field) { return program.store.obstructions().cell(row, field); }
};

class RunwayTest : public RecordTest {
 protected:
  static constexpr const char* kRunway = RunwayScreen::kName;
  static constexpr const char* kPoints = RunwayPPScreen::kName;

  RunwayTest()
      : RecordTest(kRunway, "05/06/2024", &CurrentSurvey::runwayMode, &CurrentSurvey::runwayRow) {
    addSurvey();
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

  // The hub locks the designators of a runway it opens for "Edit".
  void openEdit(int row) {
    program.current().runwayMode = RecordMode::Edit;
    box("Text2R").setLocked(true);
    box("Text27R").setLocked(true);
    RecordTest::openEdit(row);
  }
  CommandButton& button(const std::string& name) { return control<CommandButton>(kRunway, name); }
  void typeDesignators(const std::string& id, const std::string& opposite) {
    type(kRunway, "Text2R", id);
    type(kRunway, "Text27R", opposite);
  }

  // The profile point screen of a runway end, opened through the runway
  // screen's button.
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
