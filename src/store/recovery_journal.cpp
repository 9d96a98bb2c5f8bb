#include "store/recovery_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "store/file_io.h"

namespace survey {

namespace {

namespace fs = std::filesystem;

// An entry: "J" 8 hex digits of payload length, 16 of its checksum, LF, the
// payload. The payload is a run of items, each "<length>:<bytes>":
//   R table row fieldCount cell...   a row as it now is (fields 0..)
//   D key                            a survey removed (rows after it move up)
//   C apt rwy navaid obstruction     the table counts after the action
// or, alone in an entry, a mark naming a store generation (16 hex digits):
//   G generation                     the first entry: the changes apply to it
//   S generation                     the store is about to be saved as it
constexpr std::size_t kHeaderSize = 1 + 8 + 16 + 1;

std::uint64_t checksum(std::string_view bytes) {
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
  for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string hex(std::uint64_t value, int digits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) {
    text[static_cast<std::size_t>(i)] = "0123456789abcdef"[value & 15];
  }
  return text;
}

void putItem(std::string& out, std::string_view item) {
  out += std::to_string(item.size());
  out += ':';
  out += item;
}

std::string markPayload(std::string_view op, std::uint64_t generation) {
  std::string payload;
  putItem(payload, op);
  putItem(payload, hex(generation, 16));
  return payload;
}

struct Mark {
  char op = 0;  // 'G' or 'S'; 0 for an entry of changes
  std::uint64_t generation = 0;
};

class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : text_(text) {}
  bool done() const { return text_.empty(); }
  std::optional<std::string_view> text() {
    const auto colon = text_.find(':');
    std::size_t size = 0;
    if (colon == std::string_view::npos) return std::nullopt;
    const auto [end, ec] = std::from_chars(text_.data(), text_.data() + colon, size);
    if (ec != std::errc() || end != text_.data() + colon || size > text_.size() - colon - 1) {
      return std::nullopt;
    }
    const auto item = text_.substr(colon + 1, size);
    text_.remove_prefix(colon + 1 + size);
    return item;
  }
  std::optional<long> number() {
    const auto item = text();
    long value = 0;
    if (!item) return std::nullopt;
    const auto [end, ec] = std::from_chars(item->data(), item->data() + item->size(), value);
    if (ec != std::errc() || end != item->data() + item->size()) return std::nullopt;
    return value;
  }

 private:
  std::string_view text_;
};

Mark markOf(std::string_view payload) {
  ItemReader items(payload);
  const auto op = items.text();
  if (!op || (*op != "G" && *op != "S")) return {};
  const auto digits = items.text();
  Mark mark;
  if (!digits || digits->size() != 16 || !items.done() ||
      std::from_chars(digits->data(), digits->data() + 16, mark.generation, 16).ptr !=
          digits->data() + 16) {
    return {};
  }
  mark.op = (*op)[0];
  return mark;
}

// Opens the journal's own file: never through a symbolic link, never one of
// several names of a file. -1 with why set otherwise.
int openOwnFile(const fs::path& path, int flags, std::string& why) {
  const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) {
    const int error = errno;
    why = notOwnFile(path);
    if (why.empty()) why = std::strerror(error);
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink > 1) {
    why = notOwnFile(path);
    if (why.empty()) why = "it is not a regular file of its own";
    ::close(fd);
    return -1;
  }
  return fd;
}

constexpr TableKind kKinds[] = {TableKind::Airport, TableKind::Runway, TableKind::Navaid,
                                TableKind::Obstruction};

// Applies one entry's payload; false (having applied part of it at most) when it is malformed.
bool applyPayload(SurveyStore& store, std::string_view payload) {
  ItemReader items(payload);
  while (!items.done()) {
    const auto op = items.text();
    if (!op) return false;
    if (*op == "R") {
      const auto kind = items.number(), row = items.number(), fields = items.number();
      if (!kind || !row || !fields || *kind < 0 || *kind > 3) return false;
      Table& table = store.table(kKinds[*kind]);
      if (*row < 1 || *row > table.shape().capacity || *fields < 0 ||
          *fields > table.shape().storageFields + 1) {
        return false;
      }
      for (int field = 0; field < *fields; ++field) {
        const auto cell = items.text();
        if (!cell) return false;
        if (!cell->empty() || !table.cell(static_cast<int>(*row), field).empty()) {
          table.setCell(static_cast<int>(*row), field, std::string(*cell));
        }
      }
    } else if (*op == "D") {
      const auto key = items.text();
      if (!key) return false;
      store.deleteSurvey(*key);
    } else if (*op == "G" || *op == "S") {
      if (!items.text()) return false;  // a mark changes nothing
    } else if (*op == "C") {
      for (TableKind kind : kKinds) {
        const auto count = items.number();
        if (!count || *count < 0 || *count > store.table(kind).shape().capacity) return false;
        store.table(kind).setCount(static_cast<int16_t>(*count));
      }
    } else {
      return false;
    }
  }
  return true;
}

