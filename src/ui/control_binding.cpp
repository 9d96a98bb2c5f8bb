#include "ui/control_binding.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "ui/control_widgets.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/item_focus.h"

namespace survey::ui {

namespace {

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

// "Create UDDF" becomes "&Create UDDF": Alt and the chosen letter press the button.
QString withMnemonic(const std::string& caption, int index) {
  const QString text = qt(caption);
  QString result;
  for (int i = 0; i < text.size(); ++i) {
    if (i == index) result += '&';
    result += text[i] == '&' ? QString("&&") : QString(text[i]);
  }
  return result;
}

// The caption with the spaces inside its parentheses made unbreakable.
QString hintsKeptWhole(const QString& caption) {
  QString result = caption;
  int depth = 0;
  for (QChar& c : result) {
    if (c == '(') ++depth;
    if (c == ')') depth = std::max(0, depth - 1);
    if (depth > 0 && c == ' ') c = QChar::Nbsp;
  }
  return result;
}

QString escaped(const std::string& caption) {
  return qt(caption).replace("&", "&&");
}

}  // namespace

ControlBinding* ControlBinding::create(Control& control, QWidget* parent) {
  auto* binding = new ControlBinding(control, makeWidget(control, parent));
  binding->setParent(binding->widget_);  // lives and dies with its widget
  return binding;
}

ControlBinding::ControlBinding(Control& control, QWidget* widget)
    : control_(&control), widget_(widget) {
  widget_->setObjectName(qt(control.name()));
  if (auto* grid = dynamic_cast<Grid*>(&control)) {
    gridModel_ = new GridModel(*grid, this);
    static_cast<QTableView*>(widget)->setModel(gridModel_);
  }
  control.setObserver(this);
  applyGeometry();
  showAll();
  connectUser();
}

ControlBinding::~ControlBinding() {
  detach();
}

void ControlBinding::detach() {
  if (!control_) return;
  control_->setObserver(nullptr);
  if (gridModel_) gridModel_->detach();
  control_ = nullptr;
}

void ControlBinding::controlDestroyed(Control&) {
  control_ = nullptr;
  if (gridModel_) gridModel_->detach();
}

void ControlBinding::applyGeometry() {
  const auto& b = control_->bounds();
  int height = pixels(b.height);
  if (auto* list = dynamic_cast<ListBox*>(control_); list && list->heightTwips() > 0) {
    height = pixels(list->heightTwips());
  }
  if (auto* list = qobject_cast<QListWidget*>(widget_); list && dynamic_cast<ListBox*>(control_)) {
    // Shortened below its placed height, the list is folded to show its choice alone.
    const int shortened = static_cast<ListBox*>(control_)->heightTwips();
    height = wholeRowsHeight(*list, pixels(b.width), height, shortened > 0 && shortened < b.height);
  }
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) height = wholeLinesHeight(*edit, height);
  widget_->setGeometry(pixels(b.left), pixels(b.top), pixels(b.width), height);
  if (height > 0 && widget_->parentWidget()) widget_->raise();
}

