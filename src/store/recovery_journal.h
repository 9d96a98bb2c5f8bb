// The recovery journal: every change to the tables, made durable beside the
// store files as it happens, so that a run cut short (crash, power cut, kill)
// loses nothing. A run that ends through Exit removes it.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "store/survey_store.h"

namespace survey {

inline constexpr const char* kJournalName = "survey_store.journal";

class RecoveryJournal : public StoreObserver {
 public:
  // Starts writing the journal of directory (continuing one that is there)
  // and watches store; nothing, with error set, when the file cannot be opened.
  static std::unique_ptr<RecoveryJournal> open(SurveyStore& store,
                                               const std::filesystem::path& directory,
                                               std::string& error);
  ~RecoveryJournal() override;
  RecoveryJournal(const RecoveryJournal&) = delete;
  RecoveryJournal& operator=(const RecoveryJournal&) = delete;

  // Writes the changes since the last call as one entry, flushed to disk.
  // Empty text on success (or when nothing changed); on failure the changes
  // stay pending for the next call.
  std::string flush();
  // Ends the journal: the run ended through Exit.
  void remove();

  // Called at the first change after a flush (never in the middle of a
  // survey's removal), so that the caller can arrange the next flush.
  std::function<void()> onFirstChange;

  void rowChanged(TableKind kind, int row) override;
  void surveyDeleting(std::string_view key) override;
  void surveyDeleted() override;

 private:
  RecoveryJournal(SurveyStore& store, std::filesystem::path path, int fd);
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
  int entries = 0;             // whole entries; a torn last one is not counted
  std::size_t wholeBytes = 0;  // where the whole entries end
};
JournalContents inspectJournal(const std::filesystem::path& directory);
// Applies the journal's whole entries to the store as loaded; keeps the file
// (cut back to its whole entries) so that the next changes continue it.
int restoreFromJournal(SurveyStore& store, const std::filesystem::path& directory);
// Renames the journal to a name not yet taken; returns that name.
std::string setJournalAside(const std::filesystem::path& directory);
bool journalExists(const std::filesystem::path& directory);

}  // namespace survey
