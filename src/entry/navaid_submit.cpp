#include <optional>

#include "entry/airport_screen.h"
#include "entry/navaid_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"

namespace survey {

namespace {
// Fields written from the box of the same number.
constexpr int kBoxFields[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                              14, 18, 20, 21, 22, 23, 24, 25, 26, 27};

std::string boxName(int field) {
  return "Text" + std::to_string(field) + "G";
}

// The first item whose text is exactly the given text.
std::optional<int> itemIndex(const ListBox& list, const std::string& text) {
  for (int index = 0; index < list.count(); ++index) {
    if (list.item(index) == text) return index;
  }
  return std::nullopt;
}

AirportScreen* existingAirportScreen(Program& program) {
  return dynamic_cast<AirportScreen*>(program.screens.existing(screen::kAirport));
}
}  // namespace

std::string NavaidScreen::chosenType() const {
  std::string type = get<ListBox>("ListElectronic").chosenText();
  if (type.empty()) type = get<ListBox>("ListVisual").chosenText();
  if (type.empty()) type = get<TextBox>("Text15G").text();
  return type;
}

std::string NavaidScreen::chosenAnswer() const {
  if (get<OptionButton>("RadioCLPT").value()) return "CLPT";
  if (get<OptionButton>("RadioPP").value()) return "PP";
  return "NAVAID";
}

FieldValues NavaidScreen::screenValues() const {
  FieldValues values;
  for (int field : kBoxFields) values.emplace_back(field, get<TextBox>(boxName(field)).text());
  values.emplace_back(11, chosenAnswer());
  values.emplace_back(13, get<ListBox>("ListLR").chosenText());
  values.emplace_back(15, chosenType());
  return values;
}

bool NavaidScreen::submitNavaid() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return false;
  SurveyStore& store = program.store;
  const CurrentSurvey& current = program.current();
  if (current.navaidMode == "A") {
    if (program.refuseWithoutSurvey()) return false;
    const AppendResult added = store.appendChild(TableKind::Navaid, screenValues());
    if (!added) {
      program.tell(added.error);
      return false;
    }
    store.updateRow(TableKind::Navaid, added.row, {{19, numberCell(added.row)}});
    program.tell("Navaid Information Successfully Added");
  } else if (current.navaidMode == "E") {
    const int row = current.navaidRow;
    if (row < 1 || row > store.navaids().count()) {
      program.tell(
          "The navaid to change could not be found, so nothing was saved. Choose it again in the "
          "airport screen's navaid list and press \"Edit\".");
      return false;
    }
    store.updateRow(TableKind::Navaid, row, screenValues());
    program.tell("Navaid Information Successfully Changed");
  }
  get<CommandButton>("Command5").setEnabled(false);
  get<CommandButton>("Command6").setEnabled(false);
  if (AirportScreen* airport = existingAirportScreen(program)) airport->updateHubButtons();
  return true;
}

void NavaidScreen::save() {
  Program& program = this->program();
  if (!submitNavaid()) return;
  prepareScreen(program, screen::kAirport, "TAB");
  // This screen is gone from here on: only the program is used.
  showScreen(program, screen::kAirport);
  fillHubNavaidGrid(program);
}

void NavaidScreen::cancel() {
  Program& program = this->program();
  // This screen is gone from here on: only the program is used.
  showScreen(program, screen::kAirport);
  if (AirportScreen* airport = existingAirportScreen(program)) airport->loadAirportScreen();
}

void NavaidScreen::loadRecord() {
  Program& program = this->program();
  const SurveyStore& store = program.store;
  const Table& navaids = store.navaids();
  const int row = program.current().navaidRow;

  const int surveyRow = store.findSurveyRow(program.current().surveyKey);
  const bool locked = store.airports().cell(surveyRow, 41) == "CERTIFIED2";
  get<CommandButton>("Command5").setEnabled(!locked);
  get<CommandButton>("Command6").setEnabled(!locked);

  if (navaids.count() >= 1) {
    for (int field = 1; field <= 27; ++field) loadField(navaids, row, field);
    const std::string& answer = navaids.cell(row, 11);
    const char* option = answer == "PP" ? "RadioPP" : answer == "CLPT" ? "RadioCLPT" : "RadioDEF";
    get<OptionButton>(option).setValue(true);
  }
  get<TextBox>("Text18G").setText(navaids.cell(row, 18));
}

void NavaidScreen::loadField(const Table& navaids, int row, int field) {
  const std::string value = navaids.cell(row, field);
  if (field == 13) {
    auto& sides = get<ListBox>("ListLR");
    if (const auto index = itemIndex(sides, value)) sides.choose(index);
    return;
  }
  if (field == 15) {
    // The type's list chooses it, as the user would; a type in neither list was typed.
    for (const char* name : {"ListElectronic", "ListVisual"}) {
      auto& list = get<ListBox>(name);
      if (const auto index = itemIndex(list, value)) {
        list.choose(index);
        return;
      }
    }
    get<TextBox>("Text15G").setText(value);
    return;
  }
  if (auto* box = dynamic_cast<TextBox*>(find(boxName(field)))) box->setText(value);
}

}  // namespace survey
