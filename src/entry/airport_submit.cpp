// The airport screen's "Save", its loading from the survey's row, and the
// preparations the screen switcher asks of it.
#include <algorithm>
#include <cctype>

#include "entry/airport_lists.h"
#include "entry/airport_screen.h"
#include "entry/certification_screen.h"
#include "entry/field_checks.h"
#include "entry/main_screen.h"
#include "entry/review_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "store/schema/airport_fields.h"
#include "store/survey_status.h"

namespace survey {

namespace {

// The lists and the airport fields they hold.
struct ListField {
  airport::Field field;
  ControlName<ListBox> list;
};
constexpr ListField kListFields[] = {
    {airport::HorizontalDatumTieAccuracy, AirportScreen::kHorizontalAccuracyList},
    {airport::EllipsoidalElevationTieAccuracy, AirportScreen::kEllipsoidalAccuracyList},
    {airport::OrthometricElevationTieAccuracy, AirportScreen::kOrthometricAccuracyList},
    {airport::VerticalDatum, AirportScreen::kVerticalDatumList}};

// The screen's fields run from the name to the tower floor elevations.
constexpr int kFirstScreenField = airport::Name;
constexpr int kLastScreenField = airport::TowerFloorElevationEllipsoidal;

constexpr const char* kRegions[] = {"AEA", "AGL", "ANE", "ANM", "AWP", "AAL", "ACE", "ASW", "ASO"};

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string AirportScreen::boxName(int field) {
  return "Text" + std::to_string(field) + "A";
}

void AirportScreen::beforeShow() {
  auto& tabs = get(Screen::kTabStrip);
  selectingTab_ = true;
  tabs.select(1);
  selectingTab_ = false;
}

void AirportScreen::prepare(Preparation mode) {
  CurrentSurvey& current = program().current();
  if (mode == Preparation::Load && current.airportMode == RecordMode::Add) {
    for (const auto& part : hubParts()) get(part.grid).setRows(1);
    get(kNorthOption).setValue(true);
    get(kWestOption).setValue(true);
    current.latitudeHemisphere = "N";
    current.longitudeHemisphere = "W";
  }
  if (mode == Preparation::Tab) {
    loadAirportScreen();
    get(kSaveButton).setEnabled(false);
    const SurveyStore& store = program().store;
    const bool anySurvey = store.airports().count() > 0;
    // A locked survey stays locked when it is reached through the tab: its
    // fields and "Finalize Input" keep the state the load gave them.
    const bool locked = isSurveyLocked(store, current.surveyKey);
    for (const auto frame : {kReferencePointFrame, kProjectFrame, kHubFrame}) {
      get(frame).setEnabled(anySurvey);
    }
    if (!locked) {
      get(kGeneralFrame).setEnabled(anySurvey);
      get(kFinalizeButton).setEnabled(anySurvey);
    }
    if (!anySurvey) {
      for (const auto& part : hubParts()) {
        for (const auto name : {part.add, part.edit, part.remove}) {
          get(name).setEnabled(false);
        }
      }
    }
  }
}

void AirportScreen::startNewSurvey() {
  auto& hub = get(kHubFrame);
  hub.setVisible(false);
  hub.setEnabled(false);
  get(kFinalizeButton).setEnabled(false);
  for (const auto list : {kVerticalDatumList, kEllipsoidalAccuracyList, kHorizontalAccuracyList,
                          kOrthometricAccuracyList}) {
    get(list).choose(0);
  }
}

void AirportScreen::fillStateList(const std::string* chosen) {
  auto& list = get(kStateList);
  list.clear();
  if (chosen) list.add(*chosen);
  for (const auto& item : stateItems()) list.add(item);
}

// The list works as a drop-down: the chosen state moves to the top, the full
// list follows, and the list folds to show the choice. The choice stays on the
// state's own row of the full list, so that an arrow key moves to its neighbour.
void AirportScreen::chooseState() {
  if (choosingState_) return;
  auto& list = get(kStateList);
  const std::string state = list.chosenText();
  choosingState_ = true;
  fillStateList(&state);
  const auto& full = stateItems();
  const auto place = std::find(full.begin(), full.end(), state);
  list.choose(place == full.end() ? 0 : 1 + static_cast<int>(place - full.begin()));
  list.setHeightTwips(500);
  choosingState_ = false;
}

void AirportScreen::selectStoredItem(ControlName<ListBox> name, const std::string& value) {
  auto& list = get(name);
  bool found = false;
  const int count = list.count();
  for (int i = 0; i < count && i < list.count(); ++i) {
    if (list.item(i) == value) {
      list.choose(i);
      found = true;
    }
  }
  // A state the list does not name (from an exchange file) is kept as the
  // choice, so that the next "Save" does not lose it.
  if (!found && !value.empty() && list.name() == kStateList.text) {
    choosingState_ = true;
    fillStateList(&value);
    list.choose(0);
    list.setHeightTwips(500);
    choosingState_ = false;
  }
}

void AirportScreen::loadAirportScreen() {
  Program& program = this->program();
  CurrentSurvey& current = program.current();
  const Table& airports = program.store.airports();
  const int row = program.store.findSurveyRow(current.surveyKey);
  // Row 0 belongs to no survey: with no row everything reads empty.
  auto field = [&](int number) -> std::string {
    return row > 0 ? airports.cell(row, number) : std::string();
  };

  if (field(airport::Status) == status::kLocked) {
    get(kGeneralFrame).setEnabled(false);
    get(kProjectCoverFrame).setEnabled(false);
    for (const auto& part : hubParts()) get(part.add).setEnabled(false);
  } else {
    for (const auto frame : {kGeneralFrame, kProjectCoverFrame, kHubFrame}) {
      get(frame).setEnabled(true);
    }
    setHubCommandsBySurveyType();
  }

  for (int n = kFirstScreenField; n <= kLastScreenField; ++n) {
    if (n == airport::State) {
      selectStoredItem(kStateList, field(airport::State));
      for (const auto& list : kListFields) selectStoredItem(list.list, field(list.field));
      continue;
    }
    if (auto* box = dynamic_cast<TextBox*>(find(boxName(n)))) box->setText(field(n));
  }

  const bool north = field(airport::LatitudeNorth) == "True";
  const bool east = field(airport::LongitudeEast) == "True";
  get(north ? kNorthOption : kSouthOption).setValue(true);
  get(east ? kEastOption : kWestOption).setValue(true);
  current.latitudeHemisphere = north ? "N" : "S";
  current.longitudeHemisphere = east ? "E" : "W";

  if (current.surveyDate.empty()) current.surveyDate = field(airport::SurveyDate);
}

void AirportScreen::save() {
  if (program().refuseWhenReadOnly()) return;
  checkSurveyDate(program().dialogs, get<TextBox>(boxName(airport::SurveyDate)));
  submitAirport();
}

void AirportScreen::submitAirport() {
  Program& program = this->program();
  CurrentSurvey& current = program.current();
  SurveyStore& store = program.store;
  Table& airports = store.airports();
  const std::string identifier = get<TextBox>(boxName(airport::Identifier)).text();

  if (identifier.empty()) {
    program.tell("You Must First Enter an Airport Identifier");
    get(kHubFrame).setEnabled(true);
    return;
  }
  if (current.airportMode == RecordMode::Add) {
    for (int row = 0; row <= airports.count(); ++row) {
      if (airports.cell(row, airport::Identifier) == identifier) {
        program.tell("You already have entered an airport with the Location Identifier");
        return;
      }
    }
  }
  const std::string region = upper(get<TextBox>(boxName(airport::Region)).text());
  if (std::find(std::begin(kRegions), std::end(kRegions), region) == std::end(kRegions)) {
    program.tell(
        "You've entered an incorrect region (Must be AEA, AGL, ANE, ANM, AWP, AAL, ACE, ASW, or "
        "ASO)");
    return;
  }

  FieldValues values;
  for (int n = kFirstScreenField; n <= kLastScreenField; ++n) {
    if (n == airport::Unlabeled21) continue;
    if (n == airport::State) {
      const auto& state = get(kStateList);
      values.emplace_back(airport::State, state.count() > 0 ? state.item(0) : std::string());
      continue;
    }
    const auto list = std::find_if(std::begin(kListFields), std::end(kListFields),
                                   [n](const ListField& f) { return f.field == n; });
    if (list != std::end(kListFields)) {
      const auto& box = get(list->list);
      // A stored value the list does not offer stays as it is.
      if (box.chosen() || current.airportMode != RecordMode::Edit)
        values.emplace_back(n, box.chosenText());
      continue;
    }
    values.emplace_back(n, get<TextBox>(boxName(n)).text());
  }
  values.emplace_back(airport::LatitudeNorth, booleanCell(get(kNorthOption).value()));
  values.emplace_back(airport::LongitudeEast, booleanCell(get(kEastOption).value()));

  std::string message;
  if (current.airportMode == RecordMode::Edit) {
    const int row = current.airportRow;
    if (row < 1 || row > airports.count()) {
      program.tell(
          "The survey being edited is no longer in the list of surveys. Choose it in the list and "
          "click \"Edit\" again.");
      return;
    }
    const std::string oldIdentifier = airports.cell(row, airport::Identifier);
    if (identifier != oldIdentifier && store.identifierTaken(identifier, row)) {
      program.tell("Another survey already has the Airport Identifier " + identifier +
                   ". The identifier was not changed; nothing was saved.");
      return;
    }
    store.updateRow(TableKind::Airport, row, values);
    if (identifier != oldIdentifier) store.renameSurvey(oldIdentifier, identifier);
    current.surveyName = airports.cell(row, airport::Name);
    message = "Airport Information Successfully Changed";
  } else if (current.airportMode == RecordMode::Add) {
    const AppendResult added = store.appendAirport(values);
    if (!added) {
      program.tell(added.error);
      return;
    }
    current.airportMode = RecordMode::Edit;
    current.airportRow = static_cast<int16_t>(store.findSurveyRow(current.surveyKey));
    message = "Airport Information Successfully Added";
  }
  if (!message.empty()) program.tell(message);

  loadAirportScreen();
  if (auto* list = dynamic_cast<MainScreen*>(program.screens.existing(screen::kMain))) {
    list->refreshSurveyList();
  }
  auto& hub = get(kHubFrame);
  hub.setVisible(true);
  hub.setEnabled(true);
  get(kFinalizeButton).setEnabled(true);
  updateHubButtons();
}

void AirportScreen::cancel() {
  showScreen(program(), screen::kMain);
}

void AirportScreen::finalizeInput() {
  Program& program = this->program();
  if (program.current().surveyKey.empty()) {
    program.tell("You Must First Enter/Select a Survey");
    showScreen(program, screen::kMain);
    return;
  }
  const Button answer = program.dialogs.show(
      question("Have you entered all airport, runway, navaid, and obstruction data?",
               "Is survey finished?"));
  if (answer == Button::No) return;
  // Errors are shown before the certification; going on is the surveyor's call.
  const auto findings =
      review::reviewSurvey(program.store, program.current().surveyKey, review::localToday());
  if (review::countFindings(findings).errors > 0) {
    // This screen is discarded from here on.
    static_cast<ReviewScreen&>(showScreen(program, screen::kReview)).offerCertification();
    return;
  }
  // This screen is discarded from here on.
  auto& certification =
      static_cast<CertificationScreen&>(showScreen(program, screen::kCertification));
  certification.showEarlierEntries();
}

void AirportScreen::reviewSurvey() {
  Program& program = this->program();
  if (program.current().surveyKey.empty() ||
      program.store.findSurveyRow(program.current().surveyKey) == 0) {
    program.tell("You Must First Enter/Select a Survey");
    return;
  }
  // This screen is discarded from here on.
  showScreen(program, screen::kReview);
}

}  // namespace survey
