// Faults the file-system module can be told to make, so that tests can fail
// any one of its calls the way a full disk, a read-only folder or a file
// that disappears would, and check that nothing is lost. Every
// implementation of the module counts its calls here by kind.
#pragma once

#include <optional>

namespace orvex::files {

// The kinds of calls the module makes to the system.
enum class FileCall {
  kList,        // opening a folder to list it
  kOpen,        // opening a file to read it
  kRead,        // one read from an opened file
  kCreate,      // creating a file to write (the new file beside the target)
  kWrite,       // one write to a created file
  kSync,        // flushing a written file to the disk
  kRename,      // putting the new file in the target's place
  kRemove,      // removing a file
  kMakeFolder,  // making one folder
};
inline constexpr int kFileCallKinds = 9;

// As the error of a fault: the write puts only the first half of its bytes,
// or the read ends before the end of the file.
inline constexpr int kCutShort = -1;

// The `nth` call (counted from 1) of one kind gives `error` (an error number
// such as ENOSPC, or kCutShort) instead of being made.
struct FaultPlan {
  FileCall call = FileCall::kList;
  int nth = 0;
  int error = 0;
};

// Puts a plan in force (none: every call is made) and restarts the counts.
void SetFaultPlan(std::optional<FaultPlan> plan);

// How many calls of a kind were made since the plan was set.
int CallsMade(FileCall call);

// For the module: counts a call; what to give instead of making it (an
// error number or kCutShort), or 0 to make it.
int InjectedFault(FileCall call);

}  // namespace orvex::files
