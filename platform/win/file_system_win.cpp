// The file-system module on Windows: the wide (UTF-16) API, names by the rule
// of wide_names.h, failures as error numbers (errno values) like the POSIX
// module gives them.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "platform/file_system.h"
#include "platform/gathered_writes.h"
#include "platform/piece_compare.h"
#include "platform/stale_temporaries.h"
#include "wide_names.h"

namespace orvex::files {
namespace {

int LastError() {
  return win::ErrnoFromSystemError(::GetLastError());
}

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (ok()) ::CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  // Closes now; false when closing failed.
  bool Close() {
    const bool closed = !ok() || ::CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE h_;
};

DWORD Attributes(const FileNameBytes& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(win::WidePath(path).c_str());
}

bool IsFolderAttributes(DWORD a) {
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Opens for reading, links followed; folders too (for their identity).
HANDLE OpenForInfo(const FileNameBytes& path) {
  return ::CreateFileW(win::WidePath(path).c_str(), 0,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

int WriteAll(HANDLE h, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD put = 0;
    if (!::WriteFile(h, bytes.data(), chunk, &put, nullptr)) return LastError();
    bytes.remove_prefix(put);
  }
  return 0;
}

bool IsLink(const FileNameBytes& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace

FileNameBytes WriteTarget(const FileNameBytes& path) {
  if (!IsLink(path)) return path;
  Handle h(OpenForInfo(path));
  if (!h.ok()) return path;
  std::wstring buffer(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 3; ++attempt) {
    const DWORD n =
        ::GetFinalPathNameByHandleW(h.get(), buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    if (n == 0) return path;
    if (n < buffer.size()) {
      buffer.resize(n);
      // "\\?\C:\..." as the plain path it stands for.
      if (buffer.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        buffer = L"\\\\" + buffer.substr(8);
      } else if (buffer.rfind(L"\\\\?\\", 0) == 0) {
        buffer = buffer.substr(4);
      }
      return win::PathFromWide(buffer);
    }
    buffer.resize(n);
  }
  return path;
}

bool IsFolder(const FileNameBytes& path) {
  return IsFolderAttributes(Attributes(path));
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> FileIdentity(const FileNameBytes& path) {
  if (path.empty()) return std::nullopt;
  Handle h(OpenForInfo(path));
  if (!h.ok()) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(h.get(), &info)) return std::nullopt;
  const std::uint64_t index =
      (std::uint64_t{info.nFileIndexHigh} << 32) | std::uint64_t{info.nFileIndexLow};
  return std::pair<std::uint64_t, std::uint64_t>{info.dwVolumeSerialNumber, index};
}

int ListFolder(const FileNameBytes& folder,
               const std::function<bool(std::string_view)>& wants_details,
               const std::function<void(const ListedItem&)>& visit) {
  if (folder.empty()) return ENOENT;
  std::string pattern = folder;
  if (pattern.back() != '/' && pattern.back() != '\\') pattern += '/';
  pattern += '*';
  WIN32_FIND_DATAW found{};
  HANDLE find = ::FindFirstFileExW(win::WidePath(pattern).c_str(), FindExInfoBasic, &found,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return 0;  // an empty folder (a root has no "." entries)
    if (error == ERROR_DIRECTORY || !IsFolder(folder)) {
      return IsFolder(folder) ? win::ErrnoFromSystemError(error)
                              : (Attributes(folder) == INVALID_FILE_ATTRIBUTES ? ENOENT : ENOTDIR);
    }
    return win::ErrnoFromSystemError(error);
  }
  // Gathered first, then visited in the program's listing order.
  struct Found {
    std::string name;
    DWORD attributes;
    std::int64_t size;
  };
  std::vector<Found> entries;
  do {
    const std::wstring_view wide(found.cFileName);
    if (wide == L"." || wide == L"..") continue;
    entries.push_back({win::BytesFromWide(wide), found.dwFileAttributes,
                       static_cast<std::int64_t>((std::uint64_t{found.nFileSizeHigh} << 32) |
                                                 found.nFileSizeLow)});
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);
  std::sort(entries.begin(), entries.end(),
            [](const Found& a, const Found& b) { return ListingOrder(a.name, b.name) < 0; });
  for (const Found& entry : entries) {
    ListedItem item;
    item.name = entry.name;
    const bool link = (entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    item.is_folder = !link && (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!item.is_folder && wants_details && wants_details(item.name)) {
      if (link) {
        // What the link leads to, as the POSIX module's stat would give it.
        std::string path = folder;
        if (path.back() != '/' && path.back() != '\\') path += '/';
        path += entry.name;
        Handle h(OpenForInfo(path));
        BY_HANDLE_FILE_INFORMATION info{};
        if (h.ok() && ::GetFileInformationByHandle(h.get(), &info)) {
          item.is_folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
          if (!item.is_folder) {
            item.size = static_cast<std::int64_t>((std::uint64_t{info.nFileSizeHigh} << 32) |
                                                  info.nFileSizeLow);
          }
        }
      } else {
        item.size = entry.size;
      }
    }
    visit(item);
  }
  return 0;
}

int SameFileStarts(const FileNameBytes& a, const FileNameBytes& b, std::uint64_t length,
                   bool& same) {
  same = false;
  auto open = [](const FileNameBytes& path) {
    return ::CreateFileW(win::WidePath(path).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  };
  Handle ha(open(a));
  if (!ha.ok()) return LastError();
  Handle hb(open(b));
  if (!hb.ok()) return LastError();
  const HANDLE handles[] = {ha.get(), hb.get()};
  return ComparePieces(
      length,
      [&handles](int side, char* to, std::size_t size, std::size_t& got) {
        got = 0;
        while (got < size) {
          DWORD n = 0;
          if (!::ReadFile(handles[side], to + got, static_cast<DWORD>(size - got), &n, nullptr)) {
            return LastError();
          }
          if (n == 0) break;
          got += n;
        }
        return 0;
      },
      same);
}

int ReadWholeFile(const FileNameBytes& path, std::string& bytes) {
  bytes.clear();
  if (path.empty()) return ENOENT;
  if (IsFolder(path)) return EISDIR;
  Handle h(::CreateFileW(win::WidePath(path).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!h.ok()) return IsFolder(path) ? EISDIR : LastError();
  LARGE_INTEGER size{};
  const bool disk = ::GetFileType(h.get()) == FILE_TYPE_DISK;
  std::size_t expected = 0;
  if (disk && ::GetFileSizeEx(h.get(), &size) && size.QuadPart > 0) {
    expected = static_cast<std::size_t>(size.QuadPart);
  }
  auto fail = [&](int error) {
    bytes.clear();
    return error;
  };
  if (expected > 0) {
    bytes.resize(expected);
    std::size_t got = 0;
    while (got < expected) {
      const std::size_t left = expected - got;
      const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
      DWORD n = 0;
      if (!::ReadFile(h.get(), bytes.data() + got, chunk, &n, nullptr)) return fail(LastError());
      if (n == 0) break;  // the file shrank since its size was read
      got += n;
    }
    bytes.resize(got);
  } else {
    char buf[65536];
    for (;;) {
      DWORD n = 0;
      if (!::ReadFile(h.get(), buf, sizeof buf, &n, nullptr)) {
        if (::GetLastError() == ERROR_BROKEN_PIPE) break;
        return fail(LastError());
      }
      if (n == 0) break;
      bytes.append(buf, n);
    }
  }
  return 0;
}

bool ProcessRunning(std::uint32_t pid) {
  const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  // No such process, or one this user may not look at (running).
  if (!process) return ::GetLastError() != ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool running = !::GetExitCodeProcess(process, &code) || code == STILL_ACTIVE;
  ::CloseHandle(process);
  return running;
}

bool IsPlainFile(const FileNameBytes& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES &&
         (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

bool CanWrite(const FileNameBytes& path) {
  // A folder's read-only mark means nothing to the system; a file's does.
  const DWORD a = Attributes(path);
  if (a == INVALID_FILE_ATTRIBUTES) return false;
  return (a & FILE_ATTRIBUTE_DIRECTORY) != 0 || (a & FILE_ATTRIBUTE_READONLY) == 0;
}

int WriteFileAtomically(const FileNameBytes& path, std::string_view bytes) {
  return WriteFileAtomically(path, OnePiece(bytes));
}

int WriteFileAtomically(const FileNameBytes& path, const NextPiece& next_piece,
                        Durability durability) {
  static std::atomic<unsigned> counter{0};
  if (path.empty()) return ENOENT;
  const FileNameBytes target = WriteTarget(path);
  const std::wstring wide_target = win::WidePath(target);
  const DWORD old_attributes = ::GetFileAttributesW(wide_target.c_str());
  if (IsFolderAttributes(old_attributes)) return EISDIR;
  RemoveStaleTemporariesOnce(target);
  std::wstring temp;
  HANDLE created = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
    temp = win::WidePath(target + ".tmp" + std::to_string(::GetCurrentProcessId()) + "-" +
                         std::to_string(counter++));
    created = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
      return LastError();
    }
  }
  if (created == INVALID_HANDLE_VALUE) return EEXIST;
  Handle h(created);
  int error =
      WriteGathered(next_piece, [&h](std::string_view bytes) { return WriteAll(h.get(), bytes); });
  if (error == 0 && durability == Durability::kFlushed && !::FlushFileBuffers(h.get()))
    error = LastError();
  if (!h.Close() && error == 0) error = LastError();
  // An existing file keeps its attributes (hidden, system, archive), as the
  // POSIX module keeps permissions. A read-only file is not replaced: the
  // system refuses, and that refusal is the error.
  const DWORD keep = old_attributes == INVALID_FILE_ATTRIBUTES
                         ? 0
                         : old_attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                             FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
  if (error == 0 && !::MoveFileExW(temp.c_str(), wide_target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastError();
  }
  if (error == 0 && keep != 0) ::SetFileAttributesW(wide_target.c_str(), keep);
  if (error != 0) ::DeleteFileW(temp.c_str());
  return error;
}

int RemoveFile(const FileNameBytes& path) {
  if (path.empty()) return ENOENT;
  if (IsFolder(path)) return EISDIR;
  return ::DeleteFileW(win::WidePath(path).c_str()) ? 0 : LastError();
}

int MakeFolders(const FileNameBytes& path) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(win::WidePath(path)), ec);
  if (ec) {
    return ec.category() == std::system_category()
               ? win::ErrnoFromSystemError(static_cast<unsigned long>(ec.value()))
               : ec.value();
  }
  return IsFolder(path) ? 0 : ENOTDIR;
}

int MakeNewFolder(const FileNameBytes& path) {
  if (::CreateDirectoryW(win::WidePath(path).c_str(), nullptr)) return 0;
  return win::ErrnoFromSystemError(::GetLastError());
}

int RenamePath(const FileNameBytes& from, const FileNameBytes& to) {
  if (::MoveFileExW(win::WidePath(from).c_str(), win::WidePath(to).c_str(), 0)) return 0;
  return win::ErrnoFromSystemError(::GetLastError());
}

int RemoveTree(const FileNameBytes& path) {
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(win::WidePath(path)), ec);
  if (!ec) return 0;
  return ec.category() == std::system_category()
             ? win::ErrnoFromSystemError(static_cast<unsigned long>(ec.value()))
             : ec.value();
}

}  // namespace orvex::files
