// Saving conversations to files: the view's buffers as one file, or one file
// per conversation.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "ylogs/render/document.h"
#include "ylogs/render/renderer.h"
#include "ylogs/render/theme.h"

namespace orvex {

// Writes bytes to a file: every file an export, a save or the view writes
// goes through here. The file is replaced whole or not at all: a failure
// leaves the old file as it was, no half-written file behind, and throws
// UserError "Cannot create file "<path>". <system text>".
void WriteBytesToFile(const std::string& path, std::string_view bytes);

// Writes the items, each followed by CR LF, as they are (as WriteBytesToFile).
void WriteItemsToFile(const std::string& path, const TextItems& items);

// Writes the text `next_piece` gives, piece by piece (as WriteBytesToFile).
void WritePiecesToFile(const std::string& path, const files::NextPiece& next_piece,
                       files::Durability durability = files::Durability::kFlushed);

// The pieces of the first `count` items, each followed by CR LF, as JoinItems
// joins them: the piece at `position`, which moves on; nothing past them.
std::optional<std::string_view> ItemPiece(const TextItems& items, std::size_t count,
                                          std::size_t& position);

// Makes an output folder and the folders above it; errors as WriteBytesToFile.
void MakeOutputFolder(const std::string& path);

// The name a save dialog's choice is saved under: kept when the upper-cased
// name holds `tested` (".HTML", ".TXT") anywhere, else `suffix` appended.
std::string SaveAsFileName(std::string_view chosen, std::string_view tested,
                           std::string_view suffix);

// The file of one conversation in a batch export: folder (a separator added
// unless it ends in one), the file name with its extension replaced by "-",
// the friend, and `extension` (".html", ".txt", ".json"). A later differing
// copy of the same day (`copy` 1, 2, ...) gets " (copy 2)", ... before the
// extension, so that no copy's file overwrites another's.
std::string IndividualFileName(std::string_view folder, std::string_view file_name,
                               std::string_view friend_name, std::string_view extension,
                               int copy = 0);

// The page of one conversation: the file header line by line, then the
// conversation header, the body, the conversation footer and the file footer
// with "%today" filled, one item each.
TextItems IndividualPage(const Theme& theme, const std::string& body, std::string_view today);

}  // namespace orvex
