/* Preloaded into the Linux reference runs of scripts/test-windows.sh: every
 * folder lists its entries in the order Windows (and Wine) lists them, names
 * compared with ASCII letters in upper case, so that both builds read the
 * same profiles folder in the same order. (Names that differ past ASCII are
 * compared by their UTF-8 bytes, which is their UTF-16 order in the
 * Basic Multilingual Plane.) */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <stdlib.h>
#include <string.h>

struct listing {
  DIR* dir;
  struct dirent* entries;
  size_t count, next;
};
static struct listing listings[64];

static int upper(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

static int compare(const void* a, const void* b) {
  const unsigned char* x = (const unsigned char*)((const struct dirent*)a)->d_name;
  const unsigned char* y = (const unsigned char*)((const struct dirent*)b)->d_name;
  for (; *x && upper(*x) == upper(*y); ++x, ++y) {
  }
  return upper(*x) - upper(*y);
}

struct dirent* readdir(DIR* dir) {
  static struct dirent* (*real)(DIR*);
  if (!real) real = (struct dirent * (*)(DIR*)) dlsym(RTLD_NEXT, "readdir");
  struct listing* l = NULL;
  for (size_t i = 0; i < 64 && !l; ++i) {
    if (listings[i].dir == dir) l = &listings[i];
  }
  if (!l) {
    for (size_t i = 0; i < 64 && !l; ++i) {
      if (!listings[i].dir) l = &listings[i];
    }
    if (!l) return real(dir);
    l->dir = dir;
    l->count = l->next = 0;
    size_t capacity = 16;
    l->entries = malloc(capacity * sizeof *l->entries);
    for (struct dirent* d; (d = real(dir));) {
      if (l->count == capacity) l->entries = realloc(l->entries, (capacity *= 2) * sizeof *d);
      l->entries[l->count++] = *d;
    }
    qsort(l->entries, l->count, sizeof *l->entries, compare);
  }
  return l->next < l->count ? &l->entries[l->next++] : NULL;
}

int closedir(DIR* dir) {
  static int (*real)(DIR*);
  if (!real) real = (int (*)(DIR*))dlsym(RTLD_NEXT, "closedir");
  for (size_t i = 0; i < 64; ++i) {
    if (listings[i].dir == dir) {
      free(listings[i].entries);
      listings[i].dir = NULL;
    }
  }
  return real(dir);
}
