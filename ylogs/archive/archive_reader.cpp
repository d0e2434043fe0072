#include "archive_reader.h"

#include <cstring>

#include "markup.h"
#include "ylogs/base/byte_scan.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/file_error.h"
#include "ylogs/text/codepage.h"

namespace orvex {
namespace {

// Paths are held with "/" on every system (on Windows too: see
// platform/win/wide_names.h).
constexpr char kSep = '/';
constexpr std::ptrdiff_t kMiddleFolders = 18;  // "/Archive/Messages/"

// Header positions (counted from 1) whose byte must be 0.
constexpr bool MustBeZero(std::size_t position) {
  switch (position) {
    case 6:
    case 7:
    case 8:
    case 10:
    case 11:
    case 12:
    case 15:
    case 16:
      return true;
    default:
      return false;
  }
}

// Whether the reserved bytes of a whole header (positions 6-8, 10-12, 15, 16) are 0.
bool HeaderZerosHold(const char* h) {
  return (h[5] | h[6] | h[7] | h[9] | h[10] | h[11] | h[14] | h[15]) == 0;
}

}  // namespace

ArchiveNames CutNamesFromPath(std::string_view path) {
  ArchiveNames names;
  const auto n = static_cast<std::ptrdiff_t>(path.size());
  std::ptrdiff_t file_sep = n - 1;
  while (file_sep >= 0 && path[file_sep] != kSep) --file_sep;
  if (file_sep < 0) return names;
  std::ptrdiff_t friend_sep = file_sep - 1;
  while (friend_sep >= 0 && path[friend_sep] != kSep) --friend_sep;
  names.friend_name = std::string(path.substr(friend_sep + 1, file_sep - friend_sep - 1));
  if (friend_sep < 0) return names;
  std::ptrdiff_t id_end = friend_sep - kMiddleFolders;  // last character of the id
  if (id_end < 0) return names;
  std::ptrdiff_t id_sep = id_end;
  while (id_sep >= 0 && path[id_sep] != kSep) --id_sep;
  names.key = std::string(path.substr(id_sep + 1, id_end - id_sep));
  return names;
}

ArchiveNames NamesForFile(std::string_view path, const std::optional<LooseNames>& loose) {
  if (loose) return {loose->user_name, loose->friend_name};
  ArchiveNames names = CutNamesFromPath(path);
  names.key = FileNameToAnsi(names.key);
  names.friend_name = FileNameToAnsi(names.friend_name);
  return names;
}

TextReader::TextReader(std::string_view data, std::size_t start, std::string_view key)
    : data_(data), pos_(start) {
  const std::size_t k = key.size();
  if (k == 0) return;
  period_ = 8 * k;
  stream_.resize(period_ + 8);
  for (std::size_t i = 0; i < stream_.size(); ++i) stream_[i] = key[i % k];
}

void TextReader::StartText(std::size_t start) {
  pos_ = start;
  consumed_ = 0;
  key_index_ = 0;
}

unsigned char TextReader::Next() {
  if (pos_ >= data_.size()) throw FileError(kReadBeyondEndOfFile);
  auto b = static_cast<unsigned char>(data_[pos_++]);
  ++consumed_;
  if (period_ != 0) {
    b ^= static_cast<unsigned char>(stream_[key_index_]);
    if (++key_index_ == period_) key_index_ = 0;
  }
  return b;
}

void TextReader::PutBack() {
  --pos_;
  --consumed_;
  if (period_ != 0) key_index_ = (key_index_ == 0 ? period_ : key_index_) - 1;
}

std::size_t TextReader::TakeRunUntilEscape(std::string& out, std::size_t limit) {
  const std::size_t avail = data_.size() - pos_;
  if (limit > avail) limit = avail;
  const char* src = data_.data() + pos_;
  const std::size_t start = out.size();
  std::size_t taken = 0;
  if (period_ == 0) {
    const void* escape = std::memchr(src, 0x1B, limit);
    taken = escape ? static_cast<std::size_t>(static_cast<const char*>(escape) - src) : limit;
    out.append(src, taken);
  } else {
    // Unscramble straight into the output, eight bytes a step while no escape
    // byte is among them, then byte by byte up to the escape or the limit.
    out.resize(start + limit);
    char* dst = out.data() + start;
    const char* key = stream_.data();
    std::size_t ki = key_index_;
    while (taken + 8 <= limit) {
      const std::uint64_t plain = bytes::Load(src + taken) ^ bytes::Load(key + ki);
      if (bytes::AnyZero(plain ^ (bytes::kOnes * 0x1B))) break;
      bytes::Store(dst + taken, plain);
      taken += 8;
      ki += 8;
      if (ki >= period_) ki -= period_;
    }
    while (taken < limit) {
      const char b = static_cast<char>(src[taken] ^ key[ki]);
      if (b == 0x1B) break;
      dst[taken++] = b;
      if (++ki == period_) ki = 0;
    }
    key_index_ = ki;
    out.resize(start + taken);
  }
  pos_ += taken;
  consumed_ += taken;
  return taken;
}

void ReadArchiveRecords(std::string_view data, const std::string& path, std::string_view key,
                        bool format_codes_enabled, const MessageSink& messages,
                        const std::function<void(DecodedRecord&)>& on_record) {
  std::size_t pos = 0;
  const std::size_t size = data.size();
  DecodedRecord record;
  TextReader reader(data, 0, key);
  while (pos < size) {
    const std::size_t start = pos;
    if (size - pos >= kRecordHeaderSize && HeaderZerosHold(data.data() + pos)) {
      pos += kRecordHeaderSize;
    } else {
      // A damaged or cut-off header: byte by byte, to report the first fault.
      for (std::size_t position = 1; position <= kRecordHeaderSize; ++position) {
        if (pos >= size) throw FileError(kReadBeyondEndOfFile);
        const auto b = static_cast<unsigned char>(data[pos++]);
        if (b != 0 && MustBeZero(position)) {
          if (messages) {
            messages(path + "\r\n error A:" + std::to_string(position) +
                     "::" + std::to_string(pos));
          }
          return;
        }
      }
    }
    auto byte = [&](std::size_t offset) {
      return static_cast<std::uint64_t>(static_cast<unsigned char>(data[start + offset]));
    };
    const std::uint64_t n = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24 | byte(4) << 32;
    const std::size_t length = byte(12) | byte(13) << 8;
    record.time = ArchiveTimeToDayCount(n);
    record.stored_time = n;
    record.direction = static_cast<int>(byte(8));
    if (record.direction == 6) record.direction = 1;

    reader.StartText(pos);
    ConvertMessageMarkupInto(reader, length, format_codes_enabled, record.fragment);
    pos = reader.Position();

    bool trailer_ok = true;
    for (std::size_t i = 0; i < kRecordTrailerSize && pos < size; ++i) {
      if (data[pos++] != 0) {
        trailer_ok = false;
        break;
      }
    }
    record.trailer_ok = trailer_ok;
    on_record(record);
    if (!trailer_ok) return;
  }
}

void ReadArchiveFile(const std::string& path, std::string_view key, bool format_codes_enabled,
                     const MessageSink& messages,
                     const std::function<void(DecodedRecord&)>& on_record) {
  const std::string data = ReadWholeFile(path);
  ReadArchiveRecords(data, path, key, format_codes_enabled, messages, on_record);
}

}  // namespace orvex
