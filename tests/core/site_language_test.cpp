// The website speaks the user's language in its own texts, and leaves the
// messages as they were, marked with the language they always had.
#include <gtest/gtest.h>

#include <map>

#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/program/user_language.h"

namespace orvex {
namespace {

struct LanguageCase {
  const char* asked;  // as --lang or the system names it
  const char* tag;
  const char* index_heading;
  const char* search_heading;
  bool right_to_left;
};

void PrintTo(const LanguageCase& c, std::ostream* os) {
  *os << c.asked;
}

class SiteLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(SiteLanguage, CaptionsFollowTheLanguageAndMessagesStayAsTheyWere) {
  const LanguageCase& c = GetParam();
  testing::TempFolder in, out;
  const std::string message = "Grüße from Zürich, see you";
  testing::RecordToWrite record;
  record.text = message;
  const std::string path = in.path() + "alice/Archive/Messages/bob/20060412-alice.dat";
  testing::WriteBytes(path, testing::EncodeArchive({record}, "alice"));
  const Theme theme{"<html><head></head><body>", "", "%text", "%text", "", "</body></html>"};
  ExportContext context;
  context.folder = out.path();
  context.theme = context.settings.theme = &theme;
  context.language = MatchLanguage(c.asked);
  ExportConversations({{path, "20060412-alice.dat", "bob", "alice", std::nullopt, 0, 0}},
                      *MakeConversationWriter(ExportFormat::kSite, context),
                      [](std::size_t) { return false; });

  const std::string html =
      std::string("<html lang=\"") + c.tag + "\"" + (c.right_to_left ? " dir=\"rtl\">" : ">");
  const std::string index = ReadWholeFile(out.path() + "index.html");
  const std::string search = ReadWholeFile(out.path() + "search.html");
  EXPECT_NE(index.find(html), std::string::npos);
  EXPECT_NE(search.find(html), std::string::npos);
  EXPECT_NE(index.find(std::string("<h1>") + c.index_heading + "</h1>"), std::string::npos);
  EXPECT_NE(search.find(std::string(">") + c.search_heading + "</h1>"), std::string::npos);
  // English keeps its script's own texts; another language gives it its own.
  EXPECT_EQ(search.find("id=\"captions\"") != std::string::npos, std::string(c.tag) != "en");
  const std::string day = ReadWholeFile(out.path() + "alice/bob/20060412-alice.html");
  EXPECT_NE(day.find("<html lang=\"en\">"), std::string::npos);
  EXPECT_NE(day.find(message), std::string::npos);
  EXPECT_EQ(day.find("dir=\"rtl\"") != std::string::npos, c.right_to_left);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SiteLanguage,
    ::testing::Values(LanguageCase{"de_DE.UTF-8", "de", "Unterhaltungen", "Suche", false},
                      LanguageCase{"pt-BR", "pt-BR", "Conversas", "Pesquisa", false},
                      LanguageCase{"zh", "zh-CN", "会话", "搜索", false},
                      LanguageCase{"ar", "ar", "المحادثات", "البحث", true},
                      LanguageCase{"xx", "en", "Conversations", "Search", false}));

TEST(SystemLanguage, LanguageFirstUnlessTheLocaleIsCThenTheLocale) {
  using Env = std::map<std::string, std::string>;
  const std::pair<Env, const char*> cases[] = {
      {{{"LANGUAGE", "it:fr_CA:de"}, {"LANG", "en_US.UTF-8"}}, "fr"},
      {{{"LANGUAGE", "en:de"}, {"LANG", "de_DE.UTF-8"}}, "en"},
      {{{"LANGUAGE", "de"}, {"LC_ALL", "C.UTF-8"}, {"LANG", "ru_RU"}}, "en"},
      {{{"LC_MESSAGES", "ru_RU.KOI8-R"}, {"LANG", "de_DE"}}, "ru"},
      {{{"LANG", "it_IT.UTF-8"}}, "en"},
      {{}, "en"},
  };
  for (const auto& c : cases) {
    const Env& env = c.first;
    EXPECT_EQ(SystemLanguage([&env](const char* name) -> const char* {
                const auto found = env.find(name);
                return found == env.end() ? nullptr : found->second.c_str();
              }),
              c.second);
  }
}

}  // namespace
}  // namespace orvex
