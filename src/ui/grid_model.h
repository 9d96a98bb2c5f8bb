// A table model over a grid control: row 0 of the grid is the header, the
// other rows are the data, so even 30,000 rows fill at once.
#pragma once

#include <QAbstractTableModel>

#include "shell/controls.h"

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

 private:
  Grid* grid_;
};

}  // namespace survey::ui
