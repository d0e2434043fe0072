// The exports made for keeping: texts straight from the archive's UTF-8, safe
// file names, the JSON files and the website (every link resolves).
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <stdlib.h>
#include <time.h>

#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/export/safe_file_name.h"
#include "ylogs/render/smileys.h"
#include "ylogs/text/utf8_text.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::RecordToWrite;

constexpr char kGreek[] = "Καλημέρα, τι κάνεις;";
constexpr char kRussian[] = "Привет, как дела?";
constexpr char kChinese[] = "你好，明天见！";

struct Utf8Case {
  const char* name;
  std::string in;
  std::string out;
  bool whole;
};

class ArchiveTextAsUtf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(ArchiveTextAsUtf8Test, GivesWellFormedUtf8) {
  const Utf8Case& c = GetParam();
  std::string out;
  EXPECT_EQ(AppendArchiveTextAsUtf8(c.in, out), c.whole);
  EXPECT_EQ(out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArchiveTextAsUtf8Test,
    ::testing::Values(Utf8Case{"Ascii", "plain <b>x</b>", "plain <b>x</b>", true},
                      Utf8Case{"ThreeScripts", kGreek, kGreek, true},
                      Utf8Case{"FourBytes", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", true},
                      // Surrogate halves written one by one join into one character.
                      Utf8Case{"SurrogatePair", "\xED\xA0\xBD\xED\xB8\x80", "\xF0\x9F\x98\x80",
                               true},
                      Utf8Case{"LoneSurrogate", "a\xED\xA0\xBD", "a\xEF\xBF\xBD", false},
                      // A lead byte the archive's rule takes by its bit 0x20.
                      Utf8Case{"LenientLead", "\xC0\x80", std::string(1, '\0'), true},
                      Utf8Case{"CutSequence", "ab\xD0", "ab\xEF\xBF\xBD", false},
                      Utf8Case{"StrayTrail", "\x80x", "\xEF\xBF\xBDx", false}),
    [](const ::testing::TestParamInfo<Utf8Case>& info) { return info.param.name; });

struct SafeNameCase {
  const char* name;
  std::string in;
  std::string safe;
};

class SafeFileNameTest : public ::testing::TestWithParam<SafeNameCase> {};

TEST_P(SafeFileNameTest, EscapesAndComesBack) {
  const SafeNameCase& c = GetParam();
  EXPECT_EQ(SafeFileName(c.in), c.safe);
  EXPECT_EQ(OriginalName(c.safe), c.in);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SafeFileNameTest,
    ::testing::Values(
        SafeNameCase{"Plain", "bob_77", "bob_77"}, SafeNameCase{"Percent", "100%", "100%25"},
        SafeNameCase{"Forbidden", "a<b>c:d\"e/f\\g|h?i*j", "a%3Cb%3Ec%3Ad%22e%2Ff%5Cg%7Ch%3Fi%2Aj"},
        SafeNameCase{"Controls", "a\tb\x7F", "a%09b%7F"},
        SafeNameCase{"TrailingDotsAndBlanks", "bob. .", "bob%2E%20%2E"},
        SafeNameCase{"Reserved", "CON", "%43ON"},
        SafeNameCase{"ReservedAnyCaseWithExtension", "com1.txt", "%63om1.txt"},
        SafeNameCase{"NotReserved", "CONSOLE", "CONSOLE"},
        SafeNameCase{"Utf8Kept", kRussian, std::string(kRussian, sizeof kRussian - 2) + "%3F"},
        SafeNameCase{"NotUtf8", "caf\xE9", "caf%E9"}, SafeNameCase{"Empty", "", "%"}),
    [](const ::testing::TestParamInfo<SafeNameCase>& info) { return info.param.name; });

class FixedFormatter : public DateTimeFormatter {
 public:
  std::string ShortDate(double t) const override { return FormatIsoDate(DayCountToCivil(t)); }
  std::string LongTime(double) const override { return "T"; }
};

constexpr std::uint32_t kApril12 = 1144800000;  // 2006-04-12 00:00:00 UTC

class KeepExportTest : public ::testing::Test {
 protected:
  KeepExportTest() {
    theme_.file_header = "\r\n<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>";
    theme_.conversation_header = "\r\n<div>";
    theme_.message1 = "\r\n<p class=me>%id: %text</p>";
    theme_.message2 = "\r\n<p class=friend>%id: %text</p>";
    theme_.conversation_footer = "\r\n</div>";
    theme_.file_footer = "\r\n<i>%today</i></body></html>";
    settings_.formatter = &formatter_;
    settings_.smileys = &DefaultSmileyTable();
    settings_.program_folder = ORVEX_BIN_DIR;
    // Local times in a known zone; the zone of the run comes back afterwards.
    if (const char* tz = ::getenv("TZ")) saved_tz_ = tz;
    ::setenv("TZ", "UTC", 1);
    ::tzset();
  }
  ~KeepExportTest() override {
    if (saved_tz_) {
      ::setenv("TZ", saved_tz_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

  // An archive of `identity` with `friend_name` on a day (YYYYMMDD), one
  // message per text, sides alternating from the friend's.
  void Add(const std::string& identity, const std::string& friend_name, const std::string& day,
           const std::vector<RecordToWrite>& records) {
    const std::string name = day + "-" + identity + ".dat";
    const std::string path =
        profiles_ / (identity + "/Archive/Messages/" + friend_name + "/" + name);
    testing::WriteBytes(path, testing::EncodeArchive(records, identity));
    const int y = std::stoi(day.substr(0, 4)), m = std::stoi(day.substr(4, 2)),
              d = std::stoi(day.substr(6, 2));
    sources_.push_back({path, name, friend_name, identity,
                        static_cast<std::int32_t>(CivilDateToDayCount(y, m, d))});
  }
  void AddTexts(const std::string& identity, const std::string& friend_name, const std::string& day,
                const std::vector<std::string>& texts) {
    std::vector<RecordToWrite> records;
    for (std::size_t i = 0; i < texts.size(); ++i)
      records.push_back(Message(texts[i], (i + 1) % 2, i));
    Add(identity, friend_name, day, records);
  }
  static RecordToWrite Message(const std::string& text, std::size_t direction, std::size_t minute) {
    RecordToWrite r;
    r.time_value =
        testing::TimeValueFromUnixSeconds(kApril12 + 60 * static_cast<std::uint32_t>(minute));
    r.direction = static_cast<std::uint8_t>(direction);
    r.text = text;
    return r;
  }

  void Export(ExportFormat format, std::size_t stop_after = 0) {
    RenderState state;
    TextItems text_buffer;
    const ExportContext context{out_.path(), &theme_,      settings_,
                                &state,      &text_buffer, [] { return std::string("NOW"); }};
    ExportConversations(sources_, *MakeConversationWriter(format, context),
                        [&](std::size_t written) { return written == stop_after; });
  }

  json ReadJson(const std::string& name) { return json::parse(ReadWholeFile(out_ / name)); }

  testing::TempFolder profiles_, out_;
  Theme theme_;
  FixedFormatter formatter_;
  RenderSettings settings_;
  std::vector<ExportSource> sources_;
  std::optional<std::string> saved_tz_;
};

TEST_F(KeepExportTest, JsonHoldsEveryRecordWithTheTextsDecodedStraightFromUtf8) {
  Add("alice", "bob", "20060412",
      {Message(kGreek, 1, 0),
       Message(std::string(kRussian) + " " + testing::Code("1m") + "ok", 0, 1),
       Message(kChinese, 7, 2), Message("", 1, 3)});
  Export(ExportFormat::kJson);
  const json c = ReadJson("20060412-alice-bob.json");
  EXPECT_EQ(c["identity"], "alice");
  EXPECT_EQ(c["friend"], "bob");
  EXPECT_EQ(c["file_name"], "20060412-alice.dat");
  EXPECT_EQ(c["date"], "2006-04-12");
  EXPECT_TRUE(c["error"].is_null());
  ASSERT_EQ(c["records"].size(), 4u);
  const json& r = c["records"];
  EXPECT_EQ(r[0]["time"], kApril12);
  EXPECT_EQ(r[0]["local_time"], "2006-04-12T00:00:00+00:00");
  EXPECT_EQ(r[0]["direction"], "received");
  EXPECT_EQ(r[0]["sender"], "bob");
  EXPECT_EQ(r[0]["recipient"], "alice");
  EXPECT_EQ(r[0]["text"], kGreek);
  EXPECT_EQ(r[1]["direction"], "sent");
  EXPECT_EQ(r[1]["sender"], "alice");
  EXPECT_EQ(r[1]["text"], std::string(kRussian) + " ok");
  EXPECT_EQ(r[1]["html"], std::string(kRussian) + " <b>ok</b>");
  EXPECT_EQ(r[2]["direction"], 7);
  EXPECT_EQ(r[2]["text"], kChinese);
  EXPECT_EQ(r[3]["text"], "");  // empty records are kept in file order
  EXPECT_EQ(r[1]["local_time"], "2006-04-12T00:01:00+00:00");

  const json index = ReadJson("index.json");
  EXPECT_EQ(index["version"], 1);
  ASSERT_EQ(index["conversations"].size(), 1u);
  EXPECT_EQ(index["conversations"][0]["file"], "20060412-alice-bob.json");
  EXPECT_EQ(index["conversations"][0]["records"], 4);
}

TEST_F(KeepExportTest, JsonKeepsWhatWasReadOfDamagedFilesWithTheErrorText) {
  RecordToWrite bad_header = Message("lost", 1, 2);
  bad_header.header_override = std::make_pair(10, std::uint8_t{1});
  Add("alice", "bob", "20060412", {Message("first", 1, 0), Message("caf\xC3", 0, 1), bad_header});
  RecordToWrite bad_trailer = Message("last", 1, 0);
  bad_trailer.trailer = {0, 9, 0, 0};
  Add("alice", "carol", "20060413", {bad_trailer, Message("never read", 0, 1)});
  Export(ExportFormat::kJson);

  const json bob = ReadJson("20060412-alice-bob.json");
  ASSERT_EQ(bob["records"].size(), 2u);
  EXPECT_EQ(bob["records"][0]["text"], "first");
  EXPECT_FALSE(bob["records"][0].contains("error"));
  EXPECT_EQ(bob["records"][1]["text"], "caf\xEF\xBF\xBD");
  EXPECT_EQ(bob["records"][1]["error"], "The text is not well-formed UTF-8.");
  EXPECT_EQ(bob["error"],
            sources_[0].path + "\r\n error A:10::" + std::to_string(16 + 5 + 4 + 16 + 4 + 4 + 10));

  const json carol = ReadJson("20060413-alice-carol.json");
  ASSERT_EQ(carol["records"].size(), 1u);
  EXPECT_TRUE(carol["records"][0].contains("error"));

  const json index = ReadJson("index.json");
  EXPECT_EQ(index["conversations"][0]["error"], bob["error"]);
  EXPECT_TRUE(index["conversations"][1]["error"].is_null());
}

// Every file below `root`, relative, with "/" between folders.
std::vector<std::string> FilesBelow(const std::string& root) {
  std::vector<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (e.is_regular_file()) files.push_back(fs::relative(e.path(), root).generic_string());
  }
  return files;
}

std::string PercentDecoded(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      out.push_back(static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16)));
      i += 2;
    } else {
      out.push_back(s[i]);
    }
  }
  return out;
}

