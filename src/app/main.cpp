// The windowed program: the main screen first, one working screen at a time.
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QStatusBar>
#include <filesystem>
#include <iostream>

#include "entry/all_screens.h"
#include "shell/main_screen.h"
#include "shell/navigation.h"
#include "shell/program_options.h"
#include "store/store_location.h"
#include "survey_version.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

namespace {
constexpr const char* kUsage =
    "usage: airport-survey [--store DIR]\n"
    "       airport-survey --version\n"
    "Without --store, the store files are beside the program when that folder holds them or\n"
    "can be written, otherwise in $XDG_DATA_HOME/airport-survey (~/.local/share/airport-survey).\n";
}  // namespace

int main(int argc, char** argv) {
  // Our own options are read before Qt sees the rest (Qt takes -platform and the like).
  const survey::ProgramOptions options =
      survey::parseProgramOptions(std::vector<std::string>(argv + 1, argv + argc), false);
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

  const std::filesystem::path programDirectory(
      QCoreApplication::applicationDirPath().toStdString());
  survey::ui::QtDialogs dialogs;
  survey::ui::QtPlatform platform(programDirectory);
  platform.setStoreDirectory(survey::storeDirectoryFor(programDirectory, options.store));
  survey::Program program(dialogs, platform);
  survey::registerAllScreens(program.screens);

  survey::ui::MainWindow window(program);
  window.statusBar()->addWidget(
      new QLabel("Store folder: " + QString::fromStdString(platform.storeDirectory().string())));
  dialogs.setParentProvider([&window] { return window.activeWindowForDialogs(); });
  platform.setScreenWidgetProvider([&window](const survey::Screen& s) { return window.viewOf(s); });
  survey::showScreen(program, survey::MainScreen::kName);
  window.show();
  const int status = QApplication::exec();
  program.screens.setObserver(nullptr);
  return status;
}
