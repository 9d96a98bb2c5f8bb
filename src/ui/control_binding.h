// Keeps one widget and one control in step, both ways: the user's changes go
// to the control (which runs the program's logic), the control's changes are
// shown with the widget's signals blocked, so nothing loops.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "shell/controls.h"

namespace survey::ui {

class GridModel;

class ControlBinding : public QObject, public ControlObserver {
  Q_OBJECT
 public:
  // Creates the widget for the control inside the parent widget.
  static ControlBinding* create(Control& control, QWidget* parent);
  ~ControlBinding() override;

  QWidget* widget() const { return widget_; }
  Control* control() const { return control_; }
  // Stops observing; the control may be destroyed afterwards.
  void detach();

  void controlChanged(Control& control, ControlChange change) override;
  void controlDestroyed(Control& control) override;

 private:
  ControlBinding(Control& control, QWidget* widget);
  void connectUser();
  void showAll();
  void showState();
  void showCaption();
  void describe();
  void showText();
  void showItems();
  void showChosen();
  void showStyle();
  void showCells();
  void fitWrappedRows();
  void showSelection();
  void applyGeometry();
  void fitLabel(QLabel& label);

  Control* control_;
  QPointer<QWidget> widget_;
  GridModel* gridModel_ = nullptr;
  bool updating_ = false;
};

// Twips (1440 to the inch) to pixels at the usual 96 dots per inch.
inline int pixels(int twips) {
  return (twips + 7) / 15;
}

}  // namespace survey::ui
