#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "discovery_fixture.h"
#include "platform/ini_registry.h"
#include "platform/private_profile.h"
#include "ylogs/discovery/archiving_switch.h"
#include "ylogs/discovery/registry_user.h"

namespace orvex {
namespace {

using discovery_testing::TempTree;

// Sets environment variables for one test and puts the old values back.
class EnvironmentGuard {
 public:
  void Set(const char* name, const char* value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name);
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~EnvironmentGuard() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
      } else {
        ::unsetenv(name.c_str());
      }
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST(IniRegistry, LivesInTheUsersConfigurationFolder) {
  EnvironmentGuard env;
  env.Set("HOME", "/home/someone");
  env.Set("XDG_CONFIG_HOME", "/cfg/place");
  EXPECT_EQ(IniRegistry::DefaultFile(), "/cfg/place/orvex/registry.ini");
  env.Set("XDG_CONFIG_HOME", "relative/cfg");
  EXPECT_EQ(IniRegistry::DefaultFile(), "/home/someone/.config/orvex/registry.ini");
  env.Set("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(IniRegistry::DefaultFile(), "/home/someone/.config/orvex/registry.ini");
}

TEST(IniRegistry, WritesAndReadsValuesUnderKeyPaths) {
  TempTree t;
  IniRegistry registry(t / "cfg/orvex/registry.ini");  // folders made on first write
  const std::string key = "Software/Yahoo/Pager/profiles/bob/Archive";
  EXPECT_EQ(registry.ReadInteger(key, "Enabled"), std::nullopt);
  EXPECT_EQ(registry.ReadString(key, "Enabled"), "");

  registry.WriteInteger(key, "Enabled", 1);
  registry.WriteInteger("Software/Yahoo/Pager/profiles/amy/Archive/", "Enabled", -3);
  registry.WriteInteger(key, "Enabled", 0);

  EXPECT_EQ(registry.ReadInteger(key, "Enabled"), 0);
  EXPECT_EQ(registry.ReadInteger("software/yahoo/pager/profiles/BOB/archive", "ENABLED"), 0);
  EXPECT_EQ(registry.ReadInteger("Software/Yahoo/Pager/profiles/amy/Archive", "Enabled"), -3);
  EXPECT_EQ(registry.ReadString(key, "Enabled"), "0");
  // The file is an ordinary INI file: one section per key.
  EXPECT_EQ(ReadProfileString(registry.file(), key, "Enabled", "?"), "0");
}

TEST(IniRegistry, ReportsAValueThatCannotBeWritten) {
  TempTree t;
  t.File("blocker", 1);
  IniRegistry registry(t / "blocker/registry.ini");  // its folder is a file
  EXPECT_THROW(registry.WriteInteger("A/B", "V", 1), RegistryError);
}

TEST(RegistryUser, IsReadFromThePagerKey) {
  TempTree t;
  t.File("registry.ini", 0, "[Software/Yahoo/Pager]\r\nYahoo! User ID=zed\r\n");
  IniRegistry registry(t / "registry.ini");
  EXPECT_EQ(ReadRegistryUser(registry), "zed");
  IniRegistry empty(t / "none.ini");
  EXPECT_EQ(ReadRegistryUser(empty), "");
}

struct SwitchCase {
  const char* stored;  // nullptr: no value
  bool enabled;
  std::int32_t written;
};

class ArchivingSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(ArchivingSwitchTest, ReadsTheStateAndFlipsIt) {
  TempTree t;
  const std::string key = "Software/Yahoo/Pager/profiles/bob/Archive";
  std::string text = "[Software/Yahoo/Pager/profiles/amy/Archive]\r\nEnabled=5\r\n";
  if (GetParam().stored) text += "[" + key + "]\r\nEnabled=" + GetParam().stored + "\r\n";
  t.File("registry.ini", 0, text);
  IniRegistry registry(t / "registry.ini");

  EXPECT_EQ(ReadArchivingEnabled(registry, "bob"), GetParam().enabled);
  EXPECT_EQ(FlipArchiving(registry, "bob"), GetParam().written != 0);
  EXPECT_EQ(registry.ReadInteger(key, "Enabled"), GetParam().written);
  EXPECT_EQ(ReadArchivingEnabled(registry, "bob"), GetParam().written != 0);
  // A second click turns it back.
  EXPECT_EQ(FlipArchiving(registry, "bob"), GetParam().written == 0);
  EXPECT_EQ(registry.ReadInteger(key, "Enabled"), GetParam().written == 0 ? 1 : 0);
  // Other identities are left alone.
  EXPECT_EQ(registry.ReadInteger("Software/Yahoo/Pager/profiles/amy/Archive", "Enabled"), 5);
}

INSTANTIATE_TEST_SUITE_P(Values, ArchivingSwitchTest,
                         ::testing::Values(SwitchCase{"1", true, 0}, SwitchCase{"0", false, 1},
                                           SwitchCase{"7", true, 0}, SwitchCase{nullptr, false, 1},
                                           SwitchCase{"on", false, 1}));

TEST(ArchivingSwitch, DoesNothingWithoutACurrentIdentity) {
  TempTree t;
  IniRegistry registry(t / "registry.ini");
  EXPECT_EQ(FlipArchiving(registry, ""), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(registry.file()));
}

}  // namespace
}  // namespace orvex
