#include "store/store_digest.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace survey {

namespace {

constexpr std::uint64_t kPrime1 = 0x9e3779b185ebca87ull;
constexpr std::uint64_t kPrime2 = 0xc2b2ae3d27d4eb4full;
constexpr std::uint64_t kPrime3 = 0x165667b19e3779f9ull;
constexpr std::uint64_t kPrime4 = 0x85ebca77c2b2ae63ull;
constexpr std::uint64_t kPrime5 = 0x27d4eb2f165667c5ull;

std::uint64_t word(const unsigned char* bytes) {
  std::uint64_t value = 0;
  std::memcpy(&value, bytes, sizeof value);
  if constexpr (std::endian::native == std::endian::big) value = __builtin_bswap64(value);
  return value;
}

std::uint64_t mix(std::uint64_t lane, std::uint64_t input) {
  return std::rotl(lane + input * kPrime2, 31) * kPrime1;
}

constexpr std::uint64_t splitMix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

// Keys of the words of a block: stripe s uses keys s .. s + 7.
constexpr auto kKeys = [] {
  std::array<std::uint64_t, ByteDigest::kStripesPerBlock + ByteDigest::kLanes> keys{};
  std::uint64_t state = 0x5375727665794462ull;
  for (auto& key : keys) key = splitMix(state);
  return keys;
}();

std::uint64_t scrambled(std::uint64_t lane, std::size_t index) {
  return (lane ^ (lane >> 47) ^ kKeys[index]) * 0x9e3779b1u;
}

}  // namespace

// Each lane adds its neighbour's word and the product of the two halves of
// its own keyed word; after a block every lane is scrambled.
void ByteDigest::stripes(const unsigned char* bytes, std::size_t count) {
  std::size_t inBlock = stripeInBlock_;
#if defined(__SSE2__)
  // Two lanes to a register, kept there over the run (pmuludq: 32 x 32 bits).
  __m128i lanes[kLanes / 2];
  for (std::size_t i = 0; i < kLanes / 2; ++i) {
    lanes[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes_.data() + 2 * i));
  }
  for (; count > 0; --count, bytes += kStripe) {
    const std::uint64_t* key = kKeys.data() + inBlock;
    for (std::size_t i = 0; i < kLanes / 2; ++i) {
      const __m128i words = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * i));
      const __m128i keyed =
          _mm_xor_si128(words, _mm_loadu_si128(reinterpret_cast<const __m128i*>(key + 2 * i)));
      const __m128i product = _mm_mul_epu32(keyed, _mm_srli_epi64(keyed, 32));
      lanes[i] = _mm_add_epi64(lanes[i], _mm_add_epi64(_mm_shuffle_epi32(words, 0x4e), product));
    }
    if (++inBlock < kStripesPerBlock) continue;
    inBlock = 0;
    for (std::size_t i = 0; i < kLanes / 2; ++i) {
      alignas(16) std::uint64_t pair[2];
      _mm_store_si128(reinterpret_cast<__m128i*>(pair), lanes[i]);
      for (std::size_t j = 0; j < 2; ++j) pair[j] = scrambled(pair[j], 2 * i + j);
      lanes[i] = _mm_load_si128(reinterpret_cast<const __m128i*>(pair));
    }
  }
  for (std::size_t i = 0; i < kLanes / 2; ++i) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes_.data() + 2 * i), lanes[i]);
  }
#else
  for (; count > 0; --count, bytes += kStripe) {
    const std::uint64_t* key = kKeys.data() + inBlock;
    for (std::size_t i = 0; i < kLanes; ++i) {
      const std::uint64_t keyed = word(bytes + 8 * i) ^ key[i];
      lanes_[i] += word(bytes + 8 * (i ^ 1)) + (keyed & 0xffffffffu) * (keyed >> 32);
    }
    if (++inBlock < kStripesPerBlock) continue;
    inBlock = 0;
    for (std::size_t i = 0; i < kLanes; ++i) lanes_[i] = scrambled(lanes_[i], i);
  }
#endif
  stripeInBlock_ = inBlock;
}

void ByteDigest::add(std::string_view text) {
  if (text.empty()) return;  // and no null pointer reaches memcpy
  auto bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t size = text.size();
  total_ += size;
  if (pendingSize_ > 0) {
    const std::size_t taken = std::min(size, kStripe - pendingSize_);
    std::memcpy(pending_ + pendingSize_, bytes, taken);
    pendingSize_ += taken;
    bytes += taken;
    size -= taken;
    if (pendingSize_ < kStripe) return;
    stripes(pending_, 1);
    pendingSize_ = 0;
  }
  stripes(bytes, size / kStripe);
  bytes += size / kStripe * kStripe;
  size %= kStripe;
  if (size > 0) std::memcpy(pending_, bytes, size);
  pendingSize_ = size;
}

std::uint64_t ByteDigest::value() const {
  std::uint64_t hash = total_ * kPrime1 + stripeInBlock_;
  for (std::uint64_t lane : lanes_) hash = std::rotl(hash ^ mix(0, lane), 27) * kPrime1 + kPrime4;
  std::size_t at = 0;
  for (; at + 8 <= pendingSize_; at += 8) {
    hash = std::rotl(hash ^ mix(0, word(pending_ + at)), 27) * kPrime1 + kPrime4;
  }
  for (; at < pendingSize_; ++at) hash = std::rotl(hash ^ (pending_[at] * kPrime5), 11) * kPrime1;
  hash ^= hash >> 33;
  hash *= kPrime2;
  hash ^= hash >> 29;
  hash *= kPrime3;
  return hash ^ (hash >> 32);
}

std::uint64_t digestOf(std::string_view bytes) {
  ByteDigest digest;
  digest.add(bytes);
  return digest.value();
}

std::uint64_t digestOf(const FileImage& image) {
  ByteDigest digest;
  for (std::string_view piece : image.pieces()) digest.add(piece);
  return digest.value();
}

void StoreDigest::setFile(TableKind kind, std::uint64_t fileDigest) {
  files_[static_cast<std::size_t>(kind)] = fileDigest;
  states_[static_cast<std::size_t>(kind)] = 1;
}

void StoreDigest::setMissing(TableKind kind) {
  files_[static_cast<std::size_t>(kind)] = 0;
  states_[static_cast<std::size_t>(kind)] = 0;
}

void StoreDigest::setUnreadable(TableKind kind, std::string_view reason) {
  files_[static_cast<std::size_t>(kind)] = digestOf(reason);
  states_[static_cast<std::size_t>(kind)] = 2;
}

std::uint64_t StoreDigest::value() const {
  ByteDigest digest;
  digest.add(std::string_view(reinterpret_cast<const char*>(states_.data()), states_.size()));
  for (std::uint64_t file : files_) {
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(file >> (8 * i));
    digest.add(std::string_view(reinterpret_cast<const char*>(bytes), 8));
  }
  return digest.value();
}

}  // namespace survey
