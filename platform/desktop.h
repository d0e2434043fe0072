// What a program run by a person, rather than a script, asks of the desktop:
// whether its errors go to a terminal, where the user keeps documents, and
// the user's own program to open a file with. platform/desktop_posix.cpp and
// platform/win/desktop_win.cpp hold the two systems' versions.
#pragma once

#include "text_kinds.h"

namespace orvex {

// Whether standard error is a terminal (a console on Windows): only then is
// progress rewritten in place on it.
bool StandardErrorIsTerminal();

// The user's documents folder, ending in "/" (POSIX: "~/Documents" when it
// exists, else the home folder; Windows: the Documents known folder).
FileNameBytes UserDocumentsFolder();

// Opens the file with the user's default program for it, without waiting
// (POSIX: xdg-open; Windows: the shell's "open"). 0 when it was started,
// else the system's error number.
int OpenWithDefaultProgram(const FileNameBytes& path);

}  // namespace orvex
