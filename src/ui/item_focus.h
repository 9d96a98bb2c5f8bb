// How a list or grid takes the keyboard focus: choosing nothing by focus alone, and telling the
// screen reader only what the focused view holds.
#pragma once

#include <QAbstractItemView>

namespace survey::ui {

// Tells the screen reader that the focus is on the view's row (-1: on the view itself).
void announceFocus(QAbstractItemView& view, int row);
// Hears every announcement besides the screen reader (a platform without one, as in tests).
using FocusWitness = void (*)(QAbstractItemView& view, int row);
void setFocusWitness(FocusWitness witness);

// Qt makes the first row current when focus enters a view with nothing current, so the first
// arrow key would go to the second row, and announces that row as if it were chosen. Entered
// with nothing chosen, a view keeps no current row (the first arrow key goes to the first
// row) and announces itself; entered with a row chosen, that row is current and announced.
void enterChoiceView(QAbstractItemView& view, bool& quiet);

// Qt's list or table view with the focus rules above. Qt announces every change of a view's
// current row as a move of the focus, even in a view without the focus (reloading a screen
// would announce each list on it); here only the view that has the focus announces.
template <class View>
class ChoiceView : public View {
 public:
  using View::View;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    quiet_ = true;
    View::focusInEvent(event);
    quiet_ = false;
    enterChoiceView(*this, quiet_);
  }
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
    QAbstractItemView::currentChanged(current, previous);  // all of Qt's but its announcement
    if (this->hasFocus() && !quiet_ && current.isValid()) announceFocus(*this, current.row());
  }

 private:
  bool quiet_ = false;
};

}  // namespace survey::ui
