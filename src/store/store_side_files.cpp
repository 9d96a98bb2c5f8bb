#include "store/store_side_files.h"

#include "store/file_io.h"
#include "store/recovery_journal.h"
#include "store/store_commit.h"
#include "store/store_lock.h"
#include "store/survey_store.h"

namespace survey {

namespace fs = std::filesystem;

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
    if (isSameFile(file, directory / name)) {
      return "it is the store's own file " + name + " (in " + directory.string() + ")";
    }
  }
  return {};
}

}  // namespace survey
