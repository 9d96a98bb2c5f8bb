// "Save" of the runway screen: the refusals, the duplicate check of a new
// runway, and the writing of the screen's fields into the runway table.
#include "entry/runway_screen.h"
#include "shell/hub.h"
#include "shell/program.h"
#include "shell/screen_names.h"

namespace survey {

FieldValues RunwayScreen::screenValues() const {
  FieldValues values;
  values.reserve(kRunwayScreenFields);
  for (int field = 1; field <= kRunwayScreenFields; ++field) {
    if (const auto list = listOfField(field)) {
      values.emplace_back(field, get(*list).chosenText());
    } else {
      values.emplace_back(field, get<TextBox>(boxName(field)).text());
    }
  }
  return values;
}

std::string RunwayScreen::duplicateRefusal() const {
  const Table& runways = program().store.runways();
  const std::string& key = program().current().surveyKey;
  const std::string& id = get<TextBox>(boxName(runway::RwyIdDesignator)).text();
  const std::string& opposite = get<TextBox>(boxName(runway::OppositeDesignator)).text();
  auto taken = [&](const std::string& designator) {
    return designator == id || designator == opposite;
  };
  for (int row = 1; row <= runways.count(); ++row) {
    if (runways.cell(row, runway::kLinkField) != key) continue;
    const bool deleted = runways.cell(row, runway::kDeletionField) == "D";
    const std::string& small = runways.cell(row, runway::RwyIdDesignator);
    if (taken(small)) {
      if (!deleted) return "Runway " + small + " has already been entered.";
      continue;
    }
    const std::string& large = runways.cell(row, runway::OppositeDesignator);
    if (taken(large) && !deleted) return "Runway " + large + " has already been entered.";
  }
  return {};
}

bool RunwayScreen::submitRunway() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return false;
  CurrentSurvey& current = program.current();
  if (get<TextBox>(boxName(runway::RwyIdDesignator)).text().empty() ||
      get<TextBox>(boxName(runway::OppositeDesignator)).text().empty()) {
    program.tell("You Must First Enter a Runway Identifier");
    return false;
  }
  if (current.runwayMode == RecordMode::Add) {
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
  get(kSaveButton).setEnabled(false);
  get(kCancelButton).setEnabled(false);
  current.runwayMode = RecordMode::Edit;
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
