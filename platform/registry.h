// The current user's registry as the program uses it: text and integer values
// under key paths written with "/" between the parts.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace orvex {

// A registry value that could not be read or written.
class RegistryError : public std::runtime_error {
 public:
  explicit RegistryError(const std::string& text) : std::runtime_error(text) {}
};

class Registry {
 public:
  virtual ~Registry() = default;

  // A text value; empty when the key or the value is missing. Throws
  // RegistryError when the registry cannot be read.
  virtual std::string ReadString(const std::string& key, const std::string& value_name) = 0;

  // An integer value; none when it is missing or not an integer. Throws as
  // ReadString.
  virtual std::optional<std::int32_t> ReadInteger(const std::string& key,
                                                  const std::string& value_name) = 0;

  // Writes an integer value, creating the key when missing; throws
  // RegistryError when it cannot be written.
  virtual void WriteInteger(const std::string& key, const std::string& value_name,
                            std::int32_t value) = 0;
};

}  // namespace orvex
