// One archive file rendered into the themed HTML body, its transcript and the
// statistics counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "smileys.h"
#include "theme.h"
#include "ylogs/archive/archive_reader.h"

namespace orvex {

// The check boxes of the format bar and the hidden "Raw" switch.
struct DisplayOptions {
  bool date = true;
  bool time = true;
  bool bold = true;
  bool fonts = true;
  bool smileys = false;
  bool format_codes = true;
};

// Turns day counts into the texts the user's regional settings give.
class DateTimeFormatter {
 public:
  virtual ~DateTimeFormatter() = default;
  virtual std::string ShortDate(double t) const = 0;
  virtual std::string LongTime(double t) const = 0;
  // The default date-time text: short date, a blank and long time; the time is
  // left out when the moment is exactly midnight.
  std::string DateTime(double t) const;
};

// Four counters per side (0 = the local user, 1 = the friend); they wrap as
// signed 32-bit integers do.
struct MessageCounters {
  struct Side {
    std::int32_t messages = 0;
    std::int32_t words = 0;
    std::int32_t bytes = 0;
    std::int32_t started = 0;
    bool operator==(const Side&) const = default;
  };
  Side side[2];
  void Reset() { side[0] = side[1] = Side{}; }
  bool operator==(const MessageCounters&) const = default;
};

// What the window holds at the time of a rendering.
struct RenderSettings {
  const Theme* theme = nullptr;  // null: both message templates empty
  DisplayOptions options;
  std::optional<std::string> highlight;  // the active search tab's text
  const std::vector<SmileyEntry>* smileys = nullptr;
  std::string program_folder;  // ends in a separator
  std::optional<LooseNames> loose;
  const DateTimeFormatter* formatter = nullptr;
  MessageSink messages;  // message boxes raised while reading
  // A caller that drops the body (the search) may skip building it; the
  // transcript and the counts are the same either way.
  bool build_body = true;
  // Texts and names stay UTF-8 (well-formed) instead of going to the code
  // page: the exports made for keeping. The date and time texts and the
  // theme are the caller's to convert.
  bool utf8_text = false;
  // Also keep, in RenderState::search_text, the text-only transcript as the
  // search counts it with UTF-8 as the code page (the website's search data).
  bool search_text = false;
  // Each message's HTML made to stand on its own (AppendSelfContainedMessage),
  // its smileys pictures with their emoticon as text: for pages where one
  // message must not reach into the next or into the page's own parts.
  bool self_contained_messages = false;
};

// What a rendering leaves behind for its caller.
struct RenderState {
  MessageCounters counters;
  bool conversation_start_pending = false;
  std::string file_transcript;
  std::string search_text;  // only with RenderSettings::search_text
};

// The number of runs of characters that are neither blank nor NUL, counted up
// to the first NUL.
std::int32_t CountWords(std::string_view text);

void AddMessageCounts(RenderState& state, std::string_view plain, int side);

// Adds one set of counters to another, wrapping as the counters do: the sum
// of files counted apart equals their count in one go.
void AddCounters(MessageCounters& into, const MessageCounters& add);

// Renders one archive file. Throws FileError when the file cannot be opened or
// ends inside a record header or an escape code; counts and message boxes of
// the records before stay.
std::string RenderArchiveFile(const std::string& path, bool text_only,
                              const RenderSettings& settings, RenderState& state);

}  // namespace orvex
