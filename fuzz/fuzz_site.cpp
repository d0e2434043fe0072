// Fuzzes the website export: conversations under identity, friend and file
// names of arbitrary bytes, with message texts, typed names and dates from
// the input, are written as a site into a scratch folder. Every file must lie
// in the site and carry the page policy, and every link the site itself makes
// (index, friends' pages, navigation, smileys) must be relative, stay inside
// the site and, for a page, lead to one that was written. Message texts hold
// no "<" here: a tag a message brings is part of the message, written as sent.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "tests/support/archive_writer.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/export/site_pages.h"
#include "ylogs/render/smileys.h"

namespace {

namespace fs = std::filesystem;

void Check(bool holds, std::string_view what = "") {
  if (holds) return;
  std::fprintf(stderr, "site check failed: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

class FixedFormatter : public orvex::DateTimeFormatter {
 public:
  std::string ShortDate(double t) const override { return std::to_string(static_cast<long>(t)); }
  std::string LongTime(double) const override { return "12:34:56"; }
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A link's target as a path: "&amp;" read as "&", "%XX" as its byte.
std::string Decoded(std::string_view link) {
  std::string text;
  for (std::size_t i = 0; i < link.size(); ++i) {
    if (link.substr(i, 5) == "&amp;") {
      text += '&';
      i += 4;
    } else {
      text += link[i];
    }
  }
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && Hex(text[i + 1]) >= 0 && Hex(text[i + 2]) >= 0) {
      out += static_cast<char>(Hex(text[i + 1]) * 16 + Hex(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The values of every href and src attribute in a tag, however quoted.
std::vector<std::string> Links(const std::string& page) {
  std::vector<std::string> links;
  for (std::size_t open = page.find('<'); open != std::string::npos;
       open = page.find('<', open + 1)) {
    const std::size_t close = std::min(page.find('>', open), page.size());
    std::string tag = page.substr(open, close - open);
    for (char& c : tag) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    for (std::string_view name : {"href", "src"}) {
      for (std::size_t at = tag.find(name); at != std::string::npos; at = tag.find(name, at + 1)) {
        std::size_t i = open + at + name.size();
        while (i < close && page[i] == ' ') ++i;
        if (i >= close || page[i] != '=') continue;
        ++i;
        while (i < close && page[i] == ' ') ++i;
        const char quote = i < close && (page[i] == '"' || page[i] == '\'') ? page[i] : ' ';
        if (quote != ' ') ++i;
        std::size_t end = i;
        while (end < page.size() && page[end] != quote && (quote != ' ' || page[end] != '>')) ++end;
        links.push_back(page.substr(i, end - i));
      }
    }
  }
  return links;
}

void CheckLink(const fs::path& root, const fs::path& page, const std::string& link) {
  if (link.starts_with("#")) return;
  // No scheme (any ":" in a name is written "%3A"), no absolute path.
  Check(!link.empty() && link.find(':') == std::string::npos && link.front() != '/' &&
            link.find('\\') == std::string::npos,
        link);
  const std::string path = Decoded(link.substr(0, link.find('#')));
  const fs::path resolved = (page.parent_path() / path).lexically_normal();
  const fs::path relative = resolved.lexically_relative(root);
  Check(!relative.empty() && *relative.begin() != "..", link);
  if (resolved.extension() == ".html" || resolved.extension() == ".gif") {
    Check(fs::is_regular_file(resolved), link);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::fuzz::Input in(data, size);
  const std::uint8_t flags = in.Byte();
  static const fs::path scratch = orvex::fuzz::ScratchFolder("site");
  static const std::string program = [] {
    // The program folder with a picture for every smiley.
    const fs::path folder = scratch / "program";
    fs::create_directories(folder / "Smileys");
    for (const orvex::SmileyEntry& e : orvex::DefaultSmileyTable()) {
      orvex::fuzz::WriteScratch((folder / "Smileys" / e.image_file).string(), "GIF89a");
    }
    fs::create_directories(scratch / "in");
    return folder.string() + "/";
  }();
  const fs::path root = scratch / "site";
  fs::remove_all(root);

  static const orvex::Theme theme = [] {
    orvex::Theme t;
    t.file_header = "<html><head><title>t</title></head><body>\r\n<a href=\"#top\">top</a>";
    t.conversation_header = "<div class=\"c\">";
    t.message1 = "\r\n<p>%date %time %shorttime: %text</p>";
    t.message2 = "\r\n<p class=\"in\">%datetime %text</p>";
    t.conversation_footer = "</div>";
    t.file_footer = "<p>%today</p></body></html>";
    return t;
  }();
  static FixedFormatter formatter;
  orvex::RenderSettings settings;
  settings.theme = &theme;
  // Smileys only now and then: the site copies every picture each time.
  const std::uint8_t user_byte = in.Byte();
  settings.options = {bool(flags & 1), bool(flags & 2),   bool(flags & 4),
                      bool(flags & 8), user_byte >= 0xE0, bool(flags & 16)};
  settings.smileys = &orvex::DefaultSmileyTable();
  settings.program_folder = program;
  settings.formatter = &formatter;
  const std::string user(in.Take(user_byte % 12));
  const std::string friend_typed(in.Take(in.Byte() % 12));
  if (!user.empty()) settings.loose = orvex::LooseNames{user, friend_typed};

  // Up to four conversations; a name byte picks an earlier name again, so
  // identities and friends are shared and names meet.
  std::vector<orvex::ExportSource> sources;
  const std::size_t count = 1 + flags / 64;
  for (std::size_t k = 0; k < count; ++k) {
    orvex::ExportSource s;
    const auto name = [&](std::string orvex::ExportSource::*field, std::size_t max) {
      const std::uint8_t b = in.Byte();
      s.*field = (b >= 0xC0 && !sources.empty()) ? sources[b % sources.size()].*field
                                                 : std::string(in.Take(b % max));
    };
    name(&orvex::ExportSource::identity, 12);
    name(&orvex::ExportSource::friend_name, 12);
    name(&orvex::ExportSource::file_name, 24);
    if (const std::uint8_t d = in.Byte(); d & 1) s.date = 38000 + d * 7;
    std::vector<orvex::testing::RecordToWrite> records;
    for (std::uint8_t r = in.Byte() % 4; r > 0; --r) {
      orvex::testing::RecordToWrite record;
      record.time_value = orvex::testing::TimeValueFromUnixSeconds(1100000000u + in.Byte() * 3600u);
      record.direction = in.Byte() % 3;
      record.text = std::string(in.Take(in.Byte() % 48));
      std::erase(record.text, '<');
      records.push_back(std::move(record));
    }
    s.path = (scratch / "in" / ("a" + std::to_string(k) + ".dat")).string();
    const std::string bytes = orvex::testing::EncodeArchive(records, user);
    orvex::fuzz::WriteScratch(s.path,
                              (flags & 32) && k == 0 ? bytes.substr(0, bytes.size() / 2) : bytes);
    sources.push_back(std::move(s));
  }

  const orvex::ExportContext context{root.string(), &theme,  settings,
                                     nullptr,       nullptr, [] { return "today"; }};
  try {
    orvex::ExportConversations(
        sources, *orvex::MakeConversationWriter(orvex::ExportFormat::kSite, context), nullptr);
  } catch (const orvex::UserError&) {
    return 0;  // a name the file system refuses: shown to the user
  }

  Check(fs::is_regular_file(root / "index.html"));
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    Check(e.is_directory() || e.is_regular_file());  // no links, nothing else
    if (!e.is_regular_file() || e.path().extension() != ".html") continue;
    const std::string page = ReadAll(e.path());
    // The policy, whatever line break the page puts after it.
    std::string_view policy = orvex::SiteHeadDeclarations();
    policy.remove_suffix(2);
    Check(page.find(policy) != std::string::npos, e.path().string());
    for (const std::string& link : Links(page)) CheckLink(root, e.path(), link);
  }
  // Nothing written beside the site.
  Check(std::distance(fs::directory_iterator(scratch), fs::directory_iterator()) == 3);
  return 0;
}
