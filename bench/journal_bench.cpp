// The recovery journal's cost per action with every table at its capacity:
// the change is written and flushed to disk before the action's message.
#include <benchmark/benchmark.h>

#include "store/recovery_journal.h"
#include "support/fakes.h"

namespace survey {
namespace {

void fillToCapacity(SurveyStore& store) {
  for (auto kind :
       {TableKind::Airport, TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    Table& table = store.table(kind);
    table.setCount(static_cast<int16_t>(table.shape().capacity));
    for (int row = 1; row <= table.shape().capacity; ++row) {
      for (int field = 1; field <= table.shape().writtenFields; ++field) {
        table.setCell(row, field, "cell " + std::to_string(field));
      }
    }
  }
}

// One Save on a full store: the runway row (the widest, 200 fields) changes.
void BM_JournalOneActionFullStore(benchmark::State& state) {
  testing::TempDir dir;
  SurveyStore store;
  fillToCapacity(store);
  std::string error;
  auto journal = RecoveryJournal::open(store, dir.path(), 0, error);
  int row = 0;
  for (auto _ : state) {
    row = row % 1000 + 1;
    store.updateRow(TableKind::Runway, row, {{5, std::to_string(row)}});
    benchmark::DoNotOptimize(journal->flush());
  }
}
BENCHMARK(BM_JournalOneActionFullStore)->Unit(benchmark::kMillisecond);

// Deleting a survey from a full store: the journal records the removal, not the moved rows.
void BM_JournalDeleteSurveyFullStore(benchmark::State& state) {
  testing::TempDir dir;
  SurveyStore store;
  fillToCapacity(store);
  std::string error;
  auto journal = RecoveryJournal::open(store, dir.path(), 0, error);
  for (auto _ : state) {
    store.deleteSurvey("no such survey");
    benchmark::DoNotOptimize(journal->flush());
  }
}
BENCHMARK(BM_JournalDeleteSurveyFullStore)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace survey
