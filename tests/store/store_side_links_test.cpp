// Files the program keeps beside the store (lock, commit record, temporary
// files) that are links: anyone who may write into a shared store folder could
// plant one to have the program write over another of the user's files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "store/file_io.h"
#include "store/store_commit.h"
#include "store/store_files.h"
#include "store/store_lock.h"
#include "support/fakes.h"
#include "support/survey_rows.h"

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
  for (const auto& c : testing::caseTable("store/side_links.cases", 3)) {
    SCOPED_TRACE(c[0] + " as a " + c[1] + " link");
    TempDir root;
    const fs::path store = root.path() / "store", other = root.path() / "other.txt";
    fs::create_directories(store);
    std::ofstream(store / "survey_apt.txt") << "1 : 3.7\r\n";
    std::ofstream(other) << "the user's own file\n";
    if (c[0] == kCommitRecordName) {  // the record is the other file's text
      plantRecord(store, other);
      std::ofstream(store / "survey_apt.txt.saving-1") << "0 : 3.7\r\n";
    } else if (c[0] != kLockFileName) {
      plantRecord(store, store / kCommitRecordName);
    }
    if (c[1] == "symbolic") fs::create_symlink(other, store / c[0]);
    if (c[1] == "hard") fs::create_hard_link(other, store / c[0]);
    const std::string before = readWholeFile(other).bytes;

    const std::string message = c[0] == kLockFileName ? lockRefusal(store) : loadNotice(store);
    EXPECT_NE(message.find(c[0]), std::string::npos) << message;
    EXPECT_NE(message.find(c[2]), std::string::npos) << message;
    EXPECT_EQ(readWholeFile(other).bytes, before);
    EXPECT_NE(inodeOf(store / "survey_apt.txt"), inodeOf(other)) << "the store file became it";
    EXPECT_EQ(readWholeFile(store / "survey_apt.txt").bytes, "1 : 3.7\r\n");
  }
}

}  // namespace
}  // namespace survey
