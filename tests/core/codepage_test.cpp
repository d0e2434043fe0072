// Message texts decoded from UTF-8 into the system's code page, typed text
// converted to it, and each page's own characters.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ylogs/text/codepage.h"

namespace orvex {
namespace {

struct DecodeCase {
  const char* name;
  std::string utf8;
  std::string ansi;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
  *os << c.name;
}

class DecodeArchiveUtf8Test : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeArchiveUtf8Test, StrictTrailBytesLenientLeadBytes) {
  EXPECT_EQ(DecodeArchiveUtf8(GetParam().utf8), GetParam().ansi);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecodeArchiveUtf8Test,
    ::testing::Values(DecodeCase{"Ascii", "plain <b>text</b>\t\r\n", "plain <b>text</b>\t\r\n"},
                      DecodeCase{"Empty", "", ""},
                      DecodeCase{"Latin", "caf\xC3\xA9 \xC3\xBF \xC2\xA0", "caf\xE9 \xFF \xA0"},
                      DecodeCase{"HighCodePageCharacters",
                                 "\xE2\x82\xAC\xC5\x93\xE2\x80\x9C\xE2\x84\xA2",
                                 "\x80\x9C\x93\x99"},
                      DecodeCase{"OutsideTheCodePage", "\xCE\xA9 \xE4\xB8\xAD!", "? ?!"},
                      // a lead byte below 0xC0 without bit 0x20 starts two bytes, with it three
                      DecodeCase{"LenientTwoByteLead", "\x83\xA9", "\xE9"},
                      DecodeCase{"LenientThreeByteLead", "\xA9\x80\x80x", "?x"},
                      // four-byte characters are read as three bytes, leaving a stray last byte
                      DecodeCase{"FourByteCharacter", "a\xF0\x9F\x98\x80", ""},
                      DecodeCase{"BadTrailByte", "ok \xC3(", ""},
                      DecodeCase{"BadSecondTrailByte", "ok \xE2\x82(", ""},
                      DecodeCase{"EndsInsideTwoBytes", "ok \xC3", ""},
                      DecodeCase{"EndsInsideThreeBytes", "ok \xE2\x82", ""}),
    [](const ::testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

TEST(Utf8ToAnsi, TypedTextBecomesCodePageText) {
  EXPECT_EQ(Utf8ToAnsi("Zo\xC3\xAB \xE2\x82\xAC \xCE\xA9"), "Zo\xEB \x80 ?");
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80!"), "?!");
  EXPECT_EQ(Utf8ToAnsi("a\xFF"
                       "b"),
            "a?b");
}

TEST(AnsiToUtf8, CodePageBytesBecomeUtf8) {
  EXPECT_EQ(AnsiToUtf8("caf\xE9 \x80 \x9F"), "caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8");
  for (int c = 0x20; c < 0x100; ++c) {
    const std::string one(1, static_cast<char>(c));
    EXPECT_EQ(DecodeArchiveUtf8(AnsiToUtf8(one)), one) << "byte " << c;
  }
}

}  // namespace
}  // namespace orvex

namespace orvex {
namespace {

// A few characters of each single-byte page, as UTF-8 and as the page's bytes.
struct PageCase {
  int page;
  std::string utf8;
  std::string bytes;
};

void PrintTo(const PageCase& c, std::ostream* os) {
  *os << c.page;
}

class SingleBytePageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(SingleBytePageTest, ConvertsItsCharactersAndNoOthers) {
  const PageCase& c = GetParam();
  EXPECT_EQ(Utf8ToAnsi(c.utf8, c.page), c.bytes);
  EXPECT_EQ(DecodeArchiveUtf8(c.utf8 + " \xE4\xB8\xAD", c.page), c.bytes + " ?");
  EXPECT_EQ(AnsiToUtf8(c.bytes, c.page), c.utf8);
  // Every byte the page assigns comes back as itself.
  for (int b = 0x20; b < 0x100; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::string shown = AnsiToUtf8(one, c.page);
    if (shown == "\xEF\xBF\xBD") continue;  // unassigned
    EXPECT_EQ(Utf8ToAnsi(shown, c.page), one) << "byte " << b;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, SingleBytePageTest,
    ::testing::Values(
        PageCase{874, "\xE0\xB8\x81\xE0\xB8\xBF", "\xA1\xDF"},  // Thai ko kai, baht
        PageCase{1250, "\xC5\x82\xC5\x90\xC5\xBE",
                 "\xB3\xD5\x9E"},  // l stroke, O double acute, z caron
        PageCase{1251, "\xD0\x96\xD1\x8F\xD1\x91", "\xC6\xFF\xB8"},  // Zhe, ya, yo
        PageCase{1252, "\xC3\xA9\xE2\x82\xAC", "\xE9\x80"},          // e acute, euro
        PageCase{1253, "\xCE\xA9\xCE\xAC", "\xD9\xDC"},              // Omega, alpha tonos
        PageCase{1254, "\xC4\x9F\xC4\xB0\xC5\x9F", "\xF0\xDD\xFE"},  // g breve, dotted I, s cedilla
        PageCase{1255, "\xD7\x90\xE2\x82\xAA", "\xE0\xA4"},          // alef, sheqel
        PageCase{1256, "\xD8\xB9\xD9\xBE", "\xDA\x81"},              // ain, peh
        PageCase{1257, "\xC4\x85\xC5\xA0\xC5\xB3", "\xE0\xD0\xF8"},  // a ogonek, S caron, u ogonek
        PageCase{1258, "\xC6\xA1\xC4\x91", "\xF5\xF0"}),             // o horn, d stroke
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::to_string(info.param.page); });

// A letter the page holds only as a base letter and a combining mark (most
// Vietnamese letters with a tone) is written as the two and shown as the two,
// the same letter; "?" only when neither is there.
TEST(CodePages, LettersOfABaseAndAMark) {
  const std::string e_circumflex_dot_below = "\xE1\xBB\x87";
  EXPECT_EQ(Utf8ToAnsi(e_circumflex_dot_below, 1258), "\xEA\xF2");
  EXPECT_EQ(DecodeArchiveUtf8("Vi" + e_circumflex_dot_below + "t", 1258), "Vi\xEA\xF2t");
  EXPECT_EQ(AnsiToUtf8("\xEA\xF2", 1258), "\xC3\xAA\xCC\xA3");
  EXPECT_EQ(Utf8ToAnsi(e_circumflex_dot_below, 1252), "?");
  // Hebrew shin with shin dot.
  EXPECT_EQ(Utf8ToAnsi("\xEF\xAC\xAA", 1255), "\xF9\xD1");
}

TEST(CodePages, SupportedAreTheSingleBytePagesAndUtf8) {
  for (int page : {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 65001}) {
    EXPECT_TRUE(IsSupportedCodePage(page)) << page;
  }
  for (int page : {0, 437, 850, 932, 936, 949, 950, 1200, 1249, 1259, 65000}) {
    EXPECT_FALSE(IsSupportedCodePage(page)) << page;
  }
  EXPECT_EQ(CodePageCharset(874), "windows-874");
  EXPECT_EQ(CodePageCharset(1251), "windows-1251");
  EXPECT_EQ(CodePageCharset(65001), "UTF-8");
}

TEST(CodePages, TheSystemPageIsTheDefaultOfEveryConversion) {
  const int before = SystemCodePage();
  EXPECT_FALSE(SetSystemCodePage(950));
  EXPECT_EQ(SystemCodePage(), before);
  ASSERT_TRUE(SetSystemCodePage(1251));
  EXPECT_EQ(DecodeArchiveUtf8("\xD0\x96"), "\xC6");
  EXPECT_EQ(Utf8ToAnsi("\xD0\x96"), "\xC6");
  EXPECT_EQ(AnsiToUtf8("\xC6"), "\xD0\x96");
  EXPECT_EQ(FileNameToAnsi("\xD0\x96"), "\xC6");
  ASSERT_TRUE(SetSystemCodePage(65001));
  EXPECT_EQ(DecodeArchiveUtf8("\xD0\x96"), "\xD0\x96");
  SetSystemCodePage(before);
}

TEST(Utf8CodePage, DecodedTextsStayUtf8) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\xD0\x9F\xD1\x80\xD0\xB8 \xE4\xBD\xA0\xE5\xA5\xBD \xC3\xA9",
       "\xD0\x9F\xD1\x80\xD0\xB8 \xE4\xBD\xA0\xE5\xA5\xBD \xC3\xA9"},
      {"\x83\xA9", "\xC3\xA9"},                            // a lenient lead: the character it gives
      {"\xA9\x80\x80x", "\xE9\x80\x80x"},                  // U+9000
      {"\xED\xA0\xBD\xED\xB8\x80!", "\xF0\x9F\x98\x80!"},  // a pair of halves: one character
      {"\xED\xA0\xBD!", "\xEF\xBF\xBD!"},                  // a lone half
      {"a\xF0\x9F\x98\x80", ""},                           // four-byte characters still fail
      {"ok \xC3(", ""},
      {"ok \xE2\x82", ""}};
  for (const auto& [in, out] : cases) EXPECT_EQ(DecodeArchiveUtf8(in, kUtf8CodePage), out) << in;
}

