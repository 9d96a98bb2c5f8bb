// The survey review on the screens: reached from the airport screen's menu and from
// "Finalize Input", a finding opens its field, the report goes to a PDF, and "Create UDDF"
// asks before it shortens a value.
#include "entry/review_screen.h"

#include "entry/airport_screen.h"
#include "entry/certification_screen.h"
#include "entry/output_file_screen.h"
#include "review/review_fixture.h"
#include "shell/screen_names.h"
#include "store/file_io.h"
#include "support/program_fixture.h"

namespace survey::testing {
namespace {

class ReviewScreenTest : public ProgramTest {
 protected:
  ReviewScreenTest() {
    program.store = survey.store;
    program.current().storeLoaded = true;
    program.current().surveyKey = survey.key;
    program.current().surveyType = "AOC";
    program.exportClock = [] { return uddf::LocalDateTime{2026, 12, 5, 7, 45, 58}; };
  }
  void openAirport() {
    start();
    prepareScreen(program, AirportScreen::kName, Preparation::Tab);
    showScreen(program, AirportScreen::kName);
  }
  ReviewScreen& reviewFromMenu() {
    openAirport();
    program.screens.existing(AirportScreen::kName)->menuItem("MenuReviewSurvey").click();
    EXPECT_TRUE(shown(ReviewScreen::kName));
    return static_cast<ReviewScreen&>(*program.screens.existing(ReviewScreen::kName));
  }
  Grid& findingsGrid() { return control<Grid>(ReviewScreen::kName, "GridFindings"); }
  int rowOf(TableKind table, int field) {
    auto& findings =
        static_cast<ReviewScreen&>(*program.screens.existing(ReviewScreen::kName)).findings();
    for (std::size_t i = 0; i < findings.size(); ++i) {
      if (findings[i].table == table && findings[i].field == field) return static_cast<int>(i) + 1;
    }
    return 0;
  }
  void setAirport(int field, const std::string& value) {
    program.store.airports().setCell(survey.airport, field, value);
  }

  review::testing::KnownSurvey survey;
};

TEST_F(ReviewScreenTest, TheMenuListsTheFindingsWithTheirCounts) {
  program.store.runways().setCell(survey.runway, 5, "7000");
  setAirport(22, "");
  auto& screen = reviewFromMenu();
  ASSERT_EQ(screen.findings().size(), 2u);
  EXPECT_EQ(control<Label>(ReviewScreen::kName, "LabelCounts").caption(), "1 error, 1 warning");
  auto& grid = findingsGrid();
  ASSERT_EQ(grid.rows(), 3);
  const int length = rowOf(TableKind::Runway, 5);
  EXPECT_EQ(grid.cell(length, 0), "Warning");
  EXPECT_EQ(grid.cell(length, 1), "runway 15/33");
  EXPECT_EQ(grid.cell(length, 2), "Surveyed Length");
  EXPECT_EQ(grid.cell(length, 4), "9000.0 ft");
  EXPECT_EQ(platform.busyDepth, 0);
  EXPECT_GE(platform.busyCount, 1);
}

TEST_F(ReviewScreenTest, TheMenuAsksForASurveyWhenNoneOfTheStoreIsChosen) {
  openAirport();
  for (const char* key : {"", "GONE"}) {
    program.current().surveyKey = key;
    dialogs.shown.clear();
    program.screens.existing(AirportScreen::kName)->menuItem("MenuReviewSurvey").click();
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"You Must First Enter/Select a Survey"});
    EXPECT_FALSE(shown(ReviewScreen::kName));
  }
}

TEST_F(ReviewScreenTest, ACleanSurveySaysSoAndHasNothingToOpen) {
  reviewFromMenu();
  EXPECT_EQ(control<Label>(ReviewScreen::kName, "LabelCounts").caption(),
            "Nothing found: no errors, no warnings.");
  EXPECT_FALSE(control<CommandButton>(ReviewScreen::kName, "CommandOpen").enabled());
}

