#include "store/store_files.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

#include "store/file_io.h"
#include "store/schema/airport_fields.h"
#include "store/store_commit.h"
#include "store/store_digest.h"
#include "store/store_location.h"
#include "store/survey_status.h"
#include "store/text_encoding.h"
#include "store/text_trim.h"

namespace survey {

namespace {

constexpr TableKind kLoadOrder[] = {TableKind::Airport, TableKind::Runway, TableKind::Obstruction,
                                    TableKind::Navaid};
constexpr TableKind kSaveOrder[] = {TableKind::Airport, TableKind::Runway, TableKind::Navaid,
                                    TableKind::Obstruction};

// The count of a header line: the number before the first colon, or the whole
// line for files written without the version suffix.
std::string_view firstLine(std::string_view text) {
  return text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
}

bool parseHeaderCount(std::string_view header, long& count) {
  const auto colon = header.find(':');
  std::string_view digits = trimBlanks(header.substr(0, colon));
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  if (digits.empty()) return false;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
  return ec == std::errc() && end == digits.data() + digits.size();
}

struct FileFailure {
  int line = 0;
  std::string reason;
};

// Fills one table from a file's text; returns the failure, if any.
std::optional<FileFailure> fillTable(Table& table, FileBytes text) {
  const int capacity = table.shape().capacity;
  const auto perRecord = static_cast<std::size_t>(table.shape().writtenFields);
  const FileFailure tooLarge{1, "the file is far larger than a store file can be"};
  if (text.size() >= std::numeric_limits<uint32_t>::max()) return tooLarge;
  const std::string_view header = firstLine(std::string_view(text.data(), text.size()));
  long count = 0;
  if (header.empty()) return FileFailure{1, "the first line is empty"};
  if (!parseHeaderCount(header, count))
    return FileFailure{1, "the first line does not start with a record count"};
  if (count < 0)
    return FileFailure{1, "the record count " + std::to_string(count) + " is negative"};
  if (count > capacity) {
    return FileFailure{1, "the record count " + std::to_string(count) +
                              " is more than the table holds (" + std::to_string(capacity) + ")"};
  }
  const std::size_t expectedLines = static_cast<std::size_t>(count) * perRecord;
  StoreText lines(std::move(text), expectedLines);
  // Each line that is not UTF-8 is read as Windows-1252; an ASCII text needs no look.
  if (!lines.asciiOnly() && !isValidUtf8(lines.all())) {
    const std::string converted = utf8ByLine(std::string(lines.all()));
    if (converted.size() >= std::numeric_limits<uint32_t>::max()) return tooLarge;
    lines = StoreText(FileBytes(converted.begin(), converted.end()), expectedLines);
  }
  const std::size_t lineLimit = static_cast<std::size_t>(capacity) * perRecord;
  if (lines.lineCount() > lineLimit) {
    return FileFailure{
        static_cast<int>(lineLimit) + 2,
        "the file holds more records than the table holds (" + std::to_string(capacity) + ")"};
  }
  table.adopt(std::move(lines), static_cast<int16_t>(count));
  return std::nullopt;
}

// Digests a file the load does not read, so that the generation still covers it.
void digestUnread(StoreDigest& digest, TableKind kind, const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
    digest.setMissing(kind);
    return;
  }
  const FileRead<FileBytes> read = readFileBytes(path);
  if (read.ok) {
    digest.setFile(kind, digestOf(std::string_view(read.bytes.data(), read.bytes.size())));
  } else {
    digest.setUnreadable(kind, read.error);
  }
}

}  // namespace

std::string StoreLoadReport::message() const {
  if (!failed) return notice;
  return (notice.empty() ? std::string() : notice + "\n") + "The store file " + file +
         " could not be read (line " + std::to_string(line) + ": " + reason +
         "). The surveys read before that point are shown; the rest of the store was not "
         "loaded. If you save at exit, the files that were not read are first kept as backup "
         "copies beside the program.";
}

std::string StoreSaveReport::message() const {
  std::string text;
  if (!notice.empty()) text += notice + "\n";
  for (const auto& failure : failures) text += "Could not save " + failure + "\n";
  if (completedAtNextOpen) {
    std::string names;
    for (const auto& name : replaced) names += (names.empty() ? "" : ", ") + name;
    text += (names.empty() ? std::string("No store file has been replaced yet")
                           : "Already replaced: " + names) +
            ". The save is decided: the other files are replaced when the store is next "
            "opened.\n";
  } else if (!failures.empty()) {
    text += "No store file was replaced: the store was left as it was.\n";
  }
  for (const auto& backup : backups) text += "Backup copy: " + backup + "\n";
  if (!text.empty()) text.pop_back();
  return text;
}

