// The archive reader: record layout, unscrambling, damaged and cut-off files,
// time stamps and the names that come with a file.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "ylogs/archive/archive_reader.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/file_error.h"

namespace orvex {
namespace {

using testing::EncodeArchive;
using testing::EncodeRecord;
using testing::RecordToWrite;
using testing::TimeValueFromUnixSeconds;

constexpr char kPath[] = "/data/alice/Archive/Messages/bob/20090214-alice.dat";
constexpr char kKey[] = "alice";

struct ReadOutcome {
  std::vector<DecodedRecord> records;
  std::vector<std::string> messages;

  std::vector<std::string> Fragments() const {
    std::vector<std::string> out;
    for (const DecodedRecord& r : records) out.push_back(r.fragment);
    return out;
  }
};

ReadOutcome Read(std::string_view data, std::string_view key = kKey, bool codes = true) {
  ReadOutcome outcome;
  ReadArchiveRecords(
      data, kPath, key, codes, [&](const std::string& m) { outcome.messages.push_back(m); },
      [&](DecodedRecord& r) { outcome.records.push_back(r); });
  return outcome;
}

RecordToWrite Rec(std::string text, std::uint8_t direction = 0) {
  RecordToWrite r;
  r.time_value = TimeValueFromUnixSeconds(1234567890);
  r.direction = direction;
  r.text = std::move(text);
  return r;
}

// A record put together byte by byte, without the test writer: zero header
// but for the length, the stored (already scrambled) text, a zero trailer.
std::string RawRecord(const std::string& stored) {
  std::string r(16, '\0');
  r[12] = static_cast<char>(stored.size() & 0xFF);
  r[13] = static_cast<char>(stored.size() >> 8);
  return r + stored + std::string(4, '\0');
}

char X(char a, char b) {
  return static_cast<char>(a ^ b);
}

void ExpectReadBeyondEnd(std::string_view data) {
  try {
    Read(data);
    FAIL() << "no error raised";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "Read beyond end of file");
  }
}

// --- unscrambling -----------------------------------------------------------

TEST(ArchiveKey, EachByteIsXoredWithTheKeyByteOfItsOffset) {
  const std::string stored = {X('a', 'a'), X('b', 'b'), X('c', 'a')};
  EXPECT_EQ(Read(RawRecord(stored), "ab").Fragments(), std::vector<std::string>{"abc"});
}

TEST(ArchiveKey, KeyOfOneCharacterAppliesToEveryByte) {
  const std::string stored = {X('h', 'k'), X('e', 'k'), X('l', 'k'), X('l', 'k'), X('o', 'k')};
  EXPECT_EQ(Read(RawRecord(stored), "k").Fragments(), std::vector<std::string>{"hello"});
}

TEST(ArchiveKey, KeyLongerThanTheTextUsesItsFirstCharacters) {
  const std::string stored = {X('x', 'l'), X('y', 'o')};
  EXPECT_EQ(Read(RawRecord(stored), "longerkey").Fragments(), std::vector<std::string>{"xy"});
}

TEST(ArchiveKey, RestartsAtItsFirstCharacterInEveryRecord) {
  const std::string first = {X('a', 'k'), X('b', 'e'), X('c', 'y'), X('d', 'k')};
  const std::string second = {X('u', 'k'), X('v', 'e')};
  EXPECT_EQ(Read(RawRecord(first) + RawRecord(second), "key").Fragments(),
            (std::vector<std::string>{"abcd", "uv"}));
}

TEST(ArchiveKey, EmptyKeyReadsTheTextUnscrambled) {
  EXPECT_EQ(Read(RawRecord("plain"), "").Fragments(), std::vector<std::string>{"plain"});
}

TEST(ArchiveKey, KeyLetterCaseMatters) {
  const ReadOutcome read = Read(EncodeArchive({Rec("hello")}, "Alice"), "alice");
  ASSERT_EQ(read.records.size(), 1u);
  EXPECT_NE(read.records[0].fragment, "hello");
}

// An escape byte followed by anything but "[" is dropped and the byte after it
// read again at the same offset: with every key length the escapes fall on
// different key positions, also on the last one before the key wraps.
class PutBackAcrossKeyWrap : public ::testing::TestWithParam<std::string> {};

TEST_P(PutBackAcrossKeyWrap, ByteAfterALoneEscapeIsReadAgainWithTheSameKeyByte) {
  const std::string text = "x\x1BQ\x1BR\x1B\x1B[1mz\x1B";
  const ReadOutcome read = Read(EncodeArchive({Rec(text), Rec("next")}, GetParam()), GetParam());
  EXPECT_EQ(read.Fragments(), (std::vector<std::string>{"xQR<b>z</b>", "next"}));
}

INSTANTIATE_TEST_SUITE_P(Keys, PutBackAcrossKeyWrap,
                         ::testing::Values("a", "ab", "abc", "abcd", "abcde", "LongerKey_17chars"));

// --- escape codes at the end of the text ----------------------------------

TEST(ArchiveText, CodeStartedInsideTheLengthIsReadToItsEnd) {
  RecordToWrite r = Rec("ab\x1B[1m");
  r.length_override = 3;  // the code's "[1m" lies beyond the declared length
  const ReadOutcome read = Read(EncodeRecord(r, kKey) + EncodeRecord(Rec("next"), kKey));
  EXPECT_EQ(read.Fragments(), (std::vector<std::string>{"ab<b></b>", "next"}));
}

TEST(ArchiveText, CodeReadIntoTheTrailerMakesTheTrailerCheckFail) {
  RecordToWrite r = Rec("\x1B[1");
  r.length_override = 1;  // the terminator comes out of the trailer
  RecordToWrite next = Rec("never");
  next.time_value = TimeValueFromUnixSeconds(0x55);  // its first byte ends the shifted trailer
  const ReadOutcome read = Read(EncodeRecord(r, kKey) + EncodeRecord(next, kKey));
  EXPECT_EQ(read.Fragments(), std::vector<std::string>{"<b></b>"});
  EXPECT_TRUE(read.messages.empty());
}

TEST(ArchiveText, LoneEscapeAsTheLastTextByteIsDropped) {
  const ReadOutcome read = Read(EncodeArchive({Rec("ab\x1B"), Rec("next")}, kKey));
  EXPECT_EQ(read.Fragments(), (std::vector<std::string>{"ab", "next"}));
}

TEST(ArchiveText, FormatCodesOffTakesEveryByteAsItIs) {
  const ReadOutcome read = Read(EncodeArchive({Rec("\x1B[1mx\x1B")}, kKey), kKey, false);
  EXPECT_EQ(read.Fragments(), std::vector<std::string>{"\x1B[1mx\x1B"});
}

// --- record layout ----------------------------------------------------------

TEST(ArchiveRecord, EmptyTextStillHasItsTrailerChecked) {
  RecordToWrite empty = Rec("");
  EXPECT_EQ(Read(EncodeArchive({empty, Rec("next")}, kKey)).Fragments(),
            (std::vector<std::string>{"", "next"}));
  empty.trailer = {0, 0, 0, 9};
  EXPECT_EQ(Read(EncodeArchive({empty, Rec("next")}, kKey)).Fragments(),
            std::vector<std::string>{""});
}

struct DirectionCase {
  std::uint8_t stored;
  int read;
};

class ArchiveDirection : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(ArchiveDirection, SixIsReadAsOneOtherValuesAsStored) {
  const ReadOutcome read = Read(EncodeArchive({Rec("hi", GetParam().stored)}, kKey));
  ASSERT_EQ(read.records.size(), 1u);
  EXPECT_EQ(read.records[0].direction, GetParam().read);
  EXPECT_TRUE(read.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, ArchiveDirection,
                         ::testing::Values(DirectionCase{0, 0}, DirectionCase{1, 1},
                                           DirectionCase{6, 1}, DirectionCase{2, 2},
                                           DirectionCase{7, 7}, DirectionCase{255, 255}));

TEST(ArchiveRecord, TimeStampWithByteFourSixIsUnixTimePlusThreeHours) {
  const ReadOutcome read = Read(EncodeArchive({Rec("a")}, kKey));
  ASSERT_EQ(read.records.size(), 1u);
  // 2009-02-13 23:31:30 UTC
  EXPECT_EQ(FormatIsoMillis(DayCountToCivil(read.records[0].time)), "2009-02-14 02:31:30.000");

  RecordToWrite epoch = Rec("a");
  epoch.time_value = std::uint64_t{6} << 32;
  const ReadOutcome at_epoch = Read(EncodeArchive({epoch}, kKey));
  ASSERT_EQ(at_epoch.records.size(), 1u);
  EXPECT_EQ(FormatIsoMillis(DayCountToCivil(at_epoch.records[0].time)), "1970-01-01 03:00:00.000");
}

TEST(ArchiveRecord, TimeJustBelowMidnightRoundsIntoTheNextDay) {
  RecordToWrite r = Rec("a");
  r.time_value = TimeValueFromUnixSeconds(75600);  // 21:00 UTC, that is 24:00 on the record's scale
  const ReadOutcome read = Read(EncodeArchive({r}, kKey));
  ASSERT_EQ(read.records.size(), 1u);
  EXPECT_EQ(FormatIsoMillis(DayCountToCivil(read.records[0].time)), "1970-01-02 00:00:00.000");
}

TEST(ArchiveRecord, HeaderPositionFiveIsPartOfTheTimeAndNotChecked) {
  RecordToWrite shifted = Rec("a");
  shifted.time_value = TimeValueFromUnixSeconds(1000) + (std::uint64_t{1} << 32);
  const ReadOutcome read = Read(EncodeArchive({Rec("a"), shifted}, kKey));
  ASSERT_EQ(read.records.size(), 2u);
  EXPECT_TRUE(read.messages.empty());
  const double expected = 25569.125 + (1000.0 + 4294967296.0) / 86400.0;
  EXPECT_NEAR(read.records[1].time, expected, 1e-6);
}

// --- damaged records --------------------------------------------------------

class ReservedHeaderByte : public ::testing::TestWithParam<int> {};

TEST_P(ReservedHeaderByte, ShowsErrorAWithPositionAndOffsetAndStops) {
  const int position = GetParam();
  RecordToWrite bad = Rec("third");
  bad.header_override = std::make_pair(position, std::uint8_t{0x80});
  // 16 + 5 + 4 and 16 + 8 + 4 bytes come before the damaged record.
  const ReadOutcome read =
      Read(EncodeArchive({Rec("five5"), Rec("eight888"), bad, Rec("after")}, kKey));
  EXPECT_EQ(read.Fragments(), (std::vector<std::string>{"five5", "eight888"}));
  ASSERT_EQ(read.messages.size(), 1u);
  EXPECT_EQ(read.messages[0], std::string(kPath) + "\r\n error A:" + std::to_string(position) +
                                  "::" + std::to_string(53 + position));
}

INSTANTIATE_TEST_SUITE_P(Positions, ReservedHeaderByte,
                         ::testing::Values(6, 7, 8, 10, 11, 12, 15, 16));

TEST(ReservedHeaderByteExample, PositionTenOfTheThirdRecordGivesOffset63) {
  RecordToWrite bad = Rec("x");
  bad.header_override = std::make_pair(10, std::uint8_t{1});
  const ReadOutcome read = Read(EncodeArchive({Rec("12345"), Rec("12345678"), bad}, kKey));
  ASSERT_EQ(read.messages.size(), 1u);
  EXPECT_EQ(read.messages[0],
            "/data/alice/Archive/Messages/bob/20090214-alice.dat\r\n error A:10::63");
}

class BadTrailerByte : public ::testing::TestWithParam<int> {};

TEST_P(BadTrailerByte, RecordStandsAndReadingStopsSilently) {
  RecordToWrite r = Rec("kept");
  r.trailer[static_cast<std::size_t>(GetParam())] = 0x20;
  const ReadOutcome read = Read(EncodeArchive({Rec("first"), r, Rec("lost")}, kKey));
  EXPECT_EQ(read.Fragments(), (std::vector<std::string>{"first", "kept"}));
  EXPECT_TRUE(read.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Bytes, BadTrailerByte, ::testing::Values(0, 1, 2, 3));

// --- files that end early ---------------------------------------------------

class CutInHeader : public ::testing::TestWithParam<std::size_t> {};

TEST_P(CutInHeader, IsReadBeyondEndOfFile) {
  const std::string whole = EncodeArchive({Rec("one"), Rec("two")}, kKey);
  ExpectReadBeyondEnd(std::string_view(whole).substr(0, 16 + 3 + 4 + GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Lengths, CutInHeader, ::testing::Values(1u, 5u, 9u, 15u));

TEST(CutInText, BetweenCharactersFinishesTheRecord) {
  const std::string whole = EncodeArchive({Rec("one"), Rec("\x1B[1mhello world")}, kKey);
  const std::string cut = whole.substr(0, 23 + 16 + 4 + 5);  // up to "hello"
  EXPECT_EQ(Read(cut).Fragments(), (std::vector<std::string>{"one", "<b>hello</b>"}));
}

class CutInsideEscapeCode : public ::testing::TestWithParam<std::string> {};

TEST_P(CutInsideEscapeCode, IsAReadError) {
  RecordToWrite r = Rec(GetParam());
  r.length_override = static_cast<std::uint16_t>(GetParam().size() + 6);
  const std::string whole = EncodeRecord(r, kKey);
  ExpectReadBeyondEnd(std::string_view(whole).substr(0, 16 + GetParam().size()));
}

INSTANTIATE_TEST_SUITE_P(Codes, CutInsideEscapeCode,
                         ::testing::Values("ab\x1B", "ab\x1B[", "ab\x1B[x", "ab\x1B[1", "ab\x1B[3",
                                           "ab\x1B[39", "ab\x1B[#12345", "ab\x1B[#123456",
                                           "ab\x1B[5ab"));

class CutInTrailer : public ::testing::TestWithParam<std::size_t> {};

TEST_P(CutInTrailer, TrailerCountsAsComplete) {
  const std::string whole = EncodeArchive({Rec("whole")}, kKey);
  const ReadOutcome read = Read(std::string_view(whole).substr(0, 16 + 5 + GetParam()));
  EXPECT_EQ(read.Fragments(), std::vector<std::string>{"whole"});
  EXPECT_TRUE(read.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Lengths, CutInTrailer, ::testing::Values(0u, 1u, 2u, 3u));

// --- files on disk ----------------------------------------------------------

TEST(ArchiveFile, ZeroBytesGiveNoRecordAndNoMessage) {
  testing::TempFolder dir;
  testing::WriteBytes(dir / "empty.dat", "");
  int records = 0, messages = 0;
  ReadArchiveFile(
      dir / "empty.dat", kKey, true, [&](const std::string&) { ++messages; },
      [&](DecodedRecord&) { ++records; });
  EXPECT_EQ(records, 0);
  EXPECT_EQ(messages, 0);
}

TEST(ArchiveFile, OpenFailuresCarryTheFileErrorTexts) {
  testing::TempFolder dir;
  auto error_of = [&](const std::string& path) -> std::string {
    try {
      ReadArchiveFile(path, kKey, true, nullptr, [](DecodedRecord&) {});
    } catch (const FileError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(error_of(dir / "missing.dat"), "File not found");
  EXPECT_EQ(error_of(dir.path()), "File access denied");
}

TEST(FileErrorText, NamesTheSystemErrors) {
  EXPECT_EQ(FileErrorText(ENOENT), "File not found");
  EXPECT_EQ(FileErrorText(EACCES), "File access denied");
  EXPECT_EQ(FileErrorText(EPERM), "File access denied");
  EXPECT_EQ(FileErrorText(EISDIR), "File access denied");
  EXPECT_EQ(FileErrorText(EIO), "I/O error " + std::to_string(EIO));
  EXPECT_EQ(FileErrorText(EBUSY), "I/O error " + std::to_string(EBUSY));
}

// --- names ------------------------------------------------------------------

struct NamesCase {
  const char* path;
  const char* key;
  const char* friend_name;
};

class NamesFromPath : public ::testing::TestWithParam<NamesCase> {};

TEST_P(NamesFromPath, CountsEighteenCharactersBackFromTheFriendFolder) {
  const ArchiveNames names = CutNamesFromPath(GetParam().path);
  EXPECT_EQ(names.key, GetParam().key);
  EXPECT_EQ(names.friend_name, GetParam().friend_name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NamesFromPath,
    ::testing::Values(
        NamesCase{"/p/Profiles/alice/Archive/Messages/bob/20090214-alice.dat", "alice", "bob"},
        // other folder names of the same lengths, and of the same total length
        NamesCase{"/p/Alice.X/ABCDEFG/12345678/Bob Smith/f.dat", "Alice.X", "Bob Smith"},
        NamesCase{"/p/alice/abc/abcdefghijkl/bob/f.dat", "alice", "bob"},
        // one character short: the step lands inside the id
        NamesCase{"/p/alice/Archive/Message/bob/f.dat", "alic", "bob"},
        NamesCase{"alice/Archive/Messages/bob/f.dat", "alice", "bob"},
        NamesCase{"a/Archive/Messages/bob/f.dat", "a", "bob"},
        // without the layout: no key, and nothing read outside the path
        NamesCase{"/Archive/Messages/bob/f.dat", "", "bob"}, NamesCase{"/x/bob/f.dat", "", "bob"},
        NamesCase{"bob/f.dat", "", "bob"}, NamesCase{"f.dat", "", ""}, NamesCase{"", "", ""}));

TEST(NamesForFile, LooseNamesWinWhateverThePath) {
  const ArchiveNames names =
      NamesForFile("/p/alice/Archive/Messages/bob/f.dat", LooseNames{"carol", "dave"});
  EXPECT_EQ(names.key, "carol");
  EXPECT_EQ(names.friend_name, "dave");
  const ArchiveNames cut = NamesForFile("/p/alice/Archive/Messages/bob/f.dat", std::nullopt);
  EXPECT_EQ(cut.key, "alice");
  EXPECT_EQ(cut.friend_name, "bob");
}

}  // namespace
}  // namespace orvex
