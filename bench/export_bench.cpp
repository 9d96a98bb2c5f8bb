// Exporting a survey near the file's capacity: 50 runways with full profiles,
// 1,000 navaids and 15,000 obstructions (19,996 lines of the 20,001 a file can hold).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "export/export_fixture.h"
#include "uddf/export/uddf_export.h"

namespace {

using namespace survey;
using namespace survey::uddf;
using namespace survey::uddf::testing;

SurveyStore& largeSurvey() {
  static SurveyStore store = [] {
    SurveyStore s;
    addSurvey(s, "KBIG", "COMBINE", true, false,
              {{1, "Capacity International"},
               {5, "03/05/2004"},
               {7, "34"},
               {8, "5"},
               {9, "7.2"},
               {10, "118"},
               {11, "15"},
               {12, "30.2"},
               {13, "120.5"},
               {34, "A. Surveyor"},
               {35, "L-1"},
               {36, "Benchmark survey."}});
    for (int r = 0; r < 50; ++r) {
      const std::string id =
          std::to_string(r % 18 + 1) + std::string(1, static_cast<char>('A' + r / 18));
      const std::string opposite =
          std::to_string(r % 18 + 19) + std::string(1, static_cast<char>('A' + r / 18));
      Fields f{
          {1, "06/15/2010"}, {2, id},         {27, opposite}, {3, "Yes"},   {28, "Not Verified"},
          {4, "0894530"},    {29, "2694530"}, {5, "9000"},    {6, "150"},   {7, "P - Paved"},
          {8, "34"},         {9, "5"},        {10, "7.1234"}, {11, "118"},  {12, "15"},
          {13, "30.5"},      {30, "34"},      {31, "6"},      {32, "1.25"}, {33, "118"},
          {34, "16"},        {35, "2"},       {14, "100.5"},  {15, "70.1"}, {16, "101"},
          {17, "71"},        {36, "110.5"},   {37, "80.2"},   {18, "34"},   {19, "5"},
          {20, "9"},         {21, "118"},     {22, "15"},     {23, "33"},   {24, "300"},
          {25, "101.0"},     {26, "71.2"},    {40, "34"},     {41, "6"},    {42, "0"},
          {43, "118"},       {44, "16"},      {45, "0.5"},    {46, "450"},  {47, "109.0"},
          {48, "79.1"}};
      for (int g = 0; g < 28; ++g) {
        const int k = 60 + 5 * g;
        f.emplace_back(k, g % 2 == 0 ? id : opposite);
        f.emplace_back(k + 1, std::to_string(8700 - 300 * g));
        f.emplace_back(k + 2, "10" + std::to_string(g % 10) + ".5");
        f.emplace_back(k + 3, "7" + std::to_string(g % 10) + ".5");
      }
      addRunway(s, "KBIG", f);
    }
    const char* types[] = {"GS - Glide Slope", "LOC - Localizer",
                           "PAPI - Precision Approach Path Indicator", "NDB/DME",
                           "Local tower light"};
    for (int n = 0; n < 1000; ++n) {
      const std::string kind = n % 25 == 0 ? "PP" : n % 25 == 1 ? "CLPT" : "NAVAID";
      addNavaid(s, "KBIG", {{15, types[n % 5]}, {1, "9A"},          {2, "I" + std::to_string(n)},
                            {3, "34"},          {4, "5"},           {5, "10.5"},
                            {6, "118"},         {7, "15"},          {8, "28.25"},
                            {9, "95.5"},        {10, "60.1"},       {11, kind},
                            {13, "L"},          {18, "05/01/2012"}, {20, "34"},
                            {21, "5"},          {22, "12.75"},      {23, "118"},
                            {24, "15"},         {25, "26.5"},       {26, "96"},
                            {27, "61"}});
    }
    for (int o = 0; o < 15000; ++o) {
      const int runway = o % 50;
      addObstruction(s, "KBIG",
                     {{1, std::to_string(runway % 18 + 1) +
                              std::string(1, static_cast<char>('A' + runway / 18))},
                      {2, "Tree " + std::to_string(o)},
                      {3, "34"},
                      {4, "5"},
                      {5, "7.25"},
                      {6, "118"},
                      {7, "15"},
                      {8, "30.2"},
                      {9, "250"},
                      {10, "215"},
                      {12, "45"},
                      {19, "2 (50')"},
                      {20, "B (10')"},
                      {21, runway % 3 == 0 ? "HCT: FAR77 Horizontal" : "PIR: Precision"},
                      {23, "07/04/2015"}});
    }
    return s;
  }();
  return store;
}

void BM_ComposeUddf(benchmark::State& state) {
  SurveyStore& store = largeSurvey();
  for (auto _ : state) {
    ComposedUddf composed = composeUddf(store, "KBIG", kExportMoment);
    if (!composed.ok) state.SkipWithError(composed.error.c_str());
    benchmark::DoNotOptimize(composed.bytes.data());
    state.counters["lines"] = composed.lines;
  }
}
BENCHMARK(BM_ComposeUddf)->Unit(benchmark::kMillisecond);

void BM_WriteUddfFile(benchmark::State& state) {
  SurveyStore& store = largeSurvey();
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "survey-bench.cmb";
  for (auto _ : state) {
    const ExportResult result = writeUddfFile(store, "KBIG", file, [] { return kExportMoment; });
    if (!result.ok) state.SkipWithError(result.message.c_str());
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_WriteUddfFile)->Unit(benchmark::kMillisecond);

}  // namespace
