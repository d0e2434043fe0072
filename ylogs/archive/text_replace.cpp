#include "text_replace.h"

namespace orvex {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::size_t hit = text.find(from);
  if (hit == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size() + (to.size() > from.size() ? 4 * (to.size() - from.size()) : 0));
  std::size_t start = 0;
  while (hit != std::string_view::npos) {
    out.append(text.substr(start, hit - start));
    out.append(to);
    start = hit + from.size();
    hit = text.find(from, start);
  }
  out.append(text.substr(start));
  return out;
}

bool ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || text.find(from) == std::string::npos) return false;
  text = ReplaceAll(text, from, to);
  return true;
}

std::string UpperCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace orvex
