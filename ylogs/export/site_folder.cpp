#include "site_folder.h"

#include <cerrno>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "platform/file_system.h"
#include "ylogs/base/file_error.h"

namespace orvex {
namespace {

constexpr std::string_view kManifestFirstLine =
    "Orvex Messenger Archive website: the files below were written by the program, which "
    "replaces them as a whole when it writes the website again.";
constexpr std::string_view kWorkMark =
    "Orvex Messenger Archive website being written: the program removes this folder when it "
    "has put the website in its place, or when a later run finds it left behind.";
constexpr char kWorkSite[] = "/site";
constexpr char kWorkEarlier[] = "/earlier";

bool IsSeparator(char c) {
#ifdef _WIN32
  return c == '/' || c == '\\';
#else
  return c == '/';
#endif
}

std::string WithoutFinalSeparators(std::string path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  return path;
}

// The folder, then each folder above it up to the root (or ".", for a
// relative path).
std::vector<std::string> FolderAndAbove(std::string path) {
  std::vector<std::string> chain;
  path = WithoutFinalSeparators(std::move(path));
  // "C:\x" and "/x" end at their root; only a relative path has "." above.
  const bool relative =
      !path.empty() && !IsSeparator(path[0]) && !(path.size() > 1 && path[1] == ':');
  while (!path.empty()) {
    chain.push_back(path);
    std::size_t sep = path.size();
    while (sep > 0 && !IsSeparator(path[sep - 1])) --sep;
    if (sep == 0) {
      if (relative && path != ".") chain.push_back(".");
      break;
    }
    // The root: "/" or a drive's "C:\".
    if (sep == 1 || (sep == 3 && path[1] == ':')) {
      if (path.size() > sep) chain.push_back(path.substr(0, sep));
      break;
    }
    path = WithoutFinalSeparators(path.substr(0, sep - 1));
  }
  return chain;
}

bool IsPlainFile(const std::string& path) {
  return files::FileIdentity(path).has_value() && !files::IsFolder(path);
}

}  // namespace

std::optional<std::set<std::string>> SiteManifestFiles(const std::string& folder) {
  std::string text;
  if (files::ReadWholeFile(folder + "/" + kSiteManifestName, text) != 0) return std::nullopt;
  std::set<std::string> listed;
  std::size_t at = 0;
  bool first = true;
  while (at < text.size()) {
    std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + at, end - at);
    if (first) {
      if (line != kManifestFirstLine) return std::nullopt;
      first = false;
    } else if (!line.empty()) {
      listed.emplace(line);
    }
    at = end + 2;
  }
  if (first) return std::nullopt;
  return listed;
}

void CheckSiteTargets(const std::string& folder, const std::vector<std::string>& targets,
                      const std::set<std::string>& written) {
  const std::string root = WithoutFinalSeparators(folder) + "/";
  for (const std::string& target : targets) {
    if (!target.starts_with(root) || written.contains(target.substr(root.size()))) continue;
    if (files::FileIdentity(target) || files::IsFolder(target)) {
      throw UserError("Cannot write \"" + target +
                      "\": the folder holds a file of that name that this program did not write. "
                      "Choose an empty folder, or one that holds a website saved before.");
    }
  }
}

namespace {

struct ForeignWalk {
  const std::set<std::string>& files;
  std::set<std::string> folders;  // every folder above a listed file
  std::size_t limit;
  std::vector<std::string> found;
  std::size_t total = 0;

  void Note(const std::string& relative) {
    if (found.size() < limit) found.push_back(relative);
    ++total;
  }

  // Whether anything but folders lies below (an empty folder loses nothing).
  static bool HoldsFiles(const std::string& folder) {
    bool holds = false;
    files::ListFolder(
        folder, [](std::string_view) { return true; },
        [&](const files::ListedItem& item) {
          holds = holds || !item.is_folder || HoldsFiles(folder + "/" + std::string(item.name));
        });
    return holds;
  }

  void Walk(const std::string& folder, const std::string& relative) {
    std::vector<std::pair<std::string, bool>> entries;
    files::ListFolder(
        folder, [](std::string_view) { return true; },
        [&](const files::ListedItem& item) {
          entries.emplace_back(std::string(item.name), item.is_folder);
        });
    for (const auto& [name, is_folder] : entries) {
      const std::string path = relative.empty() ? name : relative + "/" + name;
      if (is_folder) {
        if (folders.contains(path)) {
          Walk(folder + "/" + name, path);
        } else if (HoldsFiles(folder + "/" + name)) {
          Note(path + "/");
        }
      } else if (path != kSiteManifestName && !files.contains(path)) {
        Note(path);
      }
    }
  }
};

}  // namespace

std::string SiteManifestText(const std::vector<std::string>& files) {
  std::string text(kManifestFirstLine);
  text += "\r\n";
  for (const std::string& file : files) text += file + "\r\n";
  return text;
}

