#include "store/text_encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace survey {

namespace {
// Code points of bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::array<char32_t, 32> kHigh{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at i; returns its length, or 0 when invalid.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t len = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}
}  // namespace

bool isValidUtf8(std::string_view bytes) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    // Plain ASCII, the bulk of every store file, eight bytes at a time.
    uint64_t chunk = 0;
    if (i + sizeof chunk <= bytes.size()) {
      std::memcpy(&chunk, bytes.data() + i, sizeof chunk);
      if ((chunk & 0x8080808080808080ULL) == 0) {
        i += sizeof chunk;
        continue;
      }
    }
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t len = decodeUtf8(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else if (b < 0xA0) {
      const char32_t cp = kHigh[b - 0x80];
      appendUtf8(out, cp != 0 ? cp : b);  // undefined bytes map to the C1 control
    } else {
      appendUtf8(out, b);
    }
  }
  return out;
}

std::string utf8ByLine(std::string bytes) {
  if (isValidUtf8(bytes)) return bytes;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  const std::string_view all(bytes);
  for (std::size_t start = 0; start < all.size();) {
    std::size_t end = start;
    while (end < all.size() && all[end] != '\r' && all[end] != '\n') ++end;
    const std::string_view line = all.substr(start, end - start);
    if (isValidUtf8(line)) {
      out += line;
    } else {
      out += windows1252ToUtf8(line);
    }
    if (end < all.size()) out += all[end];
    start = end + 1;
  }
  return out;
}

std::string utf8ToWindows1252(std::string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  char32_t cp = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = decodeUtf8(text, i, cp);
    if (len == 0) {
      out += replacement;
      ++i;
      continue;
    }
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = replacement;
    for (std::size_t k = 0; k < kHigh.size(); ++k) {
      if (kHigh[k] == cp) mapped = static_cast<char>(0x80 + k);
    }
    out += mapped;
  }
  return out;
}

std::size_t utf8Length(std::string_view text) {
  std::size_t n = 0;
  char32_t cp = 0;
  for (std::size_t i = 0; i < text.size(); ++n) {
    const std::size_t len = decodeUtf8(text, i, cp);
    i += len == 0 ? 1 : len;
  }
  return n;
}

}  // namespace survey
