// The desktop's trash: the part of the file-system module (platform/
// file_system.h) that Qt provides. Moving a file there counts as removing it
// (FileCall::kRemove), so tests can fail it like any other call.
#pragma once

#include "platform/text_kinds.h"

namespace orvex::files {

// What MoveToTrash gives for a file that no trash can take: the file stays
// where it is.
inline constexpr int kNoTrash = -2;

// Whether there is a trash at all: this user's home trash is there or can be
// made.
bool TrashAvailable();

// Moves a file to the trash: 0 when it went there; kNoTrash when no trash can
// take it (there is none, or its file system has none and the home trash is
// on another); else the error removing it would give (ENOENT when it is gone,
// EACCES when its folder may not be changed).
int MoveToTrash(const FileNameBytes& path);

}  // namespace orvex::files
