// Building the map's graphics scene (the drawing of the Qt layer) for 15,000 obstructions,
// with the surfaces and each obstruction's judgement against them.
#ifdef SURVEY_BENCH_UI
#include <benchmark/benchmark.h>

#include <QGraphicsScene>

#include "app/sample_airport.h"
#include "offscreen_application.h"
#include "ui/survey_map_scene.h"

namespace {

void BM_MapScene(benchmark::State& state) {
  survey::bench::ensureOffscreenApplication();
  survey::SurveyStore store;
  survey::sample::addSampleAirport(store, 15000);
  for (auto _ : state) {
    const auto features = survey::map::collectSurveyFeatures(store, "SGF");
    const auto plan = survey::map::planSurvey(features);
    const auto surfaces = survey::map::placeSurfaces(store, features, plan);
    QGraphicsScene scene;
    survey::ui::drawSurveyPlan(scene, features, plan, {}, surfaces);
    benchmark::DoNotOptimize(scene.items().size());
  }
}
BENCHMARK(BM_MapScene)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
