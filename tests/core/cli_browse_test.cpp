// orvex-cli browse (and export --site): the website of the archive below a
// folder the user names, replacing only a website the program wrote there,
// and refusing, before anything is written, a folder that may hold none.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;
using testing::RunProgram;

constexpr char kMessages[] = "Yahoo!/Messenger/Profiles/alice/Archive/Messages/";

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(folder)) names.push_back(e.path());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(CliBrowse, ReplacesOnlyItsOwnWebsiteAndRefusesBeforeWriting) {
  testing::TempFolder programs, out;
  testing::RecordToWrite r;
  r.time_value = testing::TimeValueFromUnixSeconds(1144800000);
  r.text = "hello";
  for (const char* friend_name : {"bob", "carol"}) {
    testing::WriteBytes(programs / (std::string(kMessages) + friend_name + "/20060412-alice.dat"),
                        testing::EncodeArchive({r}, "alice"));
  }
  const std::string messenger = programs / "Yahoo!/Messenger";
  const auto browse = [&](const std::string& folder, const std::string& select) {
    return RunProgram(ORVEX_CLI,
                      {"browse", messenger, "--out", folder, "--select", select, "--no-open"});
  };
  // A site of the program's own, a site with a user's file put in, folders
  // of the user's (one like a site), and the user's .old and .partial.
  ASSERT_EQ(browse(out / "own", "alice/bob").status, 0);
  ASSERT_EQ(browse(out / "added", "alice/bob").status, 0);
  testing::WriteBytes(out / "added/alice/notes.txt", "mine");
  testing::WriteBytes(out / "index-only/index.html", "mine");
  testing::WriteBytes(out / "like-a-site/index.html", "mine");
  testing::WriteBytes(out / "like-a-site/search.html", "mine");
  testing::WriteBytes(out / "own.old/keep.txt", "mine");
  testing::WriteBytes(out / "own.partial/keep.txt", "mine");
  testing::WriteBytes(out / "a-file", "mine");
  const std::string archive = programs / kMessages;
  struct Case {
    std::string folder;
    int status;
    std::string said;  // a part of what standard error says
  } cases[] = {
      {out / "own", 0, ""},
      {out / "added", 1, "alice/notes.txt"},
      {out / "index-only", 1, "index.html"},
      {out / "like-a-site", 1, "search.html"},
      {archive + "dave", 2, "inside the message archives"},
      {out / "a-file", 2, "is a file"},
      {out / "own/alice", 2, "inside the website"},
      {"", 2, "no name"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> before = Listing(out.path());
    const auto result = browse(c.folder, "alice/carol");
    EXPECT_EQ(result.status, c.status) << c.folder << result.err;
    EXPECT_NE(result.err.find(c.said), std::string::npos) << c.folder << result.err;
    if (c.status != 0) {
      EXPECT_EQ(Listing(out.path()), before) << c.folder;
    }
  }
  // The own site was replaced whole; what the user made stays as it was.
  EXPECT_TRUE(fs::exists(out / "own/alice/carol/20060412-alice.html"));
  EXPECT_FALSE(fs::exists(out / "own/alice/bob"));
  EXPECT_FALSE(fs::exists(archive + "dave"));
  EXPECT_EQ(ReadWholeFile(out / "own.old/keep.txt"), "mine");
  EXPECT_EQ(ReadWholeFile(out / "own.partial/keep.txt"), "mine");
  EXPECT_EQ(ReadWholeFile(out / "added/alice/notes.txt"), "mine");
  // export --site keeps the same rules; a missing folder is made.
  const auto site = [&](const std::string& folder) {
    return RunProgram(ORVEX_CLI, {"export", messenger + "/Profiles", folder, "--site", "--all"})
        .status;
  };
  EXPECT_EQ(site(out / "deep/er/site"), 0);
  EXPECT_EQ(site(out / "deep/er/site"), 0);
  EXPECT_EQ(site(out / "added"), 1);
  EXPECT_NE(RunProgram(ORVEX_CLI, {"browse", out.path(), "--no-open"}).err.find("No message"),
            std::string::npos);
}

}  // namespace
}  // namespace orvex
