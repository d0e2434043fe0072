#include "posix_compat.h"

#include <cstring>

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
