// The window program's command line: an optional profiles folder, --help and
// --version. Qt takes its own options (-style, -platform, ...) out of the
// arguments before the rest are read here.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvex {

struct WindowCommandLine {
  enum class Action { kRun, kHelp, kVersion, kUsageError };
  Action action = Action::kRun;
  std::optional<std::string> profiles_folder;  // as given
  std::string error;                           // kUsageError: what was wrong
};

// Reads the arguments after the program name. --help (or -h) and --version
// win over anything else before "--", so that they answer whatever else was
// typed; "--" ends the options.
WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& args);

// The path box text for a folder given on the command line: a relative folder
// is taken from `current_folder`, "." and ".." steps are resolved by name, and
// a final separator is added when missing, as the path box needs one.
std::string ProfilesFolderFromArgument(const std::string& folder,
                                       const std::string& current_folder);

// What the window says when the folder given on the command line is not one
// it can show: missing, or holding no identity with a message folder
// (`identities_found` says what the scan found). Empty when all is well.
std::string StartFolderProblem(const std::string& folder, bool identities_found);

// What --help prints, and the line that follows a usage error.
std::string WindowHelpText();
inline constexpr const char* kWindowUsageLine = "usage: orvex [PROFILES_FOLDER]; see orvex --help";

}  // namespace orvex
