#include "ui/control_binding.h"

#include <QApplication>
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
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "ui/grid_model.h"

namespace survey::ui {

namespace {

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

// "Create UDDF" becomes "&Create UDDF": Alt and the first letter press the button.
QString withMnemonic(const std::string& caption) {
  QString text = qt(caption);
  text.replace("&", "&&");
  return text.isEmpty() ? text : "&" + text;
}

QString escaped(const std::string& caption) {
  return qt(caption).replace("&", "&&");
}

// A directory list: the directory's path above its parent and subdirectories.
class DirectoryWidget : public QWidget {
 public:
  explicit DirectoryWidget(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    path = new QLabel(this);
    path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    list = new QListWidget(this);
    list->setAccessibleName("Subdirectories (Enter or double-click opens)");
    layout->addWidget(path);
    layout->addWidget(list);
    setFocusProxy(list);
  }
  QLabel* path;
  QListWidget* list;
};

constexpr const char* kParentEntry = "..";

QWidget* makeWidget(Control& control, QWidget* parent) {
  if (dynamic_cast<DriveList*>(&control)) return new QComboBox(parent);
  if (dynamic_cast<DirectoryList*>(&control)) return new DirectoryWidget(parent);
  if (dynamic_cast<Frame*>(&control)) return new QGroupBox(parent);
  if (auto* box = dynamic_cast<TextBox*>(&control)) {
    if (box->multiLine()) {
      auto* edit = new QPlainTextEdit(parent);
      edit->setTabChangesFocus(true);
      return edit;
    }
    return new QLineEdit(parent);
  }
  if (dynamic_cast<ListBox*>(&control)) return new QListWidget(parent);
  if (dynamic_cast<OptionButton*>(&control)) {
    auto* radio = new QRadioButton(parent);
    radio->setAutoExclusive(false);  // the control model keeps the group
    return radio;
  }
  if (dynamic_cast<CommandButton*>(&control)) return new QPushButton(parent);
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
  if (dynamic_cast<Grid*>(&control)) {
    auto* view = new QTableView(parent);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
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
  widget_->setGeometry(pixels(b.left), pixels(b.top), pixels(b.width), height);
  if (height > 0 && widget_->parentWidget()) widget_->raise();
}

void ControlBinding::connectUser() {
  if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
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
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
      if (updating_) return;
      if (auto* box = dynamic_cast<ListBox*>(control_)) {
        box->choose(row >= 0 ? std::optional<int>(row) : std::nullopt);
      }
    });
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
      if (updating_) return;
      if (auto* box = dynamic_cast<ListBox*>(control_)) box->scroll();
    });
  } else if (auto* radio = qobject_cast<QRadioButton*>(widget_)) {
    connect(radio, &QRadioButton::clicked, this, [this] {
      if (auto* option = dynamic_cast<OptionButton*>(control_)) option->setValue(true);
      if (control_) showChosen();  // a click on a chosen option keeps it chosen
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
  } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
    connect(combo, &QComboBox::activated, this, [this](int index) {
      if (auto* drives = dynamic_cast<DriveList*>(control_); drives && index >= 0) {
        drives->setDrive(drives->drives().at(static_cast<std::size_t>(index)));
        if (control_) showChosen();  // a refused drive leaves the list as it was
      }
    });
  } else if (auto* directory = dynamic_cast<DirectoryWidget*>(widget_.data())) {
    connect(directory->list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
      auto* dirs = dynamic_cast<DirectoryList*>(control_);
      if (!dirs || !item) return;
      const std::filesystem::path current(dirs->path());
      const std::string entry = item->text().toStdString();
      const auto next = entry == kParentEntry ? current.parent_path() : current / entry;
      dirs->setPath(next.lexically_normal().string());
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
    // Moving with the arrow keys chooses the row as a click does.
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, view](const QModelIndex& current) {
              auto* grid = dynamic_cast<Grid*>(control_);
              if (updating_ || !grid || !current.isValid() || !view->hasFocus()) return;
              if (grid->selectedRow() != current.row() + 1) grid->clickRow(current.row() + 1);
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
  if (auto* box = dynamic_cast<TextBox*>(control_)) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) edit->setReadOnly(box->locked());
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_)) plain->setReadOnly(box->locked());
  }
}

