// orvex-cli records: one escaped line per record, message boxes and errors on
// standard error, and the exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"

namespace orvex {
namespace {

using testing::RecordToWrite;
using testing::RunProgram;

#define ESC "\x1B"

constexpr std::uint32_t kSeconds = 1234567890;  // shown as 2009-02-14 02:31:30

RecordToWrite Rec(std::uint8_t direction, std::string text, std::uint32_t later = 0) {
  RecordToWrite r;
  r.time_value = testing::TimeValueFromUnixSeconds(kSeconds + later);
  r.direction = direction;
  r.text = std::move(text);
  return r;
}

class CliRecords : public ::testing::Test {
 protected:
  std::string Write(const std::vector<RecordToWrite>& records, const std::string& key = "alice",
                    const std::string& relative = "alice/Archive/Messages/bob/20090214-alice.dat") {
    testing::WriteBytes(dir_ / relative, testing::EncodeArchive(records, key));
    return dir_ / relative;
  }
  testing::ProgramResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), "records");
    return RunProgram(ORVEX_CLI, args);
  }
  testing::TempFolder dir_;
};

TEST_F(CliRecords, OneLinePerRecordWithTimeDirectionAndText) {
  const std::string path = Write({Rec(0, "hi <b>there</b>"), Rec(6, "six", 61), Rec(1, "", 3600),
                                  Rec(0, "bad \xC3(", 86400), Rec(1, ESC "[1mbold", 7)});
  const testing::ProgramResult r = Run({path});
  EXPECT_EQ(r.out,
            "2009-02-14 02:31:30.000\t0\thi <b>there</b>\n"
            "2009-02-14 02:32:31.000\t1\tsix\n"
            "2009-02-14 03:31:30.000\t1\t\n"
            "2009-02-15 02:31:30.000\t0\t\n"
            "2009-02-14 02:31:37.000\t1\t<b>bold</b>\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

TEST_F(CliRecords, TextIsEscapedIntoPlainAscii) {
  const std::string path =
      Write({Rec(0, "a\\b\tc\r\nd\x01\x1F\x7F \xC3\xA9\xE2\x82\xAC\xCE\xA9 \"q\" ~")});
  EXPECT_EQ(Run({path}).out,
            "2009-02-14 02:31:30.000\t0\ta\\\\b\\tc\\r\\nd\\x01\\x1F\\x7F \\xE9\\x80? \"q\" ~\n");
}

TEST_F(CliRecords, RawShowsTheFormattingCodes) {
  const std::string path = Write({Rec(0, ESC "[1mx" ESC "[x1m")});
  EXPECT_EQ(Run({path, "--raw"}).out, "2009-02-14 02:31:30.000\t0\t\\x1B[1mx\\x1B[x1m\n");
  EXPECT_EQ(Run({path}).out, "2009-02-14 02:31:30.000\t0\t<b>x</b>\n");
}

TEST_F(CliRecords, UserAndFriendGiveTheKeyAsTypedInTheCodePage) {
  const std::string path = Write({Rec(0, "secret")}, "Zo\xEB", "loose/any.dat");
  const testing::ProgramResult r = Run({path, "--user", "Zo\xC3\xAB", "--friend", "x"});
  EXPECT_EQ(r.out, "2009-02-14 02:31:30.000\t0\tsecret\n");
  EXPECT_EQ(r.status, 0);
}

TEST_F(CliRecords, UnexpectedDirectionsAreReportedForEveryRecord) {
  const std::string path = Write({Rec(2, "two"), Rec(9, ""), Rec(0, "zero")});
  const testing::ProgramResult r = Run({path});
  EXPECT_EQ(r.out,
            "2009-02-14 02:31:30.000\t2\ttwo\n"
            "2009-02-14 02:31:30.000\t9\t\n"
            "2009-02-14 02:31:30.000\t0\tzero\n");
  EXPECT_EQ(r.err, "2\n9\n");
  EXPECT_EQ(r.status, 0);
}

TEST_F(CliRecords, DamagedHeaderIsAMessageNotAnError) {
  RecordToWrite bad = Rec(0, "third");
  bad.header_override = std::make_pair(10, std::uint8_t{1});
  const std::string path = Write({Rec(0, "12345"), Rec(1, "12345678"), bad, Rec(0, "after")});
  const testing::ProgramResult r = Run({path});
  EXPECT_EQ(r.out,
            "2009-02-14 02:31:30.000\t0\t12345\n"
            "2009-02-14 02:31:30.000\t1\t12345678\n");
  EXPECT_EQ(r.err, path + "\r\n error A:10::63\n");
  EXPECT_EQ(r.status, 0);
}

TEST_F(CliRecords, FileCutInAHeaderKeepsTheLinesBeforeAndFails) {
  const std::string path = Write({Rec(0, "kept"), Rec(1, "lost")});
  testing::WriteBytes(
      path,
      testing::EncodeArchive({Rec(0, "kept"), Rec(1, "lost")}, "alice").substr(0, 16 + 4 + 4 + 10));
  const testing::ProgramResult r = Run({path});
  EXPECT_EQ(r.out, "2009-02-14 02:31:30.000\t0\tkept\n");
  EXPECT_EQ(r.err, "Read beyond end of file.\n");
  EXPECT_EQ(r.status, 1);
}

TEST_F(CliRecords, FilesThatCannotBeOpened) {
  const testing::ProgramResult missing = Run({dir_ / "missing.dat"});
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "File not found.\n");
  EXPECT_EQ(missing.status, 1);
  const testing::ProgramResult folder = Run({dir_.path()});
  EXPECT_EQ(folder.err, "File access denied.\n");
  EXPECT_EQ(folder.status, 1);
}

TEST_F(CliRecords, BadArgumentsExitWithTwo) {
  const std::string path = Write({Rec(0, "x")});
  for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                               {path, "--user", "u"},
                                               {path, "--friend", "f"},
                                               {path, "--no-such-option"},
                                               {path, "second.dat"}}) {
    const testing::ProgramResult r = Run(args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(r.out, "") << ::testing::PrintToString(args);
    EXPECT_NE(r.err, "") << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace orvex
