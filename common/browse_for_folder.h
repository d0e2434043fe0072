// Choosing a folder: used for the profiles folder and for the batch export's
// output folder.
#pragma once

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
bool BrowseForFolder(FolderPicker& picker, QWidget* parent, const std::string& title,
                     const std::string& root, std::string& folder);

}  // namespace orvex
