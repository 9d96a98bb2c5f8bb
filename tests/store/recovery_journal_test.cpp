#include "store/recovery_journal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "store/file_io.h"
#include "store/store_digest.h"
#include "store/store_files.h"
#include "support/fakes.h"
#include "support/survey_rows.h"

namespace survey {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::string snapshot(SurveyStore& store) {
  std::string text;
  for (auto kind : testing::kAllTables) text += storeFileText(store.table(kind));
  return text;
}

// Actions of a working day, each made durable as the program does after an action.
std::vector<std::vector<std::string>> workingDay() {
  return testing::caseTable("store/working_day.cases", 2);
}

// Saves `base` into dir, loads it into `working` as the program does, and opens
// working's journal; nothing when any step fails.
std::unique_ptr<RecoveryJournal> journalAfterSaving(SurveyStore& base, SurveyStore& working,
                                                    const fs::path& dir) {
  if (!saveStore(base, dir).ok()) return nullptr;
  loadStore(working, dir, StoreAccess::Writer, true);
  std::string error;
  auto journal = RecoveryJournal::open(working, dir, 0, error);
  EXPECT_TRUE(journal) << error;
  return journal;
}

TEST(RecoveryJournal, RestoringAfterAnyActionGivesTheTablesAsTheyWereThen) {
  TempDir dir;
  SurveyStore base;
  base.appendAirport({{1, "Saved Field"}, {3, "OLD"}});
  SurveyStore working;
  auto journal = journalAfterSaving(base, working, dir.path());
  ASSERT_TRUE(journal);
  const auto actions = workingDay();
  for (std::size_t i = 0; i < actions.size(); ++i) {
    SCOPED_TRACE(actions[i][0]);
    testing::applyChanges(working, actions[i][1]);
    ASSERT_EQ(journal->flush(), "");
    EXPECT_EQ(inspectJournal(dir.path()).entries, static_cast<int>(i) + 1);
    SurveyStore restarted;
    loadStore(restarted, dir.path(), StoreAccess::Reader);
    EXPECT_EQ(restoreFromJournal(restarted, dir.path()), static_cast<int>(i) + 1);
    EXPECT_EQ(snapshot(restarted), snapshot(working));
  }
  journal->remove();
  EXPECT_FALSE(journalExists(dir.path()));
}

// A table filled to its last row comes back whole.
TEST(RecoveryJournal, AFullTableIsRestored) {
  TempDir dir;
  SurveyStore base;
  SurveyStore working;
  auto journal = journalAfterSaving(base, working, dir.path());
  ASSERT_TRUE(journal);
  const int capacity = working.airports().shape().capacity;
  for (int n = 1; n <= capacity; ++n) working.appendAirport({{3, "K" + std::to_string(n)}});
  ASSERT_TRUE(working.airports().full());
  ASSERT_EQ(journal->flush(), "");
  SurveyStore restarted;
  loadStore(restarted, dir.path(), StoreAccess::Reader);
  EXPECT_EQ(restoreFromJournal(restarted, dir.path()), 1);
  EXPECT_EQ(snapshot(restarted), snapshot(working));
}

TEST(RecoveryJournal, ATornLastEntryIsIgnoredAndTheJournalContinuesAfterTheWholeOnes) {
  TempDir dir;
  SurveyStore working;
  std::string error;
  auto journal = RecoveryJournal::open(working, dir.path(), 0, error);
  ASSERT_TRUE(journal);
  const fs::path path = dir.path() / kJournalName;
  std::size_t lastStart = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    lastStart = fs::file_size(path);
    testing::applyChanges(working, workingDay()[i][1]);
    ASSERT_EQ(journal->flush(), "");
  }
  journal.reset();
  const std::string whole = readWholeFile(path).bytes;
  for (std::size_t cut : {lastStart + 1, lastStart + 20, whole.size() - 1}) {
    SCOPED_TRACE(cut);
    ASSERT_EQ(writeFileAtomically(path, whole.substr(0, cut)), "");
    EXPECT_EQ(inspectJournal(dir.path()).entries, 2);
    SurveyStore restarted;
    EXPECT_EQ(restoreFromJournal(restarted, dir.path()), 2);
    EXPECT_EQ(restarted.navaids().count(), 0) << "the torn third action is not applied";
    EXPECT_EQ(restarted.runways().count(), 1);
    // The next run's changes follow the two whole entries and are read.
    auto next = RecoveryJournal::open(restarted, dir.path(), 0, error);
    restarted.appendChild(TableKind::Obstruction, {{1, "Mast"}});
    ASSERT_EQ(next->flush(), "");
    EXPECT_EQ(inspectJournal(dir.path()).entries, 3);
  }
  // A damaged byte inside an entry ends what is read there.
  std::string damaged = whole;
  damaged[whole.size() / 2] ^= 0x20;
  ASSERT_EQ(writeFileAtomically(path, damaged), "");
  EXPECT_LT(inspectJournal(dir.path()).entries, 3);
  EXPECT_EQ(setJournalAside(dir.path()), std::string(kJournalName) + ".set-aside1");
  EXPECT_FALSE(journalExists(dir.path()));
}

