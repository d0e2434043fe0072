// The website's search page in a real browser (headless Chromium, from
// file://), against orvex-cli search of the same archive with UTF-8 as the
// code page: the same counts, ranked, and message text only ever text.
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

  std::string Page(const std::string& text) {
    const auto r = RunProgram(
        kChromium, {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                    "--disable-background-networking", "--disable-component-update",
                    "--disable-sync", "--user-data-dir=" + (browser_ / "profile"), "--dump-dom",
                    "file://" + (site_ / "search.html") + "?q=" + UrlEncoded(text)});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }

  testing::TempFolder profiles_, site_, browser_;
};

TEST_F(CliSiteSearch, CountsEqualTheCompanionsAndMessagesStayText) {
  if (!std::filesystem::exists(kChromium)) GTEST_SKIP() << "no " << kChromium;
  Write("bob", "20060101", {"Tonight? TONIGHT! tonight", "aaaa", "\xD0\x9F\xD1\x80\xD0\xB8"});
  Write("bob", "20060102",
        {"<script>document.title='owned'</script><b>tonight</b>",
         "<img src=x onerror=\"document.title='owned'\">aa"});
  Write("carol \xCE\xB1", "20060103",
        {"tonight \xF0\x9F\x98\x80", "\xD0\x9F\xD0\xA0\xD0\x98 \xD0\xBF\xD1\x80\xD0\xB8",
         "tonightonight", "tonight"});
  Write("dave", "20060104", {"nothing to find", "caf\xC3\xA9 CAF\xC3\x89"});
  const auto exported =
      RunProgram(ORVEX_CLI, {"export", profiles_.path(), site_.path(), "--site", "--all"});
  ASSERT_EQ(exported.status, 0) << exported.err;

  const std::regex link(R"re(<a href="[^"]*/([^"/]*)/([^"/]*)\.html" data-hits="(\d+)">)re");
  for (const std::string text :
       {"tonight", "TONIGHT", "aa", "\xD0\x9F\xD1\x80\xD0\xB8", "\xD0\xBF\xD1\x80\xD0\xB8",
        "caf\xC3\xA9", "</script>", "onight", "t\r\na"}) {
    const std::string dom = Page(text);
    std::vector<Ranked> shown;
    for (auto m = std::sregex_iterator(dom.begin(), dom.end(), link); m != std::sregex_iterator();
         ++m) {
      // The page names folders as links do: "carol%20%CE%B1".
      std::string folder = (*m)[1];
      if (folder.starts_with("carol")) folder = "carol \xCE\xB1";
      shown.push_back({folder + "/" + std::string((*m)[2]), std::stoi((*m)[3])});
    }
    EXPECT_EQ(shown, Expected(text)) << text;
    EXPECT_NE(dom.find("searched 4 of 4"), std::string::npos) << text;
    EXPECT_NE(dom.find("<title>Search</title>"), std::string::npos) << text;
    EXPECT_EQ(dom.find("<img"), std::string::npos) << text;
    EXPECT_EQ(dom.find("<b>"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace orvex
