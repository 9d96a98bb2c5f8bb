#include "store/store_text.h"

#include <algorithm>
#include <cstring>

namespace survey {

namespace {
// True when one of the eight bytes is below 14, which CR and LF are.
bool mayHoldLineEnd(uint64_t word) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  return ((word - kOnes * 14) & ~word & (kOnes * 0x80)) != 0;
}

// Offset just past the line starting at `from` and its terminator; sets lineEnd.
std::size_t nextLine(std::string_view text, std::size_t from, std::size_t& lineEnd, bool& crLf) {
  const char* const p = text.data();
  const std::size_t n = text.size();
  std::size_t i = from;
  for (uint64_t word = 0; i + sizeof word <= n; i += sizeof word) {
    std::memcpy(&word, p + i, sizeof word);
    if (mayHoldLineEnd(word)) break;
  }
  while (i < n && p[i] != '\r' && p[i] != '\n') ++i;
  lineEnd = i;
  crLf = i + 1 < n && p[i] == '\r' && p[i + 1] == '\n';
  if (i == n) return n;
  return i + (crLf ? 2 : 1);
}
}  // namespace

StoreText::StoreText(std::string text, std::size_t expectedLines) : text_(std::move(text)) {
  const std::string_view all(text_);
  std::size_t headerEnd = 0;
  bool crLf = false;
  std::size_t pos = nextLine(all, 0, headerEnd, crLf);
  header_ = all.substr(0, headerEnd);
  // Every line takes at least one byte, so a header that lies costs nothing.
  starts_.reserve(std::min(expectedLines, all.size() - pos) + 1);
  while (pos < all.size()) {
    starts_.push_back(static_cast<uint32_t>(pos));
    std::size_t lineEnd = 0;
    pos = nextLine(all, pos, lineEnd, crLf);
    if (!crLf) crLfOnly_ = false;
  }
  starts_.push_back(static_cast<uint32_t>(pos));
}

std::string_view StoreText::line(std::size_t i) const {
  std::size_t end = starts_[i + 1];
  const std::size_t start = starts_[i];
  // A line holds no CR or LF, so what ends it is its terminator.
  if (end > start && text_[end - 1] == '\n') --end;
  if (end > start && text_[end - 1] == '\r') --end;
  return std::string_view(text_).substr(start, end - start);
}

}  // namespace survey
