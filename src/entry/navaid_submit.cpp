#include <optional>

#include "entry/airport_screen.h"
#include "entry/navaid_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "store/schema/airport_fields.h"
#include "store/survey_status.h"

namespace survey {

namespace {
// Fields written from the box of the same number.
constexpr int kBoxFields[] = {navaid::Runway,
                              navaid::Identifier,
                              navaid::kPosition.latitude.degrees,
                              navaid::kPosition.latitude.minutes,
                              navaid::kPosition.latitude.seconds,
                              navaid::kPosition.longitude.degrees,
                              navaid::kPosition.longitude.minutes,
                              navaid::kPosition.longitude.seconds,
                              navaid::kElevation.orthometric,
                              navaid::kElevation.ellipsoidal,
                              navaid::Distance,
                              navaid::SurveyDate,
                              navaid::kAssociatedPosition.latitude.degrees,
                              navaid::kAssociatedPosition.latitude.minutes,
                              navaid::kAssociatedPosition.latitude.seconds,
                              navaid::kAssociatedPosition.longitude.degrees,
                              navaid::kAssociatedPosition.longitude.minutes,
                              navaid::kAssociatedPosition.longitude.seconds,
                              navaid::kAssociatedElevation.orthometric,
                              navaid::kAssociatedElevation.ellipsoidal};

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
  std::string type = get(kElectronicList).chosenText();
  if (type.empty()) type = get(kVisualList).chosenText();
  if (type.empty()) type = get<TextBox>(boxName(navaid::Type)).text();
  return type;
}

std::string NavaidScreen::chosenAnswer() const {
  if (get(kCenterlineOption).value()) return "CLPT";
  if (get(kPerpendicularOption).value()) return "PP";
  return "NAVAID";
}

FieldValues NavaidScreen::screenValues() const {
  FieldValues values;
  for (int field : kBoxFields) values.emplace_back(field, get<TextBox>(boxName(field)).text());
  values.emplace_back(navaid::AssociatedPoint, chosenAnswer());
  values.emplace_back(navaid::OffsetDirection, get(kSideList).chosenText());
  values.emplace_back(navaid::Type, chosenType());
  return values;
}

bool NavaidScreen::submitNavaid() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return false;
  SurveyStore& store = program.store;
  const CurrentSurvey& current = program.current();
  if (current.navaidMode == RecordMode::Add) {
    if (program.refuseWithoutSurvey()) return false;
    const AppendResult added = store.appendChild(TableKind::Navaid, screenValues());
    if (!added) {
      program.tell(added.error);
      return false;
    }
    program.tell("Navaid Information Successfully Added");
  } else if (current.navaidMode == RecordMode::Edit) {
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
  get(kSaveButton).setEnabled(false);
  get(kCancelButton).setEnabled(false);
  if (AirportScreen* airport = existingAirportScreen(program)) airport->updateHubButtons();
  return true;
}

void NavaidScreen::save() {
  Program& program = this->program();
  if (!submitNavaid()) return;
  prepareScreen(program, screen::kAirport, Preparation::Tab);
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

  const bool locked = isSurveyLocked(store, program.current().surveyKey);
  get(kSaveButton).setEnabled(!locked);
  get(kCancelButton).setEnabled(!locked);

  if (navaids.count() >= 1) {
    for (int field = 1; field <= navaid::kWrittenFields; ++field) loadField(navaids, row, field);
    const std::string& answer = navaids.cell(row, navaid::AssociatedPoint);
    const auto option = answer == "PP"     ? kPerpendicularOption
                        : answer == "CLPT" ? kCenterlineOption
                                           : kNoPointOption;
    get(option).setValue(true);
  }
  get<TextBox>(boxName(navaid::SurveyDate)).setText(navaids.cell(row, navaid::SurveyDate));
}

void NavaidScreen::loadField(const Table& navaids, int row, int field) {
  const std::string value = navaids.cell(row, field);
  if (field == navaid::OffsetDirection) {
    auto& sides = get(kSideList);
    if (const auto index = itemIndex(sides, value)) sides.choose(index);
    return;
  }
  if (field == navaid::Type) {
    // The type's list chooses it, as the user would; a type in neither list was typed.
    for (const auto name : {kElectronicList, kVisualList}) {
      auto& list = get(name);
      if (const auto index = itemIndex(list, value)) {
        list.choose(index);
        return;
      }
    }
    get<TextBox>(boxName(navaid::Type)).setText(value);
    return;
  }
  if (auto* box = dynamic_cast<TextBox*>(find(boxName(field)))) box->setText(value);
}

}  // namespace survey
