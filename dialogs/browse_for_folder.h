// Choosing a folder: used for the profiles folder and for the batch export's
// output folder.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace orvex {

class FolderPicker;

// Shows the folder browser with a title, browsing from `root` (empty: the
// whole file system), with `folder` shown first when it names an existing
// folder. When the user chooses one, `folder` becomes its path without a
// final separator (the file system's root keeps its one) and the result is
// true. Otherwise the result is false, and `folder` is left empty when it
// named no existing folder, else as it was.
bool BrowseForFolder(FolderPicker& picker, QWidget* parent, const QString& title,
                     const std::string& root, std::string& folder);

// The "..." of the export dialogs: the folder browser under the title "Select
// a directory to save the files.", with no folder shown first and no root.
// The folder chosen, or none when the user cancels or there is no picker.
std::function<std::optional<QString>()> OutputFolderBrowser(FolderPicker* picker, QWidget* parent);

}  // namespace orvex
