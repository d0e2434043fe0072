// A message's HTML made to stand on its own, for pages that keep many
// messages under the page's own heading, links and footer (the website).
// The text is read as a browser tokenizes it; what comes out holds only the
// formatting the messenger itself writes (b, i, u, s, strike, em, strong,
// sub, sup, font with its colour, face and size, br), balanced by
// construction: every element it opens it also closes, inside the message.
// Every other tag, an unfinished one and an unclosed comment stay visible
// as text; a finished comment and the messenger's fade and alternate tags
// are dropped, as a browser shows none of them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "smileys.h"

namespace orvex {

struct SelfContainedOptions {
  // Emoticons in the text become pictures with the emoticon as their text
  // (alt); none when null.
  const std::vector<SmileyEntry>* smileys = nullptr;
  std::string_view image_folder;  // ends in a separator
};

// Appends the self-contained form of `html` (UTF-8) to `out`. A coloured
// font keeps its hue: `color` readable on a light page and the custom
// property --dark readable on a dark one (ReadableColour).
void AppendSelfContainedMessage(std::string_view html, const SelfContainedOptions& options,
                                std::string& out);

// Appends `text` with & < > " ' written as character references and NUL
// left out, as text or as an attribute's value.
void AppendEscapedHtml(std::string_view text, std::string& out);

}  // namespace orvex
