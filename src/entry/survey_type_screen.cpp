#include "entry/survey_type_screen.h"

#include "entry/airport_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"

namespace survey {

namespace {

struct SurveyType {
  ControlName<OptionButton> option;
  const char* caption;
  const char* value;
};
constexpr SurveyType kTypes[] = {
    {SurveyTypeScreen::kAocOption, "AOC - Airport Obstruction Chart Survey", "AOC"},
    {SurveyTypeScreen::kAnapcOption, "ANAPC- Area Navigation Approach Survey", "ANAPC"},
    {SurveyTypeScreen::kAnalpvOption, "ANALPV Survey", "ANALPV"},
    {SurveyTypeScreen::kCombinedOption, "Combined AOC / ANAPC Survey", "COMBINE"},
    {SurveyTypeScreen::kNavaidOption, "NAVAID Survey", "NAVAID"},
    {SurveyTypeScreen::kRunwayOption, "Runway Survey", "RUNWAY"},
    {SurveyTypeScreen::kRunwayEndOption, "Runway End Survey", "RUNWAYEND"},
    {SurveyTypeScreen::kSpecialOption, "Special Survey", "SPECIAL"}};

}  // namespace

SurveyTypeScreen::SurveyTypeScreen(Program& program) : Screen(program, kName, kCaption) {
  setSizeTwips(5400, 4080);
  auto& frame = add(kFrame, nullptr);
  frame.setCaption("Please Choose Survey Type");
  frame.place(240, 180, 4920, 3000);
  // The type chosen last is offered again; a first survey is offered "AOC",
  // the type a survey without one counts as.
  const std::string& chosen = program.current().surveyType;
  bool offered = false;
  int top = 300;
  for (const auto& type : kTypes) {
    auto& option = addOption(type.option, &frame, type.caption);
    option.place(240, top, 4440, 285);
    top += 330;
    if (chosen == type.value) {
      option.setValue(true);
      offered = true;
    }
  }
  if (!offered) get(kAocOption).setValue(true);
  auto& submit = add(kSubmitButton, nullptr);
  submit.setCaption("Submit");
  submit.place(2040, 3390, 1320, 420);
  submit.onClick = [this] { this->submit(); };
}

void SurveyTypeScreen::submit() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return;
  CurrentSurvey& current = program.current();
  for (const auto& type : kTypes) {
    if (get(type.option).value()) current.surveyType = type.value;
  }
  current.airportMode = RecordMode::Add;
  prepareScreen(program, screen::kAirport, Preparation::Load);
  // This screen is discarded from here on.
  auto& airport = static_cast<AirportScreen&>(showScreen(program, screen::kAirport));
  airport.startNewSurvey();
}

}  // namespace survey
