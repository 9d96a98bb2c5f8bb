// The table view of a grid control, which sizes its columns to their texts.
#pragma once

#include <QTableView>

#include "ui/item_focus.h"

namespace survey::ui {

class GridView : public ChoiceView<QTableView> {
  Q_OBJECT
 public:
  explicit GridView(QWidget* parent = nullptr);

  // The width the column's widest cell needs, as sizeHintForColumn gives it, but over every
  // row and without laying out each text: a text's width is first bounded by the sum of its
  // characters' advances, and only the texts whose bound could beat the widest measured so
  // far are measured (a list of 15,000 rows would otherwise take seconds).
  int contentWidth(int column) const;

  // Each row as high as its text in the column needs, wrapped in the column's width (one line
  // at least). A text that repeats (a list of findings says "Missing" many times) is
  // measured once.
  void fitRowsTo(int column);
};

}  // namespace survey::ui
