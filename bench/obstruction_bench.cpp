// The airport screen's obstruction grid for a survey at the table's full size,
// and opening one of its obstructions for edit.
#include <benchmark/benchmark.h>

#include <string>

#include "entry/all_screens.h"
#include "entry/hub_grids.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/record_screen.h"
#include "shell/screen_names.h"
#include "support/fakes.h"

namespace survey {
namespace {

constexpr int kObstructions = 32000;

// A program holding one survey with 32,000 obstructions.
struct LargeSurvey {
  testing::TempDir dir;
  testing::ScriptedDialogs dialogs;
  testing::FakePlatform platform{dir.path()};
  Program program{dialogs, platform};

  LargeSurvey() {
    registerAllScreens(program.screens);
    CurrentSurvey& current = program.current();
    current.storeLoaded = true;
    current.surveyType = "AOC";
    program.store.appendAirport({{1, "Large Field"}, {3, "LRG"}});
    for (int i = 1; i <= kObstructions; ++i) {
      const auto added = program.store.appendChild(
          TableKind::Obstruction,
          {{1, "17"},
           {2, "TREE"},
           {3, "40"},
           {4, std::to_string(i % 60)},
           {5, "12.25"},
           {6, "105"},
           {7, "5"},
           {8, "1.5"},
           {9, "5280"},
           {10, "5262"},
           {12, "45"},
           {19, "2 (50')"},
           {20, "B (10')"},
           {21,
            "PIR: Precision Instrument Approach, includes approach and primary surfaces "
            "only"},
           {23, "06/01/2007"}});
      program.store.updateRow(TableKind::Obstruction, added.row, {{25, numberCell(added.row)}});
    }
  }
};

LargeSurvey& largeSurvey() {
  static LargeSurvey survey;
  return survey;
}

// The grid refill the airport screen runs when it opens for the survey.
void BM_ObstructionGridFill(benchmark::State& state) {
  LargeSurvey& survey = largeSurvey();
  Grid grid("GridObstruction", nullptr, kHubGridColumns);
  for (auto _ : state) {
    grid.setRows(1);
    fillObstructionGrid(survey.program, grid);
    benchmark::DoNotOptimize(grid.rows());
  }
  if (grid.rows() != kObstructions + 1) state.SkipWithError("not every obstruction listed");
}
BENCHMARK(BM_ObstructionGridFill)->Unit(benchmark::kMillisecond);

// The airport screen opened through its tab: built, loaded and its grids filled.
void BM_OpenAirportScreen(benchmark::State& state) {
  LargeSurvey& survey = largeSurvey();
  Program& program = survey.program;
  for (auto _ : state) {
    state.PauseTiming();
    program.screens.discard(screen::kAirport);
    state.ResumeTiming();
    prepareScreen(program, screen::kAirport, Preparation::Tab);
    showScreen(program, screen::kAirport);
  }
  const auto& grid = program.screens.touch(screen::kAirport).get<Grid>("GridObstruction");
  if (grid.rows() != kObstructions + 1) state.SkipWithError("not every obstruction listed");
}
BENCHMARK(BM_OpenAirportScreen)->Unit(benchmark::kMillisecond);

// The hub's "Edit": the obstruction screen shown, the airport's grid refilled
// by its load, and the chosen row loaded into it.
void BM_OpenObstructionForEdit(benchmark::State& state) {
  LargeSurvey& survey = largeSurvey();
  Program& program = survey.program;
  showScreen(program, screen::kAirport);
  for (auto _ : state) {
    state.PauseTiming();
    showScreen(program, screen::kAirport);
    state.ResumeTiming();
    program.current().obstructionMode = RecordMode::Edit;
    program.current().obstructionRow = kObstructions / 2;
    Screen& screen = showScreen(program, screen::kObstruction);
    dynamic_cast<RecordScreen&>(screen).loadRecord();
    benchmark::DoNotOptimize(screen.get<TextBox>("Text2O").text());
  }
}
BENCHMARK(BM_OpenObstructionForEdit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace survey
