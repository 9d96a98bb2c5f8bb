// A store file's text, kept once after a load, with where each line after the
// header starts. Cells that were never changed are views into it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/file_io.h"

namespace survey {

class StoreText {
 public:
  StoreText() = default;
  // Splits text (CR LF, lone CR or lone LF) and keeps every line after the first.
  // expectedLines (from the header) sizes the index once. The text must be
  // smaller than 4 GiB.
  StoreText(FileBytes text, std::size_t expectedLines);

  std::string_view header() const { return header_; }
  std::size_t lineCount() const { return starts_.empty() ? 0 : starts_.size() - 1; }
  // Line i (0 = the first line after the header) without its terminator.
  std::string_view line(std::size_t i) const;
  // Lines first..end-1 with their terminators, as in the file.
  std::string_view lines(std::size_t first, std::size_t end) const {
    return all().substr(starts_[first], starts_[end] - starts_[first]);
  }
  // Every line after the header ends in CR LF, so lines() is what a save writes.
  bool crLfOnly() const { return crLfOnly_; }
  // No byte of the text is 0x80 or above, so it is UTF-8 as it stands.
  bool asciiOnly() const { return asciiOnly_; }
  // The whole text, header included.
  std::string_view all() const { return std::string_view(text_.data(), text_.size()); }

 private:
  bool splitCrLf(std::size_t expectedLines);

  FileBytes text_;
  std::string_view header_;
  std::vector<uint32_t, UninitializedAllocator<uint32_t>>
      starts_;  // start of each line, then the end of the last one
  bool crLfOnly_ = true;
  bool asciiOnly_ = false;
};

}  // namespace survey
