// The one place the program touches the file system: listing folders, reading
// whole files, writing them (whole or not at all, through a new file),
// making folders and removing files. Paths are file-system bytes as the
// system gives them. Failures come back as the system's error number (0 for
// success): each caller turns them into its own message. Tests can make any
// call fail (file_faults.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "file_faults.h"
#include "text_kinds.h"

namespace orvex::files {

// Whether the path names an existing folder (a link to one counts).
bool IsFolder(const FileNameBytes& path);

struct ListedItem {
  FileNameView name;  // valid during the visit only
  bool is_folder = false;
  std::int64_t size = 0;  // 0 for folders and when sizes are not read
};

// The file a path leads to (links followed) as device and inode: two paths
// name the same file exactly when these agree. None when there is no file.
std::optional<std::pair<std::uint64_t, std::uint64_t>> FileIdentity(const FileNameBytes& path);

// The order of a folder's entries: by name bytes with the ASCII letters a-z
// taken as upper case, ties broken by the plain bytes. Negative, 0 or positive.
int ListingOrder(std::string_view a, std::string_view b);

// Visits the entries of a folder sorted by name (ListingOrder), without "."
// and "..", so that every listing comes out the same whatever the file
// system's own order. `wants_details(name)` says whether an entry that the
// listing does not already show as a folder is looked at (one stat, links
// followed) for its size and kind. A folder that cannot be listed lists
// nothing and gives its error number.
int ListFolder(const FileNameBytes& folder,
               const std::function<bool(std::string_view)>& wants_details,
               const std::function<void(const ListedItem&)>& visit);

// Reads a whole file in one go into `bytes`; a folder gives EISDIR.
int ReadWholeFile(const FileNameBytes& path, std::string& bytes);

// Whether the first `length` bytes of two files are the same: both are read
// side by side, a piece at a time, up to the first difference. A file
// shorter than `length` differs. Gives the error number of a file that
// cannot be read (`same` is then false).
int SameFileStarts(const FileNameBytes& a, const FileNameBytes& b, std::uint64_t length,
                   bool& same);

// The file a write to the path lands in: a link is followed, so the link
// stays; any other path is itself.
FileNameBytes WriteTarget(const FileNameBytes& path);

// Whether the file or folder may be written by this user.
bool CanWrite(const FileNameBytes& path);

// Every file the program writes goes through here. Writes `bytes` to a new
// file beside the path's target (a link is followed, so the link stays),
// flushes it to disk and renames it over the target: either the whole new
// text is there or the old file is untouched, and a failed write leaves no
// new file behind (a killed process may leave one, never in the target's
// place; the first write of a later run into that folder removes it, see
// RemoveStaleTemporaries). An existing file keeps its permissions, and one
// this user may not write is refused (EACCES) as writing it in place would
// be. A target that is no plain file (a device, a pipe) is written in place.
int WriteFileAtomically(const FileNameBytes& path, std::string_view bytes);

// The same with the text given piece by piece: `next_piece` is called until
// it gives nothing, and may wait for its next piece, so a file can be written
// while its text is still being made. The pieces are gathered into large
// writes; each must stay valid until the call returns.
using NextPiece = std::function<std::optional<std::string_view>()>;
// A scratch file (a page the program only shows, made again at will) is not
// flushed to disk before it replaces its target: that flush is most of the
// wait for a whole history's page on a slow disk, and protects nothing.
enum class Durability { kFlushed, kScratch };
int WriteFileAtomically(const FileNameBytes& path, const NextPiece& next_piece,
                        Durability durability = Durability::kFlushed);

// Removes the new files that killed writes left in a folder: every plain
// file named "<name>.tmp<pid>-<n>" (as WriteFileAtomically names its new
// file) whose process <pid> no longer runs. A file of a running process,
// this one's included, and every other entry are left alone; the first
// write into the folder later in this run does not list it again. Gives the
// error number of the listing, or else of the first removal that failed.
int RemoveStaleTemporaries(const FileNameBytes& folder);

// Removes a file (never a folder).
int RemoveFile(const FileNameBytes& path);

// Makes a folder and the folders above it; an existing folder is no error.
int MakeFolders(const FileNameBytes& path);

// Makes one folder whose name nothing holds yet: an existing entry of that
// name, whatever it is, gives EEXIST and is left alone.
int MakeNewFolder(const FileNameBytes& path);

// Renames a file or folder; the new name must not exist yet.
int RenamePath(const FileNameBytes& from, const FileNameBytes& to);

// Removes a folder with everything in it (links are removed, not followed);
// nothing to remove is no failure.
int RemoveTree(const FileNameBytes& path);

// A folder for this user's eyes only in `base` (no separator at its end):
// `base` itself when the user owns it and nobody else may write it; else
// `base`/`prefix`-<user id>, made with access for its owner only, or kept
// when it is such a folder already; else a new folder `base`/`prefix`-XXXXXX.
// Ends in a separator; empty when none could be had.
FileNameBytes MakePrivateFolder(const FileNameBytes& base, std::string_view prefix);

}  // namespace orvex::files
