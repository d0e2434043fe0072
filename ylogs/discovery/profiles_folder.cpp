#include "profiles_folder.h"

#include <cstdlib>

namespace orvex {

std::string DefaultProfilesFolder(std::string_view program_files) {
  std::string folder(program_files);
  if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
  folder += "Yahoo!/Messenger/Profiles/";
  return folder;
}

std::string DefaultProfilesFolderFromEnvironment() {
  const char* value = std::getenv("PROGRAMFILES");
  return DefaultProfilesFolder(value ? value : "");
}

std::string WithFinalSeparator(std::string text) {
  if (!text.empty() && text.back() != kPathSeparator) text += kPathSeparator;
  return text;
}

}  // namespace orvex
