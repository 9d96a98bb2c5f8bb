// The windowed program: the main screen first, one working screen at a time.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string_view>

#include "entry/all_screens.h"
#include "shell/main_screen.h"
#include "shell/navigation.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

namespace {

// SURVEY_STARTUP_TIME=1 prints how long the program took from its start to
// the first shown main window; =exit also ends it there (for timing runs).
void reportStartupTimeWhenShown(std::chrono::steady_clock::time_point start) {
  const char* mode = std::getenv("SURVEY_STARTUP_TIME");
  if (mode == nullptr || *mode == '\0') return;
  const bool exitAfter = std::string_view(mode) == "exit";
  QTimer::singleShot(0, [start, exitAfter] {
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Processor time too: on a busy machine the wall clock mostly measures waiting.
    std::fprintf(stderr, "main window shown after %.1f ms (%.1f ms of processor time)\n",
                 std::chrono::duration<double, std::milli>(elapsed).count(),
                 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC);
    std::fflush(stderr);
    if (exitAfter) std::_Exit(0);
  });
}

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  QApplication app(argc, argv);
  QApplication::setApplicationName(survey::kProgramTitle);

  survey::ui::QtDialogs dialogs;
  survey::ui::QtPlatform platform(
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
  survey::Program program(dialogs, platform);
  survey::registerAllScreens(program.screens);

  survey::ui::MainWindow window(program);
  dialogs.setParentProvider([&window] { return window.activeWindowForDialogs(); });
  platform.setScreenWidgetProvider([&window](const survey::Screen& s) { return window.viewOf(s); });
  survey::showScreen(program, survey::MainScreen::kName);
  window.show();
  reportStartupTimeWhenShown(start);
  const int status = QApplication::exec();
  program.screens.setObserver(nullptr);
  return status;
}
