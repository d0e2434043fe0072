#include "temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace orvex {
namespace {

bool IsOurPrivateFolder(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

}  // namespace

std::string PrivateTempFolder(const std::string& base) {
  std::string root = base.empty() ? std::string("/tmp") : base;
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  // A temporary folder that is the user's alone is used as it is.
  struct stat st {};
  if (::stat(root.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
      (st.st_mode & 022) == 0) {
    return root + "/";
  }
  const std::string folder = root + "/orvex-" + std::to_string(::geteuid());
  if (::mkdir(folder.c_str(), 0700) == 0 || IsOurPrivateFolder(folder)) return folder + "/";
  // The name is taken by something else: a folder of a new name of our own.
  std::string pattern = root + "/orvex-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (::mkdtemp(buffer.data()) == nullptr) return {};
  return std::string(buffer.data()) + "/";
}

}  // namespace orvex
