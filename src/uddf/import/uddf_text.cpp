#include "uddf/import/uddf_text.h"

#include <algorithm>

#include "store/text_encoding.h"

namespace survey::uddf {

LineItems::LineItems(std::string_view line) : line_(line) {
  if (line.find('|') == std::string_view::npos) return;
  items_.reserve(static_cast<std::size_t>(std::count(line.begin(), line.end(), '|')) + 1);
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = line.find('|', start);
    if (bar == std::string_view::npos) {
      items_.push_back(line.substr(start));
      break;
    }
    items_.push_back(line.substr(start, bar - start));
    start = bar + 1;
  }
}

std::string_view LineItems::raw(std::size_t k) const {
  return k < items_.size() ? items_[k] : std::string_view{};
}

int LineItems::column(std::size_t k) const {
  if (k >= items_.size()) return 0;
  const auto offset = static_cast<std::size_t>(items_[k].data() - line_.data());
  return static_cast<int>(characterCount(line_.substr(0, offset))) + 1;
}

bool isMarkerLine(std::string_view line, std::string_view marker) {
  return trimSpaces(line) == marker;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  if (from.empty()) return std::string(text);
  out.reserve(text.size());
  std::size_t start = 0;
  for (;;) {
    const std::size_t hit = text.find(from, start);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(start, hit - start));
    out.append(to);
    start = hit + from.size();
  }
  out.append(text.substr(start));
  return out;
}

std::string removeAll(std::string_view text, std::string_view what) {
  return replaceAll(text, what, {});
}

namespace {
// Bytes taken by the character starting at `i` (1 for a stray byte).
std::size_t characterWidth(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t width = 1;
  if (lead >= 0xF0 && lead <= 0xF4) {
    width = 4;
  } else if (lead >= 0xE0) {
    width = lead <= 0xEF ? 3 : 1;
  } else if (lead >= 0xC2) {
    width = 2;
  }
  if (i + width > text.size()) return 1;
  for (std::size_t k = 1; k < width; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  }
  return width;
}

// Byte offset of the 1-based character `position` (text.size() when past the end).
std::size_t offsetOf(std::string_view text, std::size_t position) {
  std::size_t i = 0;
  for (std::size_t n = 1; n < position && i < text.size(); ++n) i += characterWidth(text, i);
  return i;  // a character's width never runs past the end
}
}  // namespace

std::size_t characterCount(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); i += characterWidth(text, i)) ++n;
  return n;
}

std::string_view characters(std::string_view text, std::size_t start, std::size_t count) {
  if (start == 0 || count == 0) return {};
  const std::size_t begin = offsetOf(text, start);
  if (begin >= text.size()) return {};
  std::size_t end = begin;
  for (std::size_t n = 0; n < count && end < text.size(); ++n) end += characterWidth(text, end);
  return text.substr(begin, end - begin);
}

std::string_view characterAt(std::string_view text, std::size_t position) {
  return characters(text, position, 1);
}

std::string_view lastCharacter(std::string_view text) {
  if (text.empty()) return {};
  std::size_t i = text.size() - 1;
  // Step back over continuation bytes to the start of the last character.
  while (i > 0 && text.size() - i < 4 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) --i;
  if (characterWidth(text, i) != text.size() - i) i = text.size() - 1;
  return text.substr(i);
}

std::string decodeExchangeBytes(std::string_view bytes) {
  if (isValidUtf8(bytes)) return std::string(bytes);
  return windows1252ToUtf8(bytes);
}

}  // namespace survey::uddf
