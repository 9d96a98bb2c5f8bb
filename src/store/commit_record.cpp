#include "store/commit_record.h"

#include <algorithm>

#include "store/file_io.h"

namespace survey {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRecordHeader = "survey store commit\n";
constexpr std::string_view kRecordEnd = "end\n";

// An absolute path without "." or ".." in it: the only form a record holds.
bool plainAbsolute(const fs::path& path) {
  if (!path.is_absolute() || path.filename().empty()) return false;
  return std::none_of(path.begin(), path.end(),
                      [](const fs::path& part) { return part == "." || part == ".."; });
}

// The file a save of the store writes for each store file name.
std::vector<fs::path> storeTargets(const fs::path& directory,
                                   const std::vector<std::string>& names) {
  std::vector<fs::path> targets;
  for (const auto& name : names) {
    std::error_code ec;
    const fs::path target = saveTarget(directory / name);
    const fs::path absolute = fs::absolute(target, ec);
    targets.push_back((ec ? target : absolute).lexically_normal());
  }
  return targets;
}

CommitRecordReading refused(std::string why) {
  CommitRecordReading reading;
  reading.state = CommitRecordReading::State::Refused;
  reading.why = std::move(why);
  return reading;
}

}  // namespace

std::string commitRecordText(const std::vector<Replacement>& replacements) {
  std::string text(kRecordHeader);
  for (const auto& r : replacements) text += r.temporary.string() + '\t' + r.target.string() + '\n';
  text += kRecordEnd;
  return text;
}

CommitRecordReading readCommitRecord(std::string_view text, const fs::path& directory,
                                     const std::vector<std::string>& storeFileNames) {
  const bool headed = text.substr(0, kRecordHeader.size()) == kRecordHeader;
  const bool ended = text.size() >= kRecordHeader.size() + kRecordEnd.size() &&
                     text.substr(text.size() - kRecordEnd.size()) == kRecordEnd;
  if (!headed && kRecordHeader.substr(0, text.size()) != text) {
    return refused("it is not a commit record of this program");
  }
  if (!headed || !ended) return {};  // torn while written
  text.remove_prefix(kRecordHeader.size());
  text.remove_suffix(kRecordEnd.size());
  const std::vector<fs::path> targets = storeTargets(directory, storeFileNames);
  std::vector<bool> named(targets.size(), false);
  CommitRecordReading reading;
  reading.state = CommitRecordReading::State::Valid;
  int lineNumber = 1;
  for (const auto line : splitLines(text)) {
    const std::string where = "line " + std::to_string(++lineNumber) + " ";
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) return refused(where + "is not a pair of file names");
    const fs::path temporary(line.substr(0, tab)), target(line.substr(tab + 1));
    std::size_t k = 0;
    while (k < targets.size() && !(plainAbsolute(target) && isSameFile(target, targets[k]) &&
                                   target.filename() == targets[k].filename())) {
      ++k;
    }
    if (k == targets.size()) {
      return refused(where + "names " + target.string() +
                     ", which is not one of the store's files");
    }
    if (named[k]) return refused(where + "names " + target.string() + " a second time");
    named[k] = true;
    if (!plainAbsolute(temporary) || temporary.parent_path() != target.parent_path() ||
        !isTemporaryOf(temporary.filename().string(), targets[k].filename().string())) {
      return refused(where + "names " + temporary.string() + ", which is not a temporary file of " +
                     targets[k].filename().string() + " beside it");
    }
    reading.replacements.push_back({targets[k].parent_path() / temporary.filename(), targets[k]});
  }
  return reading;
}

}  // namespace survey
