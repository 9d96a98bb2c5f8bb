#include "entry/runway_screen.h"

#include "entry/airport_screen.h"
#include "entry/runway_pp_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "store/schema/airport_fields.h"
#include "store/survey_status.h"

namespace survey {

namespace {

const char* const kBlastPadItems[] = {"Yes", "No", "Not Verified"};
const char* const kSurfaceItems[] = {"P - Paved Hard Surface", "U - Unpaved Surface",
                                     "N - Not a specially prepared surface"};

}  // namespace

std::string RunwayScreen::boxName(int field) {
  return "Text" + std::to_string(field) + "R";
}

std::optional<ControlName<ListBox>> RunwayScreen::listOfField(int field) {
  switch (field) {
    case runway::RwyIdBlastPad:
      return kRwyIdBlastPadList;
    case runway::Surface:
      return kSurfaceList;
    case runway::OppositeBlastPad:
      return kOppositeBlastPadList;
    default:
      return std::nullopt;
  }
}

void RunwayScreen::load() {
  fillRunwayLists();
  const CurrentSurvey& current = program().current();
  for (int n = 1; n <= 4; ++n) {
    get<Label>("LabelLatDir" + std::to_string(n)).setCaption(current.latitudeHemisphere);
    get<Label>("LabelLonDir" + std::to_string(n)).setCaption(current.longitudeHemisphere);
  }
  get(Screen::kTabStrip).select(1);
  setBoldTextBoxes(*this);
  showSurveyInStatusBar(*this);
  const bool locked = isSurveyLocked(program().store, program().current().surveyKey);
  get(kRwyIdPointsButton).setEnabled(!locked);
  get(kOppositePointsButton).setEnabled(!locked);
}

void RunwayScreen::afterShow() {
  get<TextBox>(boxName(runway::SurveyDate)).setText(program().current().surveyDate);
}

void RunwayScreen::fillRunwayLists() {
  for (const auto name : {kRwyIdBlastPadList, kOppositeBlastPadList}) {
    for (const char* item : kBlastPadItems) get(name).add(item);
  }
  for (const char* item : kSurfaceItems) get(kSurfaceList).add(item);
}

void RunwayScreen::loadRecord() {
  const Table& runways = program().store.runways();
  if (runways.count() < 1) return;
  // A locked survey can be looked at, not changed: neither save is offered.
  const bool locked = isSurveyLocked(program().store, program().current().surveyKey);
  get(kSaveButton).setEnabled(!locked);
  get(kSaveAndReturnButton).setEnabled(!locked);

  const int row = program().current().runwayRow;
  for (int field = 1; field <= kRunwayScreenFields; ++field) {
    const std::string& value = runways.cell(row, field);
    if (const auto listName = listOfField(field)) {
      ListBox& list = get(*listName);
      for (int item = 0; item < list.count(); ++item) {
        if (list.item(item) == value) {
          list.choose(item);
          break;
        }
      }
    } else {
      get<TextBox>(boxName(field)).setText(value);
    }
  }
}

void RunwayScreen::save() {
  if (!submitRunway()) return;
  get(kRwyIdPointsButton).setEnabled(true);
  get(kOppositePointsButton).setEnabled(true);
  loadRecord();
  get(kCancelButton).setEnabled(true);
}

void RunwayScreen::saveAndReturn() {
  if (submitRunway()) returnToAirport();
}

void RunwayScreen::cancel() {
  returnToAirport();
}

void RunwayScreen::returnToAirport() {
  Program& program = this->program();
  // This screen is discarded from here on: only the airport screen is touched.
  Screen& airport = showScreen(program, screen::kAirport);
  if (auto* hub = dynamic_cast<AirportScreen*>(&airport)) hub->loadAirportScreen();
}

void RunwayScreen::openProfilePoints(runway::End end) {
  const runway::Field field = runway::endFields(end).designator;
  Program& program = this->program();
  CurrentSurvey& current = program.current();
  const std::string designator = get<TextBox>(boxName(field)).text();
  current.runwayEnd = designator;

  // The end is saved when a runway of this survey holds it. A deleted runway
  // does not count: its points would be listed nowhere.
  bool saved = false;
  const Table& runways = program.store.runways();
  for (int row = 1; row <= runways.count() && !designator.empty(); ++row) {
    if (runways.cell(row, runway::kLinkField) == current.surveyKey &&
        runways.cell(row, field) == designator && !runways.isDeleted(row)) {
      saved = true;
    }
  }
  if (!saved && !submitRunway()) return;
  if (designator.empty()) return;

  current.runwayEnd = designator;
  showScreen(program, screen::kRunwayPP);
  // This screen is discarded now; the profile point screen lists the end's points.
  if (auto* points = dynamic_cast<RunwayPPScreen*>(program.screens.existing(screen::kRunwayPP))) {
    points->refreshGrid();
  }
}

void RunwayScreen::openStandardsDocument() {
  if (!program().platform.openDocument(kRunwayStandardsAddress)) {
    program().tell(std::string("The standards document could not be opened: ") +
                   kRunwayStandardsAddress);
  }
}

void lockRunwayDesignators(Screen& runway) {
  for (const runway::EndFields* end : {&runway::kRwyIdEnd, &runway::kOppositeEnd}) {
    runway.get<TextBox>(RunwayScreen::boxName(end->designator)).setLocked(true);
  }
}

}  // namespace survey
