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
  if (st.st_size > 0) data.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t got = ::read(fd, buf, sizeof buf);
    if (got < 0) {
      if (errno == EINTR) continue;
      int e = errno;
      ::close(fd);
      throw FileError(FileErrorText(e));
    }
    if (got == 0) break;
    data.append(buf, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return data;
}

}  // namespace orvex
