// Saving conversations to files: the view's buffers as one file, or one file
// per conversation.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ylogs/archive/document.h"
#include "ylogs/archive/renderer.h"
#include "ylogs/archive/theme.h"

namespace orvex {

// Writes the items, each followed by CR LF, as they are. The file is written
// whole or not at all: a failure leaves no half-written file behind and throws
// UserError "Cannot create file "<path>". <system text>".
void WriteItemsToFile(const std::string& path, const TextItems& items);

// The name a save dialog's choice is saved under: kept when the upper-cased
// name holds `tested` (".HTML", ".TXT") anywhere, else `suffix` appended.
std::string SaveAsFileName(std::string_view chosen, std::string_view tested,
                           std::string_view suffix);

// The file of one conversation in a batch export: folder (a separator added
// unless it ends in one), the file name with its extension replaced by "-",
// the friend, and ".html" or ".txt".
std::string IndividualFileName(std::string_view folder, std::string_view file_name,
                               std::string_view friend_name, bool html);

// The page of one conversation: the file header line by line, then the
// conversation header, the body, the conversation footer and the file footer
// with "%today" filled, one item each.
TextItems IndividualPage(const Theme& theme, const std::string& body, std::string_view today);

// One conversation of a batch export.
struct ExportSource {
  std::string path;
  std::string file_name;
  std::string friend_name;
};

// Writes one file per conversation, in order, into `folder`: the page (HTML)
// or the transcript followed by CR LF (text). The text buffer is cleared and
// refilled with each conversation's transcript, so it ends holding the last
// one's. `after_each` gets the number written so far and returns true to stop.
// A failure stops the export with the files written before it kept.
void ExportIndividualFiles(const std::vector<ExportSource>& sources, bool html,
                           const std::string& folder, const Theme& theme,
                           const RenderSettings& settings, RenderState& state,
                           TextItems& text_buffer, const std::function<std::string()>& today,
                           const std::function<bool(std::size_t written)>& after_each);

}  // namespace orvex
