#include "ui/grid_model.h"

namespace survey::ui {

GridModel::GridModel(Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(&grid) {
  findShownColumns();
}

namespace {
bool hasText(const Grid& grid, int column) {
  for (int row = 0; row < grid.rows(); ++row) {
    if (!grid.cell(row, column).empty()) return true;
  }
  return false;
}
}  // namespace

// A column is shown unless it is the hidden one, planned with no width, or empty throughout
// (header included): a screen reader would announce it as an unnamed column.
void GridModel::findShownColumns() {
  shown_.clear();
  if (!grid_) return;
  const auto& widths = grid_->columnWidthsTwips();
  for (int column = 0; column < grid_->columns(); ++column) {
    const bool noWidth =
        column < static_cast<int>(widths.size()) && widths[static_cast<std::size_t>(column)] <= 0;
    if (grid_->hiddenColumn() != column && !noWidth && hasText(*grid_, column)) {
      shown_.push_back(column);
    }
  }
}

int GridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !grid_) return 0;
  return grid_->rows() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !grid_) return 0;
  return static_cast<int>(shown_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!grid_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  if (index.row() + 1 >= grid_->rows() || index.column() >= columnCount()) return {};
  return QString::fromStdString(grid_->cell(index.row() + 1, gridColumn(index.column())));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!grid_ || role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= columnCount()) return {};
  return QString::fromStdString(grid_->cell(0, gridColumn(section)));
}

void GridModel::reload() {
  beginResetModel();
  findShownColumns();
  endResetModel();
}

}  // namespace survey::ui