void ControlBinding::connectUser() {
  if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
    // Every change that is not the program's own (those come with signals blocked): typing,
    // pasting, and text set through the accessibility interface by screen readers or dictation.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
      if (auto* box = dynamic_cast<TextBox*>(control_)) box->setText(text.toStdString());
      if (control_) showText();  // the box's check may have emptied it
    });
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_)) {
    connect(plain, &QPlainTextEdit::textChanged, this, [this, plain] {
      if (updating_) return;
      if (auto* box = dynamic_cast<TextBox*>(control_)) {
        box->setText(plain->toPlainText().toStdString());
      }
    });
  } else if (auto* list = qobject_cast<QListWidget*>(widget_)) {
    // The selection, not the current row: Qt moves the current row when the list merely gets
    // focus, and passing through a list must choose nothing. Clicks, arrow keys, typed letters,
    // Space and the accessibility interface all select.
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
      if (updating_) return;
      const auto selected = list->selectedItems();
      const std::optional<int> row =
          selected.isEmpty() ? std::nullopt : std::optional<int>(list->row(selected.first()));
      // Passed on once Qt has finished with the mouse press or key: the choice may rebuild
      // the list, and Qt would then select whatever row lies under the pointer.
      QMetaObject::invokeMethod(
          this,
          [this, row] {
            auto* box = dynamic_cast<ListBox*>(control_);
            if (!box) return;
            if (box->chosen() != row) box->choose(row);
            if (control_) showChosen();
          },
          Qt::QueuedConnection);
    });
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
      if (updating_) return;
      if (auto* box = dynamic_cast<ListBox*>(control_)) box->scroll();
    });
  } else if (auto* radio = qobject_cast<QRadioButton*>(widget_)) {
    // Any toggle, by click, key or accessibility: the group's other buttons follow the model.
    connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
      auto* option = dynamic_cast<OptionButton*>(control_);
      if (option && checked) option->setValue(true);
      if (control_) showChosen();  // a chosen option cannot be unchosen by itself
      keepTabOnChosenOption(widget_ ? widget_->parentWidget() : nullptr);
    });
  } else if (auto* button = qobject_cast<QPushButton*>(widget_)) {
    connect(button, &QPushButton::clicked, this, [this] {
      if (auto* command = dynamic_cast<CommandButton*>(control_)) command->click();
    });
  } else if (auto* tool = qobject_cast<QToolButton*>(widget_)) {
    connect(tool, &QToolButton::clicked, this, [this] {
      if (auto* picture = dynamic_cast<Picture*>(control_)) picture->click();
    });
  } else if (auto* bar = qobject_cast<QTabBar*>(widget_)) {
    connect(bar, &QTabBar::tabBarClicked, this, [this](int index) {
      if (auto* tabs = dynamic_cast<TabStrip*>(control_); tabs && index >= 0) tabs->select(index);
    });
    // An arrow key on the tab strip moves to a tab without a click: the screen follows it.
    connect(bar, &QTabBar::currentChanged, this, [this](int index) {
      auto* tabs = dynamic_cast<TabStrip*>(control_);
      if (tabs && index >= 0 && tabs->selected() != index) tabs->select(index);
      if (control_) showSelection();  // a refused switch shows the tab that stays
    });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
    connect(combo, &QComboBox::activated, this, [this](int index) {
      if (auto* drives = dynamic_cast<DriveList*>(control_); drives && index >= 0) {
        drives->setDrive(drives->drives().at(static_cast<std::size_t>(index)));
        if (control_) showChosen();  // a refused drive leaves the list as it was
      }
    });
  } else if (auto* directory = dynamic_cast<DirectoryWidget*>(widget_.data())) {
    connect(directory->list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
      if (auto* dirs = dynamic_cast<DirectoryList*>(control_); dirs && item) {
        dirs->open(item->text().toStdString());
      }
    });
  } else if (auto* view = qobject_cast<QTableView*>(widget_)) {
    connect(view, &QTableView::clicked, this, [this](const QModelIndex& index) {
      if (auto* grid = dynamic_cast<Grid*>(control_); grid && index.isValid()) {
        grid->clickRow(index.row() + 1);
      }
    });
    // Enter or a double-click on a row.
    connect(view, &QTableView::activated, this, [this](const QModelIndex& index) {
      if (auto* grid = dynamic_cast<Grid*>(control_); grid && index.isValid()) {
        grid->activateRow(index.row() + 1);
      }
    });
    // The user widened or narrowed the wrapped column: its texts take more or fewer lines.
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
      auto* grid = dynamic_cast<Grid*>(control_);
      if (!updating_ && grid && grid->wrappedColumn() &&
          gridModel_->columnOf(*grid->wrappedColumn()) == column) {
        fitWrappedRows();
      }
    });
    // Arrow keys choose the row as a click does; focus alone (which moves the current row
    // without selecting) does not.
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, view] {
      auto* grid = dynamic_cast<Grid*>(control_);
      const auto rows = view->selectionModel()->selectedRows();
      if (updating_ || !grid || rows.isEmpty() || !view->hasFocus()) return;
      const int row = rows.first().row() + 1;
      if (grid->selectedRow() != row) grid->clickRow(row);
    });
  }
}

void ControlBinding::controlChanged(Control&, ControlChange change) {
  if (!widget_) return;
  switch (change) {
    case ControlChange::Text:
      showText();
      break;
    case ControlChange::State:
      showState();
      break;
    case ControlChange::Items:
      showItems();
      break;
    case ControlChange::Chosen:
      showChosen();
      break;
    case ControlChange::Caption:
      showCaption();
      break;
    case ControlChange::Cells:
      showCells();
      break;
    case ControlChange::Selection:
      showSelection();
      break;
    case ControlChange::Focus:
      // After the event that asked for it, when a newly shown screen is on the window.
      QTimer::singleShot(0, widget_.data(), [widget = widget_] {
        if (widget) widget->setFocus(Qt::OtherFocusReason);
      });
      break;
    case ControlChange::Style:
      showStyle();
      break;
  }
}

