// The website's search page in a real browser (headless Chromium, from
// file://), against orvex-cli search of the same archive with UTF-8 as the
// code page: the same counts, ranked, message text only ever text, and the
// hits marked on the day page a result opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"

namespace orvex {
namespace {

using testing::RecordToWrite;
using testing::RunProgram;

constexpr char kChromium[] = "/usr/bin/chromium";

std::string UrlEncoded(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%%%02X", c);
    out += std::isalnum(c) ? std::string(1, static_cast<char>(c)) : std::string(hex);
  }
  return out;
}

std::string EscapedHtml(const std::string& text) {
  std::string out;
  for (char c : text)
    out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
  return out;
}

struct Ranked {
  std::string conversation;  // friend folder and file stem: "bob/20060101-alice"
  int hits = 0;
  bool operator==(const Ranked&) const = default;
};

void PrintTo(const Ranked& r, std::ostream* os) {
  *os << r.conversation << ":" << r.hits;
}

class CliSiteSearch : public ::testing::Test {
 protected:
  void Write(const std::string& friend_name, const std::string& day,
             const std::vector<std::string>& texts) {
    std::vector<RecordToWrite> records;
    for (const std::string& t : texts) {
      RecordToWrite r;
      r.time_value = testing::TimeValueFromUnixSeconds(1136073600);
      r.direction = 1;
      r.text = t;
      records.push_back(r);
    }
    testing::WriteBytes(
        profiles_ / ("alice/Archive/Messages/" + friend_name + "/" + day + "-alice.dat"),
        testing::EncodeArchive(records, "alice"));
  }

  // What the companion counts, ranked as the page ranks: most hits first,
  // ties in list order.
  std::vector<Ranked> Expected(const std::string& text) {
    const auto r =
        RunProgram(ORVEX_CLI, {"search", profiles_.path(), text, "--all", "--code-page", "65001"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<Ranked> ranked;
    const std::regex line(R"re((\d+)\t.*/Messages/([^\n]*)\.dat\n)re");
    for (auto m = std::sregex_iterator(r.out.begin(), r.out.end(), line);
         m != std::sregex_iterator(); ++m) {
      if (std::stoi((*m)[1]) > 0) ranked.push_back({(*m)[2], std::stoi((*m)[1])});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked& a, const Ranked& b) { return a.hits > b.hits; });
    return ranked;
  }

  // The DOM of a page of the site once it has loaded; `url` from the site's root.
  std::string Page(const std::string& url) {
    const auto r =
        RunProgram(kChromium, {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                               "--disable-background-networking", "--disable-component-update",
                               "--disable-sync", "--user-data-dir=" + (browser_ / "profile"),
                               "--dump-dom", "file://" + (site_ / url)});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }

  testing::TempFolder profiles_, site_, browser_;
};

TEST_F(CliSiteSearch, CountsEqualTheCompanionsAndMessagesStayText) {
  if (!std::filesystem::exists(kChromium)) GTEST_SKIP() << "no " << kChromium;
  Write("bob", "20060101",
        {"Tonight? TONIGHT! tonight", "aaaa", "\xD0\x9F\xD1\x80\xD0\xB8", "see you next day"});
  Write("bob", "20060102",
        {"<script>document.title='owned'</script><b>tonight</b>",
         "<img src=x onerror=\"document.title='owned'\">aa"});
  Write("carol \xCE\xB1", "20060103",
        {"tonight \xF0\x9F\x98\x80", "\xD0\x9F\xD0\xA0\xD0\x98 \xD0\xBF\xD1\x80\xD0\xB8",
         "tonightonight", "tonight"});
  Write("dave", "20060104", {"nothing to find", "caf\xC3\xA9 CAF\xC3\x89", "C:\\"});
  const auto exported =
      RunProgram(ORVEX_CLI, {"export", profiles_.path(), site_.path(), "--site", "--all"});
  ASSERT_EQ(exported.status, 0) << exported.err;

  const std::regex link(
      R"re(<a href="([^"]*/([^"/]*)/([^"/]*)\.html#q=[^"]*)" data-hits="(\d+)">)re");
  // Each text, and the marks on the page of its first result (-1: not looked at); the
  // page marks places that do not overlap, and none in its navigation ("Next day").
  // clang-format off
  const std::vector<std::pair<std::string, int>> table = {
      {"tonight", 3}, {"TONIGHT", 3}, {"onight", 3}, {"aa", 2}, {"\xD0\x9F\xD1\x80\xD0\xB8", 1},
      {"\xD0\xBF\xD1\x80\xD0\xB8", 1}, {"caf\xC3\xA9", 1}, {"</script>", -1}, {"t\r\na", 0},
      {"next day", 1}, {"\\", 1}, {"zebra", -1}};
  // clang-format on
  for (const auto& [text, marks] : table) {
    const std::string dom = Page("search.html?q=" + UrlEncoded(text));
    std::vector<Ranked> shown;
    int hits = 0;
    for (auto m = std::sregex_iterator(dom.begin(), dom.end(), link); m != std::sregex_iterator();
         ++m) {
      // The page names folders as links do: "carol%20%CE%B1".
      std::string folder = (*m)[2];
      if (folder.starts_with("carol")) folder = "carol \xCE\xB1";
      shown.push_back({folder + "/" + std::string((*m)[3]), std::stoi((*m)[4])});
      hits += shown.back().hits;
    }
    EXPECT_EQ(shown, Expected(text)) << text;
    const std::size_t n = shown.size();
    EXPECT_NE(dom.find(std::to_string(n) + (n == 1 ? " conversation, " : " conversations, ") +
                       std::to_string(hits) + (hits == 1 ? " hit" : " hits") +
                       " \xC2\xB7 searched 4 of 4"),
              std::string::npos)
        << text;
    const std::string titled = EscapedHtml(text) + " - Search";
    EXPECT_NE(dom.find("<title>" + titled + "</title>"), std::string::npos) << text;
    EXPECT_NE(dom.find(">" + titled + "</h1>"), std::string::npos) << text;
    EXPECT_EQ(dom.find("No conversation holds") == std::string::npos, n > 0) << text;
    EXPECT_EQ(dom.find("search data is missing"), std::string::npos) << text;
    EXPECT_EQ(dom.find("<img"), std::string::npos) << text;
    EXPECT_EQ(dom.find("<b>"), std::string::npos) << text;
    std::smatch first;
    if (marks < 0 || !std::regex_search(dom, first, link)) continue;
    const std::string day = Page(first[1]);
    int marked = 0;
    for (std::size_t at = day.find("<mark>"); at != std::string::npos;
         at = day.find("<mark>", at + 1))
      ++marked;
    EXPECT_EQ(marked, marks) << text;
  }
  std::filesystem::remove(site_ / "search/text-1.js");
  EXPECT_NE(Page("search.html?q=tonight").find("search data is missing"), std::string::npos);
}

}  // namespace
}  // namespace orvex
