#include "document.h"

#include "ylogs/base/text_replace.h"

namespace orvex {

TextItems SplitIntoItems(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  return TextItems(lines.begin(), lines.end());
}

std::string JoinItems(const TextItems& items) {
  std::size_t size = 0;
  for (const std::string& item : items) size += item.size() + 2;
  std::string out;
  out.reserve(size);
  for (const std::string& item : items) {
    out += item;
    out += "\r\n";
  }
  return out;
}

void BeginDocument(TextItems& doc, const Theme& theme) {
  doc = SplitIntoItems(theme.file_header);
}

void AddConversation(TextItems& doc, const Theme& theme, const std::string& body) {
  doc.push_back(theme.conversation_header);
  doc.push_back(body);
  doc.push_back(theme.conversation_footer);
}

void EndDocument(TextItems& doc, const Theme& theme, std::string_view today) {
  doc.push_back(ReplaceAll(theme.file_footer, "%today", today));
}

}  // namespace orvex
