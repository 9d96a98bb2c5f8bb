#include "store/store_text.h"

#include <algorithm>
#include <cstring>

#include "store/file_io.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

constexpr std::size_t kBlock = 16;

// Bit k set where byte k of the block is LF / CR; true when any byte is 0x80 or above.
bool blockMasks(const char* block, uint32_t& lf, uint32_t& cr) {
#if defined(__SSE2__)
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
  lf = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
  cr = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r'))));
  return _mm_movemask_epi8(bytes) != 0;
#else
  lf = cr = 0;
  bool high = false;
  for (std::size_t k = 0; k < kBlock; ++k) {
    lf |= static_cast<uint32_t>(block[k] == '\n') << k;
    cr |= static_cast<uint32_t>(block[k] == '\r') << k;
    high |= (static_cast<unsigned char>(block[k]) & 0x80) != 0;
  }
  return high;
#endif
}
}  // namespace

// A store file written by this program ends every line in CR LF. Such a text
// is split sixty-four bytes at a time; any other falls back to the general split.
bool StoreText::splitCrLf(std::size_t expectedLines) {
  const std::string_view all = this->all();
  if (all.size() < 2 || all.substr(all.size() - 2) != "\r\n") return false;
  constexpr std::size_t kSpan = 64;  // bytes looked at per step, one bit each
  std::size_t count = 0;
  starts_.reserve(std::min(expectedLines, all.size()) + kSpan + 2);
  starts_.resize(starts_.capacity());
  uint64_t crCarry = 0;  // the previous span ended in CR
  bool high = false;
  char last[kSpan];
  for (std::size_t at = 0; at < all.size(); at += kSpan) {
    const char* span = all.data() + at;
    if (all.size() - at < kSpan) {
      std::memset(last, 0, sizeof last);
      std::memcpy(last, span, all.size() - at);
      span = last;
    }
    uint64_t lf = 0;
    uint64_t cr = 0;
    for (std::size_t k = 0; k < kSpan; k += kBlock) {
      uint32_t blockLf = 0;
      uint32_t blockCr = 0;
      high |= blockMasks(span + k, blockLf, blockCr);
      lf |= static_cast<uint64_t>(blockLf) << k;
      cr |= static_cast<uint64_t>(blockCr) << k;
    }
    // Every LF follows a CR and every CR precedes an LF.
    if (((cr << 1) | crCarry) != lf) return false;
    crCarry = cr >> (kSpan - 1);
    if (starts_.size() - count < kSpan) starts_.resize(starts_.size() * 2);
    uint32_t* out = starts_.data() + count;
    for (; lf != 0; lf &= lf - 1) {
      *out++ = static_cast<uint32_t>(at + static_cast<std::size_t>(__builtin_ctzll(lf)) + 1);
    }
    count = static_cast<std::size_t>(out - starts_.data());
  }
  starts_.resize(count);
  asciiOnly_ = !high;
  header_ = all.substr(0, starts_.front() - 2);
  // starts_ holds where each line after the header starts, the last one being the end.
  return true;
}

StoreText::StoreText(FileBytes text, std::size_t expectedLines) : text_(std::move(text)) {
  if (splitCrLf(expectedLines)) return;
  starts_.clear();
  const std::string_view all = this->all();
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
  asciiOnly_ = std::none_of(all.begin(), all.end(), [](char c) { return (c & 0x80) != 0; });
}

std::string_view StoreText::line(std::size_t i) const {
  std::size_t end = starts_[i + 1];
  const std::size_t start = starts_[i];
  // A line holds no CR or LF, so what ends it is its terminator.
  if (end > start && text_[end - 1] == '\n') --end;
  if (end > start && text_[end - 1] == '\r') --end;
  return all().substr(start, end - start);
}

}  // namespace survey