void ControlBinding::showAll() {
  showCaption();
  showItems();
  showText();
  showChosen();
  showCells();
  showStyle();
  showState();
}

void ControlBinding::showState() {
  widget_->setEnabled(control_->ownEnabled());
  widget_->setVisible(control_->ownVisible());
  if (qobject_cast<QRadioButton*>(widget_)) keepTabOnChosenOption(widget_->parentWidget());
  if (auto* box = dynamic_cast<TextBox*>(control_)) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) edit->setReadOnly(box->locked());
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_)) plain->setReadOnly(box->locked());
  }
}

void ControlBinding::showCaption() {
  const std::string& caption = control_->caption();
  widget_->setToolTip(qt(control_->toolTip()));
  const std::string& spoken = control_->spokenName();
  widget_->setAccessibleName(qt(spoken.empty() ? control_->name() : spoken));
  describe();
  if (auto* group = qobject_cast<QGroupBox*>(widget_)) group->setTitle(escaped(caption));
  if (auto* button = qobject_cast<QPushButton*>(widget_))
    button->setText(withMnemonic(caption, control_->mnemonicIndex()));
  if (auto* radio = qobject_cast<QRadioButton*>(widget_)) radio->setText(escaped(caption));
  if (auto* label = qobject_cast<QLabel*>(widget_); label && !dynamic_cast<StatusBar*>(control_)) {
    fitLabel(*label);
  }
  if (auto* tool = qobject_cast<QToolButton*>(widget_))
    tool->setAccessibleName(qt(caption.empty() ? control_->toolTip() : caption));
}

// The description a screen reader gives after the name: the tool-tip, and for a list or grid
// without a choice that nothing is chosen (Qt would read only its rows).
void ControlBinding::describe() {
  QString description = qt(control_->toolTip());
  const auto* list = dynamic_cast<const ListBox*>(control_);
  const auto* grid = dynamic_cast<const Grid*>(control_);
  if ((list && !list->chosen()) || (grid && grid->selectedRow() <= 0)) {
    description = description.isEmpty() ? "Nothing chosen" : "Nothing chosen. " + description;
  }
  if (widget_->accessibleDescription() != description)
    widget_->setAccessibleDescription(description);
}

// A caption longer than its place wraps, and the label grows to show every line. A hint in
// parentheses, such as "(dd mm ss.s)", is never broken: the line breaks before it.
void ControlBinding::fitLabel(QLabel& label) {
  applyGeometry();
  const int width = label.width();
  if (width <= 0) return;
  const QString caption = qt(control_->caption());
  const bool fitsOneLine = label.fontMetrics().horizontalAdvance(caption) <= width;
  label.setText(fitsOneLine ? caption : hintsKeptWhole(caption));
  label.setWordWrap(!fitsOneLine);
  if (!fitsOneLine) {
    const int needed = label.heightForWidth(width);
    if (needed > label.height()) label.resize(width, needed);
  }
}

void ControlBinding::showText() {
  if (auto* bar = dynamic_cast<StatusBar*>(control_)) {
    static_cast<QLabel*>(widget_.data())->setText(" " + qt(bar->panelText()));
    return;
  }
  auto* box = dynamic_cast<TextBox*>(control_);
  if (!box) return;
  const QString text = qt(box->text());
  if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
    if (edit->text() != text) {
      const QSignalBlocker block(edit);
      edit->setText(text);
      if (!edit->hasFocus()) edit->setCursorPosition(0);
    }
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_)) {
    if (plain->toPlainText() != text) {
      updating_ = true;
      plain->setPlainText(text);
      updating_ = false;
    }
  }
}

