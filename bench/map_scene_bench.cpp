// Building the map's graphics scene (the drawing of the Qt layer) for 15,000 obstructions.
#ifdef SURVEY_BENCH_UI
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGraphicsScene>

#include "app/sample_airport.h"
#include "ui/survey_map_scene.h"

namespace {

void BM_MapScene(benchmark::State& state) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "survey_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);  // lives to the exit
  (void)app;
  survey::SurveyStore store;
  survey::sample::addSampleAirport(store, 15000);
  for (auto _ : state) {
    const auto features = survey::map::collectSurveyFeatures(store, "SGF");
    const auto plan = survey::map::planSurvey(features);
    QGraphicsScene scene;
    survey::ui::drawSurveyPlan(scene, features, plan, {});
    benchmark::DoNotOptimize(scene.items().size());
  }
}
BENCHMARK(BM_MapScene)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
