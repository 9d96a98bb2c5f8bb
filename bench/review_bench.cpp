// The review of a full survey: 50 runways, 1,000 navaids and 15,000 obstructions, the
// export's composition included. The duplicate search must stay linear: the second case
// doubles the obstructions and should about double the time, not quadruple it.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "review/review_fixture.h"

namespace {

using namespace survey;
using namespace survey::review::testing;

KnownSurvey& fullSurvey(int obstructions) {
  static std::map<int, std::unique_ptr<KnownSurvey>> surveys;
  auto& survey = surveys[obstructions];
  if (survey) return *survey;
  survey = std::make_unique<KnownSurvey>();
  Table& runways = survey->store.runways();
  for (int r = 1; r < 50; ++r) {
    const int row = *runways.appendRow();
    for (int f = 1; f <= 200; ++f) runways.setCell(row, f, runways.cell(survey->runway, f));
  }
  Table& navaids = survey->store.navaids();
  for (int n = 1; n < 1000; ++n) {
    const int row = *navaids.appendRow();
    for (int f = 1; f <= 27; ++f) navaids.setCell(row, f, navaids.cell(survey->navaid, f));
  }
  for (int i = static_cast<int>(survey->obstructions.size()); i < obstructions; ++i) {
    // Spread over a few miles round the airport, each at its own place and height.
    survey->addObstruction(travel(survey->arp, (i * 37) % 360, 200.0 + (i % 97) * 150.0),
                           420 + i % 300);
  }
  return *survey;
}

void BM_ReviewFullSurvey(benchmark::State& state) {
  const KnownSurvey& survey = fullSurvey(static_cast<int>(state.range(0)));
  std::size_t findings = 0;
  for (auto _ : state) {
    findings = survey::review::reviewSurvey(survey.store, survey.key, kToday).size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_ReviewFullSurvey)->Arg(15000)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
