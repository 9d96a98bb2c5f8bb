// The obstruction evaluation's window for 15,000 obstructions: opened, filtered, sorted.
#ifdef SURVEY_BENCH_UI
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QTableView>

#include "app/sample_airport.h"
#include "app/screenshot_program.h"
#include "entry/all_screens.h"
#include "offscreen_application.h"
#include "ui/evaluation_table_model.h"
#include "ui/obstruction_evaluation_window.h"

namespace {

void BM_EvaluationWindow(benchmark::State& state) {
  survey::bench::ensureOffscreenApplication();
  survey::screenshots::SilentDialogs dialogs;
  survey::screenshots::QuietPlatform platform;
  survey::Program program(dialogs, platform);
  survey::sample::addSampleAirport(program.store, 15000);
  for (auto _ : state) {
    survey::ui::ObstructionEvaluationWindow window(program, "SGF");
    window.show();
    window.table()->sortByColumn(survey::ui::kPenetrationColumn, Qt::DescendingOrder);
    window.penetratingOnly()->setChecked(true);
    window.table()->sortByColumn(survey::ui::kObjectColumn, Qt::AscendingOrder);
    benchmark::DoNotOptimize(window.table()->model()->rowCount());
  }
}
BENCHMARK(BM_EvaluationWindow)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
