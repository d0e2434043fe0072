// What the running program takes from its system beside files: its
// arguments, its folder, its standard streams, its environment variables,
// its console and the current user's registry.
// platform/program_environment_posix.cpp and
// platform/win/program_environment_win.cpp hold the two systems' versions.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "registry.h"
#include "text_kinds.h"

namespace orvex {

// The arguments after the program's name as UTF-8 text. POSIX: as given.
// Windows: the UTF-16 command line, so any character reaches the program.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard output and error pass bytes through unchanged (Windows: binary
// mode, so "\r\n" stays "\r\n" and "\n" stays "\n").
void UseByteStandardStreams();

// The folder of the running executable (its real path), ending in "/".
FileNameBytes ExecutableFolder();

// A path as the user typed it, in the program's file-name bytes (Windows: "\"
// becomes "/").
FileNameBytes PathFromUser(std::string text);

// The value of an environment variable in the program's file-name bytes
// (Windows: UTF-8 from the UTF-16 environment, "\" written as "/"); empty when
// it is not set.
std::string EnvironmentText(const char* name);

// Whether the process was started with a console of its own, which closes
// when it ends (Windows: started from Explorer, the console lists this
// process alone). POSIX: never.
bool ConsoleIsOwn();

// The current user's registry: the INI stand-in (IniRegistry::DefaultFile())
// on POSIX, HKEY_CURRENT_USER on Windows.
std::unique_ptr<Registry> OpenUserRegistry();

}  // namespace orvex
