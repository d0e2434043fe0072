// Rendering one archive file: the themed body, the transcript and the counts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/file_error.h"
#include "ylogs/render/renderer.h"

namespace orvex {
namespace {

using testing::EncodeArchive;
using testing::RecordToWrite;

#define ESC "\x1B"

// Short date YYYY-MM-DD and long time HH:MM:SS; `short_clock` gives H:MM,
// `no_date` an empty date text.
class FixedFormatter : public DateTimeFormatter {
 public:
  bool short_clock = false;
  bool no_date = false;
  std::string ShortDate(double t) const override {
    return no_date ? "" : FormatIsoDate(DayCountToCivil(t));
  }
  std::string LongTime(double t) const override {
    const CivilDateTime c = DayCountToCivil(t);
    char buf[32];
    if (short_clock) {
      std::snprintf(buf, sizeof buf, "%d:%02d", c.hour, c.minute);
    } else {
      std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", c.hour, c.minute, c.second);
    }
    return buf;
  }
};

struct Msg {
  int direction;
  std::string text;
};

// 2009-02-13 23:31:30 UTC, shown three hours later.
constexpr std::uint32_t kSeconds = 1234567890;
constexpr char kStamp[] = "(2009-02-14 02:31:30)";

class Renderer : public ::testing::Test {
 protected:
  Renderer() {
    theme_.message1 = "\r\nM1 %id %datetime|%date|%time|%shorttime|%text";
    theme_.message2 = "\r\nM2 %id %datetime|%date|%time|%shorttime|%text";
    settings_.theme = &theme_;
    settings_.formatter = &formatter_;
    settings_.smileys = &DefaultSmileyTable();
    settings_.program_folder = "/prog/";
    settings_.messages = [this](const std::string& m) { messages_.push_back(m); };
  }

  std::string PathOf(const std::string& file) const {
    return dir_ / ("alice/Archive/Messages/bob/" + file);
  }

  std::string Write(const std::vector<Msg>& msgs, const std::string& file = "20090214-alice.dat",
                    const std::string& key = "alice") {
    std::vector<RecordToWrite> records;
    for (const Msg& m : msgs) {
      RecordToWrite r;
      r.time_value = testing::TimeValueFromUnixSeconds(kSeconds);
      r.direction = static_cast<std::uint8_t>(m.direction);
      r.text = m.text;
      records.push_back(r);
    }
    testing::WriteBytes(PathOf(file), EncodeArchive(records, key));
    return PathOf(file);
  }

  std::string Render(const std::string& path, bool text_only = false) {
    return RenderArchiveFile(path, text_only, settings_, state_);
  }

  static void ExpectSide(const MessageCounters::Side& s, int messages, int words, int bytes,
                         int started) {
    EXPECT_EQ(s.messages, messages);
    EXPECT_EQ(s.words, words);
    EXPECT_EQ(s.bytes, bytes);
    EXPECT_EQ(s.started, started);
  }

