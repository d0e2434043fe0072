// orvex-cli in the system code page: chosen by the user's language, the
// registry stand-in's "ACP" or --code-page; every character of a conversation
// survives in its language's page and in UTF-8, and the Western page still
// writes "?" for what it lacks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"

namespace orvex {
namespace {

using testing::RunProgram;

constexpr char kTheme[] =
    "_FILEHEADER_\n<html>\n_CONVERSATIONHEADER_\n_MESSAGE1_\n%id: %text\n"
    "_MESSAGE2_\n%id: %text\n_CONVERSATIONFOOTER_\n_FILEFOOTER_\n</html>\n";

struct Language {
  const char* name;
  const char* locale;
  std::string utf8;     // the message as written
  std::string own;      // in the language's code page
  std::string western;  // in Windows-1252
};

void PrintTo(const Language& l, std::ostream* os) {
  *os << l.name;
}

class CliCodePage : public ::testing::TestWithParam<Language> {
 protected:
  CliCodePage() {
    testing::WriteBytes(theme_, kTheme);
    testing::RecordToWrite r;
    r.time_value = testing::TimeValueFromUnixSeconds(1234567890);
    r.direction = 1;
    r.text = GetParam().utf8;
    file_ = dir_ / "alice/Archive/Messages/bob/20090214-alice.dat";
    testing::WriteBytes(file_, testing::EncodeArchive({r}, "alice"));
  }

  // The message line of `render` under a locale, with more arguments.
  testing::ProgramResult Render(const std::string& locale, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"render", file_, "--theme", theme_, "--no-date", "--no-time"};
    args.insert(args.end(), more.begin(), more.end());
    return RunProgram(ORVEX_CLI, args, {"LC_ALL=" + locale, "XDG_CONFIG_HOME=" + config_.path()});
  }

  static std::string Page(const std::string& text) {
    return "\r\n<html>\r\n\r\n\r\n\r\nbob: " + text + "\r\n\r\n\r\n</html>\r\n";
  }

  void SetAcp(const std::string& value) {
    testing::WriteBytes(config_ / "orvex/registry.ini",
                        "[SYSTEM/CurrentControlSet/Control/Nls/CodePage]\r\nACP=" + value + "\r\n");
  }

