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

// Replaces all the files of directory named in images, or none. Empty text on
// success; otherwise "<file>: <why>" for the file that could not be written.
std::string commitStoreFiles(const std::filesystem::path& directory,
                             const std::vector<StoreFileImage>& images);

// Completes a save whose commit record is in place, discards the temporary
// files of one that was cut short before, and removes the record. Only files
// named "<store file>.saving-<digits>" are removed. Empty text on success.
std::string finishInterruptedSave(const std::filesystem::path& directory,
                                  const std::vector<std::string>& storeFileNames);

}  // namespace survey
