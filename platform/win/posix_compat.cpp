#include "posix_compat.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "wide_names.h"

extern "C" void* memmem(const void* haystack, size_t haystack_size, const void* needle,
                        size_t needle_size) {
  if (needle_size == 0) return const_cast<void*>(haystack);
  if (haystack_size < needle_size) return nullptr;
  const auto* h = static_cast<const unsigned char*>(haystack);
  const auto* n = static_cast<const unsigned char*>(needle);
  const unsigned char* last = h + (haystack_size - needle_size);
  for (const unsigned char* p = h; p <= last;) {
    p = static_cast<const unsigned char*>(std::memchr(p, n[0], static_cast<size_t>(last - p) + 1));
    if (!p) return nullptr;
    if (std::memcmp(p, n, needle_size) == 0) return const_cast<unsigned char*>(p);
    ++p;
  }
  return nullptr;
}

extern "C" char* mkdtemp(char* name_template) {
  const std::size_t size = std::strlen(name_template);
  if (size < 6 || std::strcmp(name_template + size - 6, "XXXXXX") != 0) return nullptr;
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  unsigned long long seed = ::GetTickCount64() ^ (::GetCurrentProcessId() * 2654435761ULL);
  for (int attempt = 0; attempt < 100; ++attempt) {
    for (std::size_t i = size - 6; i < size; ++i) {
      seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
      name_template[i] = kLetters[(seed >> 33) % (sizeof kLetters - 1)];
    }
    if (::CreateDirectoryW(orvex::win::WideFromBytes(name_template).c_str(), nullptr)) {
      return name_template;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) return nullptr;
  }
  return nullptr;
}

extern "C" int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && std::getenv(name)) return 0;
  return ::_putenv_s(name, value) == 0 ? 0 : -1;
}

extern "C" int unsetenv(const char* name) {
  return ::_putenv_s(name, "") == 0 ? 0 : -1;
}

extern "C" unsigned geteuid(void) {
  return 0;
}
