#include "renderer.h"

#include <cmath>
#include <cstring>

#include "ylogs/base/byte_scan.h"

#include "self_contained_message.h"
#include "template_fill.h"
#include "ylogs/archive/markup.h"
#include "ylogs/base/text_replace.h"
#include "ylogs/text/codepage.h"
#include "ylogs/text/utf8_text.h"

namespace orvex {
namespace {

std::int32_t WrapAdd(std::int32_t a, std::int64_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

std::string DateTimeFormatter::DateTime(double t) const {
  std::string text = ShortDate(t);
  if (t - std::trunc(t) != 0) {
    text += ' ';
    text += LongTime(t);
  }
  return text;
}

std::int32_t CountWords(std::string_view text) {
  const char* const p = text.data();
  std::size_t n = text.size();
  if (const void* nul = std::memchr(p, 0, n))
    n = static_cast<std::size_t>(static_cast<const char*>(nul) - p);
  // A word begins at each byte that is not a blank and follows a blank (or
  // begins the text); eight bytes are looked at together.
  std::uint32_t words = 0;
  std::uint64_t blank_before = 0x80;  // the first byte counts as following a blank
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const std::uint64_t blanks = bytes::BytesEqual(bytes::Load(p + i), ' ');
    const std::uint64_t follows_blank = (blanks << 8) | blank_before;
    words +=
        static_cast<std::uint32_t>(bytes::CountMarked(~blanks & bytes::kHighs & follows_blank));
    blank_before = blanks >> 56;
  }
  bool after_blank = blank_before != 0;
  for (; i < n; ++i) {
    const bool blank = p[i] == ' ';
    words += !blank && after_blank;
    after_blank = blank;
  }
  return static_cast<std::int32_t>(words);
}

void AddCounters(MessageCounters& into, const MessageCounters& add) {
  for (int side = 0; side < 2; ++side) {
    MessageCounters::Side& s = into.side[side];
    const MessageCounters::Side& a = add.side[side];
    s.messages = WrapAdd(s.messages, a.messages);
    s.words = WrapAdd(s.words, a.words);
    s.bytes = WrapAdd(s.bytes, a.bytes);
    s.started = WrapAdd(s.started, a.started);
  }
}

void AddMessageCounts(RenderState& state, std::string_view plain, int side) {
  MessageCounters::Side& s = state.counters.side[side];
  if (state.conversation_start_pending) {
    s.started = WrapAdd(s.started, 1);
    state.conversation_start_pending = false;
  }
  s.messages = WrapAdd(s.messages, 1);
  s.words = WrapAdd(s.words, CountWords(plain));
  s.bytes = WrapAdd(s.bytes, static_cast<std::int64_t>(plain.size()));
}

std::string RenderArchiveFile(const std::string& path, bool text_only,
                              const RenderSettings& settings, RenderState& state) {
  state.conversation_start_pending = true;
  state.file_transcript.clear();
  state.search_text.clear();
  std::string body;

  const ArchiveNames names = NamesForFile(path, settings.loose);
  ArchiveNames shown = names;  // the key stays in the code page: it unscrambles
  if (settings.utf8_text) {
    if (settings.loose) {
      shown = {AnsiToUtf8(names.key), AnsiToUtf8(names.friend_name)};
    } else {
      const ArchiveNames cut = CutNamesFromPath(path);
      shown = {NameAsUtf8(cut.key), NameAsUtf8(cut.friend_name)};
    }
  }
  const DisplayOptions& opt = settings.options;
  const std::string empty;
  const std::string& message1 = settings.theme ? settings.theme->message1 : empty;
  const std::string& message2 = settings.theme ? settings.theme->message2 : empty;
  const bool highlight = settings.highlight && !settings.highlight->empty();
  std::string span;
  if (highlight) {
    span.append("<span style=\"background:yellow\">").append(*settings.highlight).append("</span>");
  }
  std::string image_folder = settings.program_folder;
  image_folder.append("Smileys/");

  // Storage reused from message to message: nothing is allocated per
  // message once these have grown to the largest one.
  std::string v, plain, filled, spare, datetime, utf8, searched, contained;
  SelfContainedOptions contained_options;
  // Where messages stand on their own, the names are text too.
  std::string shown_html[2];
  if (settings.self_contained_messages) {
    AppendEscapedHtml(shown.key, shown_html[0]);
    AppendEscapedHtml(shown.friend_name, shown_html[1]);
  }
  if (opt.smileys) contained_options = {settings.smileys, image_folder};
  const MessageTemplate template1(message1), template2(message2);
  auto on_record = [&](DecodedRecord& record) {
    v.swap(record.fragment);  // the reader refills the storage handed back
    // Plain ASCII decodes to itself in every code page: its searched text is
    // the transcript's own, made below.
    const bool search_apart = settings.search_text && !bytes::IsAscii(v);
    if (search_apart) {
      searched.assign(v);
      DecodeArchiveUtf8InPlace(searched, kUtf8CodePage);
      if (!searched.empty()) {
        StripFadeTagsInPlace(searched);
        StripFontTagsInPlace(searched);
        StripStyleTagsInPlace(searched);
        state.search_text.append("\r\n").append(searched);
      }
    }
    if (settings.utf8_text) {
      utf8.clear();
      AppendArchiveTextAsUtf8(v, utf8);
      v.swap(utf8);
    } else {
      DecodeArchiveUtf8InPlace(v);
    }
    if (v.empty()) return;
    int direction = record.direction;
    if (direction >= 2 && settings.messages) settings.messages(std::to_string(direction));
    // Any direction but 0 is shown, named and counted as the friend's.
    const int side = direction == 0 ? 0 : 1;
    const std::string& name = side == 0 ? shown.key : shown.friend_name;

    std::string d, h;
    // Text-only lines carry no date or time: without a body they are not needed.
    if (settings.formatter && (settings.build_body || !text_only)) {
      if (opt.date) d = settings.formatter->ShortDate(record.time);
      if (opt.time) {
        if (!d.empty()) h.push_back(' ');
        h += settings.formatter->LongTime(record.time);
      }
    }
    StripFadeTagsInPlace(v);
    // Without a body, v is not needed again: its plain text is made in place.
    std::string& p = settings.build_body ? plain.assign(v) : v;
    StripFontTagsInPlace(p);
    StripStyleTagsInPlace(p);
    std::string& transcript = state.file_transcript;
    transcript += "\r\n";
    if (!text_only) {
      transcript += name;
      transcript += " (";
      transcript += d;
      transcript += h;
      transcript += "): ";
    }
    transcript += p;
    if (settings.search_text && !search_apart) state.search_text.append("\r\n").append(p);
    AddMessageCounts(state, p, side);
    if (!settings.build_body) return;

    if (highlight) ReplaceAllInPlace(v, *settings.highlight, span, spare);
    if (settings.self_contained_messages) {
      contained.clear();
      AppendSelfContainedMessage(v, contained_options, contained);
      v.swap(contained);
    }
    datetime.clear();
    if (opt.date || opt.time) datetime.append("(").append(d).append(h).append(")");
    (side == 0 ? template1 : template2)
        .Fill({settings.self_contained_messages ? shown_html[side] : name, datetime, d, h,
               CutToLength(h, 6), v},
              filled, spare);
    FontSizeRewriteInPlace(filled, spare);
    if (!opt.bold) StripStyleTagsInPlace(filled);
    if (!opt.fonts) StripFontTagsInPlace(filled);
    if (opt.smileys && settings.smileys && !settings.self_contained_messages) {
      SubstituteSmileysInPlace(filled, *settings.smileys, image_folder, spare);
    }
    body += "\r\n";
    body += filled;
  };

  ReadArchiveFile(path, names.key, opt.format_codes, settings.messages, on_record);
  return body;
}

}  // namespace orvex
