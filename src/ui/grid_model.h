// A table model over a grid control: row 0 of the grid is the header, the
// other rows are the data, so even 30,000 rows fill at once. Only the columns the
// grid shows are columns of the model, so screen readers meet no hidden or empty ones.
#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

class QTableView;

#include "shell/controls.h"
#include "ui/grid_view.h"

namespace survey::ui {

class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GridModel(Grid& grid, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The grid's cells changed: everything is read again.
  void reload();
  void detach() { grid_ = nullptr; }
  // The grid's column shown as the model's column.
  int gridColumn(int column) const { return shown_.at(static_cast<std::size_t>(column)); }
  // The model's column that shows the grid's column; -1 when it is not shown.
  int columnOf(int gridColumn) const;

 private:
  void findShownColumns();

  Grid* grid_;
  std::vector<int> shown_;
};

// Sets the view's column widths from the planned ones (twips) and the texts; the wrapped
// grid column, if any, keeps its planned width and takes the room left over.
void fitColumns(GridView& view, const GridModel& model, const std::vector<int>& plannedTwips,
                std::optional<int> wrappedGridColumn = std::nullopt);

}  // namespace survey::ui
