// "Obstruction Evaluation": every live obstruction of one survey judged against the FAR 77
// surfaces, in a table that filters and sorts, with a summary and "Save Report".
#pragma once

#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/program.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace survey::ui {

class EvaluationFilterModel;
class EvaluationTableModel;

class ObstructionEvaluationWindow : public QWidget {
  Q_OBJECT
 public:
  ObstructionEvaluationWindow(Program& program, std::string key, QWidget* parent = nullptr);

  QTableView* table() const { return table_; }
  QCheckBox* penetratingOnly() const { return penetratingOnly_; }
  QComboBox* runwayEnd() const { return runwayEnd_; }
  QLabel* summary() const { return summary_; }
  const EvaluationTableModel& model() const { return *model_; }

  // Judges the survey's obstructions again (after an edit elsewhere).
  void refresh();
  // The table as shown, headings first: the rows the filters let through, in the shown order.
  std::vector<std::vector<std::string>> shownTable() const;
  // The PDF report of the table as shown.
  ReportDocument report() const;
  // Writes the table as shown: CSV for a name ending in ".csv", else PDF. Whole or not at
  // all; an empty text when written, else why not.
  std::string saveReport(const std::filesystem::path& file) const;

 private:
  void chooseAndSaveReport();
  void filterChanged();

  Program& program_;
  std::string key_;
  EvaluationTableModel* model_;
  EvaluationFilterModel* filter_;
  QCheckBox* penetratingOnly_;
  QComboBox* runwayEnd_;
  QTableView* table_;
  QLabel* summary_;
  QPushButton* save_;
  QPushButton* close_;
};

// Opens the evaluation of the current survey; tells the user when none is chosen.
void showObstructionEvaluation(Program& program, QWidget* parent);

}  // namespace survey::ui
