// The registry kept in an INI file of our own: one section per key, named by
// the key path without a final "/", one INI key per value.
#pragma once

#include <string>

#include "private_profile.h"
#include "registry.h"

namespace orvex {

class IniRegistry : public Registry {
 public:
  explicit IniRegistry(std::string file) : file_(std::move(file)) {}

  // $XDG_CONFIG_HOME/orvex/registry.ini, or ~/.config/orvex/registry.ini when
  // that variable is unset or not an absolute path.
  static std::string DefaultFile();

  const std::string& file() const { return file_; }

  std::string ReadString(const std::string& key, const std::string& value_name) override;
  std::optional<std::int32_t> ReadInteger(const std::string& key,
                                          const std::string& value_name) override;
  // Creates the file and its folder when missing.
  void WriteInteger(const std::string& key, const std::string& value_name,
                    std::int32_t value) override;

 private:
  ProfileDocument Load() const;

  std::string file_;
};

}  // namespace orvex