StoreLoadReport loadStore(SurveyStore& store, const std::filesystem::path& directory,
                          StoreAccess access, bool withGeneration) {
  StoreLoadReport report;
  StoreDigest digest;
  const auto digestFrom = [&](std::size_t first) {
    if (!withGeneration) return;
    for (std::size_t k = first; k < std::size(kLoadOrder); ++k) {
      digestUnread(digest, kLoadOrder[k], directory / std::string(shapeOf(kLoadOrder[k]).fileName));
    }
    report.generation = digest.value();
  };
  if (access == StoreAccess::Writer) {
    std::vector<std::string> names;
    for (TableKind kind : kLoadOrder) names.emplace_back(shapeOf(kind).fileName);
    InterruptedSave interrupted = finishInterruptedSave(directory, names);
    report.notice = std::move(interrupted.notice);
    if (!interrupted.error.empty()) {
      // Reading now could mix two saves; the store stays unread and backed up.
      report.failed = true;
      report.file = kCommitRecordName;
      report.line = 1;
      report.reason = interrupted.error;
      report.unreadTables.assign(std::begin(kLoadOrder), std::end(kLoadOrder));
      digestFrom(0);
      store.current.storeLoaded = true;
      return report;
    }
  }
  for (std::size_t k = 0; k < std::size(kLoadOrder); ++k) {
    Table& table = store.table(kLoadOrder[k]);
    const auto path = directory / std::string(table.shape().fileName);
    std::error_code ec;
    // Only a name that is not there at all is an empty table; a dangling link is not.
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
      digest.setMissing(kLoadOrder[k]);
      continue;
    }
    FileRead<FileBytes> read = readFileBytes(path);
    std::optional<FileFailure> failure;
    if (!read.ok) {
      digest.setUnreadable(kLoadOrder[k], read.error);
      failure = FileFailure{1, read.error};
    } else {
      if (withGeneration) {
        digest.setFile(kLoadOrder[k],
                       digestOf(std::string_view(read.bytes.data(), read.bytes.size())));
      }
      failure = fillTable(table, std::move(read.bytes));
    }
    if (failure) {
      report.failed = true;
      report.file = std::string(table.shape().fileName);
      report.line = failure->line;
      report.reason = failure->reason;
      report.unreadTables.assign(kLoadOrder + k, std::end(kLoadOrder));
      digestFrom(k + 1);
      break;
    }
  }
  if (!report.failed && withGeneration) report.generation = digest.value();
  store.current.storeLoaded = true;
  return report;
}

FileImage storeFileImage(Table& table) {
  const int perRecord = table.shape().writtenFields;
  const bool isAirport = table.shape().kind == TableKind::Airport;
  FileImage image;
  image.append(std::to_string(table.count()) + " : 3.7\r\n");
  // Rows as they were loaded are written from the loaded text, neighbouring
  // records joining into one piece.
  for (int row = 1; row <= table.count(); ++row) {
    if (isAirport && table.cell(row, airport::SurveyType).empty()) {
      table.setCell(row, airport::SurveyType, std::string(kDefaultSurveyTypeCode));
    }
    if (const std::string_view record = table.unchangedRecordText(row); !record.empty()) {
      image.appendView(record);
      continue;
    }
    for (int field = 1; field <= perRecord; ++field) {
      image.append(table.cell(row, field));
      image.append("\r\n");
    }
  }
  return image;
}

std::string storeFileText(Table& table) {
  return storeFileImage(table).joined();
}

namespace {
// Copies a file the load could not read to a name not yet taken beside it.
std::string backUp(const std::filesystem::path& path, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return {};
  error = notARegularFile(path, false);
  if (!error.empty()) {
    error += "; it was left as it is (move it away, then save again)";
    return {};
  }
  fs::path backup = path;
  backup += ".unread-backup";
  for (int n = 1; fs::exists(fs::symlink_status(backup, ec)); ++n) {
    backup = path;
    backup += ".unread-backup" + std::to_string(n);
  }
  // A file refused for its size is moved aside whole: a copy could fill the disk.
  const auto size = fs::file_size(path, ec);
  if (!ec && size > kLargestStoreFileBytes) {
    if (error = replaceFile(path, backup); !error.empty()) {
      error = "cannot be moved to its backup name: " + error;
      return {};
    }
    return backup.filename().string() + " (moved there whole: too large to copy)";
  }
  if (!fs::copy_file(path, backup, ec)) {
    error = "cannot keep a backup copy: " + ec.message();
    return {};
  }
  return backup.filename().string();
}
}  // namespace

StoreSaveReport saveStore(SurveyStore& store, const std::filesystem::path& directory,
                          const std::vector<TableKind>& unreadTables,
                          const std::function<void(std::uint64_t)>& beforeCommit) {
  StoreSaveReport report;
  std::error_code ec;  // a new user's data folder comes into being at the first save
  createStoreFolder(directory, ec);
  std::vector<StoreFileImage> images;
  StoreDigest digest;
  for (TableKind kind : kSaveOrder) {
    Table& table = store.table(kind);
    const std::string name(table.shape().fileName);
    if (std::find(unreadTables.begin(), unreadTables.end(), kind) != unreadTables.end()) {
      std::string error;
      const std::string backup = backUp(directory / name, error);
      if (!error.empty()) {
        // Never overwrite what was not read without a copy of it.
        report.failures.push_back(name + ": " + error);
        return report;
      }
      report.backedUpTables.push_back(kind);
      if (!backup.empty()) report.backups.push_back(name + " kept as " + backup);
    }
    images.push_back({name, storeFileImage(table)});
    digest.setFile(kind, digestOf(images.back().bytes));
  }
  report.generation = digest.value();
  if (beforeCommit) beforeCommit(report.generation);
  CommitOutcome commit = commitStoreFiles(directory, images);
  if (!commit.error.empty()) report.failures.push_back(std::move(commit.error));
  report.completedAtNextOpen = commit.completedAtNextOpen;
  report.replaced = std::move(commit.replaced);
  report.notice = std::move(commit.notice);
  return report;
}

}  // namespace survey
