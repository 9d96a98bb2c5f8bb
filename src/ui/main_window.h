// The program's window: shows the working screen of the moment, its menus and
// title, and the windows that stand beside it.
#pragma once

#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <map>

#include "shell/program.h"
#include "ui/screen_view.h"

namespace survey::ui {

// Adds "Survey Map", "Obstruction Evaluation" (and on the survey list "Export Survey Data")
// to a screen's File menu.
void addSurveyMapMenus(QMenuBar* bar, Program& program, const std::string& screenName,
                       QWidget* parent);

class MainWindow : public QMainWindow, public ScreensObserver {
  Q_OBJECT
 public:
  explicit MainWindow(Program& program);
  ~MainWindow() override;

  void screenShown(Screen& screen) override;
  void screenDiscarded(Screen& screen) override;

  // The widget that shows the screen now, if it is shown.
  QWidget* viewOf(const Screen& screen) const;
  // The window in front: for message boxes.
  QWidget* activeWindowForDialogs() const;
  // The exit dialogue for the close control and the session's end; true when the program ends.
  bool askToEnd();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showMenus(const Screen& screen);
  // Goes to the next (1) or previous (-1) tab of the working screen's tab strip.
  void stepTab(int step);
  // A copy opened read-only says so in its title and its status line.
  void showReadOnly(const Screen& screen);

  Program& program_;
  QPointer<ScreenView> workingView_;
  std::map<std::string, QPointer<QWidget>> sideWindows_;  // screen name -> its window
  bool ending_ = false;
  bool asking_ = false;
};

}  // namespace survey::ui
