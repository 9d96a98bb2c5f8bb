// The recovery journal: every change to the tables, made durable beside the
// store files as it happens, so that a run cut short (crash, power cut, kill)
// loses nothing. A run that ends through Exit removes it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "store/survey_store.h"

namespace survey {

inline constexpr const char* kJournalName = "survey_store.journal";
// A journal grows with the changes of a run; one this large is refused, and
// a run's journal stops growing there.
inline constexpr std::uintmax_t kLargestJournalBytes = std::uintmax_t{256} << 20;

class RecoveryJournal : public StoreObserver {
 public:
  // Starts writing the journal of directory (continuing one that is there)
  // and watches store. A new journal first names generation, the store
  // generation its changes apply to. Nothing, with error set, when the file
  // cannot be opened or is not the journal's own (a link).
  static std::unique_ptr<RecoveryJournal> open(SurveyStore& store,
                                               const std::filesystem::path& directory,
                                               std::uint64_t generation, std::string& error);
  ~RecoveryJournal() override;
  RecoveryJournal(const RecoveryJournal&) = delete;
  RecoveryJournal& operator=(const RecoveryJournal&) = delete;

  // Writes the changes since the last call as one entry, flushed to disk.
  // Empty text on success (or when nothing changed); on failure the changes
  // stay pending for the next call.
  std::string flush();
  // Notes, flushed, that the store is about to be saved as generation (after
  // the pending changes): once it is, the entries so far are in the store.
  std::string markSaving(std::uint64_t generation);
  // Ends the journal: the run ended through Exit. A name that has become a
  // link is left alone.
  void remove();

  // Called at the first change after a flush (never in the middle of a
  // survey's removal), so that the caller can arrange the next flush.
  std::function<void()> onFirstChange;

  void rowChanged(TableKind kind, int row) override;
  void surveyDeleting(std::string_view key) override;
  void surveyDeleted() override;

 private:
  RecoveryJournal(SurveyStore& store, std::filesystem::path path, int fd);
  std::string writeEntry(const std::string& payload);
  void captureRows();
  void changed();

  SurveyStore& store_;
  std::filesystem::path path_;
  int fd_;
  std::set<std::pair<int, int>> changedRows_;  // (table, row)
  int countsWritten_[4] = {};
  std::string pending_;  // operations not yet written
  bool flushAwaited_ = false;
};

// What a journal left by an earlier run holds.
struct JournalContents {
  int entries = 0;             // whole entries of changes; a torn last one is not counted
  std::size_t wholeBytes = 0;  // where the whole entries end
};
JournalContents inspectJournal(const std::filesystem::path& directory);

// What a journal left by an earlier run means for the store as now loaded.
struct JournalFinding {
  enum class Verdict {
    Absent,
    Refused,           // a link, too large or unreadable: left as it is
    NothingToRestore,  // no whole change, or all of them are in the store
    Restorable,        // changes to the store as it is
    StoreChanged,      // the store is not the generation it belongs to (or it names none)
  };
  Verdict verdict = Verdict::Absent;
  int changes = 0;              // Restorable: to restore; StoreChanged: held
  std::size_t restoreFrom = 0;  // Restorable: where those changes begin
  std::string refusal;          // Refused: why, e.g. "it is a symbolic link"
};
// generation: the store generation the load found.
JournalFinding examineJournal(const std::filesystem::path& directory, std::uint64_t generation);

// Applies the journal's whole entries from byte `from` on to the store as
// loaded; keeps the file (cut back to its whole entries) so that the next
// changes continue it. Returns the changes applied.
int restoreFromJournal(SurveyStore& store, const std::filesystem::path& directory,
                       std::size_t from = 0);
// Renames the journal to a name not yet taken; returns that name, or nothing
// when it could not be renamed.
std::string setJournalAside(const std::filesystem::path& directory);
// Removes a journal that is the journal's own file; otherwise why not.
std::string removeJournal(const std::filesystem::path& directory);
bool journalExists(const std::filesystem::path& directory);

}  // namespace survey
