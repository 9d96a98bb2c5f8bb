#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSessionManager>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "shell/exit_help_print.h"

namespace survey::ui {

namespace {
QString withMnemonic(const std::string& caption) {
  QString text = QString::fromStdString(caption).replace("&", "&&");
  return text.isEmpty() ? text : "&" + text;
}

// A window beside the working screens; closing it discards its screen.
class SideWindow : public QDialog {
 public:
  SideWindow(Program& program, Screen& screen, QWidget* parent)
      : QDialog(parent), program_(program), name_(screen.name()) {
    setWindowTitle(QString::fromStdString(screen.caption()));
    setAttribute(Qt::WA_DeleteOnClose);
    // A file window works on the survey chosen when it opened: the main screen waits for it.
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new ScreenView(screen, this);
    layout->addWidget(view_);
    // Enter presses "OK"; Escape closes the window like its close control.
    for (auto* button : findChildren<QPushButton*>()) {
      button->setAutoDefault(false);
      if (button->text().remove('&') == "OK") button->setDefault(true);
    }
  }
  ScreenView* view() const { return view_; }

 protected:
  void reject() override { close(); }
  void closeEvent(QCloseEvent* event) override {
    if (view_) view_->detachAll();
    program_.screens.discard(name_);
    QDialog::closeEvent(event);
  }

 private:
  Program& program_;
  std::string name_;
  ScreenView* view_;
};
}  // namespace

MainWindow::MainWindow(Program& program) : program_(program) {
  program_.screens.setObserver(this);
  setWindowTitle(kProgramTitle);
  // The desktop session ending asks the same question as the close control.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
    if (!session.allowsInteraction()) return;  // nothing may be asked: the store stays as saved
    const bool ends = askToEnd();
    session.release();
    if (!ends) session.cancel();
  });
  // The screen's tabs from the keyboard, wherever its focus is: Ctrl+Tab and Ctrl+PgDown go to
  // the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the one before.
  const std::pair<QKeySequence, int> tabKeys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
      // The same keys as some X servers report them (Shift already in Backtab).
      {QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
  for (const auto& [keys, step] : tabKeys) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, step = step] { stepTab(step); });
    // The keyboard layout may make two of these sequences one key press.
    connect(shortcut, &QShortcut::activatedAmbiguously, this,
            [this, step = step] { stepTab(step); });
  }
}

void MainWindow::stepTab(int step) {
  if (!workingView_) return;
  auto* bar = workingView_->findChild<QTabBar*>("TabStrip1");
  if (!bar || !bar->isVisible() || !bar->isEnabled() || bar->count() < 2) return;
  // The tab strip's own signal takes the screen there, as an arrow key on the strip does.
  bar->setCurrentIndex((bar->currentIndex() + step + bar->count()) % bar->count());
}

MainWindow::~MainWindow() {
  program_.screens.setObserver(nullptr);
}

void MainWindow::screenShown(Screen& screen) {
  if (!program_.screens.isManaged(screen.name())) {
    auto& window = sideWindows_[screen.name()];
    if (!window) {
      window = new SideWindow(program_, screen, this);
      window->show();
    }
    window->raise();
    window->activateWindow();
    return;
  }
  if (workingView_ && workingView_->screenName() == screen.name()) return;
  if (workingView_) {
    workingView_->detachAll();
    takeCentralWidget()->deleteLater();
  }
  workingView_ = new ScreenView(screen);
  setCentralWidget(workingView_);
  showMenus(screen);
  showReadOnly(screen);
  // A status line (the store folder) is set up by the program's start, when there is one.
  const auto* status = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
  setFixedSize(workingView_->width(), workingView_->height() + menuBar()->sizeHint().height() +
                                          (status ? status->sizeHint().height() : 0));
}

void MainWindow::screenDiscarded(Screen& screen) {
  if (workingView_ && workingView_->screenName() == screen.name()) {
    workingView_->detachAll();
    takeCentralWidget()->deleteLater();
    workingView_ = nullptr;
    return;
  }
  const auto it = sideWindows_.find(screen.name());
  if (it == sideWindows_.end()) return;
  if (auto* window = static_cast<SideWindow*>(it->second.data())) {
    window->view()->detachAll();
    window->hide();
    window->deleteLater();
  }
  sideWindows_.erase(it);
}

void MainWindow::showReadOnly(const Screen& screen) {
  const bool readOnly = program_.session.readOnly;
  setWindowTitle(QString::fromStdString(screen.caption()) + (readOnly ? " (read-only)" : ""));
  if (!readOnly || findChild<QLabel*>("ReadOnlyStatus")) return;
  const QString text = QString::fromStdString(readOnlyStatus(program_.session));
  auto* label = new QLabel(text);
  label->setObjectName("ReadOnlyStatus");
  label->setToolTip(text);
  // First in the line: on a narrow screen the store folder is cut, not this.
  statusBar()->insertWidget(0, label);
}

QWidget* MainWindow::viewOf(const Screen& screen) const {
  if (workingView_ && workingView_->screenName() == screen.name()) return workingView_;
  const auto it = sideWindows_.find(screen.name());
  return it == sideWindows_.end() ? nullptr : it->second.data();
}

QWidget* MainWindow::activeWindowForDialogs() const {
  QWidget* active = QApplication::activeWindow();
  return active ? active : const_cast<MainWindow*>(this);
}

void MainWindow::showMenus(const Screen& screen) {
  // The old screen's menus go with it (later: one of their items may be running now).
  for (QAction* action : menuBar()->actions()) {
    if (QMenu* menu = action->menu()) menu->deleteLater();
  }
  menuBar()->clear();
  const std::string screenName = screen.name();
  for (const auto& menu : screen.menus()) {
    QMenu* qmenu = menuBar()->addMenu(withMnemonic(menu.caption));
    qmenu->setObjectName(QString::fromStdString(menu.name));
    for (const auto& item : menu.items) {
      QAction* action = qmenu->addAction(withMnemonic(item.caption));
      action->setObjectName(QString::fromStdString(item.name));
      const std::string itemName = item.name;
      // Looked up when chosen: the screen may have been rebuilt in between.
      connect(action, &QAction::triggered, this, [this, screenName, itemName] {
        if (Screen* current = program_.screens.existing(screenName)) {
          current->menuItem(itemName).click();
        }
      });
    }
  }
  addSurveyMapMenus(menuBar(), program_, screenName, this);
}

bool MainWindow::askToEnd() {
  if (ending_) return true;
  if (asking_) return false;  // the dialogue is already open
  asking_ = true;
  ending_ = exitProgram(program_);
  asking_ = false;
  return ending_;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close control runs the same dialogue as "Exit", so no work is lost unasked.
  event->setAccepted(askToEnd());
}

}  // namespace survey::ui
