// The page around rendered bodies: file header, one conversation header, body
// and footer per file, and the file footer with "%today" filled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "theme.h"

namespace orvex {

// A list of text items, written out as each item followed by CR LF.
using TextItems = std::vector<std::string>;

// Splits a text into lines at CR LF, lone CR or lone LF; an empty text gives
// no line and a final line break no further line.
TextItems SplitIntoItems(std::string_view text);

// The items joined, each followed by CR LF.
std::string JoinItems(const TextItems& items);

// Starts a document: the file header, one item per line.
void BeginDocument(TextItems& doc, const Theme& theme);

// Adds one file: conversation header, body and conversation footer, one item each.
void AddConversation(TextItems& doc, const Theme& theme, const std::string& body);

// Ends a document with the file footer, every "%today" replaced by `today`.
void EndDocument(TextItems& doc, const Theme& theme, std::string_view today);

}  // namespace orvex
