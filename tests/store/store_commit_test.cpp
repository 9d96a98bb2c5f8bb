// Saving all or nothing: injected write faults, saves cut short at every
// stage, and a saving process killed at random instants.
#include "store/store_commit.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <random>
#include <thread>

#include "store/file_io.h"
#include "store/store_files.h"
#include "support/fakes.h"
#include "support/survey_rows.h"

namespace survey {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

constexpr TableKind kChildren[] = {TableKind::Runway, TableKind::Navaid, TableKind::Obstruction};

// A store whose every table tells which generation it belongs to.
SurveyStore generation(int g) {
  SurveyStore store;
  const std::string mark = "generation " + std::to_string(g);
  store.appendAirport({{1, mark}, {3, "G" + std::to_string(g)}});
  for (TableKind kind : kChildren) {
    for (int i = 0; i <= g % 3; ++i) store.appendChild(kind, {{1, mark}});
  }
  return store;
}

// The generation every table of the loaded store belongs to; -1 when they differ.
int loadedGeneration(const fs::path& dir) {
  SurveyStore store;
  const auto report = loadStore(store, dir);
  EXPECT_FALSE(report.failed) << report.message();
  const std::string mark = store.airports().cell(1, 1);
  if (store.airports().count() != 1 || mark.rfind("generation ", 0) != 0) return -1;
  const int g = std::stoi(mark.substr(11));
  for (TableKind kind : kChildren) {
    const Table& table = store.table(kind);
    if (table.count() != 1 + g % 3 || table.cell(table.count(), 1) != mark) return -1;
  }
  return g;
}

std::vector<std::string> strayFiles(const fs::path& dir) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".saving-") != std::string::npos || name == kCommitRecordName) {
      found.push_back(name);
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

// The temporary files of a real save of generation 2 into the store, the first `renamed` of
// them renamed into place; returns the commit record's lines for them (the airport file's
// left out unless `airportLine`).
std::string laidOutSave(const fs::path& store, int renamed, bool airportLine = true) {
  SurveyStore next = generation(2);
  std::string record = "survey store commit\n";
  for (TableKind kind : testing::kAllTables) {
    const fs::path target = fs::absolute(store / shapeOf(kind).fileName);
    std::string error;
    const fs::path temp = writeTemporaryCopy(target, storeFileText(next.table(kind)), error);
    EXPECT_EQ(error, "");
    if (kind != TableKind::Airport || airportLine) {
      record += temp.string() + "\t" + target.string() + "\n";
    }
    if (renamed-- > 0) fs::rename(temp, target);
  }
  return record;
}

// A save failing or cut short at every stage: the next load sees one whole generation, and
// tidies away only the program's own temporary files.
TEST(StoreCommit, AFailedOrCutShortSaveLeavesOneWholeGeneration) {
  for (const auto& c : testing::caseTable("store/cut_saves.cases", 8)) {
    SCOPED_TRACE(c[0]);
    TempDir dir;
    SurveyStore old = generation(1);
    ASSERT_TRUE(saveStore(old, dir.path()).ok());
    SurveyStore next = generation(2);
    std::ofstream(dir.path() / "survey_apt.txt.saving-x1") << "not ours";
    std::ofstream(dir.path() / "notes.txt.saving-123") << "not ours";
    if (c[5].empty()) {
      setWriteFaults({std::stoi(c[1]), std::stoi(c[2]), std::stoll(c[3])});
      const StoreSaveReport report = saveStore(next, dir.path());
      setWriteFaults({});
      if (c[4].empty()) {
        EXPECT_TRUE(report.ok()) << report.message();
      } else {
        ASSERT_EQ(report.failures.size(), 1u);
        EXPECT_EQ(report.failures[0].rfind(c[4], 0), 0u) << report.failures[0];
        EXPECT_NE(report.message().find("the store was left as it was"), std::string::npos);
      }
    } else {
      const std::string record =
          laidOutSave(dir.path(), std::stoi(c[5])) + (c[6] == "whole" ? "end\n" : "");
      if (c[6] != "none") {
        ASSERT_EQ(writeFileAtomically(dir.path() / kCommitRecordName, record), "");
      }
    }
    EXPECT_EQ(loadedGeneration(dir.path()), std::stoi(c[7]));
    EXPECT_EQ(strayFiles(dir.path()),
              (std::vector<std::string>{"notes.txt.saving-123", "survey_apt.txt.saving-x1"}))
        << "only the program's own temporary files go";
  }
}

// A record found at the next open: only one that names the store's own files
// and their temporary files beside them is carried out. Any other renames
// nothing at all, not even its valid lines, and is set aside with a message.
TEST(StoreCommit, ARecordNamingAnythingButTheStoresOwnFilesRenamesNothing) {
  for (const auto& c : testing::caseTable("store/commit_records.cases", 7)) {
    SCOPED_TRACE(c[0]);
    TempDir root;
    const fs::path store = root.path() / "store", outside = root.path() / "outside";
    fs::create_directories(store);
    fs::create_directories(outside);
    SurveyStore old = generation(1);
    ASSERT_TRUE(saveStore(old, store).ok());
    std::ofstream(outside / "sentinel.txt") << "the user's own file";
    for (const fs::path& planted :
         {outside / "sentinel.txt.saving-1", outside / "survey_apt.txt.saving-1",
          store / "notes.txt", store / "notes.txt.saving-1", store / "survey_apt.txt.saving-2"}) {
      std::ofstream(planted) << "planted";
    }
    std::ofstream(store / "survey_store.commit.set-aside1") << "an older one";
    std::string record = laidOutSave(store, 0, c[3] == "kept");
    auto placed = [&](std::string path) {
      if (path.starts_with("S/") || path.starts_with("O/")) {
        path.replace(0, 1, (path[0] == 'S' ? store : outside).string());
      }
      return path;
    };
    if (!c[1].empty()) record += placed(c[1]) + "\t" + placed(c[2]) + "\n";
    if (c[4] == "end") record += "end\n";
    std::ofstream(store / kCommitRecordName) << record;

    SurveyStore loaded;
    const StoreLoadReport report = loadStore(loaded, store);
    EXPECT_FALSE(report.failed) << report.message();
    EXPECT_EQ(loadedGeneration(store), std::stoi(c[5]));
    EXPECT_EQ(readWholeFile(outside / "sentinel.txt").bytes, "the user's own file");
    EXPECT_EQ(readWholeFile(store / "notes.txt").bytes, "planted");
    EXPECT_EQ(readWholeFile(store / "survey_store.commit.set-aside1").bytes, "an older one");
    EXPECT_FALSE(fs::exists(store / kCommitRecordName));
    if (c[6].empty()) {
      EXPECT_EQ(report.notice, "");
      EXPECT_FALSE(fs::exists(store / "survey_store.commit.set-aside2"));
    } else {
      EXPECT_EQ(readWholeFile(store / "survey_store.commit.set-aside2").bytes, record);
      EXPECT_NE(report.notice.find("set aside as survey_store.commit.set-aside2"),
                std::string::npos)
          << report.notice;
      EXPECT_NE(report.notice.find(c[6]), std::string::npos) << report.notice;
      EXPECT_NE(report.message().find("the store files were read as they are"), std::string::npos);
    }
  }
}

// A save whose rename fails after the commit point, and again at once: the
// message names what was replaced, an open while the renames still fail
// reads nothing, and the next open that can rename completes the save.
TEST(StoreCommit, ARenameFailingAfterTheCommitPointIsToldAsItIs) {
  for (const auto& c : testing::caseTable("store/rename_failures.cases", 3)) {
    SCOPED_TRACE(c[0]);
    TempDir dir;
    SurveyStore old = generation(1);
    ASSERT_TRUE(saveStore(old, dir.path()).ok());
    SurveyStore next = generation(2);
    setWriteFaults({.failRename = std::stoi(c[0]), .renameFailures = 100});
    const StoreSaveReport report = saveStore(next, dir.path());
    // An open while the renames still fail reads nothing, since the files may mix the two
    // saves, and says so; the record stays for a later open.
    SurveyStore stuck;
    const StoreLoadReport load = loadStore(stuck, dir.path());
    setWriteFaults({});
    EXPECT_TRUE(load.failed);
    EXPECT_NE(load.message().find("survey_store.commit could not be read (line 1: an "
                                  "interrupted save could not be completed"),
              std::string::npos)
        << load.message();
    EXPECT_EQ(load.unreadTables.size(), 4u);
    EXPECT_EQ(stuck.airports().count() + stuck.runways().count(), 0);
    EXPECT_TRUE(fs::exists(dir.path() / kCommitRecordName));
    EXPECT_FALSE(report.ok());
    std::string replaced;
    for (const std::string& name : report.replaced)
      replaced += (replaced.empty() ? "" : " ") + name;
    EXPECT_EQ(replaced, c[1]);
    EXPECT_NE(report.message().find(c[2]), std::string::npos) << report.message();
    EXPECT_NE(report.message().find("replaced when the store is next opened"), std::string::npos);
    EXPECT_EQ(report.message().find("No store file was replaced"), std::string::npos);
    EXPECT_EQ(loadedGeneration(dir.path()), 2);
  }
}

// A store file whose permissions forbid writing is not replaced behind the
// user's back, not even by the administrator, whose writes the system allows.
TEST(StoreCommit, AReadOnlyStoreFileIsASaveFailure) {
  TempDir dir;
  SurveyStore old = generation(1);
  ASSERT_TRUE(saveStore(old, dir.path()).ok());
  const fs::path navaids = dir.path() / "survey_gs.txt";
  fs::permissions(navaids, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  SurveyStore next = generation(2);
  const StoreSaveReport report = saveStore(next, dir.path());
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_EQ(report.failures[0].rfind("survey_gs.txt: the file is read-only", 0), 0u)
      << report.failures[0];
  EXPECT_NE(report.message().find("No store file was replaced"), std::string::npos);
  EXPECT_EQ(loadedGeneration(dir.path()), 1);
  EXPECT_EQ(fs::status(navaids).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(strayFiles(dir.path()), std::vector<std::string>{});
}

// A child saves generation after generation and reports each one saved; it
// is killed at a random instant. The next load must see one whole
// generation, never older than the last one reported.
TEST(StoreCommit, SavingProcessKilledAtRandomLeavesOneWholeGeneration) {
  TempDir dir;
  {
    SurveyStore first = generation(0);
    ASSERT_TRUE(saveStore(first, dir.path()).ok());
  }
  std::mt19937 random(12345);
  int generationsSeen = 0;
  for (int round = 0; round < 30; ++round) {
    const int start = loadedGeneration(dir.path());
    ASSERT_GE(start, 0) << "round " << round;
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(pipeEnds[0]);
      for (int g = start + 1;; ++g) {
        SurveyStore store = generation(g);
        if (!saveStore(store, dir.path()).ok()) ::_exit(3);
        if (::write(pipeEnds[1], &g, sizeof g) != sizeof g) ::_exit(4);
      }
    }
    ::close(pipeEnds[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 200000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << WEXITSTATUS(status);
    int lastReported = start;
    for (int g = 0; ::read(pipeEnds[0], &g, sizeof g) == sizeof g;) lastReported = g;
    ::close(pipeEnds[0]);
    const int loaded = loadedGeneration(dir.path());
    ASSERT_GE(loaded, lastReported) << "round " << round << ": a reported save was lost";
    ASSERT_LE(loaded, lastReported + 1) << "round " << round;
    EXPECT_EQ(strayFiles(dir.path()), std::vector<std::string>{});
    generationsSeen += loaded - start;
  }
  EXPECT_GT(generationsSeen, 0) << "no save ever finished: the kills came too early to test";
}

}  // namespace
}  // namespace survey
