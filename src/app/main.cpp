// The windowed program: the main screen first, one working screen at a time.
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <string_view>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "shell/navigation.h"
#include "shell/program_options.h"
#include "store/store_location.h"
#include "survey_version.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

namespace {

// SURVEY_STARTUP_TIME=1 prints how long the program took from the start of main to
// the first shown main window; =exit also ends it there (for timing runs).
void reportStartupTimeWhenShown(std::chrono::steady_clock::time_point start,
                                std::clock_t processorAtStart) {
  const char* mode = std::getenv("SURVEY_STARTUP_TIME");
  if (mode == nullptr || *mode == '\0') return;
  const bool exitAfter = std::string_view(mode) == "exit";
  QTimer::singleShot(0, [start, processorAtStart, exitAfter] {
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Processor time too: on a busy machine the wall clock mostly measures waiting. What
    // ran before main is loading and linking the shared libraries.
    auto ms = [](std::clock_t ticks) {
      return 1000.0 * static_cast<double>(ticks) / CLOCKS_PER_SEC;
    };
    std::fprintf(stderr,
                 "main window shown after %.1f ms (%.1f ms of processor time; %.1f ms more "
                 "before main)\n",
                 std::chrono::duration<double, std::milli>(elapsed).count(),
                 ms(std::clock() - processorAtStart), ms(processorAtStart));
    std::fflush(stderr);
    if (exitAfter) std::_Exit(0);
  });
}

void reportFatal(const std::string& text) {
  std::cerr << "airport-survey: " << text << '\n';
  try {
    QMessageBox::critical(nullptr, survey::kProgramTitle, QString::fromStdString(text));
  } catch (...) {  // no memory left even for the window: stderr has said it
  }
}

constexpr const char* kUsage =
    "usage: airport-survey [--store DIR]\n"
    "       airport-survey --version\n"
    "Without --store, the store files are beside the program when that folder holds them or\n"
    "can be written, otherwise in $XDG_DATA_HOME/airport-survey (~/.local/share/airport-survey).\n";
}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t processorAtStart = std::clock();
  // Our own options are read before Qt sees the rest (Qt takes -platform and the like).
  const survey::ProgramOptions options =
      survey::parseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!options.error.empty()) {
    std::cerr << "airport-survey: " << options.error << '\n' << kUsage;
    return 2;
  }
  if (options.showVersion || options.showHelp) {
    std::cout << (options.showVersion
                      ? std::string("airport-survey ") + SURVEY_PROGRAM_VERSION + "\n"
                      : kUsage);
    return 0;
  }
  std::vector<char*> qtArgs{argv[0]};
  std::vector<std::string> rest = options.rest;
  for (auto& arg : rest) qtArgs.push_back(arg.data());
  int qtArgc = static_cast<int>(qtArgs.size());
  qtArgs.push_back(nullptr);

  QApplication app(qtArgc, qtArgs.data());
  QApplication::setApplicationName(survey::kProgramTitle);
  QApplication::setApplicationVersion(SURVEY_PROGRAM_VERSION);
  QApplication::setWindowIcon(QIcon::fromTheme("airport-survey"));
  if (QCoreApplication::arguments().size() > 1) {
    std::cerr << "airport-survey: unknown argument "
              << QCoreApplication::arguments().at(1).toStdString() << '\n'
              << kUsage;
    return 2;
  }

  // Whatever gives out (memory, above all, when a file is far too large), the
  // user is told, in a window if one can still be made, and not left with an abort.
  try {
    const std::filesystem::path programDirectory(
        QCoreApplication::applicationDirPath().toStdString());
    survey::ui::QtDialogs dialogs;
    survey::ui::QtPlatform platform(programDirectory, dialogs);
    platform.setStoreDirectory(survey::storeDirectoryFor(programDirectory, options.store));
    survey::Program program(dialogs, platform);
    survey::registerAllScreens(program.screens);

    survey::ui::MainWindow window(program);
    window.statusBar()->addWidget(
        new QLabel("Store folder: " + QString::fromStdString(platform.storeDirectory().string())));
    dialogs.setParentProvider([&window] { return window.activeWindowForDialogs(); });
    platform.setScreenWidgetProvider(
        [&window](const survey::Screen& s) { return window.viewOf(s); });
    survey::showScreen(program, survey::MainScreen::kName);
    window.show();
    reportStartupTimeWhenShown(start, processorAtStart);
    const int status = QApplication::exec();
    program.screens.setObserver(nullptr);
    return status;
  } catch (const std::bad_alloc&) {
    reportFatal("The program ran out of memory and has to stop.");
  } catch (const std::exception& e) {
    reportFatal(std::string("The program has to stop: ") + e.what());
  }
  return 3;
}
