// orvex-cli browse: the website of the archive below a folder the user names,
// in a folder of the user's that holds nothing else or an earlier website.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/archive_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"
#include "ylogs/archive/file_error.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;
using testing::RunProgram;

TEST(CliBrowse, WritesTheWebsiteAndReplacesOnlyAnEarlierOne) {
  testing::TempFolder programs, out;
  testing::RecordToWrite r;
  r.time_value = testing::TimeValueFromUnixSeconds(1144800000);
  r.text = "hello";
  testing::WriteBytes(programs /
                          "Yahoo!/Messenger/Profiles/alice/Archive/Messages/bob/"
                          "20060412-alice.dat",
                      testing::EncodeArchive({r}, "alice"));
  testing::WriteBytes(out / "earlier/index.html", "old");
  testing::WriteBytes(out / "earlier/search.html", "old");
  testing::WriteBytes(out / "earlier/stale.html", "old");
  testing::WriteBytes(out / "mine/letter.txt", "keep me");
  struct Case {
    std::string folder;
    int status;
  } cases[] = {{"new", 0}, {"earlier", 0}, {"mine", 1}};
  for (const Case& c : cases) {
    // The messenger's folder stands for the profiles folder below it.
    const auto result = RunProgram(
        ORVEX_CLI, {"browse", programs / "Yahoo!/Messenger", "--out", out / c.folder, "--no-open"});
    EXPECT_EQ(result.status, c.status) << c.folder << result.err;
    EXPECT_EQ(fs::exists(out / (c.folder + "/alice/bob/20060412-alice.html")), c.status == 0)
        << c.folder;
    EXPECT_FALSE(fs::exists(out / (c.folder + ".partial"))) << c.folder;
  }
  EXPECT_FALSE(fs::exists(out / "earlier/stale.html"));
  EXPECT_EQ(ReadWholeFile(out / "mine/letter.txt"), "keep me");
  EXPECT_NE(RunProgram(ORVEX_CLI, {"browse", out.path(), "--no-open"}).err.find("No message"),
            std::string::npos);
}

}  // namespace
}  // namespace orvex
