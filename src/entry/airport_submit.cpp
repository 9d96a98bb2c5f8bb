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

namespace survey {

namespace {

// The lists and the airport fields they hold.
struct ListField {
  int field;
  const char* list;
};
constexpr ListField kListFields[] = {
    {17, "ListHor"}, {18, "ListEll"}, {19, "ListOrth"}, {22, "ListVertDatum"}};

constexpr const char* kRegions[] = {"AEA", "AGL", "ANE", "ANM", "AWP", "AAL", "ACE", "ASW", "ASO"};

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string boxName(int field) {
  return "Text" + std::to_string(field) + "A";
}

}  // namespace

void AirportScreen::beforeShow() {
  auto& tabs = get(Screen::kTabStrip);
  selectingTab_ = true;
  tabs.select(1);
  selectingTab_ = false;
}

void AirportScreen::prepare(std::string_view mode) {
  CurrentSurvey& current = program().current();
  if (mode == "LOAD" && current.airportMode == "A") {
    for (const auto& part : hubParts()) get<Grid>(part.grid).setRows(1);
    get<OptionButton>("RadioN").setValue(true);
    get<OptionButton>("RadioW").setValue(true);
    current.latitudeHemisphere = "N";
    current.longitudeHemisphere = "W";
  }
  if (mode == "TAB") {
    loadAirportScreen();
    get<CommandButton>("CommandSubmitAirport").setEnabled(false);
    const SurveyStore& store = program().store;
    const bool anySurvey = store.airports().count() > 0;
    // A locked survey stays locked when it is reached through the tab: its
    // fields and "Finalize Input" keep the state the load gave them.
    const int row = store.findSurveyRow(current.surveyKey);
    const bool locked = row > 0 && store.airports().cell(row, 41) == "CERTIFIED2";
    for (const char* name : {"FrameAirport", "FrameProjectAIRPORT", "Frame2"}) {
      get<Frame>(name).setEnabled(anySurvey);
    }
    if (!locked) {
      get<Frame>("FrameGeneralAIRPORT").setEnabled(anySurvey);
      get<CommandButton>("CommandCertify").setEnabled(anySurvey);
    }
    if (!anySurvey) {
      for (const auto& part : hubParts()) {
        for (const char* name : {part.add, part.edit, part.remove}) {
          get<CommandButton>(name).setEnabled(false);
        }
      }
    }
  }
}

void AirportScreen::startNewSurvey() {
  auto& hub = get<Frame>("Frame2");
  hub.setVisible(false);
  hub.setEnabled(false);
  get<CommandButton>("CommandCertify").setEnabled(false);
  for (const char* list : {"ListVertDatum", "ListEll", "ListHor", "ListOrth"}) {
    get<ListBox>(list).choose(0);
  }
}

void AirportScreen::fillStateList(const std::string* chosen) {
  auto& list = get<ListBox>("ListState");
  list.clear();
  if (chosen) list.add(*chosen);
  for (const auto& item : stateItems()) list.add(item);
}

// The list works as a drop-down: the chosen state moves to the top, the full
// list follows, and the list folds to show the choice. The choice stays on the
// state's own row of the full list, so that an arrow key moves to its neighbour.
void AirportScreen::chooseState() {
  if (choosingState_) return;
  auto& list = get<ListBox>("ListState");
  const std::string state = list.chosenText();
  choosingState_ = true;
  fillStateList(&state);
  const auto& full = stateItems();
  const auto place = std::find(full.begin(), full.end(), state);
  list.choose(place == full.end() ? 0 : 1 + static_cast<int>(place - full.begin()));
  list.setHeightTwips(500);
  choosingState_ = false;
}

void AirportScreen::selectStoredItem(const char* name, const std::string& value) {
  auto& list = get<ListBox>(name);
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
  if (!found && !value.empty() && list.name() == "ListState") {
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

  if (field(41) == "CERTIFIED2") {
    get<Frame>("FrameGeneralAIRPORT").setEnabled(false);
    get<Frame>("Frame1").setEnabled(false);
    for (const auto& part : hubParts()) get<CommandButton>(part.add).setEnabled(false);
  } else {
    for (const char* frame : {"FrameGeneralAIRPORT", "Frame1", "Frame2"}) {
      get<Frame>(frame).setEnabled(true);
    }
    setHubCommandsBySurveyType();
  }

  for (int n = 1; n <= 24; ++n) {
    if (n == 20) {
      selectStoredItem("ListState", field(20));
      for (const auto& list : kListFields) selectStoredItem(list.list, field(list.field));
      continue;
    }
    if (auto* box = dynamic_cast<TextBox*>(find(boxName(n)))) box->setText(field(n));
  }

  const bool north = field(39) == "True";
  const bool east = field(40) == "True";
  get<OptionButton>(north ? "RadioN" : "RadioS").setValue(true);
  get<OptionButton>(east ? "RadioE" : "RadioW").setValue(true);
  current.latitudeHemisphere = north ? "N" : "S";
  current.longitudeHemisphere = east ? "E" : "W";

  if (current.surveyDate.empty()) current.surveyDate = field(5);
}

void AirportScreen::save() {
  if (program().refuseWhenReadOnly()) return;
  checkSurveyDate(program().dialogs, get<TextBox>("Text5A"));
  submitAirport();
}

void AirportScreen::submitAirport() {
  Program& program = this->program();
  CurrentSurvey& current = program.current();
  SurveyStore& store = program.store;
  Table& airports = store.airports();
  const std::string identifier = get<TextBox>("Text3A").text();

  if (identifier.empty()) {
    program.tell("You Must First Enter an Airport Identifier");
    get<Frame>("Frame2").setEnabled(true);
    return;
  }
  if (current.airportMode == "A") {
    for (int row = 0; row <= airports.count(); ++row) {
      if (airports.cell(row, 3) == identifier) {
        program.tell("You already have entered an airport with the Location Identifier");
        return;
      }
    }
  }
  const std::string region = upper(get<TextBox>("Text4A").text());
  if (std::find(std::begin(kRegions), std::end(kRegions), region) == std::end(kRegions)) {
    program.tell(
        "You've entered an incorrect region (Must be AEA, AGL, ANE, ANM, AWP, AAL, ACE, ASW, or "
        "ASO)");
    return;
  }

  FieldValues values;
  for (int n = 1; n <= 24; ++n) {
    if (n == 21) continue;
    if (n == 20) {
      const auto& state = get<ListBox>("ListState");
      values.emplace_back(20, state.count() > 0 ? state.item(0) : std::string());
      continue;
    }
    const auto list = std::find_if(std::begin(kListFields), std::end(kListFields),
                                   [n](const ListField& f) { return f.field == n; });
    if (list != std::end(kListFields)) {
      const auto& box = get<ListBox>(list->list);
      // A stored value the list does not offer stays as it is.
      if (box.chosen() || current.airportMode != "E") values.emplace_back(n, box.chosenText());
      continue;
    }
    values.emplace_back(n, get<TextBox>(boxName(n)).text());
  }
  values.emplace_back(39, booleanCell(get<OptionButton>("RadioN").value()));
  values.emplace_back(40, booleanCell(get<OptionButton>("RadioE").value()));

  std::string message;
  if (current.airportMode == "E") {
    const int row = current.airportRow;
    if (row < 1 || row > airports.count()) {
      program.tell(
          "The survey being edited is no longer in the list of surveys. Choose it in the list and "
          "click \"Edit\" again.");
      return;
    }
    const std::string oldIdentifier = airports.cell(row, 3);
    if (identifier != oldIdentifier) {
      for (int other = 1; other <= airports.count(); ++other) {
        if (other != row && airports.cell(other, 3) == identifier) {
          program.tell("Another survey already has the Airport Identifier " + identifier +
                       ". The identifier was not changed; nothing was saved.");
          return;
        }
      }
    }
    store.updateRow(TableKind::Airport, row, values);
    if (identifier != oldIdentifier) carryIdentifierChange(oldIdentifier, identifier);
    current.surveyName = airports.cell(row, 1);
    message = "Airport Information Successfully Changed";
  } else if (current.airportMode == "A") {
    const AppendResult added = store.appendAirport(values);
    if (!added) {
      program.tell(added.error);
      return;
    }
    current.airportMode = "E";
    current.airportRow = static_cast<int16_t>(store.findSurveyRow(current.surveyKey));
    message = "Airport Information Successfully Added";
  }
  if (!message.empty()) program.tell(message);

  loadAirportScreen();
  if (auto* list = dynamic_cast<MainScreen*>(program.screens.existing(screen::kMain))) {
    list->refreshSurveyList();
  }
  auto& hub = get<Frame>("Frame2");
  hub.setVisible(true);
  hub.setEnabled(true);
  get<CommandButton>("CommandCertify").setEnabled(true);
  updateHubButtons();
}

// A survey's runways, navaids and obstructions follow it to its new
// identifier, deleted ones too, so that they never come apart.
void AirportScreen::carryIdentifierChange(const std::string& oldKey, const std::string& newKey) {
  SurveyStore& store = program().store;
  for (auto kind : {TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    Table& table = store.table(kind);
    const int link = table.shape().linkField;
    for (int row = 1; row <= table.count(); ++row) {
      if (table.cell(row, link) != oldKey) continue;
      table.setCell(row, link, newKey);
      store.noteRowChanged(kind, row);
    }
  }
  program().current().surveyKey = newKey;
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