void ControlBinding::showItems() {
  if (auto* tabs = dynamic_cast<TabStrip*>(control_)) {
    auto* bar = static_cast<QTabBar*>(widget_.data());
    const QSignalBlocker block(bar);
    while (bar->count() > 0) bar->removeTab(0);
    for (const auto& tab : tabs->tabs()) bar->addTab(escaped(tab));
    bar->setCurrentIndex(tabs->selected());
    return;
  }
  if (auto* drives = dynamic_cast<DriveList*>(control_)) {
    auto* combo = static_cast<QComboBox*>(widget_.data());
    const QSignalBlocker block(combo);
    combo->clear();
    for (const auto& drive : drives->drives()) combo->addItem(qt(drive));
    showChosen();
    return;
  }
  if (auto* dirs = dynamic_cast<DirectoryList*>(control_)) {
    auto* directory = static_cast<DirectoryWidget*>(widget_.data());
    directory->path->setText(qt(dirs->path()));
    const QSignalBlocker block(directory->list);
    directory->list->clear();
    for (const auto& entry : dirs->entries()) directory->list->addItem(qt(entry));
    return;
  }
  auto* box = dynamic_cast<ListBox*>(control_);
  if (!box) return;
  auto* list = static_cast<QListWidget*>(widget_.data());
  updating_ = true;
  list->clear();
  for (const auto& item : box->items()) {
    list->addItem(qt(item));
    list->item(list->count() - 1)->setToolTip(qt(item));
  }
  updating_ = false;
  applyGeometry();
  showChosen();
}

void ControlBinding::showChosen() {
  if (auto* box = dynamic_cast<ListBox*>(control_)) {
    auto* list = static_cast<QListWidget*>(widget_.data());
    updating_ = true;
    if (box->chosen()) {
      list->setCurrentRow(*box->chosen(), QItemSelectionModel::ClearAndSelect);
      // Brought into view at the top, so a folded list shows the choice first.
      QListWidgetItem* item = list->item(*box->chosen());
      if (!list->viewport()->rect().contains(list->visualItemRect(item))) {
        list->scrollToItem(item, QAbstractItemView::PositionAtTop);
      }
    } else {
      list->clearSelection();
    }
    updating_ = false;
    describe();
  } else if (auto* drives = dynamic_cast<DriveList*>(control_)) {
    auto* combo = static_cast<QComboBox*>(widget_.data());
    const QSignalBlocker block(combo);
    combo->setCurrentText(qt(drives->drive()));
  } else if (auto* option = dynamic_cast<OptionButton*>(control_)) {
    auto* radio = static_cast<QRadioButton*>(widget_.data());
    const QSignalBlocker block(radio);
    if (!option->value() && radio->isChecked()) {
      // Qt keeps an exclusive group's checked button checked; the program may choose none.
      radio->setAutoExclusive(false);
      radio->setChecked(false);
      radio->setAutoExclusive(true);
    }
    radio->setChecked(option->value());
    keepTabOnChosenOption(radio->parentWidget());
  }
}

void ControlBinding::showStyle() {
  if (auto* box = dynamic_cast<TextBox*>(control_)) {
    QFont font = widget_->font();
    font.setBold(box->bold());
    widget_->setFont(font);
    if (box->required()) widget_->setStyleSheet("background-color: #ffffc0;");
  }
  if (dynamic_cast<ListBox*>(control_) || qobject_cast<QPlainTextEdit*>(widget_)) applyGeometry();
}

void ControlBinding::showCells() {
  auto* grid = dynamic_cast<Grid*>(control_);
  if (!grid || !gridModel_) return;
  auto* view = static_cast<GridView*>(widget_.data());
  updating_ = true;
  gridModel_->reload();
  fitColumns(*view, *gridModel_, grid->columnWidthsTwips(), grid->wrappedColumn());
  fitWrappedRows();
  updating_ = false;
  showSelection();
}

void ControlBinding::fitWrappedRows() {
  auto* grid = dynamic_cast<Grid*>(control_);
  if (!grid || !gridModel_ || !grid->wrappedColumn()) return;
  static_cast<GridView*>(widget_.data())->fitRowsTo(gridModel_->columnOf(*grid->wrappedColumn()));
}

void ControlBinding::showSelection() {
  if (auto* tabs = dynamic_cast<TabStrip*>(control_)) {
    auto* bar = static_cast<QTabBar*>(widget_.data());
    const QSignalBlocker block(bar);
    bar->setCurrentIndex(tabs->selected());
    return;
  }
  auto* grid = dynamic_cast<Grid*>(control_);
  if (!grid) return;
  auto* view = static_cast<QTableView*>(widget_.data());
  updating_ = true;
  if (grid->selectedRow() > 0) {
    view->selectRow(grid->selectedRow() - 1);
  } else {
    view->clearSelection();
  }
  updating_ = false;
  describe();
}

}  // namespace survey::ui
