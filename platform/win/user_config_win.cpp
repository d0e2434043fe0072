// The configuration folder on Windows: the user's roaming application data
// folder (%APPDATA%), by the file-name rule of wide_names.h.
#include <windows.h>

#include <shlobj.h>

#include "platform/user_config.h"
#include "wide_names.h"

namespace orvex {

std::string UserConfigHome() {
  PWSTR path = nullptr;
  std::string folder;
  if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path) == S_OK) {
    folder = win::PathFromWide(path);
  }
  ::CoTaskMemFree(path);
  if (folder.empty()) {
    wchar_t buffer[MAX_PATH];
    const DWORD n = ::GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
    folder = n > 0 && n < MAX_PATH ? win::PathFromWide(buffer) : std::string(".");
  }
  return folder;
}

}  // namespace orvex
