// The identity of a generation of the store: a digest of the exact bytes of
// its four files. The recovery journal names the generation it starts from,
// so that it is never applied to a store that has changed since.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "store/file_io.h"
#include "store/table.h"

namespace survey {

// A fast 64-bit digest over 8-byte words in eight lanes (a 64-byte stripe
// at a time, each word keyed by its place in a 1 KB block; the lanes are
// scrambled after each block). Streaming, and the same however the bytes are
// split: a save digests a FileImage's pieces and gets the value the next load
// computes from the whole file.
class ByteDigest {
 public:
  void add(std::string_view bytes);
  std::uint64_t value() const;

  static constexpr std::size_t kLanes = 8;
  static constexpr std::size_t kStripe = 8 * kLanes;
  static constexpr std::size_t kStripesPerBlock = 16;

 private:
  void stripes(const unsigned char* bytes, std::size_t count);

  std::array<std::uint64_t, kLanes> lanes_ = {};
  unsigned char pending_[kStripe] = {};
  std::size_t pendingSize_ = 0;
  std::size_t stripeInBlock_ = 0;
  std::uint64_t total_ = 0;
};

std::uint64_t digestOf(std::string_view bytes);
std::uint64_t digestOf(const FileImage& image);

// The four files' digests together: a file that is not there (or cannot be
// read) counts differently from an empty one.
class StoreDigest {
 public:
  void setFile(TableKind kind, std::uint64_t fileDigest);
  void setMissing(TableKind kind);
  void setUnreadable(TableKind kind, std::string_view reason);
  std::uint64_t value() const;

 private:
  std::array<std::uint64_t, 4> files_ = {};
  std::array<unsigned char, 4> states_ = {};  // 0 = missing, 1 = bytes, 2 = unreadable
};

}  // namespace survey
