#include <gtest/gtest.h>

#include "entry/airport_screen.h"
#include "entry/certification_screen.h"
#include "entry/review_screen.h"
#include "entry/survey_type_screen.h"
#include "shell/exit_help_print.h"
#include "support/program_fixture.h"

namespace survey::testing {
namespace {

constexpr const char* kAirport = AirportScreen::kName;
constexpr const char* kCert = CertificationScreen::kName;

class CertificationTest : public ProgramTest {
 protected:
  // A survey saved on the airport screen, which stays open in edit mode.
  void saveNewSurvey() {
    start();
    click(MainScreen::kName, "CommandAddAPT");
    click(SurveyTypeScreen::kName, "Command1");
    type(kAirport, "Text1A", "Abc Field");
    type(kAirport, "Text3A", "ABC");
    type(kAirport, "Text4A", "ASW");
    click(kAirport, "CommandSubmitAirport");
    dialogs.shown.clear();
  }
  void finalize(Button answer) {
    dialogs.answer({answer});
    click(kAirport, "CommandCertify");
    // These surveys lack most required values, so the review comes first; go on from it.
    if (shown(ReviewScreen::kName)) click(ReviewScreen::kName, "CommandCertify");
  }
  void certify(const std::string& name, const std::string& license, const std::string& notes) {
    finalize(Button::Yes);
    ASSERT_TRUE(shown(kCert));
    type(kCert, "Text34C", name);
    type(kCert, "Text35C", license);
    type(kCert, "Text36C", notes);
    click(kCert, "CommandSubmitAirport");
  }
  const Table& airports() { return program.store.airports(); }
};

TEST_F(CertificationTest, FinalizeAsksAndNoKeepsTheAirportScreen) {
  saveNewSurvey();
  finalize(Button::No);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0],
            question("Have you entered all airport, runway, navaid, and obstruction data?",
                     "Is survey finished?"));
  EXPECT_TRUE(shown(kAirport));
  EXPECT_EQ(control<TextBox>(kAirport, "Text3A").text(), "ABC");
}

TEST_F(CertificationTest, CertifyingTwiceShowsAndOverwritesTheFirstEntries) {
  saveNewSurvey();
  certify("J. Smith", "LS-1", "first");
  EXPECT_TRUE(shown(MainScreen::kName));
  expectRow(TableKind::Airport, 1,
            {{41, "CERTIFIED"}, {34, "J. Smith"}, {35, "LS-1"}, {36, "first"}});
  EXPECT_EQ(control<Grid>(MainScreen::kName, "GridAirport").cell(1, 4), "CERTIFIED");

  control<Grid>(MainScreen::kName, "GridAirport").clickRow(1);
  click(MainScreen::kName, "CommandEditAPT");
  finalize(Button::Yes);
  expectBoxes(kCert, {{"Text34C", "J. Smith"}, {"Text36C", "first"}});
  EXPECT_EQ(control<StatusBar>(kCert, "StatusBar1").panelText(), "ABC: Abc Field");
  type(kCert, "Text34C", "");
  type(kCert, "Text36C", "second");
  click(kCert, "CommandSubmitAirport");
  expectRow(TableKind::Airport, 1, {{34, ""}, {35, "LS-1"}, {36, "second"}, {41, "CERTIFIED"}});
}

TEST_F(CertificationTest, CancelReturnsToTheAirportScreenUnchanged) {
  saveNewSurvey();
  finalize(Button::Yes);
  type(kCert, "Text34C", "not kept");
  click(kCert, "CommandCancelAirport");
  ASSERT_TRUE(shown(kAirport));
  EXPECT_EQ(control<TextBox>(kAirport, "Text3A").text(), "ABC");
  EXPECT_EQ(airports().cell(1, 41), "NEW");
  EXPECT_EQ(airports().cell(1, 34), "");
}

TEST_F(CertificationTest, StatementsNameTheStandardSingularThenPlural) {
  saveNewSurvey();
  finalize(Button::Yes);
  const std::string note = control<TextBox>(kCert, "TextSurvey2").text();
  const std::string statement = control<TextBox>(kCert, "TextSurvey3").text();
  EXPECT_NE(note.find("405 \"Standard for Aeronautical Surveys and Related Products.\"  The "),
            std::string::npos);
  EXPECT_NE(statement.find("405. \"Standards for Aeronautical Surveys and Related Products\" ("),
            std::string::npos);
  EXPECT_TRUE(control<TextBox>(kCert, "TextSurvey2").locked());
  EXPECT_TRUE(control<TextBox>(kCert, "Text35C").bold());
  EXPECT_EQ(control<Frame>(kCert, "Frame1").caption(), "CERTIFICATION");
}

TEST_F(CertificationTest, FinalizeWithoutASurveyLeadsBackToTheList) {
  program.store.appendAirport({{3, "ABC"}});
  program.current().surveyKey.clear();
  program.current().storeLoaded = true;
  start();
  control<TabStrip>(MainScreen::kName, "TabStrip1").select(1);
  click(kAirport, "CommandCertify");
  EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"You Must First Enter/Select a Survey"});
  EXPECT_TRUE(shown(MainScreen::kName));
  EXPECT_EQ(control<TabStrip>(MainScreen::kName, "TabStrip1").selectedCaption(), "List of Surveys");
}

TEST_F(CertificationTest, CertifyingADeletedSurveySaysSoAndStoresNothing) {
  saveNewSurvey();
  finalize(Button::Yes);
  program.store.deleteSurvey("ABC");
  click(kCert, "CommandSubmitAirport");
  EXPECT_EQ(dialogs.last(),
            "The survey ABC is no longer in the list of surveys. Nothing was "
            "certified.");
  EXPECT_EQ(airports().cell(0, 41), "");
  EXPECT_TRUE(shown(MainScreen::kName));
}

// The whole road of a survey: new, saved, reopened, certified, kept across a restart. A store
// line holds one cell: a line break typed into the comments must not shift the survey after it.
TEST_F(CertificationTest, ACertifiedSurveySurvivesExitAndRestart) {
  saveNewSurvey();
  click(kAirport, "CommandCancelAirport");
  control<Grid>(MainScreen::kName, "GridAirport").clickRow(1);
  click(MainScreen::kName, "CommandEditAPT");
  type(kAirport, "Text6A", "Springfield");
  click(kAirport, "CommandSubmitAirport");
  certify("J. Smith", "LS-1", "first line\r\nsecond\nthird\r");
  program.store.appendAirport({{1, "Def Field"}, {3, "DEF"}});
  program.store.appendChild(TableKind::Runway, {{2, "09"}});
  dialogs.answer({Button::Yes, Button::Yes});
  ASSERT_TRUE(exitProgram(program));

  NextRun later(platform);
  const SurveyStore& reloaded = later.program.store;
  ASSERT_EQ(reloaded.airports().count(), 2);
  const std::pair<int, FieldValues> expected[] = {
      {1,
       fieldsOf(
           "3=ABC, 6=Springfield, 25=AOC, 41=CERTIFIED, 34=J. Smith, 36=first line second third ")},
      {2, {{3, "DEF"}, {1, "Def Field"}}}};
  for (const auto& [row, cells] : expected) {
    for (const auto& [field, text] : cells) {
      EXPECT_EQ(reloaded.airports().cell(row, field), text) << row << " " << field;
    }
  }
  EXPECT_EQ(reloaded.childRows(TableKind::Runway, "DEF"), std::vector<int>{1});
  EXPECT_EQ(reloaded.runways().cell(1, 2), "09");
  EXPECT_TRUE(later.dialogs.shown.empty());
}

}  // namespace
}  // namespace survey::testing
