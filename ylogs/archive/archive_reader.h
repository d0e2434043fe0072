// Reading an archive file: records, the text reader that unscrambles them, and
// the names that come with a file.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text_kinds.h"

namespace orvex {

inline constexpr std::size_t kRecordHeaderSize = 16;
inline constexpr std::size_t kRecordTrailerSize = 4;

// Where a message box would be shown: the text of the box.
using MessageSink = std::function<void(const std::string&)>;

// The decoding key (the local user's id) and the friend's name of a file.
struct ArchiveNames {
  AnsiText key;
  AnsiText friend_name;
};

// The names typed for loose files, when loose-file mode is on.
struct LooseNames {
  AnsiText user_name;
  AnsiText friend_name;
};

// Cuts the key and the friend's name out of a path that ends in
// <id>/Archive/Messages/<friend>/<file>. Only the 18-character step over the
// two middle folders is counted; their names are not compared. Never reads
// outside the path: a path without that layout gives empty names.
ArchiveNames CutNamesFromPath(FileNameView path);

// Names for a file: the loose names when given, else those cut from the path
// and taken into the code page.
ArchiveNames NamesForFile(FileNameView path, const std::optional<LooseNames>& loose);

// Hands out the unscrambled bytes of one record's text. Put back returns the
// last byte to the stream: the next call yields the same byte again, at the
// same offset. One reader can serve every record of a file (StartText).
class TextReader {
 public:
  TextReader(std::string_view data, std::size_t start, std::string_view key);

  // Begins the next record's text at `start`: the key restarts at its first
  // character and nothing is consumed yet.
  void StartText(std::size_t start);

  // The next plain byte; throws FileError "Read beyond end of file" at the end.
  unsigned char Next();
  void PutBack();
  bool AtEnd() const { return pos_ >= data_.size(); }
  std::size_t Consumed() const { return consumed_; }
  std::size_t Position() const { return pos_; }

  // Appends plain bytes up to (not including) the first escape byte, at most
  // `limit` of them, and stops at the end of the data; returns how many.
  std::size_t TakeRunUntilEscape(std::string& out, std::size_t limit);

 private:
  std::string_view data_;
  // The key written out 8 times and 8 bytes more: the key byte of text offset
  // j is stream_[j mod (8 K)], and eight key bytes are one load at any phase.
  std::string stream_;
  std::size_t period_ = 0;  // 8 K; 0 for an empty key
  std::size_t pos_;
  std::size_t consumed_ = 0;
  std::size_t key_index_ = 0;  // into stream_, below period_
};

// One record as read: time (a day count), direction (6 already read as 1) and
// the text converted by the markup conversion, still UTF-8.
struct DecodedRecord {
  double time = 0;
  std::uint64_t stored_time = 0;  // N as stored (40 bits)
  int direction = 0;
  std::string fragment;
  bool trailer_ok = true;  // false: a trailer byte was not 0, and reading stops here
};

// Reads every record of an archive file held in memory, front to back. A bad
// reserved header byte shows "error A" through `messages` and stops; a bad
// trailer stops silently; a file that ends inside a header or an escape code
// throws FileError "Read beyond end of file".
void ReadArchiveRecords(std::string_view data, const std::string& path, std::string_view key,
                        bool format_codes_enabled, const MessageSink& messages,
                        const std::function<void(DecodedRecord&)>& on_record);

// Opens and reads a file (errors as FileError with the file error texts).
void ReadArchiveFile(const std::string& path, std::string_view key, bool format_codes_enabled,
                     const MessageSink& messages,
                     const std::function<void(DecodedRecord&)>& on_record);

}  // namespace orvex
