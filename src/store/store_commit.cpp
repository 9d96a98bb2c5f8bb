#include "store/store_commit.h"

#include <unistd.h>

#include <set>

#include "store/file_io.h"

namespace survey {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRecordHeader = "survey store commit\n";
constexpr std::string_view kRecordEnd = "end\n";

struct Replacement {
  fs::path temporary;
  fs::path target;
};

std::string recordText(const std::vector<Replacement>& replacements) {
  std::string text(kRecordHeader);
  for (const auto& r : replacements) text += r.temporary.string() + '\t' + r.target.string() + '\n';
  text += kRecordEnd;
  return text;
}

// The replacements of a complete record; nothing for a torn or foreign one.
std::vector<Replacement> parseRecord(std::string_view text) {
  std::vector<Replacement> replacements;
  if (text.substr(0, kRecordHeader.size()) != kRecordHeader || text.size() < kRecordEnd.size() ||
      text.substr(text.size() - kRecordEnd.size()) != kRecordEnd) {
    return {};
  }
  text.remove_prefix(kRecordHeader.size());
  text.remove_suffix(kRecordEnd.size());
  for (auto line : splitLines(text)) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) return {};
    replacements.push_back({fs::path(line.substr(0, tab)), fs::path(line.substr(tab + 1))});
  }
  return replacements;
}

void removeTemporaries(const std::vector<Replacement>& replacements) {
  for (const auto& r : replacements) ::unlink(r.temporary.c_str());
}

// Renames every temporary file still in place over its target.
std::string putInPlace(const std::vector<Replacement>& replacements) {
  std::set<fs::path> directories;
  for (const auto& r : replacements) {
    std::error_code ec;
    if (!fs::exists(r.temporary, ec)) continue;  // put in place before the interruption
    const std::string error = replaceFile(r.temporary, r.target);
    if (!error.empty()) return r.target.filename().string() + ": " + error;
    directories.insert(r.target.parent_path());
  }
  for (const auto& dir : directories) flushDirectory(dir);
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
      if (isTemporaryOf(entry.path().filename().string(), base)) fs::remove(entry.path(), ec);
    }
  }
}

}  // namespace

std::string finishInterruptedSave(const fs::path& directory,
                                  const std::vector<std::string>& storeFileNames) {
  const fs::path record = directory / kCommitRecordName;
  std::error_code ec;
  if (fs::exists(record, ec)) {
    const ReadResult read = readWholeFile(record);
    if (read.ok) {
      const std::string error = putInPlace(parseRecord(read.bytes));
      if (!error.empty()) return "an interrupted save could not be completed: " + error;
    }
    if (!fs::remove(record, ec)) return "the commit record cannot be removed: " + ec.message();
    flushDirectory(directory);
  }
  removeLeftovers(directory, storeFileNames);
  return {};
}

std::string commitStoreFiles(const fs::path& directory, const std::vector<StoreFileImage>& images) {
  std::vector<std::string> names;
  for (const auto& image : images) names.push_back(image.name);
  if (std::string error = finishInterruptedSave(directory, names); !error.empty()) {
    return kCommitRecordName + std::string(": ") + error;
  }
  std::vector<Replacement> replacements;
  for (const auto& image : images) {
    const fs::path path = directory / image.name;
    std::string error = notARegularFile(path, true);
    if (!error.empty()) {
      removeTemporaries(replacements);
      return image.name + ": " + error;
    }
    const fs::path target = saveTarget(path);
    const fs::path temporary = writeTemporaryCopy(target, image.bytes, error);
    if (!error.empty()) {
      removeTemporaries(replacements);
      return image.name + ": " + error;
    }
    replacements.push_back({fs::absolute(temporary), fs::absolute(target)});
  }
  // The commit point: once the record is in place, the new files win.
  if (std::string error =
          writeFileAtomically(directory / kCommitRecordName, recordText(replacements));
      !error.empty()) {
    removeTemporaries(replacements);
    return kCommitRecordName + std::string(": ") + error;
  }
  if (putInPlace(replacements).empty()) return finishInterruptedSave(directory, names);
  // One more try, as the next open would do; the record keeps the save decided.
  if (std::string error = finishInterruptedSave(directory, names); !error.empty()) {
    return error + "; it is completed when the store is next opened";
  }
  return {};
}

}  // namespace survey
