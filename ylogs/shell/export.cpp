#include "export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "ylogs/archive/file_error.h"
#include "ylogs/archive/text_replace.h"

namespace orvex {
namespace {

[[noreturn]] void CannotCreate(const std::string& path, int error) {
  throw UserError("Cannot create file \"" + path + "\". " + std::strerror(error));
}

}  // namespace

void WriteItemsToFile(const std::string& path, const TextItems& items) {
  WriteBytesToFile(path, JoinItems(items));
}

void MakeFolders(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) CannotCreate(path, ec.value());
}

void WriteBytesToFile(const std::string& path, std::string_view bytes) {
  // An existing file is replaced without asking, as before; a file that
  // cannot be completed is removed again. Only a plain file named by the path
  // itself is removed: a link stays, and so does what it leads to (a device
  // such as /dev/full, another file).
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) CannotCreate(path, errno);
  struct stat opened {
  }, named{};
  const bool removable = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
                         ::lstat(path.c_str(), &named) == 0 && S_ISREG(named.st_mode);
  auto fail = [&](int error) {
    if (removable) ::unlink(path.c_str());
    CannotCreate(path, error);
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      fail(error);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) fail(errno);
}

std::string SaveAsFileName(std::string_view chosen, std::string_view tested,
                           std::string_view suffix) {
  std::string name(chosen);
  if (UpperCaseAscii(name).find(tested) == std::string::npos) name += suffix;
  return name;
}

std::string IndividualFileName(std::string_view folder, std::string_view file_name,
                               std::string_view friend_name, std::string_view extension) {
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  // The extension starts at the last "." after the last separator or ":".
  std::string name(file_name);
  const std::size_t dot = name.find_last_of('.');
  const std::size_t sep = name.find_last_of("/:");
  if (dot != std::string::npos && (sep == std::string::npos || dot > sep)) name.resize(dot);
  path += name;
  path += '-';
  path += friend_name;
  path += extension;
  return path;
}

TextItems IndividualPage(const Theme& theme, const std::string& body, std::string_view today) {
  TextItems doc;
  BeginDocument(doc, theme);
  AddConversation(doc, theme, body);
  EndDocument(doc, theme, today);
  return doc;
}

}  // namespace orvex
