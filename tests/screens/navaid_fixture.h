// A survey to hang navaids on, and the navaid screen opened as the airport
// screen's hub opens it.
#pragma once

#include <string>
#include <vector>

#include "entry/navaid_screen.h"
#include "support/program_fixture.h"

namespace survey::testing {

class NavaidTest : public ProgramTest {
 protected:
  static constexpr const char* kScreen = NavaidScreen::kName;

  NavaidTest() {
    program.current().storeLoaded = true;
    program.current().surveyType = "AOC";
    program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}, {5, "03/04/2005"}});
    program.current().surveyDate = "03/04/2005";
    program.current().latitudeHemisphere = "N";
    program.current().longitudeHemisphere = "W";
  }

  // The hub's "New".
  void openNew() {
    program.screens.discard(kScreen);  // every opening builds the screen anew
    program.current().navaidMode = "A";
    prepareScreen(program, kScreen, "LOAD");
    showScreen(program, kScreen);
    option("RadioDEF").setValue(true);
    control<Frame>(kScreen, "Frame1").setVisible(false);
  }
  // The hub's "Edit" of a navaid row.
  void openEdit(int row) {
    program.screens.discard(kScreen);
    program.current().navaidRow = static_cast<int16_t>(row);
    program.current().navaidMode = "E";
    showScreen(program, kScreen);
    screen().loadRecord();
  }
  // A navaid row of the survey, as the screen would have added it.
  int addNavaid(const FieldValues& values, const std::string& key = "ABC") {
    const int row = addChild(TableKind::Navaid, values, key);
    program.store.updateRow(TableKind::Navaid, row, {{19, numberCell(row)}});
    return row;
  }

  NavaidScreen& screen() { return program.screens.touch<NavaidScreen>(); }
  ListBox& list(const std::string& name) { return control<ListBox>(kScreen, name); }
  OptionButton& option(const std::string& name) { return control<OptionButton>(kScreen, name); }
  TextBox& box(const std::string& name) { return control<TextBox>(kScreen, name); }
  std::string caption(const std::string& name) { return screen().get<Label>(name).caption(); }
  bool visible(const std::string& name) { return screen().find(name)->visible(); }

  void choose(const std::string& listName, const std::string& item) {
    chooseItem(kScreen, listName, item);
  }
  CellText stored(int row, int field) { return program.store.navaids().cell(row, field); }
  bool told(const std::string& text) const {
    for (const auto& shownText : dialogs.texts()) {
      if (shownText == text) return true;
    }
    return false;
  }
};

}  // namespace survey::testing
