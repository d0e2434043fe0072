// For each system's file-system module: the new files that killed writes
// leave beside their targets (RemoveStaleTemporaries in file_system.h).
#pragma once

#include <cstdint>

#include "text_kinds.h"

namespace orvex::files {

// The first time in this process that a file is written into the folder of
// `target`, removes that folder's stale temporaries, so that an export of
// thousands of files into one folder lists it once. Never fails: whatever
// cannot be listed or removed stays for another run.
void RemoveStaleTemporariesOnce(const FileNameBytes& target);

// Given by each system's module: whether a process of this id runs (one this
// user may not reach counts as running), and whether the path names a plain
// file itself (no folder, no link, no device).
bool ProcessRunning(std::uint32_t pid);
bool IsPlainFile(const FileNameBytes& path);

}  // namespace orvex::files