// The links of every page that do not lead to a file of the site.
std::vector<std::string> BrokenLinks(const std::string& root) {
  std::vector<std::string> broken;
  const std::regex link(R"re((?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
  const fs::path base = fs::canonical(root);
  for (const std::string& page : FilesBelow(root)) {
    if (!page.ends_with(".html")) continue;
    const std::string text = ReadWholeFile(root + page);
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
      const std::string target = (*it)[1];
      const fs::path resolved =
          (fs::path(root + page).parent_path() / PercentDecoded(target)).lexically_normal();
      std::error_code ec;
      const fs::path real = fs::canonical(resolved, ec);
      const bool inside = !ec && real.string().starts_with(base.string() + "/");
      if (target.find(':') != std::string::npos || !inside || !fs::is_regular_file(real)) {
        broken.push_back(page + " -> " + target);
      }
    }
  }
  return broken;
}

bool SafeEverywhere(const std::string& component) {
  if (component.empty() || component.back() == '.' || component.back() == ' ') return false;
  for (char c : component) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("<>:\"\\|?*").find(c) != std::string_view::npos) {
      return false;
    }
  }
  std::string stem = component.substr(0, component.find('.'));
  for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return stem != "CON" && stem != "AUX" && stem != "NUL" && stem != "PRN";
}