TEST_F(ReviewScreenTest, ActivatingAFindingOpensItsRecordWithTheFieldFocused) {
  const struct {
    TableKind table;
    int field;
    std::function<void()> inject;
    const char* screen;
    const char* focused;
    const char* save;
  } cases[] = {
      {TableKind::Runway, 5, [this] { program.store.runways().setCell(survey.runway, 5, "7000"); },
       screen::kRunway, "Text5R", "CommandSubmitRunway"},
      {TableKind::Airport, 15, [this] { setAirport(15, "12 + 1500"); }, screen::kAirport, "Text15A",
       "CommandSubmitAirport"},
      {TableKind::Obstruction, 21,
       [this] { program.store.obstructions().setCell(survey.obstructions[1], 21, "NUL: x"); },
       screen::kObstruction, "ListObsSurface", "CommandSubmitOBS"},
  };
  for (const auto& c : cases) {
    c.inject();
    reviewFromMenu();
    const int row = rowOf(c.table, c.field);
    ASSERT_GT(row, 0) << c.focused;
    findingsGrid().activateRow(row);
    ASSERT_TRUE(shown(c.screen)) << c.focused;
    EXPECT_EQ(program.screens.existing(c.screen)->focusedControl(), c.focused);
    // Opened for editing: the fix can be saved at once.
    EXPECT_TRUE(control<CommandButton>(c.screen, c.save).enabled()) << c.save;
    if (c.table == TableKind::Airport) {
      EXPECT_EQ(program.current().airportMode, RecordMode::Edit);
      EXPECT_TRUE(control<TextBox>(screen::kAirport, "Text3A").locked());
    }
    if (c.table == TableKind::Runway) {
      EXPECT_EQ(program.current().runwayMode, RecordMode::Edit);
      EXPECT_EQ(control<TextBox>(screen::kRunway, "Text5R").text(), "7000");
    }
    for (TableKind kind : {TableKind::Airport, TableKind::Runway, TableKind::Obstruction}) {
      program.store.table(kind) = survey.store.table(kind);  // the next case starts clean
    }
  }
}

TEST_F(ReviewScreenTest, FinalizeInputShowsErrorsFirstAndTheSurveyorMayGoOn) {
  setAirport(22, "");
  openAirport();
  dialogs.answer({Button::Yes});
  click(AirportScreen::kName, "CommandCertify");
  ASSERT_TRUE(shown(ReviewScreen::kName));
  auto& go = control<CommandButton>(ReviewScreen::kName, "CommandCertify");
  ASSERT_TRUE(go.visible());
  go.click();
  EXPECT_TRUE(shown(CertificationScreen::kName));
}

TEST_F(ReviewScreenTest, FinalizeInputWithWarningsOnlyGoesStraightToCertification) {
  program.store.runways().setCell(survey.runway, 5, "7000");
  openAirport();
  dialogs.answer({Button::Yes});
  click(AirportScreen::kName, "CommandCertify");
  EXPECT_TRUE(shown(CertificationScreen::kName));
  EXPECT_FALSE(shown(ReviewScreen::kName));
}

TEST_F(ReviewScreenTest, SaveReportWritesTheFindingsAsAPdfOrSaysWhyNot) {
  program.store.runways().setCell(survey.runway, 5, "7000");
  reviewFromMenu();
  click(ReviewScreen::kName, "CommandSaveReport");  // the user cancels the file choice
  EXPECT_TRUE(platform.pdfs.empty());

  platform.saveAs = dir.path() / "report.pdf";
  click(ReviewScreen::kName, "CommandSaveReport");
  ASSERT_EQ(platform.pdfs.size(), 1u);
  EXPECT_EQ(platform.suggestedFile, dir.path() / "KTST survey review.pdf");
  const ReportDocument& report = platform.pdfs[0].second;
  ASSERT_EQ(report.rows.size(), 1u);
  EXPECT_EQ(report.rows[0][1], "runway 15/33");
  EXPECT_EQ(report.summary, "Summary: 0 errors, 1 warning");
  EXPECT_NE(report.heading[0].find("TEST FIELD (KTST)"), std::string::npos);
  EXPECT_EQ(report.heading[1], "Survey type: AOC");
  EXPECT_EQ(report.heading[2], "Survey date: 11/20/2026");
  EXPECT_EQ(dialogs.last(),
            "The report was saved as " + (dir.path() / "report.pdf").string() + ".");

  platform.pdfError = "disk full";
  click(ReviewScreen::kName, "CommandSaveReport");
  EXPECT_EQ(dialogs.last(), "The report " + (dir.path() / "report.pdf").string() +
                                " could not be saved: disk full.");
}

TEST_F(ReviewScreenTest, CreateUddfAsksBeforeShorteningAValueNoByDefault) {
  setAirport(15, "12 + 1500");
  start();
  for (Button answer : {Button::No, Button::Yes}) {
    click(MainScreen::kName, "Command1");
    ASSERT_TRUE(shown(OutputFileScreen::kName));
    type(OutputFileScreen::kName, "Text1", "site");
    dialogs.answer({answer});
    click(OutputFileScreen::kName, "Command3");
    const Message& asked = dialogs.shown.at(dialogs.shown.size() - (answer == Button::Yes ? 2 : 1));
    EXPECT_NE(asked.text.find("\"12 + 1500\" would be written as \"12 + 150\""), std::string::npos);
    EXPECT_NE(asked.text.find("Write it anyway?"), std::string::npos);
    EXPECT_EQ(asked.defaultButton, Button::No);
    const bool written = std::filesystem::exists(dir.path() / "site.f77");
    EXPECT_EQ(written, answer == Button::Yes);
    EXPECT_EQ(shown(OutputFileScreen::kName), answer == Button::No);
  }
}

}  // namespace
}  // namespace survey::testing
