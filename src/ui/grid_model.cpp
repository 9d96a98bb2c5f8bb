#include "ui/grid_model.h"

namespace survey::ui {

GridModel::GridModel(Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(&grid) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !grid_) return 0;
  return grid_->rows() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !grid_) return 0;
  return grid_->columns();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!grid_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  if (index.row() + 1 >= grid_->rows() || index.column() >= grid_->columns()) return {};
  return QString::fromStdString(grid_->cell(index.row() + 1, index.column()));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!grid_ || role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= grid_->columns()) return {};
  return QString::fromStdString(grid_->cell(0, section));
}

void GridModel::reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace survey::ui