TEST_F(KeepExportTest, SiteLinksAllResolveAndNamesAreSafeEverywhere) {
  settings_.options.smileys = true;
  AddTexts("alice", "bob", "20060412", {"hi :)", "hello"});
  AddTexts("alice", "bob", "20060501", {"again"});
  AddTexts("alice", "Bob", "20060412", {"another bob"});
  AddTexts("alice", "CON", "20060412", {"device"});
  AddTexts("alice", "a:b?*", "20060412", {"odd"});
  AddTexts("alice", "dots. ", "20060412", {"trailing"});
  // Names whose safe forms would be too long for a file system, and alike
  // in the part that is kept.
  AddTexts("alice", std::string(90, ':') + "one", "20060412", {"long one"});
  AddTexts("alice", std::string(90, ':') + "two", "20060412", {"long two"});
  AddTexts("zoë", "bob", "20070102", {"second identity"});
  AddTexts("R&B <i>x", "R&B <i>x", "20070104", {"named in markup"});
  AddTexts("zoë", "cut", "20070103", {"read"});
  testing::WriteBytes(sources_.back().path, ReadWholeFile(sources_.back().path) + "\x01\x02");
  Export(ExportFormat::kSite);
  // A file that ends inside a record header: its page says so, as the view does.
  const std::string cut = ReadWholeFile(out_ / "zoë/cut/20070103-zoë.html");
  EXPECT_NE(cut.find(">Read beyond end of file</p>"), std::string::npos);

  const std::string root = out_.path();
  EXPECT_EQ(BrokenLinks(root), std::vector<std::string>{});
  std::map<std::string, std::set<std::string>> folded;  // folder -> names, case folded
  for (const std::string& file : FilesBelow(root)) {
    fs::path parent;
    for (const fs::path& part : fs::path(file)) {
      EXPECT_TRUE(SafeEverywhere(part.string())) << file;
      EXPECT_LE(part.string().size(), 100u) << file;
      std::string lower = part.string();
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      folded[parent.string()].insert(lower);
      parent /= part;
    }
    if (!file.ends_with(".html")) continue;
    const std::string page = ReadWholeFile(root + file);
    EXPECT_EQ(page.find("<i>x"), std::string::npos) << file;  // names are text
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos) << file;
    EXPECT_LT(page.find("<meta charset"), 1024u) << file;
    // Only the site's own scripts run: the search page's, and on a day page
    // the one that marks a search's hits, alone.
    const std::size_t script = page.find("<script");
    if (file == "search.html") {
      EXPECT_EQ(page.find("<script>"), std::string::npos);
    } else if (script != std::string::npos) {
      EXPECT_EQ(page.substr(script, 44), "<script src=\"../../search/mark.js\"></script>") << file;
      EXPECT_EQ(page.find("<script", script + 1), std::string::npos) << file;
    }
  }
  // Seven friend folders below alice: two differ only in case, two only past the cut.
  EXPECT_EQ(folded["alice"].size(), 7u);
  EXPECT_EQ(folded[""].count("smileys"), 1u);
  std::set<std::string> friend_folders;
  for (const auto& e : fs::directory_iterator(root + "alice"))
    friend_folders.insert(e.path().filename());
  EXPECT_EQ(friend_folders.size(), 7u);
  // Folder names lead back to the names they stand for.
  std::set<std::string> originals;
  for (const std::string& f : friend_folders) originals.insert(OriginalName(f));
  EXPECT_TRUE(originals.count("CON") && originals.count("a:b?*") && originals.count("dots. "));
  for (const char* page : {"index.html", "R&B %3Ci%3Ex/R&B %3Ci%3Ex/index.html",
                           "R&B %3Ci%3Ex/R&B %3Ci%3Ex/20070104-R&B %3Ci%3Ex.html"}) {
    EXPECT_NE(ReadWholeFile(root + page).find("R&amp;B &lt;i&gt;x"), std::string::npos) << page;
  }
}

