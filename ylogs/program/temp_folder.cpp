#include "temp_folder.h"

#include "platform/file_system.h"

namespace orvex {

std::string PrivateTempFolder(const std::string& base) {
  std::string root = base.empty() ? std::string("/tmp") : base;
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return files::MakePrivateFolder(root, "orvex");
}

}  // namespace orvex
