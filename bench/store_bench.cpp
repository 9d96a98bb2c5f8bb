// Loading and saving a store filled to every table's capacity, and refilling
// the survey list of 1000 surveys.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "shell/navigation.h"
#include "store/store_digest.h"
#include "store/store_files.h"
#include "support/fakes.h"

namespace survey {
namespace {

// Cell texts of the kind surveyors type: names, coordinates, codes, dates.
std::string sampleCell(int row, int field) {
  switch (field % 6) {
    case 0:
      return "";
    case 1:
      return "Municipal Airport " + std::to_string(row);
    case 2:
      return std::to_string(field % 90);
    case 3:
      return std::to_string(row % 60) + "." + std::to_string(field % 100);
    case 4:
      return "05/1" + std::to_string(field % 10) + "/2026";
    default:
      return "P - Paved Hard Surface";
  }
}

void fill(SurveyStore& store) {
  for (auto kind :
       {TableKind::Airport, TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    Table& table = store.table(kind);
    const int rows = table.shape().capacity;
    table.setCount(static_cast<int16_t>(rows));
    for (int row = 1; row <= rows; ++row) {
      for (int field = 1; field <= table.shape().writtenFields; ++field) {
        table.setCell(row, field, sampleCell(row, field));
      }
      table.setCell(row, table.shape().linkField, "S" + std::to_string(row % 1000));
    }
  }
}

const testing::TempDir& fullStoreDir() {
  static testing::TempDir dir;
  static bool written = [] {
    SurveyStore store;
    fill(store);
    return saveStore(store, dir.path()).ok();
  }();
  (void)written;
  return dir;
}

// What `cat` of the four files costs: the floor for a load.
void BM_ReadStoreFilesRaw(benchmark::State& state) {
  const auto& dir = fullStoreDir();
  std::vector<char> buffer(1 << 16);
  for (auto _ : state) {
    std::size_t total = 0;
    for (const char* name :
         {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt", "survey_obs.txt"}) {
      const int fd = ::open((dir.path() / name).c_str(), O_RDONLY | O_CLOEXEC);
      for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;) total += n;
      ::close(fd);
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_ReadStoreFilesRaw)->Unit(benchmark::kMillisecond);

// The store generation's digest of the four files' bytes (part of the window's load).
void BM_DigestStoreFilesFull(benchmark::State& state) {
  const auto& dir = fullStoreDir();
  std::vector<FileBytes> files;
  for (const char* name : {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt", "survey_obs.txt"})
    files.push_back(readFileBytes(dir.path() / name).bytes);
  for (auto _ : state) {
    std::uint64_t combined = 0;
    for (const auto& bytes : files)
      combined ^= digestOf(std::string_view(bytes.data(), bytes.size()));
    benchmark::DoNotOptimize(combined);
  }
  std::size_t total = 0;
  for (const auto& bytes : files) total += bytes.size();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
}
BENCHMARK(BM_DigestStoreFilesFull)->Unit(benchmark::kMillisecond);

void BM_LoadStoreFull(benchmark::State& state) {
  const auto& dir = fullStoreDir();
  for (auto _ : state) {
    SurveyStore store;
    benchmark::DoNotOptimize(loadStore(store, dir.path()).failed);
  }
}
BENCHMARK(BM_LoadStoreFull)->Unit(benchmark::kMillisecond);

// Copies the full store into dir (so saves leave the shared one alone) and loads it.
void loadCopyOfFullStore(const testing::TempDir& dir, SurveyStore& store) {
  for (const auto& entry : std::filesystem::directory_iterator(fullStoreDir().path()))
    std::filesystem::copy_file(entry.path(), dir.path() / entry.path().filename());
  loadStore(store, dir.path());
}

// Load, then save unchanged: the loaded text is written back in runs.
void BM_ResaveStoreFull(benchmark::State& state) {
  testing::TempDir dir;
  SurveyStore store;
  loadCopyOfFullStore(dir, store);
  for (auto _ : state) benchmark::DoNotOptimize(saveStore(store, dir.path()).ok());
}
BENCHMARK(BM_ResaveStoreFull)->Unit(benchmark::kMillisecond);

// A loaded store with one record of each table changed: the save writes the
// loaded text around it as it stands.
void BM_SaveStoreOneRecordChanged(benchmark::State& state) {
  testing::TempDir dir;
  SurveyStore store;
  loadCopyOfFullStore(dir, store);
  for (auto kind :
       {TableKind::Airport, TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    store.table(kind).setCell(store.table(kind).count() / 2, 1, "changed");
  }
  for (auto _ : state) benchmark::DoNotOptimize(saveStore(store, dir.path()).ok());
}
BENCHMARK(BM_SaveStoreOneRecordChanged)->Unit(benchmark::kMillisecond);

// Every cell set in memory: the save writes each one.
void BM_SaveStoreFull(benchmark::State& state) {
  testing::TempDir dir;
  SurveyStore store;
  fill(store);
  for (auto _ : state) benchmark::DoNotOptimize(saveStore(store, dir.path()).ok());
}
BENCHMARK(BM_SaveStoreFull)->Unit(benchmark::kMillisecond);

void BM_RefreshSurveyList1000(benchmark::State& state) {
  testing::ScriptedDialogs dialogs;
  testing::FakePlatform platform;
  Program program(dialogs, platform);
  registerAllScreens(program.screens);
  for (int i = 1; i <= 1000; ++i) {
    program.store.appendAirport({{1, "Field " + std::to_string(i)},
                                 {2, "0340" + std::to_string(i)},
                                 {3, "A" + std::to_string(i)},
                                 {5, "05/01/2026"}});
  }
  program.current().storeLoaded = true;
  auto& main = static_cast<MainScreen&>(showScreen(program, MainScreen::kName));
  for (auto _ : state) main.refreshSurveyList();
}
BENCHMARK(BM_RefreshSurveyList1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace survey
