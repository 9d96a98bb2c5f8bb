// "Save" of the runway screen: the refusals, the duplicate check of a new
// runway, and the writing of fields 1 to 48 into the runway table.
#include "entry/runway_screen.h"
#include "shell/hub.h"
#include "shell/program.h"
#include "shell/screen_names.h"

namespace survey {

FieldValues RunwayScreen::screenValues() const {
  FieldValues values;
  values.reserve(kRunwayScreenFields);
  for (int field = 1; field <= kRunwayScreenFields; ++field) {
    switch (field) {
      case 3:
        values.emplace_back(field, get<ListBox>("ListBP1").chosenText());
        break;
      case 7:
        values.emplace_back(field, get<ListBox>("ListSurf").chosenText());
        break;
      case 28:
        values.emplace_back(field, get<ListBox>("ListBP2").chosenText());
        break;
      default:
        values.emplace_back(field, get<TextBox>("Text" + std::to_string(field) + "R").text());
    }
  }
  return values;
}

std::string RunwayScreen::duplicateRefusal() const {
  const Table& runways = program().store.runways();
  const std::string& key = program().current().surveyKey;
  const std::string& id = get<TextBox>("Text2R").text();
  const std::string& opposite = get<TextBox>("Text27R").text();
  auto taken = [&](const std::string& designator) {
    return designator == id || designator == opposite;
  };
  for (int row = 1; row <= runways.count(); ++row) {
    if (runways.cell(row, kRunwayLinkField) != key) continue;
    const bool deleted = runways.cell(row, kRunwayDeleteField) == "D";
    const std::string& small = runways.cell(row, 2);
    if (taken(small)) {
      if (!deleted) return "Runway " + small + " has already been entered.";
      continue;
    }
    const std::string& large = runways.cell(row, 27);
    if (taken(large) && !deleted) return "Runway " + large + " has already been entered.";
  }
  return {};
}

bool RunwayScreen::submitRunway() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return false;
  CurrentSurvey& current = program.current();
  if (get<TextBox>("Text2R").text().empty() || get<TextBox>("Text27R").text().empty()) {
    program.tell("You Must First Enter a Runway Identifier");
    return false;
  }
  if (current.runwayMode == "A") {
    if (program.refuseWithoutSurvey()) return false;
    if (const std::string refusal = duplicateRefusal(); !refusal.empty()) {
      program.tell(refusal);
      return false;
    }
    const AppendResult added = program.store.appendChild(TableKind::Runway, screenValues());
    if (!added) {
      program.tell(added.error);
      return false;
    }
    program.tell("Runway Information Successfully Added");
  } else {
    const int row = current.runwayRow;
    if (row < 1 || row > program.store.runways().count()) {
      program.tell("The runway being edited is no longer in the runway table; nothing was saved.");
      return false;
    }
    program.store.updateRow(TableKind::Runway, row, screenValues());
    program.tell("Runway Information Successfully Changed");
  }
  get<CommandButton>("CommandSubmitRunway").setEnabled(false);
  get<CommandButton>("CommandCancelRunway").setEnabled(false);
  current.runwayMode = "E";
  refreshHub();
  return true;
}

void RunwayScreen::refreshHub() {
  // The airport screen lists the runways only while it exists; when it is
  // shown again it fills its grids and commands from the tables itself.
  Screen* airport = program().screens.existing(screen::kAirport);
  if (auto* hub = dynamic_cast<HubScreen*>(airport)) hub->refillHubGrids();
}

}  // namespace survey
