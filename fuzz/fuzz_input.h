// Helpers the fuzz targets share: taking option bits off the front of the
// input, and a scratch file for the parts that read files.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvex::fuzz {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}
  // The next byte, 0 when none is left.
  std::uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }
  // Up to n bytes.
  std::string_view Take(std::size_t n) {
    if (n > rest_.size()) n = rest_.size();
    const std::string_view taken = rest_.substr(0, n);
    rest_.remove_prefix(n);
    return taken;
  }
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// A file of this process's own in the temporary folder, rewritten per input
// and removed when the process ends normally.
inline const std::string& ScratchFile(const char* name) {
  static const std::string path = [name] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/orvex-fuzz-" + name + "-" +
           std::to_string(::getpid());
  }();
  // Registered once the path is made, so it runs before the path goes away.
  [[maybe_unused]] static const bool removed_at_exit = [] {
    return std::atexit([] {
             std::error_code ec;
             std::filesystem::remove_all(path, ec);
           }) == 0;
  }();
  return path;
}

// The same as a folder, made on the first call.
inline const std::string& ScratchFolder(const char* name) {
  static const std::string& path = [name]() -> const std::string& {
    const std::string& p = ScratchFile(name);
    std::filesystem::create_directories(p);
    return p;
  }();
  return path;
}

inline void WriteScratch(const std::string& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
  std::fclose(f);
}

}  // namespace orvex::fuzz
