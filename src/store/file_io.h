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

// Calls visit(line) for each line, ending at CR LF, lone CR or lone LF (the
// terminators are not kept), until visit returns false. A final line without
// terminator counts; a file ending in a terminator has no extra empty line.
template <class Visitor>
void forEachLine(std::string_view text, Visitor&& visit) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    if (!visit(text.substr(start, i - start))) return;
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) visit(text.substr(start));
}

// The lines of forEachLine, all at once.
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace survey
