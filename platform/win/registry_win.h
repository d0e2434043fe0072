// The current user's registry on Windows: HKEY_CURRENT_USER, with the key
// paths and value names the INI stand-in uses ("/" between the key's parts
// is the registry's "\"). Texts are read by the file-name rule of
// wide_names.h (UTF-8), so a user name read here equals its profile folder's
// name.
#pragma once

#include "platform/registry.h"

namespace orvex {

class WindowsRegistry : public Registry {
 public:
  // A text value: REG_SZ or REG_EXPAND_SZ (not expanded), or a REG_DWORD in
  // decimal; empty when the key or the value is missing.
  std::string ReadString(const std::string& key, const std::string& value_name) override;
  // A REG_DWORD, or a text read as the stand-in reads it (decimal, or "0x"
  // and hexadecimal); none when missing or no integer.
  std::optional<std::int32_t> ReadInteger(const std::string& key,
                                          const std::string& value_name) override;
  // Writes a REG_DWORD, creating the key when missing.
  void WriteInteger(const std::string& key, const std::string& value_name,
                    std::int32_t value) override;
};

}  // namespace orvex
