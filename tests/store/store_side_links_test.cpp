// Files the program keeps beside the store (lock, commit record, temporary
// files) that are links: anyone who may write into a shared store folder could
// plant one to have the program write over another of the user's files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "store/file_io.h"
#include "store/store_commit.h"
#include "store/store_files.h"
#include "store/store_lock.h"
#include "support/fakes.h"

namespace survey {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

ino_t inodeOf(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// The message that refuses the planted link, from taking the lock or opening the store.
std::string lockRefusal(const fs::path& store) {
  LockHolder holder;
  std::string error;
  const auto lock = StoreLock::acquire(store, holder, error);
  return lock ? "the lock was taken" : error;
}
std::string loadNotice(const fs::path& store) {
  SurveyStore loaded;
  return loadStore(loaded, store).notice;
}

// A commit record naming the airport file's temporary file survey_apt.txt.saving-1.
void plantRecord(const fs::path& store, const fs::path& recordPath) {
  const fs::path target = fs::absolute(store / "survey_apt.txt");
  std::ofstream(recordPath) << "survey store commit\n"
                            << target.string() << ".saving-1\t" << target.string() << "\nend\n";
}

TEST(StoreSideLinks, ALinkedStoreSideFileIsRefusedAndTheOtherFileKeepsItsBytes) {
  struct Case {
    const char* what;
    std::function<void(const fs::path& store, const fs::path& other)> plant;
    std::function<std::string(const fs::path& store)> act;
    const char* name;    // the refused file, named in the message
    const char* reason;  // why
  };
  const Case cases[] = {
      {"lock file as a symbolic link",
       [](const fs::path& store, const fs::path& other) {
         fs::create_symlink(other, store / kLockFileName);
       },
       lockRefusal, kLockFileName, "it is a symbolic link"},
      {"lock file as a hard link",
       [](const fs::path& store, const fs::path& other) {
         fs::create_hard_link(other, store / kLockFileName);
       },
       lockRefusal, kLockFileName, "it is a hard link"},
      {"commit record as a symbolic link",
       [](const fs::path& store, const fs::path& other) {
         plantRecord(store, other);
         std::ofstream(store / "survey_apt.txt.saving-1") << "0 : 3.7\r\n";
         fs::create_symlink(other, store / kCommitRecordName);
       },
       loadNotice, kCommitRecordName, "it is a symbolic link"},
      {"commit record as a hard link",
       [](const fs::path& store, const fs::path& other) {
         plantRecord(store, other);
         std::ofstream(store / "survey_apt.txt.saving-1") << "0 : 3.7\r\n";
         fs::create_hard_link(other, store / kCommitRecordName);
       },
       loadNotice, kCommitRecordName, "it is a hard link"},
      {"temporary file as a symbolic link",
       [](const fs::path& store, const fs::path& other) {
         plantRecord(store, store / kCommitRecordName);
         fs::create_symlink(other, store / "survey_apt.txt.saving-1");
       },
       loadNotice, "survey_apt.txt.saving-1", "it is a symbolic link"},
      {"temporary file as a hard link",
       [](const fs::path& store, const fs::path& other) {
         plantRecord(store, store / kCommitRecordName);
         fs::create_hard_link(other, store / "survey_apt.txt.saving-1");
       },
       loadNotice, "survey_apt.txt.saving-1", "it is a hard link"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir root;
    const fs::path store = root.path() / "store", other = root.path() / "other.txt";
    fs::create_directories(store);
    std::ofstream(store / "survey_apt.txt") << "1 : 3.7\r\n";
    std::ofstream(other) << "the user's own file\n";
    c.plant(store, other);
    const std::string before = readWholeFile(other).bytes;

    const std::string message = c.act(store);
    EXPECT_NE(message.find(c.name), std::string::npos) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    EXPECT_EQ(readWholeFile(other).bytes, before);
    EXPECT_NE(inodeOf(store / "survey_apt.txt"), inodeOf(other)) << "the store file became it";
    EXPECT_EQ(readWholeFile(store / "survey_apt.txt").bytes, "1 : 3.7\r\n");
  }
}

}  // namespace
}  // namespace survey