  testing::TempFolder dir_, config_, out_;
  std::string theme_ = dir_ / "test.th";
  std::string file_;
};

TEST_P(CliCodePage, RenderWritesTheLanguagesPageUtf8OrWestern) {
  const Language& l = GetParam();
  EXPECT_EQ(Render(l.locale).out, Page(l.own));
  EXPECT_EQ(Render(l.locale, {"--code-page", "65001"}).out, Page(l.utf8));
  EXPECT_EQ(Render("C").out, Page(l.western));
  EXPECT_EQ(Render("en_US.UTF-8").out, Page(l.western));
  SetAcp("65001");
  EXPECT_EQ(Render(l.locale).out, Page(l.utf8));
  EXPECT_EQ(Render(l.locale, {"--code-page", "1252"}).out, Page(l.western));
}

TEST_P(CliCodePage, StatisticsCountTheBytesOfThePage) {
  const Language& l = GetParam();
  auto bytes_row = [](const std::string& grid) {
    const std::size_t at = grid.find("bytes\t");
    return grid.substr(at, grid.find('\n', at) - at);
  };
  const std::string own = std::to_string(l.own.size());
  const std::string utf8 = std::to_string(l.utf8.size());
  EXPECT_EQ(bytes_row(Render(l.locale, {"--stats"}).out), "bytes\t0\t" + own + "\t" + own);
  EXPECT_EQ(bytes_row(Render(l.locale, {"--stats", "--code-page", "65001"}).out),
            "bytes\t0\t" + utf8 + "\t" + utf8);
}

TEST_P(CliCodePage, ExportAndTranscriptFollowThePage) {
  const Language& l = GetParam();
  const auto r =
      RunProgram(ORVEX_CLI,
                 {"export", dir_.path(), out_.path(), "--text", "--all", "--no-date", "--no-time",
                  "--theme", theme_},
                 {"LC_ALL=" + std::string(l.locale), "XDG_CONFIG_HOME=" + config_.path()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadWholeFile(out_ / "20090214-alice-bob.txt"), "\r\nbob (): " + l.own + "\r\n");
  EXPECT_EQ(Render(l.locale, {"--transcript", "--text-only", "--code-page", "65001"}).out,
            "\r\n" + l.utf8 + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CliCodePage,
    ::testing::Values(
        Language{"Russian", "ru_RU.UTF-8",
                 "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBA\xD0\xB0\xD0\xBA "
                 "\xD0\xB4\xD0\xB5\xD0\xBB\xD0\xB0?",
                 "\xCF\xF0\xE8\xE2\xE5\xF2, \xEA\xE0\xEA \xE4\xE5\xEB\xE0?", "??????, ??? ?????"},
        Language{"Greek", "el_GR.UTF-8",
                 "\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1 "
                 "\xCE\xBA\xCF\x8C\xCF\x83\xCE\xBC\xCE\xB5",
                 "\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1 \xEA\xFC\xF3\xEC\xE5", "???????? ?????"},
        Language{"Polish", "pl_PL.UTF-8",
                 "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 "
                 "ja\xC5\xBA\xC5\x84",
                 "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1", "Za?\xF3?? g??l? ja??"},
        Language{"Turkish", "tr_TR.UTF-8", "G\xC3\xBCnayd\xC4\xB1n, \xC4\xB0stanbul",
                 "G\xFCnayd\xFDn, \xDDstanbul", "G\xFCnayd?n, ?stanbul"},
        Language{"Vietnamese", "vi_VN.UTF-8",
                 "Ti\xE1\xBA\xBFng Vi\xE1\xBB\x87t c\xC3\xB3 d\xE1\xBA\xA5u",
                 "Ti\xEA\xECng Vi\xEA\xF2t c\xF3 d\xE2\xECu", "Ti?ng Vi?t c\xF3 d?u"},
        Language{"Thai", "th_TH.UTF-8",
                 "\xE0\xB8\xAA\xE0\xB8\xA7\xE0\xB8\xB1\xE0\xB8\xAA\xE0\xB8\x94\xE0\xB8\xB5"
                 "\xE0\xB8\x84\xE0\xB8\xA3\xE0\xB8\xB1\xE0\xB8\x9A",
                 "\xCA\xC7\xD1\xCA\xB4\xD5\xA4\xC3\xD1\xBA", "??????????"},
        Language{"Chinese", "zh_CN.UTF-8",
                 "\xE4\xBD\xA0\xE5\xA5\xBD\xEF\xBC\x8C\xE4\xB8\x96\xE7\x95\x8C",
                 "\xE4\xBD\xA0\xE5\xA5\xBD\xEF\xBC\x8C\xE4\xB8\x96\xE7\x95\x8C", "?????"}),
    [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

class CliCodePageChoice : public ::testing::Test {
 protected:
  testing::TempFolder config_;
};

TEST_F(CliCodePageChoice, AnUnsupportedAcpIsReportedAndTheLanguageDecides) {
  testing::WriteBytes(config_ / "orvex/registry.ini",
                      "[SYSTEM/CurrentControlSet/Control/Nls/CodePage]\r\nACP=950\r\n");
  testing::TempFolder dir;
  const std::string file = dir / "a/Archive/Messages/b/20090214-a.dat";
  testing::RecordToWrite r;
  r.text = "\xD0\x96";
  testing::WriteBytes(file, testing::EncodeArchive({r}, "a"));
  const auto result = RunProgram(ORVEX_CLI, {"records", file},
                                 {"LC_ALL=ru_RU.UTF-8", "XDG_CONFIG_HOME=" + config_.path()});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err,
            "The system code page \"950\" is not supported (874, 1250 to 1258 or 65001); code "
            "page 1251 is used.\n");
  EXPECT_NE(result.out.find("\\xC6"), std::string::npos) << result.out;
}

TEST_F(CliCodePageChoice, AnUnsupportedOptionIsABadArgument) {
  for (const char* value : {"950", "1252x", "utf-8", ""}) {
    const auto r = RunProgram(ORVEX_CLI, {"index", config_.path(), "--code-page", value});
    EXPECT_EQ(r.status, 2) << value;
  }
  EXPECT_EQ(RunProgram(ORVEX_CLI, {"index", config_.path(), "--code-page", "874"}).status, 0);
}

}  // namespace
}  // namespace orvex

namespace orvex {
namespace {

// "%shorttime" is the time text cut to six bytes: in UTF-8 the cut falls
// before a character, never inside one.
TEST(CliCodePageShortTime, CutBeforeACharacter) {
  testing::TempFolder dir;
  const std::string theme = dir / "t.th";
  testing::WriteBytes(theme,
                      "_FILEHEADER_\n_CONVERSATIONHEADER_\n_MESSAGE1_\n_MESSAGE2_\n[%shorttime]\n"
                      "_CONVERSATIONFOOTER_\n_FILEFOOTER_\n");
  testing::RecordToWrite r;
  r.time_value = testing::TimeValueFromUnixSeconds(1234567890);  // 02:31:30
  r.direction = 1;
  r.text = "x";
  const std::string file = dir / "a/Archive/Messages/b/20090214-a.dat";
  testing::WriteBytes(file, testing::EncodeArchive({r}, "a"));
  auto shorttime = [&](const char* page) {
    const std::string out =
        RunProgram(ORVEX_CLI, {"render", file, "--theme", theme, "--no-date", "--time-format",
                               "x\xE5\x8D\x88\xE5\xBE\x8C%H", "--code-page", page})
            .out;
    const std::size_t open = out.find('[');
    return out.substr(open + 1, out.find(']') - open - 1);
  };
  EXPECT_EQ(shorttime("65001"), "x\xE5\x8D\x88");
  EXPECT_EQ(shorttime("1252"), "x??02");
}

}  // namespace
}  // namespace orvex
