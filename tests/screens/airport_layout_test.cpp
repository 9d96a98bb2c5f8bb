#include <gtest/gtest.h>

#include "entry/airport_screen.h"
#include "entry/certification_screen.h"
#include "entry/survey_type_screen.h"
#include "support/program_fixture.h"

namespace survey::testing {
namespace {

class ScreenLayoutTest : public ProgramTest {};

// Every shown control has a name a person can hear, lies inside its frame (or
// the screen), and covers none of the controls beside it.
TEST_F(ScreenLayoutTest, ControlsAreCaptionedInsideTheirFrameAndApart) {
  for (const char* name :
       {SurveyTypeScreen::kName, AirportScreen::kName, CertificationScreen::kName}) {
    SCOPED_TRACE(name);
    Screen& screen = program.screens.touch(name);
    std::vector<const Control*> shown;
    for (const auto& control : screen.controls()) {
      if (!control->visible()) continue;
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
      shown.push_back(control.get());
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      for (std::size_t j = i + 1; j < shown.size(); ++j) {
        const Control& a = *shown[i];
        const Control& c = *shown[j];
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
