// The survey map and the GIS export on a survey with 15,000 obstructions.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/sample_airport.h"
#include "gis/gis_writer.h"
#include "map/plan_view.h"

namespace {

const survey::SurveyStore& bigSurvey() {
  static const survey::SurveyStore store = [] {
    survey::SurveyStore s;
    survey::sample::addSampleAirport(s, 15000);
    return s;
  }();
  return store;
}

void BM_MapFeaturesAndPlan(benchmark::State& state) {
  for (auto _ : state) {
    const auto features = survey::map::collectSurveyFeatures(bigSurvey(), "SGF");
    benchmark::DoNotOptimize(survey::map::planSurvey(features).points.data());
  }
}
BENCHMARK(BM_MapFeaturesAndPlan)->Unit(benchmark::kMillisecond);

void BM_GeoPackageExport(benchmark::State& state) {
  const auto file =
      std::filesystem::temp_directory_path() / ("bench-" + std::to_string(getpid()) + ".gpkg");
  for (auto _ : state) {
    const auto result = survey::gis::writeSurveyGis(bigSurvey(), "SGF", file);
    if (!result.ok) state.SkipWithError(result.message.c_str());
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_GeoPackageExport)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
