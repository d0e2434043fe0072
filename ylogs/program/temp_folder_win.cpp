// The view pages' folder on Windows: the user's own temporary folder
// (GetTempPathW, under the user's profile, which only the user and the
// system may open), or `base` when one is given.
#include <windows.h>

#include "platform/file_system.h"
#include "platform/win/wide_names.h"
#include "temp_folder.h"

namespace orvex {

std::string PrivateTempFolder(const std::string& base) {
  std::string root = base;
  if (root.empty()) {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD n = ::GetTempPathW(MAX_PATH + 1, buffer);
    if (n == 0 || n > MAX_PATH) return {};
    root = win::PathFromWide(std::wstring_view(buffer, n));
  }
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  files::MakeFolders(root);
  if (!files::IsFolder(root)) return {};
  return root + "/";
}

}  // namespace orvex
