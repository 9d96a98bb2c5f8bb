// The obstruction evaluation of a large survey: three runways and 15,000 obstructions
// round them, a third under approach codes of each kind, a third under HCT. The case
// builds the surfaces and judges every obstruction, as `survey-tool evaluate` does.
#include <benchmark/benchmark.h>

#include "evaluation/obstruction_evaluation.h"
#include "review/review_fixture.h"

namespace {

using namespace survey;
using namespace survey::review::testing;

KnownSurvey& evaluatedSurvey() {
  static KnownSurvey* survey = [] {
    auto* known = new KnownSurvey();
    // A parallel runway 1,200 ft aside and a crossing one, both paved.
    const Point parallel = travel(known->end1, kRunwayAzimuth + 90, 1200 * kFoot);
    const Point crossing = travel(known->arp, kRunwayAzimuth + 60, 3000 * kFoot);
    const struct {
      Point from;
      double azimuth, feet;
      const char *end1, *end2;
    } runways[] = {{parallel, kRunwayAzimuth, 8000, "15R", "33L"},
                   {crossing, kRunwayAzimuth + 240, 6000, "03", "21"}};
    for (const auto& r : runways) {
      const int row = addRow(known->store.runways(),
                             fieldsOf(std::string("2=") + r.end1 + ", 7=P - Paved Hard Surface, " +
                                      "14=395.0, 27=" + r.end2 + ", 36=405.0, 49=" + known->key));
      setPosition(known->store.runways(), row, 8, 11, r.from, 4);
      setPosition(known->store.runways(), row, 30, 33, travel(r.from, r.azimuth, r.feet * kFoot),
                  4);
    }
    const char* ends[] = {"15", "33", "15R", "33L", "03", "21"};
    const char* codes[] = {"AV", "BV", "ANP", "C", "D", "PIR", "SUPLC", "HCT", "HCT", "HCT"};
    Table& obstructions = known->store.obstructions();
    for (int i = 0; i < 15000; ++i) {
      const int row = known->addObstruction(
          travel(known->arp, (i * 37) % 360, 300.0 + (i % 211) * 25.0), 420 + i % 300);
      obstructions.setCell(row, 1, ends[i % 6]);
      obstructions.setCell(row, 21, std::string(codes[i % 10]) + ": surface");
    }
    return known;
  }();
  return *survey;
}

void BM_EvaluateObstructions(benchmark::State& state) {
  const KnownSurvey& survey = evaluatedSurvey();
  std::size_t penetrating = 0;
  for (auto _ : state) {
    penetrating = 0;
    for (const auto& e : evaluation::evaluateObstructions(survey.store, survey.key))
      penetrating += e.verdict.penetrates() ? 1 : 0;
    benchmark::DoNotOptimize(penetrating);
  }
  state.counters["penetrating"] = static_cast<double>(penetrating);
}
BENCHMARK(BM_EvaluateObstructions)->Unit(benchmark::kMillisecond);

}  // namespace
