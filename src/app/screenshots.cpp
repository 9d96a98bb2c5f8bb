// Draws every screen of the program with a small sample survey to PNG files,
// for the README and the docs (runs on Qt's offscreen platform).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <filesystem>

#include "app/screenshot_program.h"
#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "shell/navigation.h"
#include "shell/record_screen.h"
#include "shell/screen_names.h"
#include "store/survey_status.h"
#include "ui/main_window.h"

namespace {

using survey::screenshots::QuietPlatform;
using survey::screenshots::SilentDialogs;

void addSampleSurveys(survey::SurveyStore& store) {
  store.current.surveyType = "AOC";
  store.appendAirport({{1, "Springfield Municipal"},
                       {2, "03407.A"},
                       {3, "SGF"},
                       {4, "ACE"},
                       {5, "05/14/2026"},
                       {6, "Springfield"},
                       {7, "37"},
                       {8, "14"},
                       {9, "43.2"},
                       {10, "93"},
                       {11, "23"},
                       {12, "18.6"},
                       {13, "1268.4"},
                       {39, "True"}});
  store.airports().setCell(1, survey::airport::Status, std::string(survey::status::kCertified));
  store.current.surveyType = "RUNWAY";
  store.appendAirport({{1, "Lakeside Field"}, {2, "11230.*A"}, {3, "LKS"}, {5, "06/02/2026"}});
  store.current.surveyKey = "SGF";
  store.current.surveyName = "Springfield Municipal";
  store.current.surveyType = "AOC";
  store.appendChild(survey::TableKind::Runway, {{1, "05/14/2026"},
                                                {2, "02"},
                                                {3, "Yes"},
                                                {4, "0192512"},
                                                {5, "7003"},
                                                {6, "150"},
                                                {7, "P - Paved Hard Surface"},
                                                {8, "37"},
                                                {9, "13"},
                                                {10, "40.1234"},
                                                {11, "93"},
                                                {12, "23"},
                                                {13, "5.4321"},
                                                {14, "1260.4"},
                                                {27, "20"},
                                                {28, "No"},
                                                {29, "1992512"},
                                                {30, "37"},
                                                {31, "14"},
                                                {32, "48.5678"},
                                                {33, "93"},
                                                {34, "22"},
                                                {35, "50.8765"},
                                                {36, "1255.1"}});
  store.appendChild(survey::TableKind::Runway, {{2, "14"}, {27, "32"}});
  store.appendChild(survey::TableKind::Navaid, {{1, "02"},          {2, "ISGF"},
                                                {3, "37"},          {4, "14"},
                                                {5, "12.3456"},     {6, "93"},
                                                {7, "23"},          {8, "1.2"},
                                                {9, "1260.4"},      {10, "1190.2"},
                                                {11, "PP"},         {13, "L"},
                                                {14, "-1020"},      {15, "GS - Glide Slope"},
                                                {18, "05/14/2026"}, {20, "37"},
                                                {21, "14"},         {22, "13.1"},
                                                {23, "93"},         {24, "23"},
                                                {25, "3.3"},        {26, "1255.1"},
                                                {27, "1185.0"}});
  store.appendChild(survey::TableKind::Navaid, {{1, "20"},
                                                {15, "PAPI - Precision Approach Path Indicator"},
                                                {11, "NAVAID"},
                                                {3, "37"},
                                                {4, "13"},
                                                {5, "59.1"},
                                                {18, "05/14/2026"}});
  store.appendChild(
      survey::TableKind::Navaid,
      {{15, "ASOS - Weather Station"}, {11, "NAVAID"}, {3, "37"}, {18, "05/14/2026"}});
  store.appendChild(survey::TableKind::Obstruction, {{1, "02"},
                                                     {2, "TREE"},
                                                     {3, "37"},
                                                     {4, "12"},
                                                     {5, "10.25"},
                                                     {6, "93"},
                                                     {7, "24"},
                                                     {8, "1.5"},
                                                     {9, "1310"},
                                                     {10, "1250"},
                                                     {12, "45"},
                                                     {19, "2 (50')"},
                                                     {20, "B (10')"},
                                                     {23, "05/14/2026"}});
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
  for (const char* name :
       {survey::screen::kMain, survey::screen::kSurveyType, survey::screen::kAirport,
        survey::screen::kRunway, survey::screen::kRunwayPP, survey::screen::kNavaid,
        survey::screen::kObstruction, survey::screen::kCertification, survey::screen::kReview,
        survey::screen::kOutputFile, survey::screen::kImport}) {
    if (std::string(name) == survey::screen::kAirport) {
      survey::prepareScreen(program, name, survey::Preparation::Tab);
    }
    survey::showScreen(program, name);
    QApplication::processEvents();
    QWidget* view = window.viewOf(*program.screens.existing(name));
    if (!view) continue;
    QWidget* shot =
        program.screens.isManaged(name) ? static_cast<QWidget*>(&window) : view->window();
    if (shot->grab().save(out + "/" + name + ".png")) ++written;
  }
  // The record screens again, each with a record loaded for edit.
  const struct {
    const char* screen;
    int16_t survey::CurrentSurvey::*row;
    survey::RecordMode survey::CurrentSurvey::*mode;
    int16_t rowNumber;
    const char* file;
  } records[] = {
      {survey::screen::kRunway, &survey::CurrentSurvey::runwayRow,
       &survey::CurrentSurvey::runwayMode, 1, "FormRunway-edit"},
      {survey::screen::kNavaid, &survey::CurrentSurvey::navaidRow,
       &survey::CurrentSurvey::navaidMode, 1, "FormGS-electronic"},
      {survey::screen::kNavaid, &survey::CurrentSurvey::navaidRow,
       &survey::CurrentSurvey::navaidMode, 2, "FormGS-visual"},
      {survey::screen::kNavaid, &survey::CurrentSurvey::navaidRow,
       &survey::CurrentSurvey::navaidMode, 3, "FormGS-stars"},
      {survey::screen::kObstruction, &survey::CurrentSurvey::obstructionRow,
       &survey::CurrentSurvey::obstructionMode, 1, "FormObstruction-edit"},
  };
  for (const auto& record : records) {
    program.current().*record.row = record.rowNumber;
    program.current().*record.mode = survey::RecordMode::Edit;
    survey::showScreen(program, survey::screen::kMain);
    auto& screen = survey::showScreen(program, record.screen);
    if (auto* loader = dynamic_cast<survey::RecordScreen*>(&screen)) loader->loadRecord();
    QApplication::processEvents();
    if (window.grab().save(out + "/" + record.file + ".png")) ++written;
  }
  std::printf("%d screens drawn to %s\n", written, argv[1]);
  program.screens.setObserver(nullptr);
  return written > 0 ? 0 : 1;
}
