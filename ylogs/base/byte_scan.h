// Eight bytes at a time: loads and byte tests on 64-bit words, for the loops
// that run over every byte of every message.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orvex::bytes {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// Byte i of the eight is bits 8i to 8i+7 of the word, on any machine.
inline std::uint64_t Load(const char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, sizeof w);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

inline void Store(char* p, std::uint64_t w) {
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  std::memcpy(p, &w, sizeof w);
}

// Non-zero when one of the eight bytes is 0 (the bits set are not exact).
inline std::uint64_t AnyZero(std::uint64_t w) {
  return (w - kOnes) & ~w & kHighs;
}

// Bit 7 of each byte set exactly where that byte is 0.
inline std::uint64_t ZeroBytes(std::uint64_t w) {
  const std::uint64_t low7 = (w & ~kHighs) + ~kHighs;
  return ~(low7 | w) & kHighs;
}

// Bit 7 of each byte set exactly where that byte equals c.
inline std::uint64_t BytesEqual(std::uint64_t w, unsigned char c) {
  return ZeroBytes(w ^ (kOnes * c));
}

// Bit 7 of each byte set exactly where that byte is 'a' to 'z'.
inline std::uint64_t LowerCaseLetters(std::uint64_t w) {
  const std::uint64_t low7 = w & ~kHighs;
  const std::uint64_t from_a = low7 + kOnes * (0x80 - 'a');
  const std::uint64_t past_z = low7 + kOnes * (0x80 - 'z' - 1);
  return from_a & ~past_z & ~w & kHighs;
}

// The number of bytes whose bit 7 is set in a mask of the forms above.
inline int CountMarked(std::uint64_t mask) {
  return static_cast<int>(((mask >> 7) * kOnes) >> 56);
}

// True when no byte has bit 7 set.
inline bool IsAscii(std::string_view text) {
  const char* p = text.data();
  std::size_t n = text.size();
  for (; n >= 8; p += 8, n -= 8) {
    if (Load(p) & kHighs) return false;
  }
  for (; n > 0; ++p, --n) {
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  }
  return true;
}

}  // namespace orvex::bytes
