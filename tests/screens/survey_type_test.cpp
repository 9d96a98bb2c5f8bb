#include <gtest/gtest.h>

#include "entry/airport_screen.h"
#include "entry/survey_type_screen.h"
#include "support/program_fixture.h"

namespace survey::testing {
namespace {

constexpr const char* kTypeScreen = SurveyTypeScreen::kName;

class SurveyTypeTest : public ProgramTest {
 protected:
  void openTypeScreen() {
    start();
    click(MainScreen::kName, "CommandAddAPT");
    ASSERT_TRUE(shown(kTypeScreen));
  }
};

TEST_F(SurveyTypeTest, EachOptionStartsASurveyOfItsType) {
  const struct {
    const char* option;
    const char* caption;
    const char* value;
  } cases[] = {{"RadioAOC", "AOC - Airport Obstruction Chart Survey", "AOC"},
               {"RadioANAPC", "ANAPC- Area Navigation Approach Survey", "ANAPC"},
               {"RadioANALPV", "ANALPV Survey", "ANALPV"},
               {"RadioCombined", "Combined AOC / ANAPC Survey", "COMBINE"},
               {"RadioNAVAID", "NAVAID Survey", "NAVAID"},
               {"RadioRUNWAY", "Runway Survey", "RUNWAY"},
               {"RadioRUNWAYEND", "Runway End Survey", "RUNWAYEND"},
               {"RadioSPECIAL", "Special Survey", "SPECIAL"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    program.current().airportMode = "E";
    openTypeScreen();
    auto& option = control<OptionButton>(kTypeScreen, c.option);
    EXPECT_EQ(option.caption(), c.caption);
    option.setValue(true);
    click(kTypeScreen, "Command1");
    EXPECT_EQ(program.current().surveyType, c.value);
    EXPECT_EQ(program.current().airportMode, "A");
    EXPECT_TRUE(shown(AirportScreen::kName));
    EXPECT_FALSE(program.screens.existing(kTypeScreen));
  }
}

TEST_F(SurveyTypeTest, OptionsAreOneGroupInTheirOrderAndOfferTheTypeChosenLast) {
  openTypeScreen();
  std::vector<std::string> options;
  for (const auto& control : program.screens.existing(kTypeScreen)->controls()) {
    if (dynamic_cast<OptionButton*>(control.get())) options.push_back(control->name());
  }
  EXPECT_EQ(options, (std::vector<std::string>{"RadioAOC", "RadioANAPC", "RadioANALPV",
                                               "RadioCombined", "RadioNAVAID", "RadioRUNWAY",
                                               "RadioRUNWAYEND", "RadioSPECIAL"}));
  EXPECT_TRUE(control<OptionButton>(kTypeScreen, "RadioAOC").value());
  control<OptionButton>(kTypeScreen, "RadioSPECIAL").setValue(true);
  EXPECT_FALSE(control<OptionButton>(kTypeScreen, "RadioAOC").value());
  click(kTypeScreen, "Command1");

  openTypeScreen();
  EXPECT_TRUE(control<OptionButton>(kTypeScreen, "RadioSPECIAL").value());
  EXPECT_FALSE(control<OptionButton>(kTypeScreen, "RadioAOC").value());
}

TEST_F(SurveyTypeTest, SubmitEmptiesTheAirportScreenOfAnEarlierSurvey) {
  program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}, {4, "AEA"}});
  program.store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}});
  program.current().storeLoaded = true;
  openTypeScreen();
  click(kTypeScreen, "Command1");
  EXPECT_EQ(control<TextBox>(AirportScreen::kName, "Text3A").text(), "");
  EXPECT_EQ(control<Grid>(AirportScreen::kName, "GridRunway").rows(), 1);
}

}  // namespace
}  // namespace survey::testing
