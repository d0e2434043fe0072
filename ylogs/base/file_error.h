// Errors of file access, carrying the texts the program shows for them.
#pragma once

#include <stdexcept>
#include <string>

namespace orvex {

// A failure the user sees as a message; the text is shown as it stands.
class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& text) : std::runtime_error(text) {}
};

// A failed open, read or write of a file.
class FileError : public UserError {
 public:
  explicit FileError(const std::string& text) : UserError(text) {}
};

inline constexpr const char* kReadBeyondEndOfFile = "Read beyond end of file";

// The text for a system error number: "File not found", "File access denied",
// or "I/O error %d" with the number.
std::string FileErrorText(int error_number);

// Reads a whole file in one go; throws FileError on failure.
std::string ReadWholeFile(const std::string& path);

}  // namespace orvex
