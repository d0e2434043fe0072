#include "file_error.h"
#include "ylogs/base/ui_text.h"

#include <cerrno>

#include "platform/file_system.h"

namespace orvex {

std::string FileErrorText(int error_number) {
  switch (error_number) {
    case ENOENT:
      return UI_TEXT("Core", "File not found");
    case EACCES:
    case EPERM:
    case EISDIR:  // a folder where a file is expected is refused like a locked file
      return UI_TEXT("Core", "File access denied");
    default: {
      std::string text = "I/O error ";
      text += std::to_string(error_number);
      return text;
    }
  }
}

std::string ReadWholeFile(const std::string& path) {
  std::string data;
  if (const int error = files::ReadWholeFile(path, data); error != 0) {
    throw FileError(FileErrorText(error));
  }
  return data;
}

}  // namespace orvex
