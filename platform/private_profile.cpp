#include "private_profile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <iterator>
#include <unordered_map>

#include "ansi_case.h"
#include "file_system.h"

namespace orvex {
namespace {

constexpr std::string_view kBlanks = " \t\v\f\r";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(kBlanks);
  return s.substr(first, last - first + 1);
}

enum class LineKind { kOther, kSection, kKey };

struct LineInfo {
  LineKind kind = LineKind::kOther;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // key value, trimmed, quotes still on
};

LineInfo Classify(std::string_view line) {
  LineInfo info;
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return info;
  if (t.front() == '[') {
    // The name runs to the last "]", so names holding "]" read back whole.
    std::string_view inner = t.substr(1);
    const auto close = inner.rfind(']');
    if (close != std::string_view::npos) inner = inner.substr(0, close);
    info.kind = LineKind::kSection;
    info.name = Trim(inner);
    return info;
  }
  const auto eq = t.find('=');
  if (eq == std::string_view::npos) return info;
  info.name = Trim(t.substr(0, eq));
  if (info.name.empty()) return info;
  info.kind = LineKind::kKey;
  info.value = Trim(t.substr(eq + 1));
  return info;
}

std::string Unquote(std::string_view v) {
  if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'')) {
    v = v.substr(1, v.size() - 2);
  }
  return std::string(v);
}

// Quotes a value that reading would otherwise change (blanks at its ends, or
// enclosing quotes of its own).
std::string QuoteForWriting(std::string_view v) {
  const bool blank_ends = !v.empty() && (kBlanks.find(v.front()) != std::string_view::npos ||
                                         kBlanks.find(v.back()) != std::string_view::npos);
  const bool quoted =
      v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'');
  if (!blank_ends && !quoted) return std::string(v);
  std::string out = "\"";
  out += v;
  out += '"';
  return out;
}

bool HasLineBreakOrNul(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsWritableName(std::string_view name) {
  return !name.empty() && !HasLineBreakOrNul(name) && Trim(name).size() == name.size();
}

// The lines [begin, end) of the first section with this name; begin is the
// header's index. None when there is no such section.
struct SectionRange {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines,
                                        std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LineInfo info = Classify(lines[i]);
    if (info.kind != LineKind::kSection || !AnsiEqualsIgnoreCase(info.name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && Classify(lines[end]).kind != LineKind::kSection) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

// Reads a whole file; the error number is kept for the caller.
std::optional<std::string> ReadFileText(const std::string& path, int& error) {
  std::string text;
  error = files::ReadWholeFile(path, text);
  if (error != 0) return std::nullopt;
  return text;
}

}  // namespace

ProfileDocument ProfileDocument::Parse(std::string_view text) {
  ProfileDocument doc;
  while (!text.empty()) {
    const auto nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    doc.lines_.emplace_back(line);
    if (nl == std::string_view::npos) break;
    text.remove_prefix(nl + 1);
  }
  return doc;
}

ProfileDocument ProfileDocument::Load(const std::string& path) {
  int error = 0;
  const auto text = ReadFileText(path, error);
  return text ? Parse(*text) : ProfileDocument{};
}

std::optional<ProfileDocument> ProfileDocument::LoadForUpdate(const std::string& path) {
  int error = 0;
  const auto text = ReadFileText(path, error);
  if (text) return Parse(*text);
  if (error == ENOENT) return ProfileDocument{};
  return std::nullopt;
}

std::optional<std::string> ProfileDocument::Value(std::string_view section,
                                                  std::string_view key) const {
  const auto range = FindSection(lines_, section);
  if (!range) return std::nullopt;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    const LineInfo info = Classify(lines_[i]);
    if (info.kind == LineKind::kKey && AnsiEqualsIgnoreCase(info.name, key)) {
      return Unquote(info.value);
    }
  }
  return std::nullopt;
}

std::vector<std::string> ProfileDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const auto range = FindSection(lines_, section);
  if (!range) return names;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    const LineInfo info = Classify(lines_[i]);
    if (info.kind == LineKind::kKey) names.emplace_back(info.name);
  }
  return names;
}

std::vector<std::pair<std::string, std::string>> ProfileDocument::Entries(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  const auto range = FindSection(lines_, section);
  if (!range) return entries;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    const LineInfo info = Classify(lines_[i]);
    if (info.kind == LineKind::kKey) entries.emplace_back(info.name, Unquote(info.value));
  }
  return entries;
}

namespace {

bool CanSet(std::string_view section, std::string_view key, std::string_view value) {
  if (!IsWritableName(section) || !IsWritableName(key) || HasLineBreakOrNul(value)) return false;
  return key.find('=') == std::string_view::npos && key.front() != ';' && key.front() != '[';
}

// Appends a section at the end of the file, after a blank line.
void AddSection(std::vector<std::string>& lines, std::string_view section) {
  if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
  lines.push_back("[" + std::string(section) + "]");
}

}  // namespace

