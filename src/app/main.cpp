// The windowed program: the main screen first, one working screen at a time.
#include <QApplication>
#include <filesystem>

#include "entry/all_screens.h"
#include "shell/main_screen.h"
#include "shell/navigation.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(survey::kProgramTitle);

  survey::ui::QtDialogs dialogs;
  survey::ui::QtPlatform platform(
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()), dialogs);
  survey::Program program(dialogs, platform);
  survey::registerAllScreens(program.screens);

  survey::ui::MainWindow window(program);
  dialogs.setParentProvider([&window] { return window.activeWindowForDialogs(); });
  platform.setScreenWidgetProvider([&window](const survey::Screen& s) { return window.viewOf(s); });
  survey::showScreen(program, survey::MainScreen::kName);
  window.show();
  const int status = QApplication::exec();
  program.screens.setObserver(nullptr);
  return status;
}
