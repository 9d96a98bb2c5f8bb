#include "entry/survey_type_screen.h"

#include "entry/airport_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "survey/survey_types.h"

namespace survey {

namespace {

struct TypeOption {
  ControlName<OptionButton> option;
  const char* caption;
  SurveyType type;
};
constexpr TypeOption kTypes[] = {
    {SurveyTypeScreen::kAocOption, "AOC - Airport Obstruction Chart Survey", SurveyType::Aoc},
    {SurveyTypeScreen::kAnapcOption, "ANAPC- Area Navigation Approach Survey", SurveyType::Anapc},
    {SurveyTypeScreen::kAnalpvOption, "ANALPV Survey", SurveyType::Analpv},
    {SurveyTypeScreen::kCombinedOption, "Combined AOC / ANAPC Survey", SurveyType::Combined},
    {SurveyTypeScreen::kNavaidOption, "NAVAID Survey", SurveyType::Navaid},
    {SurveyTypeScreen::kRunwayOption, "Runway Survey", SurveyType::Runway},
    {SurveyTypeScreen::kRunwayEndOption, "Runway End Survey", SurveyType::RunwayEnd},
    {SurveyTypeScreen::kSpecialOption, "Special Survey", SurveyType::Special}};

}  // namespace

SurveyTypeScreen::SurveyTypeScreen(Program& program) : Screen(program, kName, kCaption) {
  setSizeTwips(5400, 4080);
  auto& frame = add(kFrame, nullptr);
  frame.setCaption("Please Choose Survey Type");
  frame.place(240, 180, 4920, 3000);
  // The type chosen last is offered again; a first survey is offered "AOC",
  // the type a survey without one counts as.
  const SurveyType offered =
      surveyTypeOf(program.current().surveyType).value_or(kDefaultSurveyType);
  int top = 300;
  for (const auto& type : kTypes) {
    auto& option = addOption(type.option, &frame, type.caption);
    option.place(240, top, 4440, 285);
    top += 330;
    if (type.type == offered) option.setValue(true);
  }
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
    if (get(type.option).value()) current.surveyType = surveyTypeCode(type.type);
  }
  current.airportMode = RecordMode::Add;
  prepareScreen(program, screen::kAirport, Preparation::Load);
  // This screen is discarded from here on.
  auto& airport = static_cast<AirportScreen&>(showScreen(program, screen::kAirport));
  airport.startNewSurvey();
}

}  // namespace survey
