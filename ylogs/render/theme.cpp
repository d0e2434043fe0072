#include "theme.h"

#include <array>

#include "platform/file_system.h"
#include "ylogs/base/file_error.h"
#include "ylogs/base/text_replace.h"

namespace orvex {
namespace {

constexpr std::array<std::string_view, 6> kMarkers = {
    "_FILEHEADER_", "_CONVERSATIONHEADER_", "_MESSAGE1_",
    "_MESSAGE2_",   "_CONVERSATIONFOOTER_", "_FILEFOOTER_"};

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

}  // namespace

std::vector<std::string_view> SplitThemeLines(std::string_view text) {
  const std::size_t eof = text.find('\x1A');
  if (eof != std::string_view::npos) text = text.substr(0, eof);
  return SplitLines(text);
}

Theme ParseTheme(std::string_view text) {
  const std::vector<std::string_view> lines = SplitThemeLines(text);
  std::array<std::string*, 5> sections = {};
  Theme theme;
  sections = {&theme.file_header, &theme.conversation_header, &theme.message1, &theme.message2,
              &theme.conversation_footer};
  std::size_t i = 0;
  while (i < lines.size() && lines[i] != kMarkers[0]) ++i;
  if (i == lines.size()) return theme;
  ++i;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    while (i < lines.size() && lines[i] != kMarkers[s + 1]) {
      sections[s]->append("\r\n");
      sections[s]->append(lines[i]);
      ++i;
    }
    if (i == lines.size()) return theme;  // marker never met: nothing follows
    ++i;
  }
  // At least one line, so a file ending right after the marker gives CR LF.
  do {
    theme.file_footer.append("\r\n");
    if (i < lines.size()) theme.file_footer.append(lines[i]);
    ++i;
  } while (i < lines.size());
  return theme;
}

std::string ThemeFilePath(std::string_view program_folder, std::string_view name) {
  std::string path(program_folder);
  path += "themes/";
  path += name;
  path += ".th";
  return path;
}

Theme LoadTheme(std::string_view program_folder, std::string_view name) {
  return ParseTheme(ReadWholeFile(ThemeFilePath(program_folder, name)));
}

std::vector<std::string> ListThemes(std::string_view program_folder) {
  std::vector<std::string> names;
  std::string folder(program_folder);
  folder += "themes";
  files::ListFolder(folder, nullptr, [&](const files::ListedItem& item) {
    const std::string_view name = item.name;
    if (name.empty() || name[0] == '.') return;
    if (name.size() < 3 || name.substr(name.size() - 3) != ".th") return;
    names.emplace_back(name.substr(0, name.find('.')));
  });
  return names;
}

int FindTheme(const std::vector<std::string>& themes, std::string_view name) {
  for (std::size_t i = 0; i < themes.size(); ++i) {
    const std::string& t = themes[i];
    if (t.size() != name.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < t.size() && same; ++k)
      same = LowerAscii(t[k]) == LowerAscii(name[k]);
    if (same) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace orvex
