#include "archive_writer.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace orvex::testing {

std::uint64_t TimeValueFromUnixSeconds(std::uint32_t s) {
  return (std::uint64_t{6} << 32) | s;
}

std::string Scramble(std::string_view plain, std::string_view key) {
  std::string out(plain);
  if (key.empty()) return out;
  for (std::size_t j = 0; j < out.size(); ++j) out[j] = static_cast<char>(out[j] ^ key[j % key.size()]);
  return out;
}

std::string EncodeRecord(const RecordToWrite& r, std::string_view key) {
  std::string header(16, '\0');
  for (int i = 0; i < 5; ++i) header[i] = static_cast<char>((r.time_value >> (8 * i)) & 0xFF);
  header[8] = static_cast<char>(r.direction);
  const std::uint16_t length =
      r.length_override ? *r.length_override : static_cast<std::uint16_t>(r.text.size());
  header[12] = static_cast<char>(length & 0xFF);
  header[13] = static_cast<char>(length >> 8);
  if (r.header_override) header[r.header_override->first - 1] = static_cast<char>(r.header_override->second);
  std::string out = header + Scramble(r.text, key);
  for (std::uint8_t b : r.trailer) out.push_back(static_cast<char>(b));
  return out;
}

std::string EncodeArchive(const std::vector<RecordToWrite>& records, std::string_view key) {
  std::string out;
  for (const RecordToWrite& r : records) out += EncodeRecord(r, key);
  return out;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::filesystem::path p(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) throw std::runtime_error("cannot write " + path);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Code(std::string_view body) {
  std::string s = "\x1B[";
  s += body;
  return s;
}

}  // namespace orvex::testing
