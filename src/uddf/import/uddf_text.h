// Text helpers for reading exchange files: items of a line, marker lines, and
// character-based cutting of UTF-8 texts (one exchange-file byte is one
// character, which may take several bytes once converted to UTF-8).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/text_trim.h"

namespace survey::uddf {

// The line cut at every "|": item 0 is the text before the first "|". A line
// without "|" has no items at all.
class LineItems {
 public:
  explicit LineItems(std::string_view line);
  // Item k as it stands (untrimmed); empty when the line has fewer items.
  std::string_view raw(std::size_t k) const;
  // Item k without blanks at either end.
  std::string_view trimmed(std::size_t k) const { return trimSpaces(raw(k)); }
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  // 1-based character column where item k starts; 0 when there is no item k.
  int column(std::size_t k) const;

 private:
  std::string_view line_;
  std::vector<std::string_view> items_;
};

// A marker line: the whole line, trimmed of blanks, is exactly the marker.
bool isMarkerLine(std::string_view line, std::string_view marker);

// Every occurrence of `from` replaced by `to`, in one left-to-right pass.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);
// Every occurrence of `what` removed.
std::string removeAll(std::string_view text, std::string_view what);

// Characters of a UTF-8 text (a stray byte counts as one character).
std::size_t characterCount(std::string_view text);
// Up to `count` characters from the 1-based character position `start`;
// empty when the text is shorter than `start`.
std::string_view characters(std::string_view text, std::size_t start, std::size_t count);
// The 1-based character at `position`, or empty past the end.
std::string_view characterAt(std::string_view text, std::size_t position);
// The last character, or empty for an empty text.
std::string_view lastCharacter(std::string_view text);

// Exchange files are one byte per character in Windows-1252; a file that is
// already valid UTF-8 (edited by hand, for instance) is taken as it is.
std::string decodeExchangeBytes(std::string_view bytes);

}  // namespace survey::uddf