std::string SiteFolderRefusal(const std::string& folder,
                              const std::vector<std::string>& profiles_folders) {
  if (folder.empty()) return "The website's folder has no name: name a folder with --out.";
  if (IsPlainFile(folder)) return folder + " is a file: name a folder for the website.";
  const std::vector<std::string> chain = FolderAndAbove(folder);
  for (const std::string& profiles : profiles_folders) {
    const auto archive = files::FileIdentity(WithoutFinalSeparators(profiles));
    if (!archive) continue;
    for (const std::string& above : chain) {
      if (files::FileIdentity(above) == archive) {
        return "The folder " + folder + " is inside the message archives in " + profiles +
               ": a website there would be read as part of them. Choose a folder outside them.";
      }
    }
  }
  for (std::size_t k = 1; k < chain.size(); ++k) {
    if (IsPlainFile(chain[k] + "/" + kSiteManifestName)) {
      return "The folder " + folder + " is inside the website in " + chain[k] +
             ": choose a folder outside it, or that folder itself to write it again.";
    }
  }
  return {};
}

std::vector<std::string> ForeignEntries(const std::string& folder, std::size_t limit,
                                        std::size_t& total) {
  const std::string root = WithoutFinalSeparators(folder);
  static const std::set<std::string> kNone;
  const std::optional<std::set<std::string>> listed =
      files::IsFolder(root) ? SiteManifestFiles(root) : std::nullopt;
  ForeignWalk walk{listed ? *listed : kNone, {}, limit, {}, 0};
  for (const std::string& file : walk.files) {
    for (std::size_t sep = file.find('/'); sep != std::string::npos;
         sep = file.find('/', sep + 1)) {
      walk.folders.insert(file.substr(0, sep));
    }
  }
  if (files::IsFolder(root)) walk.Walk(root, "");
  total = walk.total;
  return walk.found;
}

std::string ForeignEntriesRefusal(const std::string& folder,
                                  const std::vector<std::string>& foreign, std::size_t total) {
  std::string text = "The folder " + folder + " holds what this program did not write there: ";
  for (std::size_t k = 0; k < foreign.size(); ++k) {
    if (k) text += ", ";
    text += foreign[k];
  }
  if (total > foreign.size()) text += " and " + std::to_string(total - foreign.size()) + " more";
  text += ". Nothing was changed: move those out of it, or choose another folder for the website.";
  if (!SiteManifestFiles(WithoutFinalSeparators(folder))) {
    text +=
        " (A website written by an earlier version of the program has no list of its files: "
        "remove it, and the new one takes its place.)";
  }
  return text;
}

// A work folder a killed run left: it holds the mark, and besides it only
// the two folders the program makes there.
bool IsLeftWork(const std::string& work) {
  std::string mark;
  if (files::ReadWholeFile(work + "/" + kSiteManifestName, mark) != 0 || mark != kWorkMark) {
    return false;
  }
  bool only_ours = true;
  files::ListFolder(
      work, [](std::string_view) { return true; },
      [&](const files::ListedItem& item) {
        const std::string name = "/" + std::string(item.name);
        only_ours = only_ours && (item.name == kSiteManifestName ||
                                  (item.is_folder && (name == kWorkSite || name == kWorkEarlier)));
      });
  return only_ours;
}

std::string MakeWorkFolder(const std::string& folder) {
  const std::string base = WithoutFinalSeparators(folder) + ".partial";
  // The folders above are made as the site's own folder would be.
  if (const std::vector<std::string> chain = FolderAndAbove(folder); chain.size() > 1) {
    files::MakeFolders(chain[1]);
  }
  for (int n = 1; n <= 100; ++n) {
    const std::string work = n == 1 ? base : base + "-" + std::to_string(n);
    int error = files::MakeNewFolder(work);
    if (error == EEXIST && IsLeftWork(work) && files::RemoveTree(work) == 0) {
      error = files::MakeNewFolder(work);
    }
    if (error == EEXIST) continue;
    if (error != 0) return {};
    if (files::WriteFileAtomically(work + "/" + kSiteManifestName, kWorkMark) != 0) {
      files::RemoveTree(work);
      return {};
    }
    return work;
  }
  return {};
}

std::string WorkSite(const std::string& work) {
  return work + kWorkSite;
}

int PutSiteInPlace(const std::string& work, const std::string& folder) {
  const std::string target = WithoutFinalSeparators(folder);
  const std::string earlier = work + kWorkEarlier;
  const bool had_one = files::IsFolder(target);
  if (had_one) {
    if (const int error = files::RenamePath(target, earlier); error != 0) return error;
  }
  if (const int error = files::RenamePath(WorkSite(work), target); error != 0) {
    if (had_one) files::RenamePath(earlier, target);
    return error;
  }
  return files::RemoveTree(work);
}

}  // namespace orvex
