#include "file_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace orvex {

std::string FileErrorText(int error_number) {
  switch (error_number) {
    case ENOENT:
      return "File not found";
    case EACCES:
    case EPERM:
    case EISDIR:  // a folder where a file is expected is refused like a locked file
      return "File access denied";
    default: {
      std::string text = "I/O error ";
      text += std::to_string(error_number);
      return text;
    }
  }
}

std::string ReadWholeFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError(FileErrorText(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    int e = errno;
    ::close(fd);
    throw FileError(FileErrorText(e));
  }
  if (S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw FileError(FileErrorText(EISDIR));
  }
  std::string data;
  auto fail = [&](int e) {
    ::close(fd);
    throw FileError(FileErrorText(e));
  };
  // A regular file is read straight into a text of the size fstat gave, in
  // one read as a rule; anything else (or a size of 0) is read to its end.
  const std::size_t expected = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
  std::size_t got = 0;
  if (expected > 0) {
    data.resize(expected);
    while (got < expected) {
      const ssize_t n = ::read(fd, data.data() + got, expected - got);
      if (n < 0) {
        if (errno == EINTR) continue;
        fail(errno);
      }
      if (n == 0) break;  // the file shrank since fstat
      got += static_cast<std::size_t>(n);
    }
    data.resize(got);
  } else {
    char buf[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0) {
        if (errno == EINTR) continue;
        fail(errno);
      }
      if (n == 0) break;
      data.append(buf, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return data;
}

}  // namespace orvex