// Calls visit(payload, start) for each whole entry; returns where the whole entries end.
template <class Visit>
std::size_t forEachEntry(std::string_view text, Visit&& visit) {
  std::size_t at = 0;
  while (text.size() - at >= kHeaderSize) {
    const std::string_view header = text.substr(at, kHeaderSize);
    std::size_t size = 0;
    std::uint64_t sum = 0;
    if (header[0] != 'J' || header[kHeaderSize - 1] != '\n') break;
    if (std::from_chars(header.data() + 1, header.data() + 9, size, 16).ptr != header.data() + 9)
      break;
    if (std::from_chars(header.data() + 9, header.data() + 25, sum, 16).ptr != header.data() + 25)
      break;
    if (size > text.size() - at - kHeaderSize) break;
    const std::string_view payload = text.substr(at + kHeaderSize, size);
    if (checksum(payload) != sum) break;
    visit(payload, at);
    at += kHeaderSize + size;
  }
  return at;
}

}  // namespace

std::unique_ptr<RecoveryJournal> RecoveryJournal::open(SurveyStore& store,
                                                       const fs::path& directory,
                                                       std::uint64_t generation,
                                                       std::string& error) {
  const fs::path path = directory / kJournalName;
  std::string why;
  const int fd = openOwnFile(path, O_WRONLY | O_CREAT | O_APPEND, why);
  if (fd < 0) {
    error = "the recovery journal " + path.string() + " cannot be used (" + why + ")";
    return nullptr;
  }
  flushDirectory(directory);
  struct stat st {};
  const bool fresh = ::fstat(fd, &st) == 0 && st.st_size == 0;
  std::unique_ptr<RecoveryJournal> journal(new RecoveryJournal(store, path, fd));
  if (fresh) {
    error = journal->writeEntry(markPayload("G", generation));
    if (!error.empty()) {
      journal->remove();  // changes of no known generation could never be restored
      return nullptr;
    }
  }
  return journal;
}

RecoveryJournal::RecoveryJournal(SurveyStore& store, fs::path path, int fd)
    : store_(store), path_(std::move(path)), fd_(fd) {
  for (int k = 0; k < 4; ++k) countsWritten_[k] = store_.table(kKinds[k]).count();
  store_.setObserver(this);
}

RecoveryJournal::~RecoveryJournal() {
  store_.setObserver(nullptr);
  if (fd_ >= 0) ::close(fd_);
}

void RecoveryJournal::rowChanged(TableKind kind, int row) {
  changedRows_.emplace(static_cast<int>(kind), row);
  changed();
}

void RecoveryJournal::changed() {
  if (flushAwaited_) return;
  flushAwaited_ = true;
  if (onFirstChange) onFirstChange();
}

void RecoveryJournal::surveyDeleting(std::string_view key) {
  captureRows();  // as they are before the rows move
  putItem(pending_, "D");
  putItem(pending_, key);
}

void RecoveryJournal::surveyDeleted() {
  for (int k = 0; k < 4; ++k) countsWritten_[k] = store_.table(kKinds[k]).count();
  changed();
}

// Turns the rows changed or appended since the last capture into R items.
void RecoveryJournal::captureRows() {
  for (int k = 0; k < 4; ++k) {
    const int count = store_.table(kKinds[k]).count();
    for (int row = countsWritten_[k] + 1; row <= count; ++row) changedRows_.emplace(k, row);
    countsWritten_[k] = count;
  }
  for (const auto& [k, row] : changedRows_) {
    const Table& table = store_.table(kKinds[k]);
    const int fields = table.shape().storageFields + 1;
    putItem(pending_, "R");
    putItem(pending_, std::to_string(k));
    putItem(pending_, std::to_string(row));
    putItem(pending_, std::to_string(fields));
    for (int field = 0; field < fields; ++field) putItem(pending_, table.cell(row, field));
  }
  changedRows_.clear();
}

std::string RecoveryJournal::flush() {
  flushAwaited_ = false;
  captureRows();
  if (pending_.empty()) return {};
  std::string payload = pending_;
  putItem(payload, "C");
  for (TableKind kind : kKinds) putItem(payload, std::to_string(store_.table(kind).count()));
  std::string error = writeEntry(payload);
  if (error.empty()) pending_.clear();
  return error;
}

std::string RecoveryJournal::markSaving(std::uint64_t generation) {
  if (std::string error = flush(); !error.empty()) return error;
  return writeEntry(markPayload("S", generation));
}