TEST(Utf8CodePage, TypedAndShownTextKeepEveryCharacter) {
  EXPECT_EQ(Utf8ToAnsi("\xE4\xBD\xA0 \xF0\x9F\x98\x80 \xCE\xA9", kUtf8CodePage),
            "\xE4\xBD\xA0 \xF0\x9F\x98\x80 \xCE\xA9");
  EXPECT_EQ(Utf8ToAnsi("a\xFF"
                       "b\xED\xA0\xBD",
                       kUtf8CodePage),
            "a?b?");
  EXPECT_EQ(AnsiToUtf8("\xE4\xBD\xA0 \xFF", kUtf8CodePage), "\xE4\xBD\xA0 \xEF\xBF\xBD");
  EXPECT_EQ(FileNameToAnsi("\xE4\xBD\xA0", kUtf8CodePage), "\xE4\xBD\xA0");
}

TEST(CutToLength, NeverInsideACharacterOfTheCodePage) {
  EXPECT_EQ(CutToLength("abc", 6, kUtf8CodePage), "abc");
  EXPECT_EQ(CutToLength(" \xEC\x98\xA4\xED\x9B\x84 3:04", 6, kUtf8CodePage), " \xEC\x98\xA4");
  EXPECT_EQ(CutToLength(" \xEC\x98\xA4\xED\x9B\x84 3:04", 3, kUtf8CodePage), " ");
  EXPECT_EQ(CutToLength(" \xEC\x98\xA4\xED\x9B\x84 3:04", 6, 1251), " \xEC\x98\xA4\xED\x9B");
}

}  // namespace
}  // namespace orvex