TEST(RecoveryJournal, AfterASaveMarkOnlyTheChangesThatFollowItAreRestored) {
  TempDir dir;
  SurveyStore base;
  base.appendAirport({{1, "Saved Field"}, {3, "OLD"}});
  ASSERT_TRUE(saveStore(base, dir.path()).ok());
  SurveyStore working;
  const std::uint64_t start = loadStore(working, dir.path(), StoreAccess::Writer, true).generation;
  std::string error;
  auto journal = RecoveryJournal::open(working, dir.path(), start, error);
  ASSERT_TRUE(journal) << error;
  const auto actions = workingDay();
  for (std::size_t i = 0; i < 8; ++i) {  // through the first survey's deletion
    testing::applyChanges(working, actions[i][1]);
    if (i == 4) {
      const StoreSaveReport saved = saveStore(working, dir.path(), {}, [&](std::uint64_t made) {
        ASSERT_EQ(journal->markSaving(made), "");
      });
      ASSERT_TRUE(saved.ok());
      SurveyStore reloaded;
      EXPECT_EQ(loadStore(reloaded, dir.path(), StoreAccess::Writer, true).generation,
                saved.generation);
      EXPECT_EQ(examineJournal(dir.path(), saved.generation).verdict,
                JournalFinding::Verdict::NothingToRestore);
      continue;
    }
    ASSERT_EQ(journal->flush(), "");
  }
  SurveyStore restarted;
  const JournalFinding found = examineJournal(
      dir.path(), loadStore(restarted, dir.path(), StoreAccess::Writer, true).generation);
  ASSERT_EQ(found.verdict, JournalFinding::Verdict::Restorable);
  EXPECT_EQ(found.changes, 3);
  EXPECT_EQ(restoreFromJournal(restarted, dir.path(), found.restoreFrom), 3);
  EXPECT_EQ(snapshot(restarted), snapshot(working)) << "nothing saved is applied twice";
  EXPECT_EQ(examineJournal(dir.path(), start).verdict, JournalFinding::Verdict::Restorable)
      << "to the store it began with, every change applies";
}

// The journal grows to its largest size exactly, and not a byte past it.
TEST(RecoveryJournal, GrowsToItsLargestSizeAndNoFurther) {
  TempDir dir;
  SurveyStore working;
  std::string error;
  auto journal = RecoveryJournal::open(working, dir.path(), 7, error);
  ASSERT_TRUE(journal) << error;
  const fs::path file = dir.path() / kJournalName;
  const std::uintmax_t before = fs::file_size(file);
  ASSERT_EQ(journal->markSaving(7), "");
  const std::uintmax_t mark = fs::file_size(file) - before;
  fs::resize_file(file, kLargestJournalBytes - mark);  // sparse: takes no disk
  EXPECT_EQ(journal->markSaving(7), "");
  EXPECT_EQ(fs::file_size(file), kLargestJournalBytes);
  EXPECT_EQ(journal->markSaving(7), "the recovery journal has reached its largest size (256 MB)");
}

TEST(StoreGeneration, ASavesGenerationIsWhatTheNextLoadFindsAndAnyByteChangesIt) {
  TempDir dir;
  SurveyStore empty;
  const std::uint64_t none = loadStore(empty, dir.path(), StoreAccess::Writer, true).generation;
  for (const char* name : {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt", "survey_obs.txt"})
    std::ofstream(dir.path() / name);
  SurveyStore emptyFiles;
  EXPECT_NE(loadStore(emptyFiles, dir.path(), StoreAccess::Writer, true).generation, none)
      << "an empty file is not a missing one";
  SurveyStore store;
  for (const auto& action : workingDay()) testing::applyChanges(store, action[1]);
  const StoreSaveReport saved = saveStore(store, dir.path());
  ASSERT_TRUE(saved.ok());
  SurveyStore loaded;
  EXPECT_EQ(loadStore(loaded, dir.path(), StoreAccess::Writer, true).generation, saved.generation);
  // The same bytes in pieces of any size give the same digest; one byte more does not.
  const std::string text = readWholeFile(dir.path() / "survey_apt.txt").bytes;
  for (std::size_t piece : {1, 7, 63, 64, 65, 1000}) {
    ByteDigest digest;
    for (std::size_t at = 0; at < text.size(); at += piece) digest.add(text.substr(at, piece));
    EXPECT_EQ(digest.value(), digestOf(text)) << piece;
  }
  EXPECT_NE(digestOf(text + " "), digestOf(text));
  // One byte changed anywhere, in a full block, in the stripe after it or in the tail short of
  // a stripe, changes it.
  std::string bytes(1100, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  std::vector<std::size_t> unnoticed;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::string changed = bytes;
    changed[i] = static_cast<char>(changed[i] ^ 1);
    if (digestOf(changed) == digestOf(bytes)) unnoticed.push_back(i);
  }
  EXPECT_EQ(unnoticed, std::vector<std::size_t>{});
  std::ofstream(dir.path() / "survey_gs.txt", std::ios::app) << " ";
  SurveyStore changed;
  EXPECT_NE(loadStore(changed, dir.path(), StoreAccess::Reader, true).generation, saved.generation);
}

}  // namespace
}  // namespace survey
