#include "program_environment.h"

#include <cstdlib>
#include <filesystem>

#include "ini_registry.h"
#include "system_code_page.h"

namespace orvex {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

void UseByteStandardStreams() {}

FileNameBytes ExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  std::string folder = ec ? std::string(".") : exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

FileNameBytes PathFromUser(std::string text) {
  return text;
}

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool ConsoleIsOwn() {
  return false;
}

std::unique_ptr<Registry> OpenUserRegistry() {
  return std::make_unique<IniRegistry>(IniRegistry::DefaultFile());
}

int SystemDefaultCodePage(const LanguageEnvironment& env) {
  return CodePageForLocale(UserLocale(env));
}

}  // namespace orvex
