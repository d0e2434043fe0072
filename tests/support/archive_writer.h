// Writes archive files for tests and demo data: records from a time value, a
// direction, a plain text and a key, and ways to damage them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvex::testing {

struct RecordToWrite {
  std::uint64_t time_value = 0;  // N, 40 bits
  std::uint8_t direction = 0;
  std::string text;  // plain UTF-8 text with escape codes; scrambled on writing
  // Damage: a header byte at `header_position` (counted from 1) set to a value,
  // a declared length other than the text's, a trailer other than zeros.
  std::optional<std::pair<int, std::uint8_t>> header_override;
  std::optional<std::uint16_t> length_override;
  std::array<std::uint8_t, 4> trailer = {0, 0, 0, 0};
};

// The time value whose day count is 25569.125 + s / 86400 (byte 4 = 6).
std::uint64_t TimeValueFromUnixSeconds(std::uint32_t s);

// XORs each byte with the key, restarting the key at the text's start.
std::string Scramble(std::string_view plain, std::string_view key);

std::string EncodeRecord(const RecordToWrite& record, std::string_view key);
std::string EncodeArchive(const std::vector<RecordToWrite>& records, std::string_view key);

// Writes bytes to a file, creating its folders.
void WriteBytes(const std::string& path, std::string_view bytes);

// An escape code: ESC "[" body, e.g. Code("1m") for bold.
std::string Code(std::string_view body);

}  // namespace orvex::testing
