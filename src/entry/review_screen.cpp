#include "entry/review_screen.h"

#include "entry/airport_screen.h"
#include "entry/certification_screen.h"
#include "entry/navaid_screen.h"
#include "entry/obstruction_screen.h"
#include "entry/open_record.h"
#include "entry/runway_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"

namespace survey {

namespace {

constexpr int kMessageColumn = 3;  // "What is wrong": shown whole, wrapped
constexpr int kIndexColumn = 5;    // hidden: the finding behind a grid row

std::string plural(int count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string dateText(const review::ReviewDate& date) {
  auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return two(date.month) + "/" + two(date.day) + "/" + std::to_string(date.year);
}

}  // namespace

std::string findingCountsText(const review::FindingCounts& counts) {
  if (counts.errors == 0 && counts.warnings == 0) return "Nothing found: no errors, no warnings.";
  return plural(counts.errors, "error") + ", " + plural(counts.warnings, "warning");
}

std::string controlOfField(TableKind table, int field) {
  struct Named {
    TableKind table;
    int field;
    std::string_view control;
  };
  static constexpr Named kLists[] = {
      {TableKind::Airport, airport::HorizontalDatumTieAccuracy,
       AirportScreen::kHorizontalAccuracyList.text},
      {TableKind::Airport, airport::EllipsoidalElevationTieAccuracy,
       AirportScreen::kEllipsoidalAccuracyList.text},
      {TableKind::Airport, airport::OrthometricElevationTieAccuracy,
       AirportScreen::kOrthometricAccuracyList.text},
      {TableKind::Airport, airport::State, AirportScreen::kStateList.text},
      {TableKind::Airport, airport::VerticalDatum, AirportScreen::kVerticalDatumList.text},
      {TableKind::Runway, runway::RwyIdBlastPad, RunwayScreen::kRwyIdBlastPadList.text},
      {TableKind::Runway, runway::Surface, RunwayScreen::kSurfaceList.text},
      {TableKind::Runway, runway::OppositeBlastPad, RunwayScreen::kOppositeBlastPadList.text},
      {TableKind::Navaid, navaid::OffsetDirection, NavaidScreen::kSideList.text},
      {TableKind::Navaid, navaid::Type, NavaidScreen::kElectronicList.text},
      {TableKind::Obstruction, obstruction::AccuracyHorizontal,
       ObstructionScreen::kHorizontalAccuracyList.text},
      {TableKind::Obstruction, obstruction::AccuracyVertical,
       ObstructionScreen::kVerticalAccuracyList.text},
      {TableKind::Obstruction, obstruction::Surface, ObstructionScreen::kSurfaceList.text}};
  for (const Named& named : kLists) {
    if (named.table == table && named.field == field) return std::string(named.control);
  }
  static constexpr char kLetter[] = {'A', 'R', 'G', 'O'};
  if (field <= 0) return {};
  return "Text" + std::to_string(field) + kLetter[static_cast<int>(table)];
}

ReportDocument reviewReport(const SurveyStore& store, const std::string& key,
                            const std::vector<review::Finding>& findings,
                            const review::ReviewDate& date) {
  ReportDocument report;
  report.title = "Survey Review";
  const int row = store.findSurveyRow(key);
  const Table& airports = store.airports();
  auto cell = [&](int field) { return row > 0 ? airports.cell(row, field) : std::string(); };
  report.heading = {
      "Airport: " + cell(airport::Name) + " (" + key + "), site " + cell(airport::SiteNumber),
      "Survey type: " + cell(airport::SurveyType), "Survey date: " + cell(airport::SurveyDate),
      "Reviewed on " + dateText(date)};
  report.columns = {"Severity", "Record", "Field", "What is wrong", "Computed value"};
  for (const review::Finding& f : findings) {
    report.rows.push_back({std::string(review::severityText(f.severity)), f.record, f.fieldLabel,
                           f.message, f.computed});
  }
  report.summary = "Summary: " + findingCountsText(review::countFindings(findings));
  return report;
}

ReviewScreen::ReviewScreen(Program& program) : Screen(program, kName, kCaption) {
  setSizeTwips(16320, 9360);
  addSurveyTabs(16080);
  auto& frame = add(kFindingsFrame, nullptr);
  frame.setCaption("FINDINGS  (double-click or Enter opens the field)");
  frame.place(120, 540, 16080, 7800);

  auto& counts = add(kCountsLabel, &frame);
  counts.setCaption("Findings");
  counts.place(120, 300, 15840, 300);

  auto& grid = add(kFindingsGrid, &frame, 6);
  grid.setCaption("Findings");
  grid.setHiddenColumn(kIndexColumn);
  grid.setWrappedColumn(kMessageColumn);
  grid.setColumnWidthsTwips({1000, 2200, 4200, 6200, 1900, 0});
  grid.place(120, 660, 15840, 6420);
  grid.onActivate = [this] { openFinding(); };

  const struct {
    ControlName<CommandButton> name;
    const char* caption;
    int left;
    void (ReviewScreen::*handler)();
  } commands[] = {
      {kOpenButton, "Go to Field", 120, &ReviewScreen::openFinding},
      {kReviewButton, "Review Again", 1920, &ReviewScreen::review},
      {kSaveReportButton, "Save Report", 3720, &ReviewScreen::saveReport},
      {kCertifyButton, "Continue to Certification", 12960, &ReviewScreen::continueToCertification}};
  for (const auto& command : commands) {
    auto& button = add(command.name, &frame);
    button.setCaption(command.caption);
    button.place(command.left, 7200, command.left > 10000 ? 3000 : 1680, 420);
    button.onClick = [this, handler = command.handler] { (this->*handler)(); };
  }
  get(kCertifyButton).setVisible(false);

  auto& status = add(kStatusBar, nullptr);
  status.setCaption("Current survey");
  status.place(0, 8460, 16320, 360);
  addStandardMenus(*this);
}

void ReviewScreen::load() {
  showSurveyInStatusBar(*this);
  review();
}

void ReviewScreen::offerCertification() {
  get(kCertifyButton).setVisible(true);
}

void ReviewScreen::review() {
  {
    BusyPointer busy(program().platform);
    findings_ =
        review::reviewSurvey(program().store, program().current().surveyKey, review::localToday());
  }
  program().reviewedKey = program().current().surveyKey;
  program().reviewFindings = findings_;
  get(kCountsLabel).setCaption(findingCountsText(review::countFindings(findings_)));
  auto& grid = get(kFindingsGrid);
  Grid::Batch batch(grid);
  grid.setRows(static_cast<int>(findings_.size()) + 1);
  const char* heads[] = {"Severity", "Record", "Field", "What is wrong", "Computed value", ""};
  for (int column = 0; column < 6; ++column) grid.setCell(0, column, heads[column]);
  for (std::size_t i = 0; i < findings_.size(); ++i) {
    const review::Finding& f = findings_[i];
    const int row = static_cast<int>(i) + 1;
    grid.setCell(row, 0, std::string(review::severityText(f.severity)));
    grid.setCell(row, 1, f.record);
    grid.setCell(row, 2, f.fieldLabel);
    grid.setCell(row, kMessageColumn, f.message);
    grid.setCell(row, 4, f.computed);
    grid.setCell(row, kIndexColumn, std::to_string(i));
  }
  grid.selectRow(findings_.empty() ? 0 : 1);
  get(kOpenButton).setEnabled(!findings_.empty());
}

void ReviewScreen::openFinding() {
  const int row = get(kFindingsGrid).selectedRow();
  if (row < 1 || row > static_cast<int>(findings_.size())) return;
  const review::Finding finding = findings_[static_cast<std::size_t>(row - 1)];
  Program& program = this->program();
  // This screen is discarded from here on.
  Screen* target = nullptr;
  if (finding.table == TableKind::Airport) {
    // Opened for editing, as the survey list's Edit does, so that the fix can be saved.
    if (openRecordScreen(program, TableKind::Airport, 0)) {
      target = program.screens.existing(screen::kAirport);
    }
  } else if (finding.row > 0) {
    target = &editChildRecord(program, finding.table, finding.row);
  }
  if (target) target->focus(controlOfField(finding.table, finding.field));
}

void ReviewScreen::saveReport() {
  Program& program = this->program();
  const std::string& key = program.current().surveyKey;
  const auto file = program.platform.chooseSaveFile(
      "Save Report", program.platform.storeDirectory() / (key + " survey review.pdf"),
      "PDF documents (*.pdf)");
  if (!file) return;
  std::string error;
  {
    BusyPointer busy(program.platform);
    error = program.platform.writePdf(
        reviewReport(program.store, key, findings_, review::localToday()), *file);
  }
  program.tell(error.empty()
                   ? "The report was saved as " + file->string() + "."
                   : "The report " + file->string() + " could not be saved: " + error + ".");
}

void ReviewScreen::continueToCertification() {
  Program& program = this->program();
  // This screen is discarded from here on.
  auto& certification =
      static_cast<CertificationScreen&>(showScreen(program, screen::kCertification));
  certification.showEarlierEntries();
}

}  // namespace survey
