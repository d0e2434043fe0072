#include "stale_temporaries.h"

#include <charconv>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>

#include "file_system.h"

namespace orvex::files {
namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process that made a file of this name as WriteFileAtomically names its
// new file ("<name>.tmp<pid>-<n>"); none for any other name.
std::optional<std::uint32_t> WriterOf(std::string_view name) {
  const std::size_t mark = name.rfind(".tmp");
  if (mark == std::string_view::npos) return std::nullopt;
  const std::string_view rest = name.substr(mark + 4);
  const std::size_t dash = rest.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::string_view pid = rest.substr(0, dash);
  if (!AllDigits(pid) || !AllDigits(rest.substr(dash + 1))) return std::nullopt;
  std::uint32_t value = 0;
  if (std::from_chars(pid.data(), pid.data() + pid.size(), value).ec != std::errc())
    return std::nullopt;
  return value;
}

// Records that the folder (ending in a separator) is cleaned in this run;
// whether it was not before.
bool FirstCleaning(const FileNameBytes& folder) {
  static std::mutex mutex;
  static std::set<FileNameBytes> cleaned;
  const std::lock_guard<std::mutex> lock(mutex);
  return cleaned.insert(folder).second;
}

}  // namespace

int RemoveStaleTemporaries(const FileNameBytes& folder) {
  std::string prefix = folder;
  if (!prefix.empty() && kSeparators.find(prefix.back()) == std::string_view::npos) prefix += '/';
  FirstCleaning(prefix);  // a write into it later in this run need not list it again
  int first_error = 0;
  const int listed = ListFolder(folder, nullptr, [&](const ListedItem& item) {
    const std::optional<std::uint32_t> writer = WriterOf(item.name);
    if (!writer) return;
    const FileNameBytes path = prefix + std::string(item.name);
    if (!IsPlainFile(path) || ProcessRunning(*writer)) return;
    const int error = RemoveFile(path);
    if (first_error == 0) first_error = error;
  });
  return listed != 0 ? listed : first_error;
}

void RemoveStaleTemporariesOnce(const FileNameBytes& target) {
  const std::size_t separator = target.find_last_of(kSeparators);
  const FileNameBytes folder =
      separator == FileNameBytes::npos ? FileNameBytes("./") : target.substr(0, separator + 1);
  if (FirstCleaning(folder)) RemoveStaleTemporaries(folder);
}

}  // namespace orvex::files