void ControlBinding::showCaption() {
  const std::string& caption = control_->caption();
  widget_->setToolTip(qt(control_->toolTip()));
  widget_->setAccessibleName(qt(caption.empty() ? control_->name() : caption));
  widget_->setAccessibleDescription(qt(control_->toolTip()));
  if (auto* group = qobject_cast<QGroupBox*>(widget_)) group->setTitle(escaped(caption));
  if (auto* button = qobject_cast<QPushButton*>(widget_)) button->setText(withMnemonic(caption));
  if (auto* radio = qobject_cast<QRadioButton*>(widget_)) radio->setText(escaped(caption));
  if (auto* label = qobject_cast<QLabel*>(widget_); label && !dynamic_cast<StatusBar*>(control_)) {
    label->setText(qt(caption));
    fitLabel(*label);
  }
  if (auto* tool = qobject_cast<QToolButton*>(widget_))
    tool->setAccessibleName(qt(caption.empty() ? control_->toolTip() : caption));
}

// A caption longer than its place wraps, and the label grows to show every line.
void ControlBinding::fitLabel(QLabel& label) {
  applyGeometry();
  const int width = label.width();
  if (width <= 0) return;
  const bool fitsOneLine = label.fontMetrics().horizontalAdvance(label.text()) <= width;
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
    if (std::filesystem::path(dirs->path()).has_relative_path())
      directory->list->addItem(kParentEntry);
    for (const auto& name : dirs->subdirectories()) directory->list->addItem(qt(name));
    return;
  }
  auto* box = dynamic_cast<ListBox*>(control_);
  if (!box) return;
  auto* list = static_cast<QListWidget*>(widget_.data());
  updating_ = true;
  list->clear();
  for (const auto& item : box->items()) list->addItem(qt(item));
  updating_ = false;
  showChosen();
}

void ControlBinding::showChosen() {
  if (auto* box = dynamic_cast<ListBox*>(control_)) {
    auto* list = static_cast<QListWidget*>(widget_.data());
    updating_ = true;
    list->setCurrentRow(box->chosen().value_or(-1));
    if (box->chosen()) list->scrollToItem(list->item(*box->chosen()));
    updating_ = false;
  } else if (auto* drives = dynamic_cast<DriveList*>(control_)) {
    auto* combo = static_cast<QComboBox*>(widget_.data());
    const QSignalBlocker block(combo);
    combo->setCurrentText(qt(drives->drive()));
  } else if (auto* option = dynamic_cast<OptionButton*>(control_)) {
    auto* radio = static_cast<QRadioButton*>(widget_.data());
    const QSignalBlocker block(radio);
    radio->setChecked(option->value());
  }
}

void ControlBinding::showStyle() {
  if (auto* box = dynamic_cast<TextBox*>(control_)) {
    QFont font = widget_->font();
    font.setBold(box->bold());
    widget_->setFont(font);
    if (box->required()) widget_->setStyleSheet("background-color: #ffffc0;");
  }
  if (dynamic_cast<ListBox*>(control_)) applyGeometry();
}

void ControlBinding::showCells() {
  auto* grid = dynamic_cast<Grid*>(control_);
  if (!grid || !gridModel_) return;
  auto* view = static_cast<QTableView*>(widget_.data());
  updating_ = true;
  gridModel_->reload();
  const auto& widths = grid->columnWidthsTwips();
  for (int column = 0; column < grid->columns(); ++column) {
    if (column < static_cast<int>(widths.size()))
      view->setColumnWidth(column, pixels(widths[column]));
    view->setColumnHidden(column, grid->hiddenColumn() == column);
  }
  updating_ = false;
  showSelection();
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
}

}  // namespace survey::ui