std::string RecoveryJournal::writeEntry(const std::string& payload) {
  const std::string entry =
      "J" + hex(payload.size(), 8) + hex(checksum(payload), 16) + "\n" + payload;
  const off_t before = ::lseek(fd_, 0, SEEK_END);
  if (before >= 0 && static_cast<std::uintmax_t>(before) + entry.size() > kLargestJournalBytes) {
    return "the recovery journal has reached its largest size (" +
           std::to_string(kLargestJournalBytes >> 20) + " MB)";
  }
  std::size_t written = 0;
  while (written < entry.size()) {
    const ssize_t n = ::write(fd_, entry.data() + written, entry.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // No torn entry in the middle: the entries after it could never be read.
      if (written > 0 && before >= 0 && ::ftruncate(fd_, before) != 0) {
        return std::string("the recovery journal cannot be repaired: ") + std::strerror(errno);
      }
      return std::string("the recovery journal cannot be written: ") + std::strerror(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fdatasync(fd_) != 0) {
    return std::string("the recovery journal cannot be flushed to disk: ") + std::strerror(errno);
  }
  return {};
}

void RecoveryJournal::remove() {
  removeJournal(path_.parent_path());
}

std::string removeJournal(const fs::path& directory) {
  const fs::path path = directory / kJournalName;
  if (std::string why = notOwnFile(path); !why.empty()) return why;
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return std::strerror(errno);
  flushDirectory(directory);
  return {};
}

bool journalExists(const fs::path& directory) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(directory / kJournalName, ec));
}

namespace {

// The journal's bytes, or why it is refused.
ReadResult readJournal(const fs::path& path) {
  if (std::string why = notOwnFile(path); !why.empty()) return ReadResult{false, {}, why};
  return readWholeFile(path, kLargestJournalBytes, "a recovery journal");
}

}  // namespace

JournalContents inspectJournal(const fs::path& directory) {
  JournalContents contents;
  const ReadResult read = readJournal(directory / kJournalName);
  contents.wholeBytes = forEachEntry(read.bytes, [&](std::string_view payload, std::size_t) {
    if (markOf(payload).op == 0) ++contents.entries;
  });
  return contents;
}

JournalFinding examineJournal(const fs::path& directory, std::uint64_t generation) {
  using Verdict = JournalFinding::Verdict;
  JournalFinding finding;
  if (!journalExists(directory)) return finding;
  const ReadResult read = readJournal(directory / kJournalName);
  if (!read.ok) {
    finding.verdict = Verdict::Refused;
    finding.refusal = read.error;
    return finding;
  }
  bool first = true, fromStart = false, saved = false;
  int changes = 0, changesAfterSave = 0;
  std::size_t afterSave = 0;
  forEachEntry(read.bytes, [&](std::string_view payload, std::size_t start) {
    const Mark mark = markOf(payload);
    if (first && mark.op == 'G') fromStart = mark.generation == generation;
    first = false;
    if (mark.op == 'S' && mark.generation == generation) {
      // The entries so far were saved into the store as it is now.
      saved = true;
      changesAfterSave = 0;
      afterSave = start + kHeaderSize + payload.size();
    }
    if (mark.op == 0) {
      ++changes;
      ++changesAfterSave;
    }
  });
  if (saved || fromStart) {
    finding.changes = saved ? changesAfterSave : changes;
    finding.restoreFrom = saved ? afterSave : 0;
    finding.verdict = finding.changes > 0 ? Verdict::Restorable : Verdict::NothingToRestore;
  } else {
    finding.changes = changes;
    finding.verdict = changes > 0 ? Verdict::StoreChanged : Verdict::NothingToRestore;
  }
  return finding;
}

int restoreFromJournal(SurveyStore& store, const fs::path& directory, std::size_t from) {
  const fs::path path = directory / kJournalName;
  const ReadResult read = readJournal(path);
  if (!read.ok) return 0;
  int applied = 0;
  bool intact = true;
  const std::size_t whole =
      forEachEntry(read.bytes, [&](std::string_view payload, std::size_t start) {
        if (start < from) return;
        if (intact && applyPayload(store, payload)) {
          if (markOf(payload).op == 0) ++applied;
        } else {
          intact = false;
        }
      });
  // The torn tail goes, or the entries appended after it could never be read.
  if (whole < read.bytes.size()) {
    std::string why;
    const int fd = openOwnFile(path, O_WRONLY, why);
    const bool cut = fd >= 0 && ::ftruncate(fd, static_cast<off_t>(whole)) == 0;
    if (fd >= 0) ::close(fd);
    if (!cut) setJournalAside(directory);
  }
  return applied;
}

std::string setJournalAside(const fs::path& directory) {
  const fs::path journal = directory / kJournalName;
  if (!notOwnFile(journal).empty()) return {};
  for (int n = 1;; ++n) {
    const fs::path aside =
        directory / (std::string(kJournalName) + ".set-aside" + std::to_string(n));
    // Never over a name that is there, whatever it is or points to.
    int result = ::renameat2(AT_FDCWD, journal.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE);
    if (result != 0 && errno == EINVAL) {  // a file system without it
      result = ::link(journal.c_str(), aside.c_str());
      if (result == 0) ::unlink(journal.c_str());
    }
    if (result != 0 && errno == EEXIST) continue;
    flushDirectory(directory);
    return result == 0 ? aside.filename().string() : std::string();
  }
}

}  // namespace survey
