// Whole-file reading and safe writing shared by the store and the exchange files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace survey {

struct ReadResult {
  bool ok = false;
  std::string bytes;
  std::string error;  // why the file could not be read
};
ReadResult readWholeFile(const std::filesystem::path& path);

// Writes to a temporary file in the same directory, flushes it to disk, then
// renames it over the target, so the target is either old or complete.
// Returns an empty text on success, otherwise why it failed.
std::string writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Splits at CR LF, lone CR or lone LF; the terminators are not kept. A final
// line without terminator counts; a file ending in a terminator has no extra
// empty line.
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace survey
