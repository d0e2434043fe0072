#include "browse_for_folder.h"

#include <QCoreApplication>

#include <filesystem>
#include <system_error>

#include "dialogs/folder_picker.h"
#include "qt_platform/qt_text.h"

namespace orvex {

bool BrowseForFolder(FolderPicker& picker, QWidget* parent, const QString& title,
                     const std::string& root, std::string& folder) {
  std::error_code ec;
  if (folder.empty() || !std::filesystem::is_directory(folder, ec)) folder.clear();
  const std::optional<QString> chosen =
      picker.Pick(parent, title, FromFileName(root), FromFileName(folder));
  if (!chosen) return false;
  std::string path = ToFileName(*chosen);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  folder = path;
  return true;
}

std::function<std::optional<QString>()> OutputFolderBrowser(FolderPicker* picker, QWidget* parent) {
  return [picker, parent]() -> std::optional<QString> {
    std::string folder;
    if (!picker || !BrowseForFolder(
                       *picker, parent,
                       QCoreApplication::translate("Core", "Select a directory to save the files."),
                       "", folder)) {
      return std::nullopt;
    }
    return FromFileName(folder);
  };
}

}  // namespace orvex
