#include "monkey_environment.h"

#include <QCoreApplication>

#include <stdlib.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace orvex::testing {

namespace fs = std::filesystem;

namespace {

fs::path g_root;
fs::path g_real_home;

void Point(const char* name, const fs::path& folder) {
  fs::create_directories(folder);
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);
  ::setenv(name, folder.c_str(), 1);
}

}  // namespace

void SetUpMonkeyEnvironment() {
  std::string pattern = (fs::temp_directory_path() / "orvex-monkey-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  g_root = pattern;
  const char* home = std::getenv("HOME");
  g_real_home = home && *home ? home : "/root";
  Point("HOME", g_root / "home");
  Point("XDG_CONFIG_HOME", g_root / "home/.config");
  Point("XDG_CACHE_HOME", g_root / "home/.cache");
  Point("XDG_DATA_HOME", g_root / "home/.local/share");
  Point("XDG_STATE_HOME", g_root / "home/.local/state");
  Point("XDG_RUNTIME_DIR", g_root / "runtime");
  Point("TMPDIR", g_root / "tmp");
}

void TearDownMonkeyEnvironment() {
  const char* keep = std::getenv("ORVEX_MONKEY_KEEP");
  if (keep && *keep) return;
  std::error_code ec;
  fs::remove_all(g_root, ec);
}

const fs::path& ScratchRoot() {
  return g_root;
}

std::vector<fs::path> WatchedOutsideFolders() {
  return {QCoreApplication::applicationDirPath().toStdString(), g_real_home / ".config/orvex",
          g_real_home / ".local/share/orvex"};
}

}  // namespace orvex::testing
