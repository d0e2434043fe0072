#include "json_export.h"

#include <cstdio>
#include <ctime>
#include <optional>

#include "export.h"
#include "platform/local_time.h"
#include "ylogs/archive/markup.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/file_error.h"
#include "ylogs/discovery/conversation_entry.h"
#include "ylogs/text/codepage.h"
#include "ylogs/text/utf8_text.h"

namespace orvex {
namespace {

using json = nlohmann::ordered_json;

constexpr std::int64_t kUnixMarker = std::int64_t{6} << 32;  // byte 4 = 6
constexpr int kFormatVersion = 1;

json DateJson(const std::optional<std::int32_t>& date) {
  if (!date) return nullptr;
  return FormatIsoDate(DayCountToCivil(*date));
}

// The names a reader of the file shows, as UTF-8: typed ones are code-page text.
ArchiveNames ShownNames(const std::string& path, const std::optional<LooseNames>& loose) {
  if (loose) return {AnsiToUtf8(loose->user_name), AnsiToUtf8(loose->friend_name)};
  const ArchiveNames cut = CutNamesFromPath(path);
  return {NameAsUtf8(cut.key), NameAsUtf8(cut.friend_name)};
}

json DirectionJson(int direction) {
  if (direction == 0) return "sent";
  if (direction == 1) return "received";
  return direction;
}

std::string Dump(const json& value) {
  // Strict: text that is not UTF-8 would throw here rather than be written.
  return value.dump(2, ' ', false, json::error_handler_t::strict) + "\n";
}

}  // namespace

std::int64_t UnixSecondsOfStoredTime(std::uint64_t stored) {
  return static_cast<std::int64_t>(stored) - kUnixMarker;
}

std::string LocalIsoTime(std::int64_t unix_seconds) {
  const auto t = static_cast<std::time_t>(unix_seconds);
  const std::optional<LocalTime> local = LocalTimeOf(t);
  if (!local) return {};
  const std::tm& tm = local->fields;
  const long offset = local->utc_offset_seconds;
  const long minutes = (offset < 0 ? -offset : offset) / 60;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", tm.tm_year + 1900,
                tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, offset < 0 ? '-' : '+',
                minutes / 60, minutes % 60);
  return buf;
}

json ConversationJson(const ExportSource& source, const RenderSettings& settings) {
  const ArchiveNames key = NamesForFile(source.path, settings.loose);
  const ArchiveNames shown = ShownNames(source.path, settings.loose);
  json records = json::array();
  std::vector<std::string> messages;
  auto on_record = [&](DecodedRecord& r) {
    const std::int64_t unix_seconds = UnixSecondsOfStoredTime(r.stored_time);
    const bool mine = r.direction == 0;
    std::string text, html;
    const bool text_whole = AppendArchiveTextAsUtf8(PlainText(r.fragment), text);
    const bool html_whole = AppendArchiveTextAsUtf8(r.fragment, html);
    json record = {
        {"time", unix_seconds},
        {"local_time", LocalIsoTime(unix_seconds)},
        {"direction", DirectionJson(r.direction)},
        {"sender", mine ? shown.key : shown.friend_name},
        {"recipient", mine ? shown.friend_name : shown.key},
        {"text", std::move(text)},
        {"html", std::move(html)},
    };
    if (!text_whole || !html_whole) {
      record["error"] = "The text is not well-formed UTF-8.";
    } else if (!r.trailer_ok) {
      record["error"] = "The record does not end in four zero bytes; reading stopped after it.";
    }
    records.push_back(std::move(record));
  };
  json error = nullptr;
  try {
    // Reading messages (a damaged header) become the conversation's error.
    ReadArchiveFile(
        source.path, key.key, settings.options.format_codes,
        [&](const std::string& text) { messages.push_back(text); }, on_record);
  } catch (const UserError& e) {
    messages.push_back(e.what());
  }
  if (!messages.empty()) {
    std::string joined;
    for (const std::string& m : messages) joined += (joined.empty() ? "" : "\n") + m;
    error = NameAsUtf8(joined);
  }
  return {
      {"identity", NameAsUtf8(source.identity)},
      {"friend", NameAsUtf8(source.friend_name)},
      {"file_name", NameAsUtf8(source.file_name)},
      {"date", DateJson(source.date)},
      {"records", std::move(records)},
      {"error", std::move(error)},
  };
}

std::string JsonWriter::FileOf(const ExportSource& source) const {
  return IndividualFileName(folder_, source.file_name, source.friend_name, ".json", source.copy);
}

std::string JsonWriter::IndexFile() const {
  std::string folder = folder_;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + "index.json";
}

void JsonWriter::Begin(const std::vector<ExportSource>& sources) {
  if (guard_) {
    std::vector<std::string> files;
    for (const ExportSource& source : sources) files.push_back(FileOf(source));
    files.push_back(IndexFile());
    guard_->CheckTargets(files);
  }
  MakeOutputFolder(folder_);  // as the website does: a missing output folder is made
}

// The file's bytes and its row of index.json.
struct JsonWriter::Prepared : PreparedConversation {
  std::string bytes;
  json entry;
};

std::unique_ptr<PreparedConversation> JsonWriter::Prepare(std::size_t /*index*/,
                                                          const ExportSource& source) const {
  return MakePrepared<Prepared>([&](Prepared& prepared) {
    const json conversation = ConversationJson(source, settings_);
    prepared.bytes = Dump(conversation);
    const std::string path = FileOf(source);
    prepared.entry = {
        {"file", NameAsUtf8(FileNamePart(path))}, {"identity", conversation["identity"]},
        {"friend", conversation["friend"]},       {"file_name", conversation["file_name"]},
        {"date", conversation["date"]},           {"records", conversation["records"].size()},
        {"error", conversation["error"]},
    };
  });
}

void JsonWriter::Commit(std::size_t /*index*/, const ExportSource& source,
                        PreparedConversation& prepared) {
  Prepared& p = static_cast<Prepared&>(prepared);
  p.RaiseError();
  WriteBytesToFile(FileOf(source), p.bytes);
  index_.push_back(std::move(p.entry));
}

void JsonWriter::Finish() {
  const json index = {
      {"format", "orvex-archive-json"}, {"version", kFormatVersion}, {"conversations", index_}};
  WriteBytesToFile(IndexFile(), Dump(index));
}

}  // namespace orvex
