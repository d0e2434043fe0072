#include "platform/desktop.h"

#include <windows.h>

#include <io.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cerrno>
#include <cstdio>

#include "wide_names.h"

namespace orvex {

bool StandardErrorIsTerminal() {
  return _isatty(_fileno(stderr)) != 0;
}

FileNameBytes UserDocumentsFolder() {
  PWSTR wide = nullptr;
  std::string folder;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &wide)))
    folder = win::PathFromWide(wide);
  ::CoTaskMemFree(wide);
  if (folder.empty()) folder = ".";
  if (folder.back() != '/') folder += '/';
  return folder;
}

int OpenWithDefaultProgram(const FileNameBytes& path) {
  std::wstring wide = win::WidePath(path);
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32 ? 0 : ENOENT;
}

}  // namespace orvex
