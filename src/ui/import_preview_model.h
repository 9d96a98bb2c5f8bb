// The rows of an obstruction import's preview as a table: what each row of the file
// becomes, or why it is refused or skipped.
#pragma once

#include <QAbstractTableModel>

#include "survey/obstruction_import_plan.h"

namespace survey::ui {

enum class PreviewColumn {
  FileRow,
  Outcome,
  Object,
  Latitude,
  Longitude,
  TopElevation,
  Becomes,
  Count
};
constexpr int column(PreviewColumn c) {
  return static_cast<int>(c);
}

class ImportPreviewModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setPreview(const ImportPreview* preview);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const ImportPreview* preview_ = nullptr;
};

}  // namespace survey::ui
