// Store files as the user set them up: links, permissions, and names that are
// not regular files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "store/file_io.h"
#include "store/store_files.h"
#include "support/fakes.h"

namespace survey {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

constexpr const char* kNavaids = "survey_gs.txt";

SurveyStore storeWithOneSurvey() {
  SurveyStore store;
  store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
  store.appendChild(TableKind::Navaid, {{1, "VOR"}});
  return store;
}

// Each way the navaid store file can be set up, what load and save make of it.
TEST(StoreFileKinds, LoadAndSaveRespectHowTheFileWasSetUp) {
  struct Case {
    const char* what;
    void (*setUp)(const fs::path& dir);
    const char* loadReason;              // nullptr: the file reads (or is absent)
    const char* saveFailure;             // nullptr: the save succeeds
    void (*check)(const fs::path& dir);  // beyond the file staying what it was
  };
  const Case cases[] = {
      {"symbolic link to a file elsewhere",
       [](const fs::path& dir) {
         fs::create_directory(dir / "elsewhere");
         std::ofstream(dir / "elsewhere" / "navaids.txt") << "0 : 3.7\r\n";
         fs::create_symlink(dir / "elsewhere" / "navaids.txt", dir / kNavaids);
       },
       nullptr, nullptr,
       [](const fs::path& dir) {
         EXPECT_EQ(readWholeFile(dir / "elsewhere" / "navaids.txt").bytes.substr(0, 9),
                   "1 : 3.7\r\n");
         EXPECT_EQ(fs::directory_iterator(dir / "elsewhere")->path().filename(), "navaids.txt");
       }},
      {"private file",
       [](const fs::path& dir) {
         std::ofstream(dir / kNavaids) << "0 : 3.7\r\n";
         ::chmod((dir / kNavaids).c_str(), 0600);
       },
       nullptr, nullptr,
       [](const fs::path& dir) {
         EXPECT_EQ(fs::status(dir / kNavaids).permissions(), fs::perms(0600));
         EXPECT_EQ(readWholeFile(dir / kNavaids).bytes.substr(0, 9), "1 : 3.7\r\n");
       }},
      {"dangling symbolic link",
       [](const fs::path& dir) {
         fs::create_symlink(dir / "unmounted" / "gs.txt", dir / kNavaids);
       },
       "it is a symbolic link to", "survey_gs.txt: it is a symbolic link to", nullptr},
      {"FIFO", [](const fs::path& dir) { ASSERT_EQ(::mkfifo((dir / kNavaids).c_str(), 0644), 0); },
       "FIFO", "survey_gs.txt: it is a FIFO", nullptr},
      {"directory", [](const fs::path& dir) { fs::create_directory(dir / kNavaids); },
       "it is a directory", "survey_gs.txt: it is a directory", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    c.setUp(dir.path());
    const fs::file_type setUpAs = fs::symlink_status(dir.path() / kNavaids).type();
    SurveyStore loaded;
    const StoreLoadReport load = loadStore(loaded, dir.path());  // must not block on a FIFO
    if (c.loadReason == nullptr) {
      EXPECT_FALSE(load.failed) << load.message();
    } else {
      EXPECT_EQ(load.file, kNavaids);
      EXPECT_NE(load.reason.find(c.loadReason), std::string::npos) << load.reason;
    }
    SurveyStore store = storeWithOneSurvey();
    const StoreSaveReport save = saveStore(store, dir.path(), load.unreadTables);
    if (c.saveFailure == nullptr) {
      EXPECT_TRUE(save.ok()) << save.message();
    } else {
      ASSERT_EQ(save.failures.size(), 1u);
      EXPECT_EQ(save.failures[0].rfind(c.saveFailure, 0), 0u) << save.failures[0];
      EXPECT_TRUE(
          save.failures[0].ends_with("; it was left as it is (move it away, then save again)"))
          << save.failures[0];
      EXPECT_FALSE(fs::exists(dir.path() / "survey_apt.txt")) << "nothing is saved";
    }
    EXPECT_EQ(fs::symlink_status(dir.path() / kNavaids).type(), setUpAs);
    if (c.check != nullptr) c.check(dir.path());
  }
}

// A store file far larger than any store is reported unread without being
// read; the save that follows moves it whole to its backup name (a copy of a
// huge file could fill the disk) and writes the table anew.
TEST(StoreFileKinds, AFileTooLargeForAStoreIsMovedAsideWholeAtTheSave) {
  for (const char* name : {"survey_apt.txt", "survey_obs.txt"}) {
    SCOPED_TRACE(name);
    TempDir dir;
    SurveyStore first;
    first.appendAirport({{3, "ABC"}});
    ASSERT_TRUE(saveStore(first, dir.path()).ok());
    const fs::path huge = dir.path() / name;
    fs::resize_file(huge, kLargestStoreFileBytes + 1);
    struct stat before {};
    ASSERT_EQ(::stat(huge.c_str(), &before), 0);

    SurveyStore loaded;
    const StoreLoadReport load = loadStore(loaded, dir.path());
    ASSERT_TRUE(load.failed);
    EXPECT_EQ(load.file, name);
    EXPECT_NE(load.reason.find(std::to_string(kLargestStoreFileBytes + 1) + " bytes"),
              std::string::npos)
        << load.reason;
    const StoreSaveReport save = saveStore(loaded, dir.path(), load.unreadTables);
    EXPECT_TRUE(save.ok()) << save.message();
    struct stat backup {};
    ASSERT_EQ(::stat((dir.path() / (std::string(name) + ".unread-backup")).c_str(), &backup), 0);
    EXPECT_EQ(backup.st_ino, before.st_ino) << "copied, not moved";
    EXPECT_EQ(backup.st_size, before.st_size);
    EXPECT_LT(fs::file_size(huge), 1000u);
  }
}

}  // namespace
}  // namespace survey