TEST_F(KeepExportTest, SitePagesCarryTheTextsCountsChartAndNeighbours) {
  AddTexts("alice", "bob", "20060412", {kGreek, kRussian, kChinese});
  AddTexts("alice", "bob", "20060413", {"one two three"});
  AddTexts("alice", "bob", "20060601", {"later"});
  Export(ExportFormat::kSite);
  const std::string day = ReadWholeFile(out_ / "alice/bob/20060412-alice.html");
  for (const char* text : {kGreek, kRussian, kChinese}) {
    EXPECT_NE(day.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(day.find("rel=\"prev\""), std::string::npos);
  EXPECT_NE(day.find("<a href=\"20060413-alice.html\" rel=\"next\">"), std::string::npos);
  EXPECT_NE(day.find("<a href=\"index.html\" rel=\"up\">bob</a>"), std::string::npos);
  const std::string middle = ReadWholeFile(out_ / "alice/bob/20060413-alice.html");
  EXPECT_NE(middle.find("<a href=\"20060412-alice.html\" rel=\"prev\">"), std::string::npos);
  EXPECT_NE(middle.find("<a href=\"20060601-alice.html\" rel=\"next\">"), std::string::npos);

  const std::string friend_page = ReadWholeFile(out_ / "alice/bob/index.html");
  // Greek 3 words, Russian 3, Chinese 1; messages 2 received and 1 sent.
  EXPECT_NE(friend_page.find(
                "2006-04-12</a></td><td class=\"name\">20060412-alice.dat</td><td class=\"n\">3"
                "</td><td class=\"n\">7</td>"),
            std::string::npos);
  EXPECT_NE(friend_page.find("<title>2006-04: 1 sent</title>"), std::string::npos);
  EXPECT_NE(friend_page.find("<title>2006-04: 3 received</title>"), std::string::npos);
  EXPECT_NE(friend_page.find("<title>2006-05: 0 sent</title>"), std::string::npos);
  EXPECT_NE(friend_page.find("<title>2006-06: 1 received</title>"), std::string::npos);
  const std::string index = ReadWholeFile(out_ / "index.html");
  EXPECT_NE(index.find("<a href=\"alice/bob/index.html\">bob</a></td><td class=\"n\">3</td><td "
                       "class=\"n\">5</td><td>2006-04-12</td><td>2006-06-01</td>"),
            std::string::npos);
  // Where the reader is: the day in the title and heading, the year on the
  // friend's page, the totals on the index.
  EXPECT_NE(day.find("<title>bob - 2006-04-12 - alice</title>"), std::string::npos);
  EXPECT_NE(day.find("&rsaquo; <a href=\"index.html\">bob</a> &rsaquo; 2006-04-12<h1"),
            std::string::npos);
  EXPECT_NE(friend_page.find("<h3 id=\"y2006\">2006 <span class=\"sub\">3 days, 5 messages"),
            std::string::npos);
  EXPECT_NE(index.find("1 identity, 1 friend, 3 conversations, 5 messages, 2006-04-12 to "
                       "2006-06-01"),
            std::string::npos);
}

TEST_F(KeepExportTest, AStoppedSiteHasNoIndexAndNoHalfPage) {
  AddTexts("alice", "bob", "20060412", {"a"});
  AddTexts("alice", "bob", "20060413", {"b"});
  Export(ExportFormat::kSite, 1);
  EXPECT_EQ(FilesBelow(out_.path()), std::vector<std::string>{"alice/bob/20060412-alice.html"});
  EXPECT_TRUE(ReadWholeFile(out_ / "alice/bob/20060412-alice.html").ends_with("</html>\r\n"));
}

}  // namespace
}  // namespace orvex
