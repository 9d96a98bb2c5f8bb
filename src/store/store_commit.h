// Saving the four store files all or nothing. Every new file is written and
// flushed beside the one it replaces; then a small commit record naming them
// is put in place, and only then are they renamed over the old files. A save
// cut short before the record exists leaves the old files (its temporary files
// are removed at the next open); one cut short after it is completed then.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/file_io.h"

namespace survey {

inline constexpr const char* kCommitRecordName = "survey_store.commit";

struct StoreFileImage {
  std::string name;  // "survey_apt.txt"
  FileImage bytes;
};

struct CommitOutcome {
  std::string error;  // empty on success; else "<file>: <why>"
  // The record was in place when the save stopped: it is completed when the
  // store is next opened. replaced names the store files already replaced.
  bool completedAtNextOpen = false;
  std::vector<std::string> replaced;
  std::string notice;  // a commit record found and set aside first (see finishInterruptedSave)
};

// Replaces all the files of directory named in images, or none (or, when a
// rename fails after the commit point, leaves the rest to the next open).
CommitOutcome commitStoreFiles(const std::filesystem::path& directory,
                               const std::vector<StoreFileImage>& images);

struct InterruptedSave {
  std::string error;   // a save that could not be completed: "<file>: <why>"
  std::string notice;  // for the user: a record that was set aside, and why
};

// Completes a save whose commit record is in place, discards the temporary
// files of one that was cut short before, and removes the record. Only files
// named "<store file>.saving-<digits>" are removed, never through a link. A
// record naming anything but the store's own files, or that is a link, renames
// nothing: it is renamed to "survey_store.commit.set-asideN" and the notice says so.
InterruptedSave finishInterruptedSave(const std::filesystem::path& directory,
                                      const std::vector<std::string>& storeFileNames);

}  // namespace survey
