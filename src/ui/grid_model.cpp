#include "ui/grid_model.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <numeric>

#include "ui/control_binding.h"

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

int GridModel::columnOf(int gridColumn) const {
  const auto at = std::find(shown_.begin(), shown_.end(), gridColumn);
  return at == shown_.end() ? -1 : static_cast<int>(at - shown_.begin());
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

// Each column is as wide as its longest text, at least as planned. A column before the last
// gives way where it would push the headings that follow out of the view: every heading stays
// in sight, the cut text is in the cell's tool-tip, and the user may still widen the column.
// A wrapped column gives way down to half its planned width, and gets the room the others
// leave.
void fitColumns(GridView& view, const GridModel& model, const std::vector<int>& plannedTwips,
                std::optional<int> wrappedGridColumn) {
  const int count = model.columnCount();
  if (count == 0) return;
  std::vector<int> planned(static_cast<std::size_t>(count));
  std::vector<int> wanted(planned.size());
  std::optional<std::size_t> wrapped;
  for (int column = 0; column < count; ++column) {
    const auto gridColumn = static_cast<std::size_t>(model.gridColumn(column));
    const auto at = static_cast<std::size_t>(column);
    planned[at] = gridColumn < plannedTwips.size() ? pixels(plannedTwips[gridColumn])
                                                   : view.horizontalHeader()->defaultSectionSize();
    if (wrappedGridColumn && model.gridColumn(column) == *wrappedGridColumn) {
      wrapped = at;
      planned[at] /= 2;
      wanted[at] = planned[at];
    } else {
      wanted[at] = std::max(planned[at], view.contentWidth(column));
    }
  }
  const auto last = planned.size() - 1;
  auto widthAt = [&](std::size_t column, int cap) {
    return column == last ? planned[column]
                          : std::max(planned[column], std::min(wanted[column], cap));
  };
  auto total = [&](int cap) {
    int sum = 0;
    for (std::size_t column = 0; column < planned.size(); ++column) sum += widthAt(column, cap);
    return sum;
  };
  const int room = view.width() - 2 * view.frameWidth() -
                   view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
  // The widest cap that still leaves every heading in the view (none: the planned widths).
  int low = 0;
  int high = *std::max_element(wanted.begin(), wanted.end());
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (total(middle) <= room) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  std::vector<int> widths(planned.size());
  for (std::size_t column = 0; column < planned.size(); ++column) {
    widths[column] = column == last ? wanted[column] : widthAt(column, low);
  }
  if (wrapped && *wrapped != last) {
    widths[*wrapped] += std::max(0, room - std::accumulate(widths.begin(), widths.end(), 0));
  }
  for (std::size_t column = 0; column < planned.size(); ++column) {
    view.setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

}  // namespace survey::ui
