// The commit record of a save: which temporary file replaces which store file.
// Anyone who may write into a shared store folder can put a record there, so a
// record is only believed where it names the store's own files: the targets
// are the ones a save of this store would write (computed now, never taken
// from the record) and each temporary file lies beside its target, named
// "<target file name>.saving-<digits>".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace survey {

struct Replacement {
  std::filesystem::path temporary;
  std::filesystem::path target;
};

// The record's text for these replacements (absolute paths, one pair a line).
std::string commitRecordText(const std::vector<Replacement>& replacements);

struct CommitRecordReading {
  enum class State {
    Torn,     // cut short while written: the save never reached its commit point
    Valid,    // replacements holds what to put in place
    Refused,  // names something other than the store's own files: why says what
  };
  State state = State::Torn;
  std::vector<Replacement> replacements;  // the store's own paths, not the record's text
  std::string why;
};

// Reads a record against the store in directory with the given store file names.
CommitRecordReading readCommitRecord(std::string_view text, const std::filesystem::path& directory,
                                     const std::vector<std::string>& storeFileNames);

}  // namespace survey
