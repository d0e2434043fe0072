// Message texts decoded from UTF-8 into the program's code page, and typed
// text converted to it.
#include <gtest/gtest.h>

#include <string>

#include "ylogs/archive/codepage.h"

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
