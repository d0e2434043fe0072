#include "file_system.h"

#include "gathered_writes.h"
#include "piece_compare.h"
#include "stale_temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <vector>

namespace orvex::files {
namespace {

// The system calls that a fault plan can stand in for.
int Open(FileCall call, const std::string& path, int flags, mode_t mode = 0) {
  if (const int fault = InjectedFault(call); fault > 0) {
    errno = fault;
    return -1;
  }
  return ::open(path.c_str(), flags, mode);
}

ssize_t Read(int fd, char* to, std::size_t size) {
  const int fault = InjectedFault(FileCall::kRead);
  if (fault == kCutShort) return 0;
  if (fault > 0) {
    errno = fault;
    return -1;
  }
  return ::read(fd, to, size);
}

// Makes a call that gives 0 or -1 and errno; its error number, or the one a
// fault plan gives instead of making it.
template <typename Call>
int Made(FileCall call, Call&& make) {
  if (const int fault = InjectedFault(call); fault > 0) return fault;
  return make() == 0 ? 0 : errno;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    std::size_t size = bytes.size();
    const int fault = InjectedFault(FileCall::kWrite);
    if (fault > 0) return fault;
    if (fault == kCutShort) size = (size + 1) / 2;
    const ssize_t put = ::write(fd, bytes.data(), size);
    if (put < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return 0;
}

// Writes into a file that is no plain file (a device, a pipe): it cannot be
// replaced, and there is nothing of it to keep.
int WriteInPlace(const std::string& path, const NextPiece& next_piece) {
  const int fd = Open(FileCall::kCreate, path, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error =
      WriteGathered(next_piece, [fd](std::string_view bytes) { return WriteAll(fd, bytes); });
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

std::string WriteTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      std::string target = real;
      std::free(real);
      return target;
    }
  }
  return path;
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> FileIdentity(const FileNameBytes& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return std::pair<std::uint64_t, std::uint64_t>{st.st_dev, st.st_ino};
}

int ListFolder(const std::string& folder,
               const std::function<bool(std::string_view)>& wants_details,
               const std::function<void(const ListedItem&)>& visit) {
  const int fd = Open(FileCall::kList, folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    const int error = errno;
    ::close(fd);
    return error;
  }
  struct Entry {
    std::string name;
    bool is_folder;
  };
  std::vector<Entry> entries;
  while (const dirent* d = ::readdir(dir)) {
    const std::string_view name(d->d_name);
    if (name == "." || name == "..") continue;
    entries.push_back({std::string(name), d->d_type == DT_DIR});
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return ListingOrder(a.name, b.name) < 0; });
  for (const Entry& entry : entries) {
    ListedItem item;
    item.name = entry.name;
    item.is_folder = entry.is_folder;
    if (!item.is_folder && wants_details && wants_details(item.name)) {
      struct stat st {};
      if (::fstatat(fd, entry.name.c_str(), &st, 0) == 0) {
        item.is_folder = S_ISDIR(st.st_mode);
        if (!item.is_folder) item.size = st.st_size;
      }
    }
    visit(item);
  }
  ::closedir(dir);
  return 0;
}

int ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = Open(FileCall::kOpen, path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  auto fail = [&](int error) {
    ::close(fd);
    bytes.clear();
    return error;
  };
  struct stat st {};
  if (::fstat(fd, &st) != 0) return fail(errno);
  if (S_ISDIR(st.st_mode)) return fail(EISDIR);
  // A regular file is read straight into a text of the size fstat gave, in
  // one read as a rule; anything else (or a size of 0) is read to its end.
  const std::size_t expected = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
  if (expected > 0) {
    bytes.resize(expected);
    std::size_t got = 0;
    while (got < expected) {
      const ssize_t n = Read(fd, bytes.data() + got, expected - got);
      if (n < 0) {
        if (errno == EINTR) continue;
        return fail(errno);
      }
      // A file that ends before the size it had is being changed under us:
      // what was read is no copy of it.
      if (n == 0) return fail(EIO);
      got += static_cast<std::size_t>(n);
    }
  } else {
    char buf[65536];
    for (;;) {
      const ssize_t n = Read(fd, buf, sizeof buf);
      if (n < 0) {
        if (errno == EINTR) continue;
        return fail(errno);
      }
      if (n == 0) break;
      bytes.append(buf, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return 0;
}

int SameFileStarts(const FileNameBytes& a, const FileNameBytes& b, std::uint64_t length,
                   bool& same) {
  same = false;
  const int fa = Open(FileCall::kOpen, a, O_RDONLY | O_CLOEXEC);
  if (fa < 0) return errno;
  const int fb = Open(FileCall::kOpen, b, O_RDONLY | O_CLOEXEC);
  if (fb < 0) {
    const int error = errno;
    ::close(fa);
    return error;
  }
  const int fds[] = {fa, fb};
  const int error = ComparePieces(
      length,
      [&fds](int side, char* to, std::size_t size, std::size_t& got) {
        got = 0;
        while (got < size) {
          const ssize_t n = Read(fds[side], to + got, size - got);
          if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
          }
          if (n == 0) break;
          got += static_cast<std::size_t>(n);
        }
        return 0;
      },
      same);
  ::close(fa);
  ::close(fb);
  return error;
}

bool ProcessRunning(std::uint32_t pid) {
  // No process has an id beyond pid_t's; kill() would take it for a group.
  if (pid == 0 || pid > static_cast<std::uint32_t>(std::numeric_limits<pid_t>::max())) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool IsPlainFile(const FileNameBytes& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool CanWrite(const std::string& path) {
  return ::access(path.c_str(), W_OK) == 0;
}

int WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFileAtomically(path, OnePiece(bytes));
}

int WriteFileAtomically(const std::string& path, const NextPiece& next_piece,
                        Durability durability) {
  static std::atomic<unsigned> counter{0};
  const std::string target = WriteTarget(path);
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode))
    return WriteInPlace(target, next_piece);
  if (existed && !S_ISDIR(old.st_mode) && !CanWrite(target)) return errno;
  RemoveStaleTemporariesOnce(target);
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    fd = Open(FileCall::kCreate, temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return errno;
  }
  if (fd < 0) return EEXIST;
  int error =
      WriteGathered(next_piece, [fd](std::string_view bytes) { return WriteAll(fd, bytes); });
  if (error == 0 && existed && ::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
  if (error == 0 && durability == Durability::kFlushed)
    error = Made(FileCall::kSync, [&] { return ::fsync(fd); });
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0)
    error = Made(FileCall::kRename, [&] { return ::rename(temp.c_str(), target.c_str()); });
  if (error != 0) ::unlink(temp.c_str());
  return error;
}

int RemoveFile(const std::string& path) {
  if (const int fault = InjectedFault(FileCall::kRemove); fault > 0) return fault;
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int MakeFolders(const std::string& path) {
  std::string folder = path;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.empty() || IsFolder(folder)) return 0;
  const std::size_t sep = folder.find_last_of('/');
  if (sep != std::string::npos && sep > 0) {
    if (const int error = MakeFolders(folder.substr(0, sep)); error != 0) return error;
  }
  const int error = Made(FileCall::kMakeFolder, [&] { return ::mkdir(folder.c_str(), 0777); });
  if (error == EEXIST) return IsFolder(folder) ? 0 : ENOTDIR;
  return error;
}

int MakeNewFolder(const std::string& path) {
  return Made(FileCall::kMakeFolder, [&] { return ::mkdir(path.c_str(), 0777); });
}

int RenamePath(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int RemoveTree(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(path), ec);
  return ec ? ec.value() : 0;
}

std::string MakePrivateFolder(const std::string& base, std::string_view prefix) {
  // A folder that is the user's alone is used as it is.
  struct stat st {};
  if (::stat(base.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
      (st.st_mode & 022) == 0) {
    return base + "/";
  }
  const std::string folder = base + "/" + std::string(prefix) + "-" + std::to_string(::geteuid());
  const int error = Made(FileCall::kMakeFolder, [&] { return ::mkdir(folder.c_str(), 0700); });
  if (error == 0 || (::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
                     st.st_uid == ::geteuid() && (st.st_mode & 077) == 0)) {
    return folder + "/";
  }
  // The name is taken by something else: a folder of a new name of our own.
  std::string pattern = base + "/" + std::string(prefix) + "-XXXXXX";
  if (InjectedFault(FileCall::kMakeFolder) > 0 || ::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern + "/";
}

}  // namespace orvex::files
