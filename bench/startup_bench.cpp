// Opening the main window on a store of 1,000 surveys, its store already loaded (the load
// itself is measured in store_bench.cpp): the list of surveys built, bound and shown.
#ifdef SURVEY_BENCH_UI
#include <benchmark/benchmark.h>

#include <QApplication>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "offscreen_application.h"
#include "shell/navigation.h"
#include "support/fakes.h"
#include "ui/main_window.h"

namespace {

using namespace survey;

void BM_OpenMainWindow1000Surveys(benchmark::State& state) {
  survey::bench::ensureOffscreenApplication();
  testing::ScriptedDialogs dialogs;
  testing::FakePlatform platform;
  Program program(dialogs, platform);
  registerAllScreens(program.screens);
  for (int i = 1; i <= 1000; ++i) {
    program.store.appendAirport({{1, "Municipal Airport " + std::to_string(i)},
                                 {2, "0340" + std::to_string(i) + ".A"},
                                 {3, "A" + std::to_string(i)},
                                 {5, "05/01/2026"},
                                 {25, "COMBINE"}});
  }
  program.current().storeLoaded = true;
  for (auto _ : state) {
    ui::MainWindow window(program);
    showScreen(program, MainScreen::kName);
    window.show();
    QApplication::processEvents();
    state.PauseTiming();
    program.screens.discardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenMainWindow1000Surveys)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
