// The obstruction evaluation as a table: the columns of `survey-tool evaluate` and a note,
// a model over the evaluations and the proxy that filters and sorts them.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/obstruction_evaluation.h"

namespace survey::ui {

inline constexpr int kEvaluationColumns = 9;
enum EvaluationColumn {
  kRecordColumn,
  kObjectColumn,
  kRunwayEndColumn,
  kCodeColumn,
  kSurfaceColumn,
  kSurfaceElevationColumn,
  kTopElevationColumn,
  kPenetrationColumn,
  kNoteColumn
};

static_assert(kNoteColumn == evaluation::kEvaluationTextColumns,
              "the note follows the columns of the evaluation");

class EvaluationTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void setEvaluations(std::vector<evaluation::ObstructionEvaluation> evaluations);
  const std::vector<evaluation::ObstructionEvaluation>& evaluations() const { return evaluations_; }
  const evaluation::ObstructionEvaluation& evaluation(int row) const {
    return evaluations_[static_cast<std::size_t>(row)];
  }
  const std::string& text(int row, int column) const {
    return rows_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(column)];
  }
  // Those of the evaluation, then "note".
  static const std::array<std::string, kEvaluationColumns>& headings();
  // The number a column sorts by: nothing for a text column or an empty cell.
  std::optional<double> number(int row, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct Row {
    std::array<std::string, kEvaluationColumns> texts;  // the note: the surface, or why none
    std::optional<double> record;
  };
  std::vector<evaluation::ObstructionEvaluation> evaluations_;
  std::vector<Row> rows_;
};

// Sorts numbers as numbers and puts empty cells last in either order; shows only
// penetrating rows, or the rows of one runway end, when asked.
class EvaluationFilterModel : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit EvaluationFilterModel(EvaluationTableModel& source, QObject* parent = nullptr);
  void setPenetratingOnly(bool only);
  // Empty: every runway end.
  void setRunwayEnd(const std::string& end);
  bool penetratingOnly() const { return penetratingOnly_; }
  const std::string& runwayEnd() const { return runwayEnd_; }
  // The source rows in the order shown.
  std::vector<int> shownRows() const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  const EvaluationTableModel& source_;
  bool penetratingOnly_ = false;
  std::string runwayEnd_;
};

}  // namespace survey::ui
