// Fuzzes the export name rules: the name a save dialog's choice is saved
// under, the batch export's file of one conversation, and the website's
// names made safe for every common file system, with their links.
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "tests/support/utf8_check.h"
#include "ylogs/base/text_replace.h"
#include "ylogs/export/export.h"
#include "ylogs/export/safe_file_name.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A link segment: only A-Z a-z 0-9 - . _ ~ and "%XX"; gives back `original`.
void CheckUrlSegment(std::string_view segment, std::string_view original) {
  std::string decoded;
  for (std::size_t i = 0; i < segment.size(); ++i) {
    const char c = segment[i];
    if (c == '%') {
      Check(i + 2 < segment.size() && Hex(segment[i + 1]) >= 0 && Hex(segment[i + 2]) >= 0);
      decoded += static_cast<char>(Hex(segment[i + 1]) * 16 + Hex(segment[i + 2]));
      i += 2;
      continue;
    }
    Check((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
          c == '.' || c == '_' || c == '~');
    decoded += c;
  }
  Check(decoded == original);
}

void CheckSafeFileName(std::string_view name) {
  const std::string safe = orvex::SafeFileName(name);
  Check(safe == orvex::SafeFileName(name));
  Check(!safe.empty() && safe != "." && safe != "..");
  for (char c : safe) Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
  Check(safe.find_first_of("<>:\"/\\|?*") == std::string::npos);
  Check(safe.back() != '.' && safe.back() != ' ');
  Check(orvex::testing::IsWellFormedUtf8(safe));
  // No device name, whatever follows a dot, and blanks before it dropped.
  std::string stem = orvex::UpperCaseAscii(safe.substr(0, safe.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) Check(stem != device);
  Check(!(stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
          stem[3] >= '1' && stem[3] <= '9'));
  Check(orvex::OriginalName(safe) == name);
  CheckUrlSegment(orvex::UrlSegment(safe), safe);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::fuzz::Input in(data, size);
  const std::uint8_t flags = in.Byte();
  const std::string folder(in.Take(in.Byte() % 24));
  const std::string file_name(in.Take(in.Byte() % 40));
  const std::string friend_name(in.Take(in.Byte() % 40));
  const std::string chosen(in.rest());

  // Save as: the choice is kept, with the suffix only when it lacks the text.
  static constexpr std::string_view kTested[] = {".HTML", ".TXT"};
  static constexpr std::string_view kSuffix[] = {".html", ".txt"};
  const std::string_view tested = kTested[flags & 1], suffix = kSuffix[flags & 1];
  const std::string saved = orvex::SaveAsFileName(chosen, tested, suffix);
  Check(saved == orvex::SaveAsFileName(chosen, tested, suffix));
  Check(saved == chosen || saved == chosen + std::string(suffix));
  Check(orvex::UpperCaseAscii(saved).find(tested) != std::string::npos);
  Check((saved == chosen) == (orvex::UpperCaseAscii(chosen).find(tested) != std::string::npos));

  // One conversation's file: in the folder, never "." or "..", never hidden
  // beyond the folder, for names as a folder listing gives them (no "/", no
  // zero byte).
  static constexpr std::string_view kExtension[] = {".html", ".txt", ".json", ""};
  const std::string_view extension = kExtension[(flags >> 1) & 3];
  const std::string path = orvex::IndividualFileName(folder, file_name, friend_name, extension);
  Check(path == orvex::IndividualFileName(folder, file_name, friend_name, extension));
  Check(path.starts_with(folder));
  const bool listed_names = file_name.find_first_of(std::string("/\0", 2)) == std::string::npos &&
                            friend_name.find_first_of(std::string("/\0", 2)) == std::string::npos;
  if (listed_names) {
    const std::size_t leaf_start = path.find_last_of('/') + 1;
    Check(leaf_start >= folder.size());
    const std::string leaf = path.substr(leaf_start);
    Check(leaf != "." && leaf != ".." && leaf.ends_with(extension) &&
          leaf.find('-') != std::string::npos);
    Check(leaf.size() <= file_name.size() + 1 + friend_name.size() + extension.size());
  }

  CheckSafeFileName(file_name);
  CheckSafeFileName(friend_name);
  CheckSafeFileName(chosen);
  return 0;
}
