#include "store/store_side_files.h"

#include <sys/stat.h>

#include "store/recovery_journal.h"
#include "store/store_commit.h"
#include "store/store_lock.h"
#include "store/survey_store.h"

namespace survey {

namespace {

namespace fs = std::filesystem;

bool sameFile(const fs::path& a, const fs::path& b) {
  struct stat sa {
  }, sb{};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) {
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  }
  std::error_code ea, eb;
  const fs::path ra = fs::weakly_canonical(fs::absolute(a, ea), ea);
  const fs::path rb = fs::weakly_canonical(fs::absolute(b, eb), eb);
  return !ea && !eb && ra == rb;
}

}  // namespace

std::string storeSideFileProblem(const fs::path& directory, const fs::path& file) {
  if (directory.empty()) return {};
  const std::string names[] = {std::string(shapeOf(TableKind::Airport).fileName),
                               std::string(shapeOf(TableKind::Runway).fileName),
                               std::string(shapeOf(TableKind::Navaid).fileName),
                               std::string(shapeOf(TableKind::Obstruction).fileName),
                               kJournalName,
                               kLockFileName,
                               kCommitRecordName};
  for (const auto& name : names) {
    if (sameFile(file, directory / name)) {
      return "it is the store's own file " + name + " (in " + directory.string() + ")";
    }
  }
  return {};
}

}  // namespace survey
