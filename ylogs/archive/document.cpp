#include "document.h"

#include "text_replace.h"

namespace orvex {

TextItems SplitIntoItems(std::string_view text) {
  TextItems items;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      items.emplace_back(text.substr(start));
      break;
    }
    items.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return items;
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
