#include "ui/evaluation_table_model.h"

#include <QBrush>
#include <QFont>
#include <algorithm>

#include "store/number_text.h"

namespace survey::ui {

using evaluation::ObstructionEvaluation;

const std::array<std::string, kEvaluationColumns>& EvaluationTableModel::headings() {
  static const auto headings = [] {
    std::array<std::string, kEvaluationColumns> all;
    std::ranges::copy(evaluation::evaluationHeadings(), all.begin());
    all[kNoteColumn] = "note";
    return all;
  }();
  return headings;
}

void EvaluationTableModel::setEvaluations(std::vector<ObstructionEvaluation> evaluations) {
  beginResetModel();
  evaluations_ = std::move(evaluations);
  rows_.clear();
  rows_.reserve(evaluations_.size());
  for (const auto& e : evaluations_) {
    Row& row = rows_.emplace_back();
    std::ranges::copy(evaluation::evaluationTexts(e), row.texts.begin());
    const evaluation::Verdict& verdict = e.verdict;
    row.texts[kNoteColumn] = verdict.surfaceName.empty() ? verdict.reason : verdict.surfaceName;
    row.record = decimalValue(e.record);
  }
  endResetModel();
}

std::optional<double> EvaluationTableModel::number(int row, int column) const {
  const ObstructionEvaluation& e = evaluation(row);
  switch (column) {
    case kRecordColumn:
      return rows_[static_cast<std::size_t>(row)].record;
    case kSurfaceElevationColumn:
      return e.verdict.surfaceElevation;
    case kTopElevationColumn:
      return e.topElevation;
    case kPenetrationColumn:
      return e.verdict.penetration;
    default:
      return std::nullopt;
  }
}

int EvaluationTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int EvaluationTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kEvaluationColumns;
}

QVariant EvaluationTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row(), column = index.column();
  const bool penetrates = evaluation(row).verdict.penetrates();
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(text(row, column));
    case Qt::TextAlignmentRole:
      return column >= kSurfaceElevationColumn && column <= kPenetrationColumn
                 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
      if (penetrates) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::ForegroundRole:
      return penetrates ? QVariant(QBrush(QColor(170, 0, 0))) : QVariant();
    case Qt::ToolTipRole:
      return QString::fromStdString(evaluation::verdictLine(evaluation(row).verdict));
    default:
      return {};
  }
}

QVariant EvaluationTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= kEvaluationColumns) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return QString::fromStdString(headings()[static_cast<std::size_t>(section)]);
}

EvaluationFilterModel::EvaluationFilterModel(EvaluationTableModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
  setSourceModel(&source);
}

void EvaluationFilterModel::setPenetratingOnly(bool only) {
  if (only == penetratingOnly_) return;
  penetratingOnly_ = only;
  invalidateFilter();
}

void EvaluationFilterModel::setRunwayEnd(const std::string& end) {
  if (end == runwayEnd_) return;
  runwayEnd_ = end;
  invalidateFilter();
}

std::vector<int> EvaluationFilterModel::shownRows() const {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(rowCount()));
  for (int row = 0; row < rowCount(); ++row) rows.push_back(mapToSource(index(row, 0)).row());
  return rows;
}

bool EvaluationFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  const ObstructionEvaluation& e = source_.evaluation(sourceRow);
  if (penetratingOnly_ && !e.verdict.penetrates()) return false;
  return runwayEnd_.empty() || e.runwayEnd == runwayEnd_;
}

bool EvaluationFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const int column = left.column();
  const std::string& leftText = source_.text(left.row(), column);
  const std::string& rightText = source_.text(right.row(), column);
  // The view turns the order round for a descending sort: an empty cell is "less" then,
  // so that it stays at the end.
  if (leftText.empty() != rightText.empty()) {
    return leftText.empty() == (sortOrder() == Qt::DescendingOrder);
  }
  const auto leftNumber = source_.number(left.row(), column);
  const auto rightNumber = source_.number(right.row(), column);
  if (leftNumber && rightNumber) return *leftNumber < *rightNumber;
  return QString::compare(QString::fromStdString(leftText), QString::fromStdString(rightText),
                          Qt::CaseInsensitive) < 0;
}

}  // namespace survey::ui
