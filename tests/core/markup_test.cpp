// Message markup: escape codes to HTML, the tag strips, occurrence counting,
// the font-size rewrite and the smiley table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ylogs/archive/archive_reader.h"
#include "ylogs/archive/markup.h"
#include "ylogs/render/smileys.h"

namespace orvex {
namespace {

// Converts a plain text as one record's text of its own length, followed by a
// zero trailer (an empty key leaves the bytes as they are).
std::string Convert(const std::string& text, bool codes = true) {
  const std::string data = text + std::string(4, '\0');
  TextReader reader(data, 0, "");
  return ConvertMessageMarkup(reader, text.size(), codes);
}

struct MarkupCase {
  const char* name;
  std::string text;
  std::string html;
  bool codes = true;
};

void PrintTo(const MarkupCase& c, std::ostream* os) {
  *os << c.name;
}

class ConvertMessageMarkupTest : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(ConvertMessageMarkupTest, GivesTheExpectedFragment) {
  EXPECT_EQ(Convert(GetParam().text, GetParam().codes), GetParam().html);
}

#define ESC "\x1B"

INSTANTIATE_TEST_SUITE_P(
    Codes, ConvertMessageMarkupTest,
    ::testing::Values(
        MarkupCase{"PlainText", "a < b & c > d", "a < b & c > d"},
        MarkupCase{"BoldClosedAtTheEnd", ESC "[1mhi", "<b>hi</b>"},
        MarkupCase{"BoldClosedByItsCode", ESC "[1mhi" ESC "[x1mho", "<b>hi</b>ho"},
        MarkupCase{"ClosingWithoutOpening", ESC "[x1m", "</b>"},
        MarkupCase{"Italic", ESC "[2mi", "<i>i</i>"},
        MarkupCase{"Underline", ESC "[4mu" ESC "[x4m", "<u>u</u>"},
        MarkupCase{"ClosedInFixedOrder", ESC "[4m" ESC "[2m" ESC "[1mx", "<u><i><b>x</b></i></u>"},
        MarkupCase{"DigitColour", ESC "[39mx", "<font color=\"#808000\">x</font>"},
        MarkupCase{"UnknownDigitGivesEmptyColour", ESC "[3zmx", "<font color=\"#\">x</font>"},
        MarkupCase{"ClosingColourTakesNoDigit", ESC "[31mx" ESC "[x3my",
                   "<font color=\"#0000FF\">x</font>y"},
        MarkupCase{"ClosingColourAlone", ESC "[x3m", "</font>"},
        MarkupCase{"TwoDigitColours", ESC "[31mA" ESC "[32mB",
                   "<font color=\"#0000FF\">A</font><font color=\"#008080\">B</font>"},
        MarkupCase{"HexColour", ESC "[#12abEFmX", "<font color=\"#12abEF\">X</font>"},
        MarkupCase{"HexColourNotValidated", ESC "[#<>zz!!mX", "<font color=\"#<>zz!!\">X</font>"},
        MarkupCase{"TwoHexColours", ESC "[#111111mA" ESC "[#222222mB",
                   "<font color=\"#111111\">A</font><font color=\"#222222\">B</font>"},
        MarkupCase{"HexAfterDigit", ESC "[38mA" ESC "[#00FF00mB",
                   "<font color=\"#FF0000\">A</font><font color=\"#00FF00\">B</font>"},
        MarkupCase{"ClosingMarkIgnoredByHex", ESC "[x#123456mX",
                   "<font color=\"#123456\">X</font>"},
        MarkupCase{"LinkCodeGivesNothing", ESC "[lmX" ESC "[xlmY", "XY"},
        MarkupCase{"UnknownCodeGivesNothing", ESC "[5mX", "X"},
        MarkupCase{"UnknownCodeRunsToItsM", ESC "[5;12;abcmX", "X"},
        MarkupCase{"UnknownClosingCode", ESC "[x7mX", "X"},
        MarkupCase{"EmptyCodeEndsAtItsM", ESC "[mXm", "Xm"},
        MarkupCase{"TerminatorIsNotCompared", ESC "[1!X" ESC "[2?Y", "<b>X<i>Y</b></i>"},
        MarkupCase{"ColourTerminatorIsNotCompared", ESC "[35;X",
                   "<font color=\"#FF0080\">X</font>"},
        MarkupCase{"EscapeWithoutBracketDropped", "a" ESC "b", "ab"},
        MarkupCase{"EscapeBeforeACode", ESC ESC "[1mx", "<b>x</b>"},
        MarkupCase{"CodesOff", ESC "[1mx" ESC "[x1m", ESC "[1mx" ESC "[x1m", false},
        MarkupCase{"CodesOffStillBalancesFonts", "<font a>x", "<font a>x</font>", false},
        MarkupCase{"OwnFontTagGetsItsCloser", "<font face=\"Arial\">hi",
                   "<font face=\"Arial\">hi</font>"},
        MarkupCase{"OwnFontTagsCounted", "<font a><font b>x</font>",
                   "<font a><font b>x</font></font>"},
        MarkupCase{"CapitalFontTagsAloneNotCounted", "<FONT face=x>hi", "<FONT face=x>hi"},
        MarkupCase{"CapitalFontTagsCountedBesideALowerOne", "<FONT face=x>" ESC "[31mhi",
                   "<FONT face=x><font color=\"#0000FF\">hi</font></font>"},
        MarkupCase{"CapitalCloserNotCountedAlone", "<font a>x</FONT>", "<font a>x</FONT></font>"},
        MarkupCase{"CapitalCloserCountedBesideALowerOne", "<font a>x</FONT></font>",
                   "<font a>x</FONT></font>"},
        MarkupCase{"FontWithoutBlankNotCounted", "<fontx>y", "<fontx>y"}),
    [](const ::testing::TestParamInfo<MarkupCase>& info) { return std::string(info.param.name); });

class ColorCodeTableTest : public ::testing::TestWithParam<std::pair<char, const char*>> {};

TEST_P(ColorCodeTableTest, DigitGivesItsColour) {
  EXPECT_EQ(ColorCodeValue(static_cast<unsigned char>(GetParam().first)), GetParam().second);
  EXPECT_EQ(Convert(std::string(ESC "[3") + GetParam().first + "m"),
            std::string("<font color=\"#") + GetParam().second + "\"></font>");
}

INSTANTIATE_TEST_SUITE_P(
    Digits, ColorCodeTableTest,
    ::testing::Values(std::make_pair('0', "000000"), std::make_pair('1', "0000FF"),
                      std::make_pair('2', "008080"), std::make_pair('3', "808080"),
                      std::make_pair('4', "008000"), std::make_pair('5', "FF0080"),
                      std::make_pair('6', "800080"), std::make_pair('7', "FF8000"),
                      std::make_pair('8', "FF0000"), std::make_pair('9', "808000"),
                      std::make_pair('a', ""), std::make_pair('/', ""), std::make_pair(':', "")));

// --- strips -----------------------------------------------------------------

enum class Strip { kFade, kFont, kStyle, kPlain };

struct StripCase {
  const char* name;
  Strip strip;
  std::string text;
  std::string result;
};

void PrintTo(const StripCase& c, std::ostream* os) {
  *os << c.name;
}

class StripTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(StripTest, RemovesExactlyItsTags) {
  const StripCase& c = GetParam();
  switch (c.strip) {
    case Strip::kFade:
      EXPECT_EQ(StripFadeTags(c.text), c.result);
      break;
    case Strip::kFont:
      EXPECT_EQ(StripFontTags(c.text), c.result);
      break;
    case Strip::kStyle:
      EXPECT_EQ(StripStyleTags(c.text), c.result);
      break;
    case Strip::kPlain:
      EXPECT_EQ(PlainText(c.text), c.result);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tags, StripTest,
    ::testing::Values(
        StripCase{"Fade", Strip::kFade, "<FADE #ff0000,#0000ff>hi</FADE>!", "hi!"},
        StripCase{"FadeLowerCaseKept", Strip::kFade, "<fade x>hi</fade>", "<fade x>hi</fade>"},
        StripCase{"FadeFormedByClosingRemoval", Strip::kFade, "a<FA</FADE>DE x>b", "ab"},
        StripCase{"FadeFormedByOpeningRemoval", Strip::kFade, "<FA<FADE y>DE z>b", "b"},
        StripCase{"FadeUpToFirstGreaterThan", Strip::kFade, "<FADE a<FADE b>c>d", "c>d"},
        StripCase{"FadeEarlierGreaterThanIgnored", Strip::kFade, ">x<FADE y>z", ">xz"},
        StripCase{"FadeUnterminatedKept", Strip::kFade, "a<FADE x", "a<FADE x"},
        StripCase{"FadeUnterminatedAfterATag", Strip::kFade, "a<FADE x>b<FADE y", "ab<FADE y"},
        StripCase{"FadeClosersGoneBeforeAnUnterminatedOne", Strip::kFade, "<FADE x</FADE>y",
                  "<FADE xy"},
        StripCase{"Font", Strip::kFont, "<font face=\"A\" size=\"10\">hi</font>", "hi"},
        StripCase{"FontNeedsNoBlank", Strip::kFont, "<fontx>hi<font>", "hi"},
        StripCase{"FontCapitalsKept", Strip::kFont, "<FONT x>hi</FONT>", "<FONT x>hi</FONT>"},
        StripCase{"FontFormedByClosingRemoval", Strip::kFont, "<fo</font>nt x>y", "y"},
        StripCase{"FontUnterminatedKept", Strip::kFont, "a</font><font x", "a<font x"},
        StripCase{"FadeTagsNotFontTags", Strip::kFont, "<FADE x>y", "<FADE x>y"},
        StripCase{"Style", Strip::kStyle, "<b>a</b><i>b</i><u>c</u>", "abc"},
        StripCase{"StyleCapitalsKept", Strip::kStyle, "<B>a</B><s>b</s>", "<B>a</B><s>b</s>"},
        StripCase{"StyleLaterTagFormedIsRemoved", Strip::kStyle, "<<b>i>x</<i>b>", "x"},
        StripCase{"StyleEarlierTagFormedStays", Strip::kStyle, "<</b>b>x", "<b>x"},
        StripCase{"StyleAttributesNotTouched", Strip::kStyle, "<b class=x>y", "<b class=x>y"},
        StripCase{"PlainRemovesAllThree", Strip::kPlain,
                  "<FADE #1><font color=\"#FF0000\"><b>hi</b></font></FADE> &amp; <BIG>",
                  "hi &amp; <BIG>"}),
    [](const ::testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

struct CountCase {
  std::string pattern;
  std::string text;
  int count;
};

void PrintTo(const CountCase& c, std::ostream* os) {
  *os << c.pattern << " in " << c.text;
}

class CountOccurrencesTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountOccurrencesTest, CountsIgnoringCaseOnlyAfterAnExactHit) {
  EXPECT_EQ(CountOccurrences(GetParam().pattern, GetParam().text), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Cases, CountOccurrencesTest,
                         ::testing::Values(CountCase{"", "abc", 0}, CountCase{"a", "", 0},
                                           CountCase{"<font ", "<FONT x>", 0},
                                           CountCase{"<font ", "<font a><FONT b>", 2},
                                           CountCase{"ab", "AbAB", 0}, CountCase{"ab", "abAB", 2},
                                           CountCase{"aa", "aaa", 1}, CountCase{"aa", "AAaa", 2},
                                           CountCase{"abc", "xabcyabc", 2}));

TEST(FontSizeRewrite, ReplacesBlankSizeQuoteOnly) {
  EXPECT_EQ(FontSizeRewrite("<font face=\"A\" size=\"10\">x"),
            "<font face=\"A\" style=\"font-size:10\">x");
  EXPECT_EQ(FontSizeRewrite("a size=\"1\" b size=\"2\""),
            "a style=\"font-size:1\" b style=\"font-size:2\"");
  EXPECT_EQ(FontSizeRewrite("size=\"3\" SIZE=\"4\" size=5 \tsize=\"6\""),
            "size=\"3\" SIZE=\"4\" size=5 \tsize=\"6\"");
}

// --- smileys ----------------------------------------------------------------

TEST(SmileyTable, HoldsTheEntriesInTheirOrder) {
  static const std::vector<std::pair<std::string, std::string>> kExpected = {
      {":-))", "18"}, {":))", "18"},   {":-P", "09"},  {":P", "09"},   {":-p", "09"},
      {":p", "09"},   {";-)", "03"},   {":-((", "17"}, {":((", "17"},  {":-/", "06"},
      {":-\\", "06"}, {":\">", "08"},  {":-|", "19"},  {":|", "19"},   {"B-)", "14"},
      {":-B", "14"},  {":B", "22"},    {"X-(", "12"},  {"x-(", "12"},  {"X(", "12"},
      {"x(", "12"},   {":-X", "07"},   {":-x", "07"},  {":X", "07"},   {":x", "07"},
      {"I-)", "24"},  {"|-)", "24"},   {"I-|", "24"},  {"=;", "23"},   {"@};-", "40"},
      {"<):)", "50"}, {"8-X", "46"},   {"=:-)", "47"}, {"=:)", "47"},  {"0:-)", "21"},
      {":O)", "29"},  {":o)", "29"},   {":0)", "29"},  {"<@:)", "29"}, {"3:-O", "37"},
      {"3:-o", "37"}, {"3:O", "37"},   {":(|)", "38"}, {":O)", "36"},  {":@)", "36"},
      {"**==", "42"}, {"(~~)", "43"},  {"[-(", "28"},  {"*-:)", "45"}, {":-$", "27"},
      {"~:>", "39"},  {"~o)", "44"},   {"%%-", "41"},  {"b-(", "56"},  {":)>-", "57"},
      {":-&", "26"},  {"=*", "10"},    {":-*", "10"},  {":*", "10"},   {";;)", "05"},
      {";;-)", "05"}, {"/:-)", "20"},  {"/:)", "20"},  {"(%)", "64"},  {"o-+", "63"},
      {"o=>", "62"},  {"o->", "61"},   {":-L", "49"},  {"[-o<", "51"}, {"[-X", "58"},
      {">:D<", "60"}, {"\\:D/", "59"}, {"=D>", "35"},  {":-?", "33"},  {":^o", "55"},
      {":^O", "55"},  {"@-)", "52"},   {"8-|", "25"},  {"8-}", "30"},  {"(:|", "31"},
      {"=p~", "32"},  {"$-)", "53"},   {":-\"", "54"}, {"#-o", "34"},  {":-)", "01"},
      {":)", "01"},   {"(-:", "01"},   {"(:", "01"},   {":-(", "02"},  {":(", "02"},
      {":-D", "04"},  {":D", "04"},    {":-O", "11"},  {":O", "11"},   {":->", "13"},
      {":>", "13"},   {";)", "03"}};
  EXPECT_EQ(SmileyTableLines().size(), 290u);
  const std::vector<SmileyEntry>& table = DefaultSmileyTable();
  ASSERT_EQ(table.size(), kExpected.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].emoticon, kExpected[i].first) << "entry " << i;
    EXPECT_EQ(table[i].image_file, kExpected[i].second + ".gif") << "entry " << i;
  }
}

TEST(SmileyTable, LastGroupWithoutSeparatorStillCounts) {
  EXPECT_EQ(ParseSmileyTable({}).size(), 0u);
  EXPECT_EQ(ParseSmileyTable({":)", "01.gif", ""}).size(), 1u);
  const std::vector<SmileyEntry> two = ParseSmileyTable({":)", "01.gif", "", ":(", "02.gif"});
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[1].emoticon, ":(");
  EXPECT_EQ(two[1].image_file, "02.gif");
  EXPECT_EQ(ParseSmileyTable({":)", "01.gif", "", ":("}).size(), 2u);
  EXPECT_EQ(ParseSmileyTable({"a", "1", "", "b", "2", "", "c"}).size(), 3u);
}

std::string Img(const std::string& folder, const std::string& number) {
  return "<img src=\"" + folder + number + ".gif\">";
}

struct SmileyCase {
  std::string text;
  std::string result;
};

class SmileySubstitution : public ::testing::TestWithParam<SmileyCase> {};

TEST_P(SmileySubstitution, ReplacesEntriesInTableOrder) {
  const std::string folder = "/opt/orvex/Smileys/";
  std::string expected = GetParam().result;
  // "@NN" in the expectation stands for the picture tag of image NN.
  for (std::size_t at; (at = expected.find('@')) != std::string::npos;) {
    expected.replace(at, 3, Img(folder, expected.substr(at + 1, 2)));
  }
  EXPECT_EQ(SubstituteSmileys(GetParam().text, DefaultSmileyTable(), folder), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SmileySubstitution,
    ::testing::Values(SmileyCase{"hi :) there", "hi @01 there"},
                      SmileyCase{";;-)", ";@03"},  // ";-)" comes before ";;-)"
                      SmileyCase{":O)", "@29"},    // the second ":O)" never matches
                      SmileyCase{":-)) :-)", "@18 @01"}, SmileyCase{":-)))", "@18)"},
                      SmileyCase{"(:| (:", "(@19 @01"},  // ":|" comes first
                      SmileyCase{":-P :-p :P", "@09 @09 @09"},
                      SmileyCase{"x( X( :-x", "@12 @12 @07"}, SmileyCase{"no faces", "no faces"},
                      SmileyCase{":-\\ \\:D/", "@06 @59"}));

TEST(SmileySubstitution, LaterEntryActsInsideAnEarlierPicturePath) {
  const std::string folder = "/a;)/Smileys/";
  EXPECT_EQ(SubstituteSmileys(":))", DefaultSmileyTable(), folder),
            "<img src=\"/a<img src=\"/a;)/Smileys/03.gif\">/Smileys/18.gif\">");
}

TEST(SmileySubstitution, PathIsInsertedUnchanged) {
  EXPECT_EQ(SubstituteSmileys(":D", DefaultSmileyTable(), "C:\\Program Files\\Orvex\\Smileys\\"),
            "<img src=\"C:\\Program Files\\Orvex\\Smileys\\04.gif\">");
}

}  // namespace
}  // namespace orvex
