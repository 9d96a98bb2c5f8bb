// Draws the survey map and the obstruction evaluation of a sample airport to PNG files for
// docs/screenshots (runs on Qt's offscreen platform or under Xvfb).
#include <QApplication>
#include <QDir>
#include <QTableView>
#include <cstdio>
#include <filesystem>

#include "app/sample_airport.h"
#include "app/screenshot_program.h"
#include "entry/all_screens.h"
#include "store/schema/airport_fields.h"
#include "ui/evaluation_table_model.h"
#include "ui/obstruction_evaluation_window.h"
#include "ui/survey_map_view.h"
#include "ui/survey_map_window.h"

using survey::screenshots::QuietPlatform;
using survey::screenshots::SilentDialogs;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: survey-map-screenshots OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  SilentDialogs dialogs;
  QuietPlatform platform;
  survey::Program program(dialogs, platform);
  survey::registerAllScreens(program.screens);
  survey::sample::addSampleAirport(program.store, 300);
  program.current().surveyKey = "SGF";

  // Two findings of the kind the survey review reports, to show how they are marked.
  const std::vector<survey::map::MapMark> marks = {
      {survey::TableKind::Runway, 2, survey::map::MarkSeverity::Error,
       "end 14's azimuth differs from the computed one"},
      {survey::TableKind::Obstruction, 17, survey::map::MarkSeverity::Warning,
       "AGL differs from top minus ground"}};
  int written = 0;
  survey::ui::SurveyMapWindow window(program, "SGF", marks);
  window.resize(1200, 860);
  window.show();
  QApplication::processEvents();
  window.view()->fitAll();
  QApplication::processEvents();
  written += window.grab().save(out + "/SurveyMap.png");
  window.view()->zoomBy(3);
  QApplication::processEvents();
  written += window.grab().save(out + "/SurveyMap-zoomed.png");

  // The evaluation, the obstructions that penetrate first.
  survey::ui::ObstructionEvaluationWindow evaluation(program, "SGF");
  evaluation.resize(1100, 600);
  evaluation.table()->sortByColumn(survey::ui::kPenetrationColumn, Qt::DescendingOrder);
  evaluation.show();
  QApplication::processEvents();
  written += evaluation.grab().save(out + "/ObstructionEvaluation.png");

  program.store.current.surveyType = "AOC";
  program.store.appendAirport(
      {{survey::airport::Name, "Lakeside Field"}, {survey::airport::Identifier, "LKS"}});
  survey::ui::SurveyMapWindow empty(program, "LKS");
  empty.resize(700, 360);
  empty.show();
  QApplication::processEvents();
  written += empty.grab().save(out + "/SurveyMap-empty.png");
  std::printf("%d images drawn to %s\n", written, argv[1]);
  return written == 4 ? 0 : 1;
}
