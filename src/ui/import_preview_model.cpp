#include "ui/import_preview_model.h"

#include <QBrush>
#include <QColor>

namespace survey::ui {

void ImportPreviewModel::setPreview(const ImportPreview* preview) {
  beginResetModel();
  preview_ = preview;
  endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !preview_) return 0;
  return static_cast<int>(preview_->rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : column(PreviewColumn::Count);
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !preview_ || index.row() >= rowCount()) return {};
  const ImportRow& row = preview_->rows[static_cast<std::size_t>(index.row())];
  if (role == Qt::ForegroundRole) {
    if (row.outcome == RowOutcome::Refused) return QBrush(QColor(0x9b, 0x11, 0x1e));
    if (row.outcome == RowOutcome::Skipped) return QBrush(QColor(0x70, 0x70, 0x70));
    return {};
  }
  if (role == Qt::ToolTipRole) return QString::fromStdString(rowResultText(row));
  if (role == Qt::TextAlignmentRole) {
    const bool number = index.column() == column(PreviewColumn::FileRow) ||
                        index.column() == column(PreviewColumn::TopElevation);
    return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  }
  if (role != Qt::DisplayRole) return {};
  switch (static_cast<PreviewColumn>(index.column())) {
    case PreviewColumn::FileRow:
      return row.row;
    case PreviewColumn::Outcome:
      return outcomeName(row.outcome);
    case PreviewColumn::Object:
      return QString::fromStdString(row.object);
    case PreviewColumn::Latitude:
      return QString::fromStdString(row.latitude);
    case PreviewColumn::Longitude:
      return QString::fromStdString(row.longitude);
    case PreviewColumn::TopElevation:
      return QString::fromStdString(row.topElevation);
    case PreviewColumn::Becomes:
      return QString::fromStdString(rowResultText(row));
    default:
      return {};
  }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeadings[column(PreviewColumn::Count)] = {
      "Row", "Outcome", "Object", "Latitude", "Longitude", "Top elevation", "Becomes, or why not"};
  if (section < 0 || section >= column(PreviewColumn::Count)) return {};
  return kHeadings[section];
}

}  // namespace survey::ui
