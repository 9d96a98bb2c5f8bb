#include <gtest/gtest.h>

#include "entry/airport_screen.h"
#include "entry/certification_screen.h"
#include "entry/navaid_screen.h"
#include "entry/survey_type_screen.h"
#include "support/program_fixture.h"
#include "support/survey_rows.h"

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
  for (const auto& c : caseTable("screens/survey_types.cases", 3)) {
    SCOPED_TRACE(c[0]);
    program.current().airportMode = RecordMode::Edit;
    openTypeScreen();
    auto& option = control<OptionButton>(kTypeScreen, c[0]);
    EXPECT_EQ(option.caption(), c[1]);
    option.setValue(true);
    click(kTypeScreen, "Command1");
    EXPECT_EQ(program.current().surveyType, c[2]);
    EXPECT_EQ(program.current().airportMode, RecordMode::Add);
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
  std::vector<std::string> inOrder;
  for (const auto& c : caseTable("screens/survey_types.cases", 3)) inOrder.push_back(c[0]);
  EXPECT_EQ(options, inOrder);
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

// Every control has a name a person can hear, lies inside its frame (or the screen), and covers
// none of the controls beside it. The navaid screen's Frame1 is an empty cover without border or
// caption that lies over the distance group until a type is chosen.
TEST_F(SurveyTypeTest, ControlsAreCaptionedInsideTheirFrameAndApart) {
  const struct {
    const char* screen;
    bool hiddenToo;  // hidden controls are laid out as well
  } screens[] = {{SurveyTypeScreen::kName, false},
                 {AirportScreen::kName, false},
                 {CertificationScreen::kName, false},
                 {NavaidScreen::kName, true}};
  program.current().latitudeHemisphere = "N";
  program.current().longitudeHemisphere = "W";
  for (const auto& [name, hiddenToo] : screens) {
    SCOPED_TRACE(name);
    Screen& screen = program.screens.touch(name);
    std::vector<const Control*> laidOut;
    for (const auto& control : screen.controls()) {
      if ((!hiddenToo && !control->visible()) || control->name() == "Frame1") continue;
      SCOPED_TRACE(control->name());
      const auto& b = control->bounds();
      EXPECT_FALSE(control->caption().empty());
      EXPECT_GT(b.width, 0);
      EXPECT_GT(b.height, 0);
      const int width = control->frame() ? control->frame()->bounds().width : screen.widthTwips();
      const int height =
          control->frame() ? control->frame()->bounds().height : screen.heightTwips();
      EXPECT_GE(b.left, 0);
      EXPECT_GE(b.top, 0);
      EXPECT_LE(b.left + b.width, width);
      EXPECT_LE(b.top + b.height, height);
      laidOut.push_back(control.get());
    }
    for (std::size_t i = 0; i < laidOut.size(); ++i) {
      for (std::size_t j = i + 1; j < laidOut.size(); ++j) {
        const Control& a = *laidOut[i];
        const Control& c = *laidOut[j];
        if (a.frame() != c.frame() || &a == c.frame() || &c == a.frame()) continue;
        const auto& p = a.bounds();
        const auto& q = c.bounds();
        const bool apart = p.left + p.width <= q.left || q.left + q.width <= p.left ||
                           p.top + p.height <= q.top || q.top + q.height <= p.top;
        EXPECT_TRUE(apart) << a.name() << " covers " << c.name();
      }
    }
  }
}

}  // namespace
}  // namespace survey::testing
