#include "renderer.h"

#include <cmath>

#include "codepage.h"
#include "markup.h"
#include "text_replace.h"

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
  std::int32_t words = 0;
  bool in_word = false;
  for (char c : text) {
    if (c == '\0') break;
    const bool word_char = c != ' ';
    if (word_char && !in_word) words = WrapAdd(words, 1);
    in_word = word_char;
  }
  return words;
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
  std::string body;

  const ArchiveNames names = NamesForFile(path, settings.loose);
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

  auto on_record = [&](DecodedRecord& record) {
    std::string v = DecodeArchiveUtf8(record.fragment);
    if (v.empty()) return;
    int direction = record.direction;
    if (direction >= 2 && settings.messages) settings.messages(std::to_string(direction));
    // Any direction but 0 is shown, named and counted as the friend's.
    const int side = direction == 0 ? 0 : 1;
    const std::string& name = side == 0 ? names.key : names.friend_name;

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
    std::string plain = v;
    StripFontTagsInPlace(plain);
    StripStyleTagsInPlace(plain);
    state.file_transcript += "\r\n";
    if (text_only) {
      state.file_transcript += plain;
    } else {
      state.file_transcript += name;
      state.file_transcript += " (";
      state.file_transcript += d;
      state.file_transcript += h;
      state.file_transcript += "): ";
      state.file_transcript += plain;
    }
    AddMessageCounts(state, plain, side);
    if (!settings.build_body) return;

    if (highlight) ReplaceAllInPlace(v, *settings.highlight, span);
    std::string filled = side == 0 ? message1 : message2;
    ReplaceAllInPlace(filled, "%id", name);
    std::string datetime;
    if (opt.date || opt.time) {
      datetime.reserve(d.size() + h.size() + 2);
      datetime.append("(").append(d).append(h).append(")");
    }
    ReplaceAllInPlace(filled, "%datetime", datetime);
    ReplaceAllInPlace(filled, "%date", d);
    ReplaceAllInPlace(filled, "%time", h);
    ReplaceAllInPlace(filled, "%shorttime", std::string_view(h).substr(0, 6));
    ReplaceAllInPlace(filled, "%text", v);
    filled = FontSizeRewrite(filled);
    if (!opt.bold) StripStyleTagsInPlace(filled);
    if (!opt.fonts) StripFontTagsInPlace(filled);
    if (opt.smileys && settings.smileys) {
      filled = SubstituteSmileys(filled, *settings.smileys, image_folder);
    }
    body += "\r\n";
    body += filled;
  };

  ReadArchiveFile(path, names.key, opt.format_codes, settings.messages, on_record);
  return body;
}

}  // namespace orvex