bool ProfileDocument::SetValue(std::string_view section, std::string_view key,
                               std::string_view value) {
  if (!CanSet(section, key, value)) return false;
  const std::string encoded = QuoteForWriting(value);
  const auto range = FindSection(lines_, section);
  if (!range) {
    AddSection(lines_, section);
    lines_.push_back(std::string(key) + "=" + encoded);
    return true;
  }
  std::size_t insert_at = range->header + 1;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    const LineInfo info = Classify(lines_[i]);
    if (info.kind != LineKind::kKey) continue;
    if (AnsiEqualsIgnoreCase(info.name, key)) {
      lines_[i] = std::string(info.name) + "=" + encoded;
      return true;
    }
    insert_at = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at),
                std::string(key) + "=" + encoded);
  return true;
}

std::size_t ProfileDocument::SetValues(
    std::string_view section, const std::vector<std::pair<std::string, std::string>>& values) {
  std::size_t count = 0;
  while (count < values.size() && CanSet(section, values[count].first, values[count].second)) {
    ++count;
  }
  if (count == 0) return 0;
  auto range = FindSection(lines_, section);
  if (!range) {
    AddSection(lines_, section);
    range = SectionRange{lines_.size() - 1, lines_.size()};
  }
  // Where each key of the section stands (the first of equal names) and how
  // it is spelt; new keys go after the last key, in the order they come.
  struct Place {
    bool added = false;
    std::size_t index = 0;  // into lines_, or into `added` when added
    std::string name;
  };
  std::unordered_map<std::string, Place> places;
  std::size_t insert_at = range->header + 1;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    const LineInfo info = Classify(lines_[i]);
    if (info.kind != LineKind::kKey) continue;
    places.emplace(AnsiUpperText(info.name), Place{false, i, std::string(info.name)});
    insert_at = i + 1;
  }
  std::vector<std::string> added;
  for (std::size_t k = 0; k < count; ++k) {
    const auto& [key, value] = values[k];
    const auto [place, is_new] = places.emplace(AnsiUpperText(key), Place{true, added.size(), key});
    std::string line = place->second.name + "=" + QuoteForWriting(value);
    if (is_new) {
      added.push_back(std::move(line));
    } else if (place->second.added) {
      added[place->second.index] = std::move(line);
    } else {
      lines_[place->second.index] = std::move(line);
    }
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at),
                std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
  return count;
}

std::size_t ProfileDocument::RemoveKeys(std::string_view section,
                                        const std::function<bool(std::string_view name)>& doomed) {
  const auto range = FindSection(lines_, section);
  if (!range) return 0;
  const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(range->header + 1);
  const auto end = lines_.begin() + static_cast<std::ptrdiff_t>(range->end);
  const auto kept = std::remove_if(first, end, [&](const std::string& line) {
    const LineInfo info = Classify(line);
    return info.kind == LineKind::kKey && doomed(info.name);
  });
  const auto removed = static_cast<std::size_t>(end - kept);
  lines_.erase(kept, end);
  return removed;
}

std::string ProfileDocument::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

bool ProfileDocument::Save(const std::string& path) const {
  return files::WriteFileAtomically(path, Text()) == 0;
}

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const std::string_view digits = text.substr(2);
    if (digits.size() > 8) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : digits) {
      int d;
      if (c >= '0' && c <= '9') {
        d = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        d = c - 'a' + 10;
      } else if (c >= 'A' && c <= 'F') {
        d = c - 'A' + 10;
      } else {
        return std::nullopt;
      }
      v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(v);
  }
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > std::int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(v);
}

std::string GetProfileString(const ProfileDocument& doc, std::string_view section,
                             std::string_view key, std::string_view default_value) {
  std::string value = doc.Value(section, key).value_or(std::string(default_value));
  if (value.size() > kProfileStringMax) value.resize(kProfileStringMax);
  return value;
}

std::int32_t GetProfileInteger(const ProfileDocument& doc, std::string_view section,
                               std::string_view key, std::int32_t default_value) {
  const auto value = doc.Value(section, key);
  if (!value) return default_value;
  return ParseProfileInteger(*value).value_or(default_value);
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view default_value) {
  return GetProfileString(ProfileDocument::Load(path), section, key, default_value);
}

std::int32_t ReadProfileInteger(const std::string& path, std::string_view section,
                                std::string_view key, std::int32_t default_value) {
  return GetProfileInteger(ProfileDocument::Load(path), section, key, default_value);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  auto doc = ProfileDocument::LoadForUpdate(files::WriteTarget(path));
  if (!doc || !doc->SetValue(section, key, value)) return false;
  return doc->Save(path);
}

}  // namespace orvex
