// Import of a large exchange file: 50 runways with full profiles, 1000 navaids and
// 15000 obstructions, written by the export from tables filled here.
#include <benchmark/benchmark.h>

#include <string>

#include "store/survey_store.h"
#include "uddf/export/uddf_export.h"
#include "uddf/import/uddf_check.h"
#include "uddf/import/uddf_import.h"

namespace {

using survey::FieldValues;
using survey::SurveyStore;
using survey::TableKind;

std::string largeSurveyFile() {
  SurveyStore store;
  store.current.surveyType = "AOC";
  store.appendAirport({{1, "Large Field"},
                       {3, "BIG"},
                       {5, "06/15/2007"},
                       {7, "34"},
                       {8, "5"},
                       {9, "7.2"},
                       {10, "118"},
                       {11, "15"},
                       {12, "30.2"},
                       {34, "Surveyor"},
                       {35, "L-1"},
                       {36, "Benchmark survey"},
                       {39, "True"},
                       {40, "False"}});
  for (int r = 0; r < 50; ++r) {
    const std::string id = std::to_string(r % 36 + 1) + (r < 36 ? "L" : "R");
    FieldValues runway{{1, "06/15/2007"},
                       {2, id},
                       {3, "Yes"},
                       {4, "90.5"},
                       {5, "9000"},
                       {6, "150"},
                       {7, "P - Paved Hard Surface"},
                       {8, "34"},
                       {9, "5"},
                       {10, "7.2500"},
                       {11, "118"},
                       {12, "15"},
                       {13, "30.2000"},
                       {14, "100.0"},
                       {15, "80.0"},
                       {27, "X" + id},
                       {28, "No"},
                       {29, "270.5"},
                       {30, "34"},
                       {31, "5"},
                       {32, "8.2500"},
                       {33, "118"},
                       {34, "14"},
                       {35, "1.0000"},
                       {36, "110.0"},
                       {37, "90.0"}};
    for (int g = 0; g < 27; ++g) {
      const int j = 60 + 5 * g;
      runway.push_back({j, id});
      runway.push_back({j + 1, std::to_string(300 * (g + 1))});
      runway.push_back({j + 2, "101.5"});
      runway.push_back({j + 3, "81.5"});
    }
    store.appendChild(TableKind::Runway, runway);
  }
  for (int n = 0; n < 1000; ++n) {
    store.appendChild(TableKind::Navaid, {{2, "N" + std::to_string(n)},
                                          {3, "34"},
                                          {4, "6"},
                                          {5, "1.1234"},
                                          {6, "118"},
                                          {7, "16"},
                                          {8, "2.5"},
                                          {9, "120.0"},
                                          {10, "100.0"},
                                          {11, "NAVAID"},
                                          {15, n % 2 ? "GS - Glide Slope"
                                                     : "REIL - Runway End "
                                                       "Identifier Lights"},
                                          {18, "06/15/2007"}});
  }
  const std::string pir =
      "PIR: Precision Instrument Approach, includes approach and primary "
      "surfaces only";
  for (int o = 0; o < 15000; ++o) {
    store.appendChild(TableKind::Obstruction, {{1, std::to_string(o % 10 + 1)},
                                               {2, "Tree " + std::to_string(o)},
                                               {3, "34"},
                                               {4, "4"},
                                               {5, "1.25"},
                                               {6, "118"},
                                               {7, "19"},
                                               {8, "2.5"},
                                               {9, "1250"},
                                               {10, "1220"},
                                               {12, "45"},
                                               {19, "2 (50')"},
                                               {20, "C (20')"},
                                               {21, pir},
                                               {23, "06/15/2007"}});
  }
  const auto composed = survey::uddf::composeUddf(store, "BIG", {2026, 1, 2, 3, 4, 5});
  return composed.ok ? composed.bytes : std::string();
}

void BM_ImportLargeUddfFile(benchmark::State& state) {
  static const std::string file = largeSurveyFile();
  if (file.empty()) {
    state.SkipWithError("the export could not compose the large survey");
    return;
  }
  for (auto _ : state) {
    SurveyStore store;
    const auto result = survey::uddf::importUddfText(store, file);
    if (!result.ok || result.obstructions != 15000 || result.navaids != 1000 ||
        result.runways != 50) {
      state.SkipWithError("the import did not read the whole survey");
      return;
    }
    benchmark::DoNotOptimize(store);
  }
  state.counters["bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_ImportLargeUddfFile)->Unit(benchmark::kMillisecond);

// The reading alone, without the tables: what the import costs before the store.
void BM_ReadLargeUddfFile(benchmark::State& state) {
  static const std::string file = largeSurveyFile();
  const SurveyStore store;
  for (auto _ : state) {
    survey::uddf::ImportedSurvey survey;
    const auto result = survey::uddf::readUddfText(store, file, survey);
    if (!result.ok || result.obstructions != 15000) {
      state.SkipWithError("the reading did not read the whole survey");
      return;
    }
    benchmark::DoNotOptimize(survey);
  }
}
BENCHMARK(BM_ReadLargeUddfFile)->Unit(benchmark::kMillisecond);

void BM_CheckLargeUddfFile(benchmark::State& state) {
  static const std::string file = largeSurveyFile();
  for (auto _ : state) benchmark::DoNotOptimize(survey::uddf::checkUddfText(file).total());
}
BENCHMARK(BM_CheckLargeUddfFile)->Unit(benchmark::kMillisecond);

}  // namespace
