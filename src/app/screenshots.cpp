// Draws every screen of the program with a small sample survey to PNG files,
// for the README and the docs (runs on Qt's offscreen platform).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <filesystem>

#include "entry/all_screens.h"
#include "shell/main_screen.h"
#include "shell/navigation.h"
#include "shell/screen_names.h"
#include "ui/main_window.h"

namespace {

class SilentDialogs : public survey::Dialogs {
 public:
  survey::Button show(const survey::Message&) override { return survey::Button::No; }
};

class QuietPlatform : public survey::Platform {
 public:
  explicit QuietPlatform(std::filesystem::path dir) : dir_(std::move(dir)) {}
  std::filesystem::path programDirectory() const override { return dir_; }
  bool openDocument(const std::string&) override { return true; }
  void printScreen(const survey::Screen&) override {}
  void setBusy(bool) override {}
  void quit() override {}

 private:
  std::filesystem::path dir_;
};

void addSampleSurveys(survey::SurveyStore& store) {
  store.current.surveyType = "AOC";
  store.appendAirport({{1, "Springfield Municipal"}, {2, "03407.A"}, {3, "SGF"}, {4, "ACE"},
                       {5, "05/14/2026"}, {6, "Springfield"}, {7, "37"}, {8, "14"}, {9, "43.2"},
                       {10, "93"}, {11, "23"}, {12, "18.6"}, {13, "1268.4"}, {39, "True"}});
  store.airports().setCell(1, 41, "CERTIFIED");
  store.current.surveyType = "RUNWAY";
  store.appendAirport({{1, "Lakeside Field"}, {2, "11230.*A"}, {3, "LKS"}, {5, "06/02/2026"}});
  store.current.surveyKey = "SGF";
  store.current.surveyName = "Springfield Municipal";
  store.current.surveyType = "AOC";
  store.appendChild(survey::TableKind::Runway, {{2, "02"}, {27, "20"}});
  store.appendChild(survey::TableKind::Runway, {{2, "14"}, {27, "32"}});
  store.current.storeLoaded = true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: survey-screenshots OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  SilentDialogs dialogs;
  QuietPlatform platform(std::filesystem::temp_directory_path());
  survey::Program program(dialogs, platform);
  survey::registerAllScreens(program.screens);
  addSampleSurveys(program.store);
  survey::ui::MainWindow window(program);
  window.show();
  int written = 0;
  for (const char* name : {survey::screen::kMain, survey::screen::kSurveyType,
                           survey::screen::kAirport, survey::screen::kRunway,
                           survey::screen::kRunwayPP, survey::screen::kNavaid,
                           survey::screen::kObstruction, survey::screen::kCertification,
                           survey::screen::kOutputFile, survey::screen::kImport}) {
    if (!program.screens.knows(name)) continue;
    if (std::string(name) == survey::screen::kAirport) {
      survey::prepareScreen(program, name, "TAB");
    }
    survey::showScreen(program, name);
    QApplication::processEvents();
    QWidget* view = window.viewOf(*program.screens.existing(name));
    if (!view) continue;
    QWidget* shot = program.screens.isManaged(name) ? static_cast<QWidget*>(&window) : view->window();
    if (shot->grab().save(out + "/" + name + ".png")) ++written;
  }
  std::printf("%d screens drawn to %s\n", written, argv[1]);
  program.screens.setObserver(nullptr);
  return written > 0 ? 0 : 1;
}
