#include "text_replace.h"

#include "byte_scan.h"

namespace orvex {
namespace {

// Appends `text` with every `from` replaced, starting with the hit at `hit`.
void AppendReplaced(std::string& out, std::string_view text, std::string_view from,
                    std::string_view to, std::size_t hit) {
  std::size_t start = 0;
  while (hit != std::string_view::npos) {
    out.append(text.substr(start, hit - start));
    out.append(to);
    start = hit + from.size();
    hit = text.find(from, start);
  }
  out.append(text.substr(start));
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::size_t hit = text.find(from);
  if (hit == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size() + (to.size() > from.size() ? 4 * (to.size() - from.size()) : 0));
  AppendReplaced(out, text, from, to, hit);
  return out;
}

bool ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || text.find(from) == std::string::npos) return false;
  text = ReplaceAll(text, from, to);
  return true;
}

bool ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to,
                       std::string& spare) {
  if (from.empty()) return false;
  const std::size_t hit = text.find(from);
  if (hit == std::string::npos) return false;
  spare.clear();
  AppendReplaced(spare, text, from, to, hit);
  text.swap(spare);
  return true;
}

std::string UpperCaseAscii(std::string_view text) {
  std::string out;
  UpperCaseAsciiInto(text, out);
  return out;
}

void UpperCaseAsciiInto(std::string_view text, std::string& out) {
  out.assign(text);
  const std::size_t n = out.size();
  char* const d = out.data();
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const std::uint64_t w = bytes::Load(d + i);
    // A small letter differs from its capital in bit 5 alone.
    bytes::Store(d + i, w ^ (bytes::LowerCaseLetters(w) >> 2));
  }
  for (; i < n; ++i) {
    if (d[i] >= 'a' && d[i] <= 'z') d[i] = static_cast<char>(d[i] - 'a' + 'A');
  }
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace orvex
