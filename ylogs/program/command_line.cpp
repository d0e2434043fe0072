#include "command_line.h"

#include <filesystem>

#include "platform/file_system.h"
#include "ylogs/discovery/profiles_folder.h"

namespace orvex {

WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& args) {
  WindowCommandLine line;
  bool options_ended = false;
  bool help = false, version = false;
  for (const std::string& arg : args) {
    if (!options_ended && arg == "--") {
      options_ended = true;
    } else if (!options_ended && (arg == "--help" || arg == "-h")) {
      help = true;
    } else if (!options_ended && arg == "--version") {
      version = true;
    } else if (!options_ended && arg.size() > 1 && arg[0] == '-') {
      if (line.error.empty()) line.error = "unknown option " + arg;
    } else if (arg.empty()) {
      if (line.error.empty()) line.error = "the profiles folder is empty";
    } else if (line.profiles_folder) {
      if (line.error.empty()) line.error = "more than one profiles folder: " + arg;
    } else {
      line.profiles_folder = arg;
    }
  }
  if (help) {
    line.action = WindowCommandLine::Action::kHelp;
  } else if (version) {
    line.action = WindowCommandLine::Action::kVersion;
  } else if (!line.error.empty()) {
    line.action = WindowCommandLine::Action::kUsageError;
  }
  return line;
}

std::string ProfilesFolderFromArgument(const std::string& folder,
                                       const std::string& current_folder) {
  std::filesystem::path path(folder);
  if (path.is_relative()) path = std::filesystem::path(current_folder) / path;
  return WithFinalSeparator(path.lexically_normal().string());
}

std::string WindowHelpText() {
  return "Usage: orvex [PROFILES_FOLDER]\n"
         "       orvex --help | --version\n"
         "\n"
         "Reads the message archives an instant messenger wrote to disk.\n"
         "\n"
         "PROFILES_FOLDER is scanned at start-up instead of the messenger's\n"
         "profiles folder below $PROGRAMFILES.\n"
         "\n"
         "Options:\n"
         "  -h, --help     show this help and exit\n"
         "  --version      show the version and exit\n"
         "  --             take what follows as the folder, even if it starts with -\n"
         "\n"
         "Qt's own options (-style NAME, -platform NAME, ...) are accepted too.\n"
         "See orvex(1).\n";
}

std::string StartFolderProblem(const std::string& folder, bool identities_found) {
  if (!files::IsFolder(folder)) return "The folder \"" + folder + "\" does not exist.";
  if (identities_found) return {};
  return "The folder \"" + folder +
         "\" is not a profiles folder: none of its folders holds an Archive/Messages folder.";
}

}  // namespace orvex
