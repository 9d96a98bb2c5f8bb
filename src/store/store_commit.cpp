#include "store/store_commit.h"

#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "store/commit_record.h"
#include "store/file_io.h"

namespace survey {

namespace {

namespace fs = std::filesystem;

// A record is a few lines; anything larger is not one of ours.
constexpr std::uintmax_t kLargestRecordBytes = 64 << 10;

bool present(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

void removeTemporaries(const std::vector<Replacement>& replacements) {
  for (const auto& r : replacements) ::unlink(r.temporary.c_str());
}

// Renames every temporary file still in place over its target.
std::string putInPlace(const std::vector<Replacement>& replacements) {
  std::set<fs::path> directories;
  for (const auto& r : replacements) {
    if (!present(r.temporary)) continue;  // put in place before the interruption
    const std::string error = replaceFile(r.temporary, r.target);
    if (!error.empty()) return r.target.filename().string() + ": " + error;
    directories.insert(r.target.parent_path());
  }
  for (const auto& dir : directories) flushDirectory(dir);
  return {};
}

// Why a temporary file named by a record must not be renamed: a link, or not a regular file.
std::string linkedTemporary(const std::vector<Replacement>& replacements) {
  for (const auto& r : replacements) {
    if (std::string why = notOwnFile(r.temporary); !why.empty()) {
      return r.temporary.filename().string() + ": " + why;
    }
  }
  return {};
}

void removeLeftovers(const fs::path& directory, const std::vector<std::string>& names) {
  std::vector<std::pair<fs::path, std::string>> places;
  for (const auto& name : names) {
    places.emplace_back(directory, name);
    const fs::path target = saveTarget(directory / name);
    if (target != directory / name) places.emplace_back(target.parent_path(), target.filename());
  }
  places.emplace_back(directory, kCommitRecordName);
  for (const auto& [dir, base] : places) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
      // A link of that name is not one of ours: it is left alone.
      if (isTemporaryOf(entry.path().filename().string(), base) &&
          notOwnFile(entry.path()).empty()) {
        fs::remove(entry.path(), ec);
      }
    }
  }
}

// Renames the record to the first free "survey_store.commit.set-asideN" and
// says so in result's notice, or why it could not in its error.
void setRecordAside(const fs::path& record, const std::string& why, InterruptedSave& result) {
  fs::path aside;
  for (int n = 1; aside.empty() || present(aside); ++n) {
    aside = record;
    aside += ".set-aside" + std::to_string(n);
  }
  if (const std::string error = replaceFile(record, aside); !error.empty()) {
    result.error = "it names other files than the store's own or cannot be used (" + why +
                   ") and cannot be set aside: " + error;
    return;
  }
  flushDirectory(record.parent_path());
  result.notice = "The commit record " + record.filename().string() + " was set aside as " +
                  aside.filename().string() + " (" + why +
                  "). Nothing was renamed; the store files were read as they are.";
}

// Why a store file may not be replaced although its folder may be written:
// its permission bits deny writing to this user (judged from the bits alone,
// so the administrator's right to write anyway does not count).
std::string readOnlyByMode(const fs::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  mode_t bit = S_IWOTH;
  if (st.st_uid == ::geteuid()) {
    bit = S_IWUSR;
  } else if (st.st_gid == ::getegid()) {
    bit = S_IWGRP;
  }
  return (st.st_mode & bit) == 0 ? "the file is read-only (its permissions do not allow writing)"
                                 : std::string();
}

}  // namespace

InterruptedSave finishInterruptedSave(const fs::path& directory,
                                      const std::vector<std::string>& storeFileNames) {
  const fs::path record = directory / kCommitRecordName;
  InterruptedSave result;
  if (present(record)) {
    std::string refusal = notOwnFile(record);
    CommitRecordReading reading;
    if (refusal.empty()) {
      const ReadResult read = readWholeFile(record, kLargestRecordBytes);
      reading = read.ok ? readCommitRecord(read.bytes, directory, storeFileNames)
                        : CommitRecordReading{CommitRecordReading::State::Refused, {}, read.error};
      if (reading.state == CommitRecordReading::State::Refused) refusal = reading.why;
    }
    if (refusal.empty()) refusal = linkedTemporary(reading.replacements);
    if (!refusal.empty()) {
      setRecordAside(record, refusal, result);
      if (!result.error.empty()) return result;
    } else {
      result.error = putInPlace(reading.replacements);
      if (!result.error.empty()) {
        result.error = "an interrupted save could not be completed: " + result.error;
        return result;
      }
      std::error_code ec;
      if (!fs::remove(record, ec)) {
        result.error = "the commit record cannot be removed: " + ec.message();
        return result;
      }
      flushDirectory(directory);
    }
  }
  removeLeftovers(directory, storeFileNames);
  return result;
}

CommitOutcome commitStoreFiles(const fs::path& directory,
                               const std::vector<StoreFileImage>& images) {
  CommitOutcome outcome;
  std::vector<std::string> names;
  for (const auto& image : images) names.push_back(image.name);
  InterruptedSave before = finishInterruptedSave(directory, names);
  outcome.notice = std::move(before.notice);
  if (!before.error.empty()) {
    outcome.error = kCommitRecordName + std::string(": ") + before.error;
    return outcome;
  }
  for (const auto& image : images) {
    const fs::path path = directory / image.name;
    std::string error = notARegularFile(path, true);
    if (error.empty()) error = readOnlyByMode(saveTarget(path));
    if (!error.empty()) {
      outcome.error = image.name + ": " + error;
      return outcome;
    }
  }
  std::vector<Replacement> replacements;
  for (const auto& image : images) {
    const fs::path target = saveTarget(directory / image.name);
    std::string error;
    const fs::path temporary = writeTemporaryCopy(target, image.bytes, error);
    if (!error.empty()) {
      removeTemporaries(replacements);
      outcome.error = image.name + ": " + error;
      return outcome;
    }
    replacements.push_back({fs::absolute(temporary), fs::absolute(target)});
  }
  // The commit point: once the record is in place, the new files win. It is
  // written beside the store and renamed into place, never through a link.
  const fs::path record = directory / kCommitRecordName;
  std::string error;
  const fs::path recordTemporary =
      writeTemporaryCopy(record, commitRecordText(replacements), error);
  if (error.empty()) {
    error = replaceFile(recordTemporary, record);
    if (!error.empty()) ::unlink(recordTemporary.c_str());
  }
  if (!error.empty()) {
    removeTemporaries(replacements);
    outcome.error = kCommitRecordName + std::string(": ") + error;
    return outcome;
  }
  flushDirectory(directory);
  if (putInPlace(replacements).empty()) {
    outcome.error = finishInterruptedSave(directory, names).error;
    return outcome;
  }
  // One more try, as the next open would do; the record keeps the save decided.
  outcome.error = finishInterruptedSave(directory, names).error;
  if (!outcome.error.empty()) {
    outcome.completedAtNextOpen = true;
    for (std::size_t k = 0; k < images.size(); ++k) {
      if (!present(replacements[k].temporary)) outcome.replaced.push_back(images[k].name);
    }
  }
  return outcome;
}

}  // namespace survey
