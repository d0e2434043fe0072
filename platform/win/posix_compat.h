// Included before every source of the Windows build (platform/CMakeLists.txt):
// the few C functions of POSIX that the core uses and MinGW's C library
// lacks.
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// The first place `needle` occurs in `haystack`; null when nowhere.
void* memmem(const void* haystack, size_t haystack_size, const void* needle,
             size_t needle_size);

#ifdef __cplusplus
}
#endif
