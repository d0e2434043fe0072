#include "ylogs/program/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace orvex {
namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st.st_mode;
}

TEST(PrivateTempFolder, AFolderOfTheUsersOwnIsUsedAsItIs) {
  testing::TempFolder base;  // made by mkdtemp: mode 0700, ours
  EXPECT_EQ(PrivateTempFolder(base.path()), base.path());
}

TEST(PrivateTempFolder, ASharedFolderGetsAPrivateSubfolderThatIsReused) {
  testing::TempFolder base;
  ::chmod(base.path().c_str(), 01777);  // as /tmp is
  const std::string folder = PrivateTempFolder(base.path());
  EXPECT_EQ(folder, base.path() + "orvex-" + std::to_string(::geteuid()) + "/");
  EXPECT_TRUE(S_ISDIR(ModeOf(folder)));
  EXPECT_EQ(ModeOf(folder) & 077, 0u);
  EXPECT_EQ(PrivateTempFolder(base.path()), folder);
}

TEST(PrivateTempFolder, ANameTakenByALinkOrAFileIsNotUsed) {
  testing::TempFolder base, elsewhere;
  ::chmod(base.path().c_str(), 01777);
  const std::string name = base.path() + "orvex-" + std::to_string(::geteuid());
  std::filesystem::create_directory_symlink(elsewhere.path(), name);
  const std::string folder = PrivateTempFolder(base.path());
  EXPECT_NE(folder, name + "/");
  EXPECT_EQ(folder.rfind(base.path() + "orvex-", 0), 0u);
  EXPECT_TRUE(S_ISDIR(ModeOf(folder)));
  EXPECT_EQ(ModeOf(folder) & 077, 0u);
}

}  // namespace
}  // namespace orvex
