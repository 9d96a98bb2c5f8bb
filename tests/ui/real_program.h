// The windowed program as main() puts it together, for tests through the real widgets.
#pragma once

#include <QApplication>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "shell/navigation.h"
#include "shell/screen_names.h"
#include "support/fakes.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

namespace survey::testing {

// The program's objects, put together as main() does.
struct RealProgram {
  TempDir dir;
  ui::QtDialogs dialogs;
  ui::QtPlatform platform{dir.path(), dialogs};
  Program program{dialogs, platform};
  ui::MainWindow window{program};
  // beforeStart sees the store folder before the program opens it.
  explicit RealProgram(const std::function<void(const std::filesystem::path&)>& beforeStart = {}) {
    if (beforeStart) beforeStart(dir.path());
    registerAllScreens(program.screens);
    dialogs.setParentProvider([this] { return window.activeWindowForDialogs(); });
    platform.setScreenWidgetProvider([this](const Screen& s) { return window.viewOf(s); });
    showScreen(program, MainScreen::kName);
    window.show();
  }
  void addSurvey(const std::string& key, const std::string& status) {
    program.store.appendAirport({{1, key + " Field"}, {3, key}, {5, "05/14/2026"}});
    program.store.airports().setCell(program.store.findSurveyRow(key), 41, status);
    program.current().storeLoaded = true;
  }
  // A new survey KEY, open on the airport screen as the survey list's Edit opens it.
  void openAirportOf(const std::string& key) {
    addSurvey(key, "NEW");
    program.current().surveyKey = key;
    prepareScreen(program, screen::kAirport, Preparation::Tab);
    showScreen(program, screen::kAirport);
  }
  // Runs the event loop after the action, as the program's main does; the loop's exit status,
  // or -1 when the program was still running a second later.
  static int runAfter(const std::function<void()>& action) {
    QTimer::singleShot(0, action);
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    stillRunning.start(1000);
    const int status = QApplication::exec();
    stillRunning.stop();
    QTest::qWait(50);  // whatever would come after the end, comes now
    return status;
  }
  // The item of the menus the window shows now (of the menu named, when one is).
  QAction* menuItem(const char* name, const char* menuName = nullptr) {
    for (QAction* menu : window.menuBar()->actions()) {
      if (!menu->menu() || (menuName && menu->menu()->objectName() != menuName)) continue;
      for (QAction* item : menu->menu()->actions()) {
        if (item->objectName() == name) return item;
      }
    }
    return nullptr;
  }
  void triggerMenu(const char* name) {
    QAction* item = menuItem(name);
    QVERIFY2(item, name);
    item->trigger();
  }
  template <class W>
  W* widget(const char* name) {
    return window.findChild<W*>(name);
  }
  // Every list box of the screen and whether it has a chosen item.
  std::map<std::string, std::optional<int>> chosenItems(const char* screenName) {
    std::map<std::string, std::optional<int>> result;
    for (const auto& control : program.screens.touch(screenName).controls()) {
      if (auto* list = dynamic_cast<ListBox*>(control.get())) result[list->name()] = list->chosen();
    }
    return result;
  }
};

}  // namespace survey::testing
