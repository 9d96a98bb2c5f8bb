// The four store files beside the program: one cell per line after a header
// line "count : 3.7", CR LF line ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "store/file_io.h"
#include "store/survey_store.h"

namespace survey {

struct StoreLoadReport {
  bool failed = false;
  std::string file;    // the file that could not be read
  int line = 0;        // its line where reading stopped (1 = header)
  std::string reason;  // what was wrong there
  // Tables whose file the load did not read completely (the failed one and
  // those not reached); their files are backed up before the next save.
  std::vector<TableKind> unreadTables;
  // Something the load did that the user must hear of, failed or not (a
  // commit record that named other files and was set aside).
  std::string notice;
  // The store generation found: a digest of the four files' bytes (see
  // store_digest.h), also of those the load did not read; 0 unless asked for.
  std::uint64_t generation = 0;

  std::string message() const;  // for the user; empty when nothing failed and nothing to tell
};

struct StoreSaveReport {
  std::vector<std::string> failures;  // "survey_rwy.txt: cannot write: No space left on device"
  std::vector<std::string> backups;   // "survey_rwy.txt kept as survey_rwy.txt.unread-backup"
  // Unread tables whose file now has its backup (also when the save then
  // failed): they need none at the next attempt.
  std::vector<TableKind> backedUpTables;
  // A rename failed after the commit point: the files in replaced are new,
  // the others are replaced when the store is next opened.
  bool completedAtNextOpen = false;
  std::vector<std::string> replaced;
  std::string notice;            // a commit record set aside before the save
  std::uint64_t generation = 0;  // of the files written, as the next load will find them
  bool ok() const { return failures.empty(); }
  std::string message() const;  // for the user; empty when all went well and nothing was backed up
};

// Who opens the store: the one copy that may save, or a reader beside it.
enum class StoreAccess { Writer, Reader };

// Reads the four files into the (empty) tables, in the order airport, runway,
// obstruction, navaid. A missing file is an empty table. A file that cannot
// be read (a dangling link, a FIFO, a bad header...) ends the load there. A
// writer first completes or discards a save that was cut short.
// withGeneration: the report's generation is computed too (about 1 ms for
// the full-capacity store), for a run that keeps a recovery journal.
StoreLoadReport loadStore(SurveyStore& store, const std::filesystem::path& directory,
                          StoreAccess access = StoreAccess::Writer, bool withGeneration = false);

// Serialises one table as its store file's bytes. Replaces an empty survey type
// of an airport row by "AOC", in the table too. The image refers to the table's loaded
// text: it is written before the table changes again.
FileImage storeFileImage(Table& table);
std::string storeFileText(Table& table);

// Replaces the four files all together or not at all. Files named in
// unreadTables are first copied to a backup beside them, so nothing the load
// could not read is lost; one that cannot be copied stops the save. A file
// too large to be a store file is renamed to its backup name instead of
// copied: a copy could fill the disk. beforeCommit learns the generation the
// save is about to make, before any file is replaced.
StoreSaveReport saveStore(SurveyStore& store, const std::filesystem::path& directory,
                          const std::vector<TableKind>& unreadTables = {},
                          const std::function<void(std::uint64_t)>& beforeCommit = {});

}  // namespace survey
