#include "ui/control_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/grid_view.h"
#include "ui/item_focus.h"

namespace survey::ui {

namespace {

// The folders of a directory list. Enter opens the current folder and goes no further: the
// window's default button must not run with the folder only half chosen.
class FolderList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QListWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
  }
};

// A one-line box shows the start of a value longer than itself whenever it does not have the
// focus: "ASOS - Weather Station" reads "ASOS - Weat", not "Weather Station". The rest scrolls
// into view as the cursor moves through it.
class StartShowingLineEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    // A menu or another window taking the keys for a moment leaves the cursor where it was.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
      setCursorPosition(0);
  }
};

int rowHeight(const QListWidget& list) {
  const int row = list.count() > 0 ? list.sizeHintForRow(0) : -1;
  return row > 0 ? row : list.fontMetrics().height() + 2;
}

int longestItemWidth(const QListWidget& list) {
  constexpr int kItemMargins = 8;
  int text = 0;
  for (int row = 0; row < list.count(); ++row) {
    text = std::max(text, list.fontMetrics().horizontalAdvance(list.item(row)->text()));
  }
  return text + kItemMargins;
}

}  // namespace

DirectoryWidget::DirectoryWidget(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  path = new QLabel(this);
  path->setTextInteractionFlags(Qt::TextSelectableByMouse);
  path->setFocusPolicy(Qt::NoFocus);  // selectable for copying, but never a stop of Tab
  list = new FolderList(this);
  list->setAccessibleName("Subdirectories (Enter or double-click opens)");
  layout->addWidget(path);
  layout->addWidget(list);
  setFocusProxy(list);
}

int wholeRowsHeight(const QListWidget& list, int width, int height, bool folded) {
  if (height <= 0) return height;
  const int frame = 2 * list.frameWidth();
  const int bar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
  const int below = longestItemWidth(list) > width - frame - bar ? bar : 0;
  const int row = rowHeight(list);
  const int rows = folded ? 1 : std::max(1, (height - frame - below + row / 2) / row);
  return rows * row + frame + below;
}

int wholeLinesHeight(const QPlainTextEdit& edit, int height) {
  if (height <= 0) return height;
  const int line = QFontMetrics(edit.font()).lineSpacing();
  // The margin above the first line; the one below the last would show the next line's top.
  const int chrome = 2 * edit.frameWidth() + int(edit.document()->documentMargin());
  const int lines = std::max(1, (height - chrome + line / 2) / line);
  return lines * line + chrome;
}

void keepTabOnChosenOption(QWidget* group) {
  if (!group) return;
  const auto buttons = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
  const bool chosenInReach = std::any_of(buttons.begin(), buttons.end(), [](QRadioButton* b) {
    return b->autoExclusive() && b->isChecked() && !b->isHidden() && b->isEnabled();
  });
  for (QRadioButton* button : buttons) {
    if (!button->autoExclusive()) continue;
    const bool stop = !chosenInReach || button->isChecked();
    button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

QWidget* makeWidget(Control& control, QWidget* parent) {
  if (dynamic_cast<DriveList*>(&control)) return new QComboBox(parent);
  if (dynamic_cast<DirectoryList*>(&control)) return new DirectoryWidget(parent);
  if (dynamic_cast<Frame*>(&control)) return new QGroupBox(parent);
  if (auto* box = dynamic_cast<TextBox*>(&control)) {
    if (box->multiLine()) {
      auto* edit = new QPlainTextEdit(parent);
      edit->setTabChangesFocus(true);
      // The text wraps at the box's width, so only the vertical scroll bar is ever needed.
      edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      return edit;
    }
    return new StartShowingLineEdit(parent);
  }
  if (dynamic_cast<ListBox*>(&control)) {
    auto* list = new ChoiceView<QListWidget>(parent);
    list->setTextElideMode(Qt::ElideNone);  // a long item scrolls sideways and has a tool-tip
    return list;
  }
  if (dynamic_cast<OptionButton*>(&control)) {
    // Exclusive among the buttons of its frame, as the control model's groups are; Qt also
    // announces it as a radio button only then.
    return new QRadioButton(parent);
  }
  if (dynamic_cast<CommandButton*>(&control)) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    return button;
  }
  if (dynamic_cast<Picture*>(&control)) {
    auto* button = new QToolButton(parent);
    button->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    button->setAutoRaise(true);
    return button;
  }
  if (dynamic_cast<TabStrip*>(&control)) {
    auto* bar = new QTabBar(parent);
    bar->setExpanding(false);
    bar->setDrawBase(true);
    return bar;
  }
  if (auto* grid = dynamic_cast<Grid*>(&control)) {
    auto* view = new GridView(parent);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setStretchLastSection(true);
    // A wrapped column's rows grow to show their texts whole (the binding sets their heights);
    // other grids keep one line a row.
    view->setWordWrap(grid->wrappedColumn().has_value());
    // Tab leaves the grid (arrow keys move among its rows) instead of walking every cell.
    view->setTabKeyNavigation(false);
    return view;
  }
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  if (dynamic_cast<StatusBar*>(&control)) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setWordWrap(false);
  }
  return label;
}

}  // namespace survey::ui