  testing::TempFolder dir_;
  Theme theme_;
  FixedFormatter formatter_;
  RenderSettings settings_;
  RenderState state_;
  std::vector<std::string> messages_;
};

TEST_F(Renderer, FillsEachSidesTemplateAndWritesTheTranscript) {
  const std::string path = Write({{0, "hi there"}, {1, "yo"}, {6, "six"}});
  EXPECT_EQ(Render(path),
            "\r\n\r\nM1 alice (2009-02-14 02:31:30)|2009-02-14| 02:31:30| 02:31|hi there"
            "\r\n\r\nM2 bob (2009-02-14 02:31:30)|2009-02-14| 02:31:30| 02:31|yo"
            "\r\n\r\nM2 bob (2009-02-14 02:31:30)|2009-02-14| 02:31:30| 02:31|six");
  EXPECT_EQ(state_.file_transcript,
            "\r\nalice (2009-02-14 02:31:30): hi there"
            "\r\nbob (2009-02-14 02:31:30): yo"
            "\r\nbob (2009-02-14 02:31:30): six");
  ExpectSide(state_.counters.side[0], 1, 2, 8, 1);
  ExpectSide(state_.counters.side[1], 2, 2, 5, 0);
  EXPECT_TRUE(messages_.empty());
}

struct DateTimeCase {
  bool date;
  bool time;
  const char* filled;      // %datetime|%date|%time|%shorttime
  const char* transcript;  // the part between the name and the text
};

class RendererDateTime : public Renderer, public ::testing::WithParamInterface<DateTimeCase> {};

TEST_P(RendererDateTime, OptionsDecideDateAndTimeTexts) {
  settings_.options.date = GetParam().date;
  settings_.options.time = GetParam().time;
  const std::string path = Write({{0, "hi"}});
  EXPECT_EQ(Render(path), std::string("\r\n\r\nM1 alice ") + GetParam().filled + "|hi");
  EXPECT_EQ(state_.file_transcript, std::string("\r\nalice ") + GetParam().transcript + ": hi");
}

INSTANTIATE_TEST_SUITE_P(
    Options, RendererDateTime,
    ::testing::Values(DateTimeCase{true, true, "(2009-02-14 02:31:30)|2009-02-14| 02:31:30| 02:31",
                                   "(2009-02-14 02:31:30)"},
                      DateTimeCase{false, true, "(02:31:30)||02:31:30|02:31:", "(02:31:30)"},
                      DateTimeCase{true, false, "(2009-02-14)|2009-02-14||", "(2009-02-14)"},
                      DateTimeCase{false, false, "|||", "()"}));

TEST_F(Renderer, ShortTimeTakesAllOfAShortTimeAndTheBlankFollowsTheDateText) {
  formatter_.short_clock = true;
  EXPECT_EQ(Render(Write({{0, "a"}})),
            "\r\n\r\nM1 alice (2009-02-14 2:31)|2009-02-14| 2:31| 2:31|a");
  formatter_.no_date = true;  // the date box is checked, but its text is empty
  EXPECT_EQ(Render(Write({{0, "a"}})), "\r\n\r\nM1 alice (2:31)||2:31|2:31|a");
}

TEST_F(Renderer, TemplateWithoutTextStillCountsAndTranscribes) {
  theme_.message1 = "\r\n[%id]";
  EXPECT_EQ(Render(Write({{0, "two words"}})), "\r\n\r\n[alice]");
  EXPECT_EQ(state_.file_transcript, std::string("\r\nalice ") + kStamp + ": two words");
  ExpectSide(state_.counters.side[0], 1, 2, 9, 1);
}

TEST_F(Renderer, WithoutAThemeEveryMessageIsALineBreak) {
  settings_.theme = nullptr;
  EXPECT_EQ(Render(Write({{0, "a"}, {1, "b"}})), "\r\n\r\n");
  EXPECT_EQ(state_.file_transcript,
            std::string("\r\nalice ") + kStamp + ": a\r\nbob " + kStamp + ": b");
}

TEST_F(Renderer, FormattingOnlyTextIsAMessageOfNoWords) {
  theme_.message1 = theme_.message2 = "\r\n%id[%text]";
  const std::string path = Write({{0, "<FADE #ff0000>"},
                                  {1, ESC "[1m"},
                                  {0, ESC "[5m"},  // converts to nothing: not a message
                                  {0, ""},
                                  {1, "\xC3("}});  // malformed UTF-8: not a message
  EXPECT_EQ(Render(path), "\r\n\r\nalice[]\r\n\r\nbob[<b></b>]");
  EXPECT_EQ(state_.file_transcript,
            std::string("\r\nalice ") + kStamp + ": \r\nbob " + kStamp + ": ");
  ExpectSide(state_.counters.side[0], 1, 0, 0, 1);
  ExpectSide(state_.counters.side[1], 1, 0, 0, 0);
}

TEST_F(Renderer, FileOfEmptyMessagesGivesNothingAndStartsNoConversation) {
  const std::string path = Write({{0, ""}, {1, "\xF0\x9F\x98\x80"}, {0, ESC "[lm"}});
  EXPECT_EQ(Render(path), "");
  EXPECT_EQ(state_.file_transcript, "");
  ExpectSide(state_.counters.side[0], 0, 0, 0, 0);
  ExpectSide(state_.counters.side[1], 0, 0, 0, 0);
}

TEST_F(Renderer, TextOnlyChangesTheTranscriptLinesOnly) {
  const std::string path = Write({{0, "hi there"}, {1, "yo"}});
  const std::string full = Render(path);
  RenderState text_only_state;
  EXPECT_EQ(RenderArchiveFile(path, true, settings_, text_only_state), full);
  EXPECT_EQ(text_only_state.file_transcript, "\r\nhi there\r\nyo");
  ExpectSide(text_only_state.counters.side[0], 1, 2, 8, 1);
  ExpectSide(text_only_state.counters.side[1], 1, 1, 2, 0);
}

TEST_F(Renderer, CallerDroppingTheBodyGetsTheSameTranscriptAndCounts) {
  const std::string path = Write({{0, "hi there"}, {1, "yo"}});
  settings_.build_body = false;
  EXPECT_EQ(Render(path, true), "");
  EXPECT_EQ(state_.file_transcript, "\r\nhi there\r\nyo");
  ExpectSide(state_.counters.side[0], 1, 2, 8, 1);
  ExpectSide(state_.counters.side[1], 1, 1, 2, 0);
}

TEST_F(Renderer, HighlightIsExactCaseReachesIntoTagsAndNotIntoTranscriptOrCounts) {
  theme_.message1 = "\r\nFF %id: %text";
  settings_.highlight = "FF";
  EXPECT_EQ(Render(Write({{0, ESC "[38mred FF ff"}})),
            "\r\n\r\nFF alice: <font color=\"#<span style=\"background:yellow\">FF</span>0000\">"
            "red <span style=\"background:yellow\">FF</span> ff</font>");
  EXPECT_EQ(state_.file_transcript, std::string("\r\nalice ") + kStamp + ": red FF ff");
  ExpectSide(state_.counters.side[0], 1, 3, 9, 1);
}

TEST_F(Renderer, PlaceholdersAreFilledInOrderSoMessagesStayUnfilled) {
  theme_.message1 = theme_.message2 = "\r\n%id: %text";
  settings_.loose = LooseNames{"u%datey", "%text"};
  const std::string path =
      Write({{0, "%date %id %time %text"}, {1, "hello"}}, "loose.dat", "u%datey");
  EXPECT_EQ(Render(path), "\r\n\r\nu2009-02-14y: %date %id %time %text\r\n\r\nhello: hello");
  EXPECT_EQ(state_.file_transcript, std::string("\r\nu%datey ") + kStamp +
                                        ": %date %id %time %text\r\n%text " + kStamp + ": hello");
}

TEST_F(Renderer, FontSizeIsRewrittenInMessageAndTemplateAlike) {
  theme_.message1 = "\r\n<span size=\"2\">%text</span>";
  const std::string path = Write({{0, "<font face=\"Arial\" size=\"10\">big"}});
  EXPECT_EQ(Render(path),
            "\r\n\r\n<span style=\"font-size:2\"><font face=\"Arial\" "
            "style=\"font-size:10\">big</font></span>");
  EXPECT_EQ(state_.file_transcript, std::string("\r\nalice ") + kStamp + ": big");
  settings_.options.fonts = false;
  EXPECT_EQ(Render(path), "\r\n\r\n<span style=\"font-size:2\">big</span>");
}

struct StripOptionCase {
  bool bold;
  bool fonts;
  const char* filled;
};

class RendererStripOptions : public Renderer,
                             public ::testing::WithParamInterface<StripOptionCase> {};

TEST_P(RendererStripOptions, ActOnTheFilledTemplateIncludingTheThemesOwnTags) {
  theme_.message1 = "\r\n<b>%id</b><font color=red>%text</font><I>!</I>";
  settings_.options.bold = GetParam().bold;
  settings_.options.fonts = GetParam().fonts;
  EXPECT_EQ(Render(Write({{0, ESC "[2mx" ESC "[31my"}})),
            std::string("\r\n\r\n") + GetParam().filled);
  EXPECT_EQ(state_.file_transcript, std::string("\r\nalice ") + kStamp + ": xy");
}

INSTANTIATE_TEST_SUITE_P(
    Options, RendererStripOptions,
    ::testing::Values(
        StripOptionCase{true, true,
                        "<b>alice</b><font color=red><i>x<font color=\"#0000FF\">y</i></font>"
                        "</font><I>!</I>"},
        StripOptionCase{false, true,
                        "alice<font color=red>x<font color=\"#0000FF\">y</font></font><I>!</I>"},
        StripOptionCase{true, false, "<b>alice</b><i>xy</i><I>!</I>"},
        StripOptionCase{false, false, "alicexy<I>!</I>"}));

TEST_F(Renderer, SmileysActOnNamesTemplateAndMessageButNotTheTranscript) {
  theme_.message2 = "\r\n:-) %id: %text";
  settings_.loose = LooseNames{"me", "x;)"};
  const std::string path = Write({{1, ":D ok"}}, "loose.dat", "me");
  EXPECT_EQ(Render(path), "\r\n\r\n:-) x;): :D ok");
  settings_.options.smileys = true;
  EXPECT_EQ(Render(path),
            "\r\n\r\n<img src=\"/prog/Smileys/01.gif\"> x<img src=\"/prog/Smileys/03.gif\">: "
            "<img src=\"/prog/Smileys/04.gif\"> ok");
  EXPECT_EQ(state_.file_transcript, std::string("\r\nx;) ") + kStamp + ": :D ok");
}

TEST_F(Renderer, FormatCodesOffShowTheCodesAsText) {
  theme_.message1 = "\r\n%text";
  settings_.options.format_codes = false;
  EXPECT_EQ(Render(Write({{0, ESC "[1mx"}})), "\r\n\r\n" ESC "[1mx");
  EXPECT_EQ(state_.file_transcript, std::string("\r\nalice ") + kStamp + ": " ESC "[1mx");
}

TEST_F(Renderer, TextIsShownAndCountedInTheCodePage) {
  theme_.message1 = "\r\n%text";
  EXPECT_EQ(Render(Write({{0,
                           "caf\xC3\xA9 \xE2\x82\xAC"
                           "5 \xCE\xA9"}})),
            "\r\n\r\ncaf\xE9 \x80"
            "5 ?");
  ExpectSide(state_.counters.side[0], 1, 3, 9, 1);
}

TEST_F(Renderer, UnexpectedDirectionIsShownThenRenderedAsTheFriends) {
  const std::string path = Write({{2, "two"}, {9, ""}, {6, "six"}});
  EXPECT_EQ(Render(path), std::string("\r\n\r\nM2 bob ") + kStamp +
                              "|2009-02-14| 02:31:30| 02:31|two\r\n\r\nM2 bob " + kStamp +
                              "|2009-02-14| 02:31:30| 02:31|six");
  EXPECT_EQ(messages_, std::vector<std::string>{"2"});
  ExpectSide(state_.counters.side[0], 0, 0, 0, 0);
  ExpectSide(state_.counters.side[1], 2, 2, 6, 1);
}

TEST_F(Renderer, ConversationsStartedGoToTheSideOfTheFirstCountedMessage) {
  const std::string f1 = Write({{0, ""}, {1, "hi"}, {0, "yo"}}, "1.dat");
  const std::string f2 = Write({{0, "a"}}, "2.dat");
  const std::string f3 = Write({{1, "b"}, {0, "c"}}, "3.dat");
  for (const std::string& f : {f1, f2, f3}) Render(f);
  ExpectSide(state_.counters.side[0], 3, 3, 4, 1);
  ExpectSide(state_.counters.side[1], 2, 2, 3, 2);
}

TEST_F(Renderer, RenderingAgainGivesTheSameOutputAndAddsToTheCounts) {
  const std::string path = Write({{0, "one two"}, {1, "three"}});
  const std::string body = Render(path);
  const std::string transcript = state_.file_transcript;
  EXPECT_EQ(Render(path), body);
  EXPECT_EQ(state_.file_transcript, transcript);
  ExpectSide(state_.counters.side[0], 2, 4, 14, 2);
  ExpectSide(state_.counters.side[1], 2, 2, 10, 0);
}

TEST_F(Renderer, ErrorAKeepsTheMessagesBeforeTheDamagedRecord) {
  theme_.message1 = theme_.message2 = "\r\n%text";
  std::vector<RecordToWrite> records(3);
  records[0].text = "ok";
  records[1].text = "bad";
  records[1].header_override = std::make_pair(6, std::uint8_t{1});
  records[2].text = "never";
  testing::WriteBytes(PathOf("damaged.dat"), EncodeArchive(records, "alice"));
  EXPECT_EQ(Render(PathOf("damaged.dat")), "\r\n\r\nok");
  EXPECT_EQ(messages_, std::vector<std::string>{PathOf("damaged.dat") + "\r\n error A:6::28"});
  ExpectSide(state_.counters.side[0], 1, 1, 2, 1);
}

TEST_F(Renderer, ReadErrorsRaiseAndKeepTheCountsBeforeThem) {
  const std::string path = Write({{0, "ok"}, {1, "cut"}});
  testing::WriteBytes(path, ReadWholeFile(path).substr(0, 22 + 7));  // inside the second header
  try {
    Render(path);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "Read beyond end of file");
  }
  ExpectSide(state_.counters.side[0], 1, 1, 2, 1);
  try {
    Render(PathOf("missing.dat"));
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
  ExpectSide(state_.counters.side[0], 1, 1, 2, 1);
}

TEST(DateTimeText, LeavesTheTimeOutAtExactlyMidnight) {
  const FixedFormatter formatter;
  EXPECT_EQ(formatter.DateTime(25569.0), "1970-01-01");
  EXPECT_EQ(formatter.DateTime(25569.5), "1970-01-01 12:00:00");
  EXPECT_EQ(formatter.DateTime(25569.0 + 1.0 / 86400.0), "1970-01-01 00:00:01");
}

struct WordsCase {
  std::string text;
  int words;
};

class CountWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(CountWordsTest, RunsBetweenBlanksUpToTheFirstNul) {
  EXPECT_EQ(CountWords(GetParam().text), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(Texts, CountWordsTest,
                         ::testing::Values(WordsCase{"", 0}, WordsCase{"   ", 0}, WordsCase{"a", 1},
                                           WordsCase{"  two   words ", 2},
                                           WordsCase{"tab\tand\r\nbreaks", 1},
                                           WordsCase{"a, b. c!", 3},
                                           WordsCase{std::string("one\0two three", 13), 1},
                                           WordsCase{std::string("\0a", 2), 0}));

}  // namespace
}  // namespace orvex
