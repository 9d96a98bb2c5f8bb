// The Qt widget each kind of control is shown by, and how the widgets fit their places.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>

#include "shell/controls.h"

namespace survey::ui {

// A directory list: the directory's path above its parent and subdirectories.
class DirectoryWidget : public QWidget {
 public:
  explicit DirectoryWidget(QWidget* parent);
  QLabel* path;
  QListWidget* list;
};

QWidget* makeWidget(Control& control, QWidget* parent);

// The height nearest to the given one that shows whole rows, never less than one row (a row
// cut in half reads as a different item), with room for the horizontal scroll bar that
// shows the rest of an item wider than the list. A folded list shows one row: its choice.
int wholeRowsHeight(const QListWidget& list, int width, int height, bool folded);

// The height nearest to the given one at which a box of several lines shows whole lines,
// never less than one: the line below the last shown one is reached by scrolling, not
// half seen.
int wholeLinesHeight(const QPlainTextEdit& edit, int height);

// Tab reaches an option group at its chosen button and leaves the group after it, as in
// every desktop toolkit: Space there cannot change the choice, the arrow keys do. A group
// with nothing chosen (or its choice out of reach) is a stop at each of its buttons.
void keepTabOnChosenOption(QWidget* group);

}  // namespace survey::ui
