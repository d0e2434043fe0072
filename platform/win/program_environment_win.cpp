#include "platform/program_environment.h"

// windows.h before shellapi.h, which needs its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "platform/system_code_page.h"
#include "registry_win.h"
#include "wide_names.h"

namespace orvex {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!wide) {  // no UTF-16 line to be had: the C runtime's arguments
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
  }
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(win::BytesFromWide(wide[i]));
  ::LocalFree(wide);
  return args;
}

void UseByteStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

FileNameBytes ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return "./";
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::string folder = win::PathFromWide(path);
  const auto cut = folder.rfind('/');
  folder = cut == std::string::npos ? std::string("./") : folder.substr(0, cut + 1);
  return folder;
}

FileNameBytes PathFromUser(std::string text) {
  for (char& c : text) {
    if (c == '\\') c = '/';
  }
  return text;
}

std::string EnvironmentText(const char* name) {
  const wchar_t* value = ::_wgetenv(win::WideFromBytes(name).c_str());
  return value ? win::PathFromWide(value) : std::string();
}

bool ConsoleIsOwn() {
  // A console of its own lists this process alone; one shared with a command
  // prompt lists the prompt too; no console lists nothing.
  DWORD processes[2];
  return ::GetConsoleProcessList(processes, 2) == 1;
}

std::unique_ptr<Registry> OpenUserRegistry() {
  return std::make_unique<WindowsRegistry>();
}

// The system's ANSI code page. A page the program does not convert (the
// double-byte pages of Japanese, Chinese and Korean, say) gives UTF-8, as
// those languages do on POSIX.
int SystemDefaultCodePage(const LanguageEnvironment&) {
  const int page = static_cast<int>(::GetACP());
  return IsSupportedSystemCodePage(page) ? page : 65001;
}

}  // namespace orvex
