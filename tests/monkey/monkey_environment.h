// The process's surroundings for a monkey run: HOME, the XDG folders and
// TMPDIR all point into one scratch root, so that whatever Qt, the browser
// engine or the window writes lands there; a few folders outside it are
// watched instead.
#pragma once

#include <filesystem>
#include <vector>

namespace orvex::testing {

// Makes the scratch root and points the environment into it; before the
// application object exists.
void SetUpMonkeyEnvironment();
// Removes the scratch root (unless ORVEX_MONKEY_KEEP is set).
void TearDownMonkeyEnvironment();

const std::filesystem::path& ScratchRoot();
// Folders outside the scratch root the window could write by mistake: the
// program folder of the build and the user's real configuration folder.
std::vector<std::filesystem::path> WatchedOutsideFolders();

}  // namespace orvex::testing
