// The Windows services themselves, run under Wine by scripts/test-windows.sh:
// the registry as `wine reg add` wrote it, and file names by the rule of
// platform/win/wide_names.h.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/local_time.h"
#include "platform/win/registry_win.h"
#include "platform/win/wide_names.h"
#include "tests/support/temp_folder.h"
#include "ylogs/discovery/archiving_switch.h"
#include "ylogs/discovery/profiles_scan.h"
#include "ylogs/discovery/registry_user.h"

namespace orvex {
namespace {

// What the script wrote with `wine reg add`, as it tells it.
std::string Told(const wchar_t* name) {
  const wchar_t* value = ::_wgetenv(name);
  return value ? win::BytesFromWide(value) : std::string();
}

TEST(WindowsRegistry, ReadsTheCurrentUserAndTheSwitchThatRegAddWrote) {
  const std::string user = Told(L"ORVEX_TEST_REGISTRY_USER");
  if (user.empty()) GTEST_SKIP() << "ORVEX_TEST_REGISTRY_USER is set by scripts/test-windows.sh";
  WindowsRegistry registry;
  EXPECT_EQ(ReadRegistryUser(registry), user);
  EXPECT_TRUE(ReadArchivingEnabled(registry, user));
  // The user's profile folder (named by the file-name rule) is the one selected.
  testing::TempFolder t;
  ASSERT_EQ(files::MakeFolders(t / "P/" + user + "/Archive/Messages/x"), 0);
  ASSERT_EQ(files::MakeFolders(t / "P/other/Archive/Messages/y"), 0);
  const auto data = ScanProfiles(t / "P/");
  ASSERT_TRUE(data.has_value());
  const NodeId node = SelectRegistryUser(*data, user);
  ASSERT_NE(node, kNoNode);
  EXPECT_EQ(data->NodeText(node), user);
}

TEST(WindowsRegistry, WritesAndFlipsTheSwitchAsADword) {
  WindowsRegistry registry;
  const std::string identity = "orvex-test-" + std::to_string(::GetCurrentProcessId());
  EXPECT_FALSE(ReadArchivingEnabled(registry, identity));
  EXPECT_EQ(FlipArchiving(registry, identity), std::optional<bool>(true));
  EXPECT_EQ(registry.ReadInteger(ArchivingKey(identity), kArchivingValue), 1);
  EXPECT_EQ(registry.ReadString(ArchivingKey(identity), kArchivingValue), "1");
  EXPECT_EQ(FlipArchiving(registry, identity), std::optional<bool>(false));
  ::RegDeleteTreeW(HKEY_CURRENT_USER,
                   win::WideFromBytes("Software\\Yahoo\\Pager\\profiles\\" + identity).c_str());
}

// Names with letters of every script, an unpaired surrogate, and bytes of no
// UTF-8 sequence (a name cut short, a code-page name) convert to UTF-16 and
// back unchanged; names are written, listed back as the same bytes, and read.
TEST(WindowsFileNames, EveryNameIsListedBackAsItsBytes) {
  // Names that are no valid UTF-16 (unpaired surrogates, and so the escaped
  // bytes) convert both ways, but Wine keeps names as UTF-8 on the host's
  // disk, which has no place for them (NTFS has): they are not written here.
  for (const char* name : {"a\xED\xA0\x80z", "cut\xCE", "\xE9t\xE9", "x\xED\xB2\x80"}) {
    EXPECT_EQ(win::BytesFromWide(win::WideFromBytes(name)), name);
  }
  EXPECT_EQ(win::WideFromBytes("cut\xCE"), L"cut\xDCCE");
  const std::vector<std::string> names = {"Ελένη.txt", "Мария", "\xF0\x9F\x98\x80", "a b.c"};
  testing::TempFolder t;
  for (const std::string& name : names) {
    EXPECT_EQ(win::BytesFromWide(win::WideFromBytes(name)), name);
    ASSERT_EQ(files::WriteFileAtomically(t / name, name), 0) << name;
  }
  std::vector<std::string> listed;
  files::ListFolder(t.path(), nullptr,
                    [&](const files::ListedItem& item) { listed.emplace_back(item.name); });
  std::sort(listed.begin(), listed.end());
  std::vector<std::string> expected = names;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected);
  for (const std::string& name : listed) {
    std::string bytes;
    EXPECT_EQ(files::ReadWholeFile(t / name, bytes), 0);
    EXPECT_EQ(bytes, name);
  }
  EXPECT_EQ(win::PathFromWide(L"C:\\Program Files\\x"), "C:/Program Files/x");
}

// The date and time formats are UTF-8 in and out, whatever the C runtime's
// code page.
TEST(WindowsLocalTime, FormatsInUtf8) {
  std::tm fields{};
  fields.tm_year = 106;
  fields.tm_mday = 2;
  fields.tm_hour = 15;
  EXPECT_EQ(FormatTimeUtf8("%Y–%m–%d «%H» Ελ", fields), "2006–01–02 «15» Ελ");
  EXPECT_EQ(FormatTimeUtf8("", fields), "");
}

}  // namespace
}  // namespace orvex
