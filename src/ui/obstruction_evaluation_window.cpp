#include "ui/obstruction_evaluation_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "store/csv_text.h"
#include "store/file_io.h"
#include "store/schema/airport_fields.h"
#include "store/text_forms.h"
#include "ui/evaluation_table_model.h"
#include "ui/pdf_report.h"
#include "ui/record_table.h"

namespace survey::ui {

namespace {

constexpr const char* kAllEnds = "All";

bool endsWithCsv(const std::filesystem::path& file) {
  return lowered(file.extension().string()) == ".csv";
}

}  // namespace

ObstructionEvaluationWindow::ObstructionEvaluationWindow(Program& program, std::string key,
                                                         QWidget* parent)
    : QWidget(parent, Qt::Window),
      program_(program),
      key_(std::move(key)),
      model_(new EvaluationTableModel(this)),
      filter_(new EvaluationFilterModel(*model_, this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);

  auto* filters = new QHBoxLayout;
  penetratingOnly_ = new QCheckBox("&Penetrating only");
  penetratingOnly_->setObjectName("PenetratingOnly");
  filters->addWidget(penetratingOnly_);
  filters->addSpacing(24);
  auto* endLabel = new QLabel("&Runway end:");
  runwayEnd_ = new QComboBox;
  runwayEnd_->setObjectName("RunwayEnd");
  runwayEnd_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  endLabel->setBuddy(runwayEnd_);
  filters->addWidget(endLabel);
  filters->addWidget(runwayEnd_);
  filters->addStretch();
  layout->addLayout(filters);

  summary_ = new QLabel;
  summary_->setObjectName("Summary");
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(summary_);

  table_ = newRecordTable("EvaluationTable", "Obstructions", filter_);
  // Shown in the order of the records until a heading is clicked.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  layout->addWidget(table_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  save_ = new QPushButton("&Save Report...");
  save_->setObjectName("SaveReport");
  save_->setToolTip("Write the table as shown to a PDF or CSV file");
  close_ = new QPushButton("&Close");
  close_->setObjectName("Close");
  buttons->addWidget(save_);
  buttons->addWidget(close_);
  layout->addLayout(buttons);

  setTabOrder(penetratingOnly_, runwayEnd_);
  setTabOrder(runwayEnd_, table_);
  setTabOrder(table_, save_);
  setTabOrder(save_, close_);

  connect(penetratingOnly_, &QCheckBox::toggled, this, [this] { filterChanged(); });
  connect(runwayEnd_, &QComboBox::currentIndexChanged, this, [this] { filterChanged(); });
  connect(save_, &QPushButton::clicked, this, [this] { chooseAndSaveReport(); });
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);

  resize(1100, 700);
  refresh();
}

void ObstructionEvaluationWindow::refresh() {
  const BusyPointer busy(program_.platform);
  model_->setEvaluations(evaluation::evaluateObstructions(program_.store, key_));
  const int row = program_.store.findSurveyRow(key_);
  const std::string name =
      row > 0 ? program_.store.airports().cell(row, airport::Name) : std::string();
  setWindowTitle(QString::fromStdString("Obstruction Evaluation - " + key_ +
                                        (name.empty() ? "" : ": " + name)));
  summary_->setText(QString::fromStdString(evaluation::evaluationSummary(model_->evaluations())));

  // "All", then each runway end an obstruction is listed for; the choice stays if it can.
  std::vector<std::string> ends;
  for (const auto& e : model_->evaluations()) {
    if (!e.runwayEnd.empty()) ends.push_back(e.runwayEnd);
  }
  std::sort(ends.begin(), ends.end());
  ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
  const QString chosen = runwayEnd_->currentText();
  {
    const QSignalBlocker quiet(runwayEnd_);
    runwayEnd_->clear();
    runwayEnd_->addItem(kAllEnds);
    for (const std::string& end : ends) runwayEnd_->addItem(QString::fromStdString(end));
    runwayEnd_->setCurrentIndex(std::max(0, runwayEnd_->findText(chosen)));
  }
  filterChanged();
  table_->resizeColumnsToContents();
}

void ObstructionEvaluationWindow::filterChanged() {
  filter_->setPenetratingOnly(penetratingOnly_->isChecked());
  filter_->setRunwayEnd(runwayEnd_->currentIndex() > 0 ? runwayEnd_->currentText().toStdString()
                                                       : std::string());
}

std::vector<std::vector<std::string>> ObstructionEvaluationWindow::shownTable() const {
  const auto& headings = EvaluationTableModel::headings();
  std::vector<std::vector<std::string>> rows{{headings.begin(), headings.end()}};
  for (int row : filter_->shownRows()) {
    std::vector<std::string>& texts = rows.emplace_back();
    for (int column = 0; column < kEvaluationColumns; ++column) {
      texts.push_back(model_->text(row, column));
    }
  }
  return rows;
}

ReportDocument ObstructionEvaluationWindow::report() const {
  ReportDocument report;
  report.title = "Obstruction Evaluation";
  const int row = program_.store.findSurveyRow(key_);
  const auto cell = [&](int field) {
    return row > 0 ? program_.store.airports().cell(row, field) : std::string();
  };
  const auto& evaluations = model_->evaluations();
  std::string shown = "Shown: ";
  if (filter_->penetratingOnly() || !filter_->runwayEnd().empty()) {
    shown += std::to_string(filter_->rowCount()) + " of " + std::to_string(evaluations.size()) +
             " (" + (filter_->penetratingOnly() ? "penetrating only" : "") +
             (filter_->penetratingOnly() && !filter_->runwayEnd().empty() ? ", " : "") +
             (filter_->runwayEnd().empty() ? "" : "runway end " + filter_->runwayEnd()) + ")";
  } else {
    shown += "all";
  }
  report.heading = {"Airport: " + cell(airport::Name) + " (" + key_ + ")",
                    "Survey date: " + cell(airport::SurveyDate) + "    Evaluated on " +
                        QDate::currentDate().toString("MM/dd/yyyy").toStdString(),
                    shown};
  report.summary = evaluation::evaluationSummary(evaluations);
  std::vector<std::vector<std::string>> table = shownTable();
  report.columns = std::move(table.front());
  report.rows.assign(std::make_move_iterator(table.begin() + 1),
                     std::make_move_iterator(table.end()));
  report.rightAligned.assign(kEvaluationColumns, false);
  for (int column : {kSurfaceElevationColumn, kTopElevationColumn, kPenetrationColumn}) {
    report.rightAligned[static_cast<std::size_t>(column)] = true;
  }
  return report;
}

std::string ObstructionEvaluationWindow::saveReport(const std::filesystem::path& file) const {
  if (endsWithCsv(file)) return writeFileAtomically(file, csvText(shownTable()));
  return writeReportPdf(report(), QString::fromStdString(file.string()));
}

void ObstructionEvaluationWindow::chooseAndSaveReport() {
  const auto file = program_.platform.chooseSaveFile(
      "Save Report", program_.platform.storeDirectory() / (key_ + " obstruction evaluation.pdf"),
      "PDF document (*.pdf);;CSV file (*.csv)");
  if (!file) return;
  std::string error;
  {
    const BusyPointer busy(program_.platform);
    error = saveReport(*file);
  }
  program_.tell(error.empty()
                    ? "The report was saved as " + file->string() + "."
                    : "The report " + file->string() + " could not be saved: " + error + ".");
}

void showObstructionEvaluation(Program& program, QWidget* parent) {
  if (program.refuseWithoutSurvey()) return;
  auto* window = new ObstructionEvaluationWindow(program, program.current().surveyKey, parent);
  window->show();
}

}  // namespace survey::ui
