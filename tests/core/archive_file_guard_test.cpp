// No save or export writes over an archive file: the guard's verdict on the
// spellings, links and name rules that lead to one, and every export format
// refusing before it writes anything.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/folder_snapshot.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/archive_file_guard.h"
#include "ylogs/export/export_writer.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;

// A profiles folder of alice with the friends bob and "x.html.d", a loose
// file and, elsewhere, links and plain files.
class ArchiveGuardFixture {
 protected:
  ArchiveGuardFixture() {
    for (const std::string& name :
         {std::string("bob/20050101-alice.dat"), std::string("bob/20050102-alice.dat"),
          std::string("x.html.d/20050101-alice.dat")}) {
      Archive(name);
    }
    testing::WriteBytes(profiles_ / "alice/notes.txt", "not an archive file");
    testing::WriteBytes(other_ / "loose.dat", "a loose archive file");
    testing::WriteBytes(other_ / "plain.html", "an earlier export");
    fs::create_symlink(Messages() + "bob/20050101-alice.dat", other_ / "link.html");
    fs::create_symlink(other_ / "gone.dat", other_ / "dangling.html");
    fs::create_hard_link(Messages() + "x.html.d/20050101-alice.dat", other_ / "hard.html");
    guard_.AddProfilesFolder(profiles_.path());
    guard_.AddFile(other_ / "loose.dat");
  }

  std::string Messages() const { return profiles_ / "alice/Archive/Messages/"; }
  void Archive(const std::string& name) {
    testing::WriteBytes(Messages() + name, testing::EncodeArchive({}, "alice") + name);
  }

  testing::TempFolder profiles_, other_;
  ArchiveFileGuard guard_;
};

struct TargetCase {
  const char* name;
  std::string target;  // "P/" starts the profiles folder, "O/" the other folder
  bool refused;
};
void PrintTo(const TargetCase& c, std::ostream* os) {
  *os << c.name;
}

class ArchiveGuardTargetTest : public ArchiveGuardFixture,
                               public ::testing::TestWithParam<TargetCase> {
 protected:
  std::string Resolve(const std::string& relative) const {
    const std::string& root = relative.starts_with("P/") ? profiles_.path() : other_.path();
    return root + relative.substr(2);
  }
};

TEST_P(ArchiveGuardTargetTest, RefusesArchiveFilesOnly) {
  const std::string target = Resolve(GetParam().target);
  if (GetParam().refused) {
    try {
      guard_.CheckTarget(target);
      ADD_FAILURE() << target << " was let through";
    } catch (const UserError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot write \"" + target +
                                           "\": it is an archive file, and archive files are "
                                           "never changed.");
    }
  } else {
    EXPECT_NO_THROW(guard_.CheckTarget(target)) << target;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArchiveGuardTargetTest,
    ::testing::Values(
        // "Save as HTML..." keeps a name that holds ".html" anywhere.
        TargetCase{"SaveNameInsideAFriendFolder",
                   "P/alice/Archive/Messages/x.html.d/20050101-alice.dat", true},
        TargetCase{"DoubledSlashAndDotDot",
                   "P/alice/Archive//Messages/bob/../bob/./20050101-alice.dat", true},
        TargetCase{"SymbolicLink", "O/link.html", true},
        TargetCase{"HardLink", "O/hard.html", true}, TargetCase{"LooseFile", "O/loose.dat", true},
        TargetCase{"NewFileInAFriendFolder", "P/alice/Archive/Messages/bob/20050101-alice.html",
                   false},
        TargetCase{"OtherFileOfTheProfiles", "P/alice/notes.txt", false},
        TargetCase{"EarlierExport", "O/plain.html", false},
        TargetCase{"LinkToNothing", "O/dangling.html", false},
        TargetCase{"FriendFolderItself", "P/alice/Archive/Messages/bob", false}),
    [](const ::testing::TestParamInfo<TargetCase>& info) { return info.param.name; });

// Each format, exporting into bob's friend folder where one generated name is
// already an archive file (the list shows every file of a friend folder):
// refused before the first file, nothing in the archive touched.
struct FormatCase {
  const char* name;
  ExportFormat format;
  std::string clash;  // the generated name that is an archive file
};
void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.name;
}

class ArchiveGuardExportTest : public ArchiveGuardFixture,
                               public ::testing::TestWithParam<FormatCase> {};

TEST_P(ArchiveGuardExportTest, RefusesBeforeWritingAnything) {
  const FormatCase& c = GetParam();
  Archive("bob/" + c.clash);
  const std::vector<ExportSource> sources = {
      {Messages() + "bob/20050101-alice.dat", "20050101-alice.dat", "bob", "alice", std::nullopt},
      {Messages() + "bob/20050102-alice.dat", "20050102-alice.dat", "bob", "alice", std::nullopt}};
  const testing::FolderSnapshot before = testing::TakeSnapshot(profiles_.path());
  Theme theme;
  RenderState state;
  TextItems text_buffer;
  const ExportContext context{Messages() + "bob", &theme,  {},     &state,
                              &text_buffer,       nullptr, &guard_};
  try {
    ExportConversations(sources, *MakeConversationWriter(c.format, context), nullptr);
    ADD_FAILURE() << "the export ran";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), ArchiveFileRefusal(Messages() + "bob/" + c.clash));
  }
  EXPECT_EQ(testing::TakeSnapshot(profiles_.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArchiveGuardExportTest,
    ::testing::Values(FormatCase{"Page", ExportFormat::kPage, "20050102-alice-bob.html"},
                      FormatCase{"Transcript", ExportFormat::kTranscript, "20050102-alice-bob.txt"},
                      FormatCase{"JsonFile", ExportFormat::kJson, "20050102-alice-bob.json"},
                      FormatCase{"JsonIndex", ExportFormat::kJson, "index.json"},
                      FormatCase{"SiteIndex", ExportFormat::kSite, "index.html"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

class ArchiveGuardOrderTest : public ArchiveGuardFixture, public ::testing::Test {};

TEST_F(ArchiveGuardOrderTest, NamesTheFirstRefusedTargetInTheirOrder) {
  const std::vector<std::string> targets = {other_ / "new.html", other_ / "plain.html",
                                            other_ / "hard.html", other_ / "link.html",
                                            other_ / "loose.dat"};
  try {
    guard_.CheckTargets(targets);
    ADD_FAILURE() << "nothing was refused";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), ArchiveFileRefusal(other_ / "hard.html"));
  }
}

}  // namespace
}  // namespace orvex
