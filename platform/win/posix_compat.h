// Included before every source of the Windows build (platform/CMakeLists.txt):
// the few C functions of POSIX that the core uses and MinGW's C library
// lacks.
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// The first place `needle` occurs in `haystack`; null when nowhere.
void* memmem(const void* haystack, size_t haystack_size, const void* needle, size_t needle_size);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Makes a new folder whose name is `name_template` with its final "XXXXXX"
// replaced; the name is written back. Null when none could be made.
char* mkdtemp(char* name_template);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
extern "C" {
#endif

// The environment of POSIX, on the C runtime's.
int setenv(const char* name, const char* value, int overwrite);
int unsetenv(const char* name);

// No POSIX user ids: every user counts as the superuser, whom file modes do
// not bind (chmod cannot make a file unreadable on Windows either).
unsigned geteuid(void);

#ifdef __cplusplus
}
#endif
