// The File menu of the main window as one screen shows it, and the letters Alt reaches its
// items by (no two may be alike).
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <string>

#include "shell/navigation.h"
#include "shell/screen_names.h"
#include "ui/main_window.h"

namespace survey::testing {

// Shows the screen (the airport screen prepared as its tab prepares it) and its File menu.
inline const QMenu& fileMenuOf(ui::MainWindow& main, Program& program, const char* screenName) {
  if (screenName == std::string(screen::kAirport)) {
    prepareScreen(program, screen::kAirport, Preparation::Tab);
  }
  showScreen(program, screenName);
  // The menus of the screen shown before wait for deletion.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return *main.menuBar()->findChild<QMenu*>("MenuFile");
}

// The letters Alt reaches the menu's items by: some, and no two alike.
inline void expectDistinctLetters(const QMenu& menu) {
  QStringList letters;
  for (const QAction* action : menu.actions()) {
    if (action->text().contains('&')) letters << action->text().section('&', 1).left(1).toUpper();
  }
  const std::string shown = letters.join(' ').toStdString();
  EXPECT_FALSE(letters.isEmpty());
  EXPECT_EQ(letters.removeDuplicates(), 0) << shown;
}

}  // namespace survey::testing
