#include "export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ylogs/archive/file_error.h"
#include "ylogs/archive/text_replace.h"

namespace orvex {
namespace {

[[noreturn]] void CannotCreate(const std::string& path, int error) {
  throw UserError("Cannot create file \"" + path + "\". " + std::strerror(error));
}

}  // namespace

void WriteItemsToFile(const std::string& path, const TextItems& items) {
  const std::string bytes = JoinItems(items);
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
                               std::string_view friend_name, bool html) {
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
  path += html ? ".html" : ".txt";
  return path;
}

TextItems IndividualPage(const Theme& theme, const std::string& body, std::string_view today) {
  TextItems doc;
  BeginDocument(doc, theme);
  AddConversation(doc, theme, body);
  EndDocument(doc, theme, today);
  return doc;
}

void ExportIndividualFiles(const std::vector<ExportSource>& sources, bool html,
                           const std::string& folder, const Theme& theme,
                           const RenderSettings& settings, RenderState& state,
                           TextItems& text_buffer, const std::function<std::string()>& today,
                           const std::function<bool(std::size_t written)>& after_each) {
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const ExportSource& source = sources[i];
    text_buffer.clear();
    const std::string body = RenderArchiveFile(source.path, false, settings, state);
    const TextItems page = IndividualPage(theme, body, today());
    text_buffer.push_back(state.file_transcript);
    const std::string name = IndividualFileName(folder, source.file_name, source.friend_name, html);
    WriteItemsToFile(name, html ? page : text_buffer);
    if (after_each && after_each(i + 1)) break;
  }
}

}  // namespace orvex
