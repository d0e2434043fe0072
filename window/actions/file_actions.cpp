#include "window/actions/file_actions.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>

#include <string>
#include <vector>

#include "dialogs/browse_for_folder.h"
#include "dialogs/frmopendat.h"
#include "platform/file_system.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/file_system_trash.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/shell.h"
#include "window/discovery_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/tree/contact_tree_panel.h"
#include "window/window_environment.h"
#include "ylogs/base/file_error.h"
#include "ylogs/discovery/archive_places.h"
#include "ylogs/discovery/conversation_entry.h"
#include "ylogs/discovery/profiles_folder.h"

namespace orvex {
namespace {

constexpr const char* kSelectArchiveFolderTitle =
    QT_TRANSLATE_NOOP("FileActions", "Select a directory from which to read the archive.");
constexpr const char* kAddArchiveFolderTitle =
    QT_TRANSLATE_NOOP("FileActions", "Select another archive folder to read with the one shown.");

ConversationEntry EntryForLooseFile(const std::string& path, const std::string& user,
                                    const std::string& friend_name) {
  ConversationEntry e;
  const std::string_view name = FileNamePart(path);
  e.file_name = std::string(name.substr(0, kFileNameFieldMax));
  e.path = path;
  e.date = DateFromFileName(name);
  e.identity = user.substr(0, kNameFieldMax);
  e.friend_name = friend_name.substr(0, kNameFieldMax);
  return e;  // size and rank stay 0: the files are not looked at here
}

}  // namespace

void FileActions::Delete2Click() {
  const std::vector<ConversationEntry> selected = list_.SelectedEntries();
  std::size_t file_count = 0;
  for (const ConversationEntry& e : selected) file_count += 1 + e.copies.size();
  // The files go to the trash; without one the question says they go for good.
  const bool trash = files::TrashAvailable();
  const QString question = (trash ? tr("Are you sure you want to delete %1 files?\r\n")
                                  : tr("Are you sure you want to delete %1 files permanently?\r\n"))
                               .arg(file_count);
  const QString where = trash ? tr("They are moved to the trash, from where they can be restored.")
                              : tr("There is no trash here: they are deleted for good.");
  if (!host_.env->dialogs ||
      !host_.env->dialogs->AskToRemove(host_.window, tr("Confirmation"), question, where))
    return;
  // A conversation of several copies is every copy's file.
  std::vector<std::string> paths;
  for (const ConversationEntry& e : selected) {
    paths.push_back(e.path);
    paths.insert(paths.end(), e.copies.begin(), e.copies.end());
  }
  // The first failure stops: files moved or deleted before it stay so and the
  // list stays as it is.
  std::vector<std::string> permanently;  // the files no trash can take
  for (const std::string& path : paths) {
    const int error = trash ? files::MoveToTrash(path) : files::kNoTrash;
    if (error == files::kNoTrash) {
      permanently.push_back(path);
    } else if (error != 0) {
      throw FileError(FileErrorText(error));
    }
  }
  if (trash && !permanently.empty()) {
    const QString again =
        permanently.size() == 1
            ? tr("1 file cannot be moved to the trash. Delete it permanently?")
            : tr("%1 files cannot be moved to the trash. Delete them permanently?")
                  .arg(permanently.size());
    // No keeps them; the list shows what the trash took.
    if (!host_.env->dialogs->AskYesNoDefaultNo(host_.window, tr("Confirmation"), again))
      permanently.clear();
  }
  for (const std::string& path : permanently) {
    if (const int error = files::RemoveFile(path); error != 0) {
      throw FileError(FileErrorText(error));
    }
  }
  contacts_.Relist();
}

void FileActions::Showinexplorer1Click() {
  const std::vector<int> rows = list_.SelectedRowsInOrder();
  if (rows.empty() || !host_.env->shell) return;
  const std::string& path = list_.model().EntryAt(rows.front()).path;
  const std::size_t cut = path.rfind('/');
  const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
  host_.env->shell->Open(QUrl::fromLocalFile(FromFileName(folder)));
}

void FileActions::btnSelDirClick() {
  if (!host_.env->folder_picker) return;
  std::string folder;
  if (!BrowseForFolder(*host_.env->folder_picker, host_.window, tr(kSelectArchiveFolderTitle), "",
                       folder))
    return;
  if (folder.empty() || folder.back() != '/') folder += '/';
  // A folder above the profiles folder (the messenger's, a programs folder,
  // a disk) stands for the profiles folder below it.
  const std::optional<std::string> profiles = ProfilesFolderAtOrBelow(folder);
  if (profiles) folder = *profiles;
  contacts_.SetPath(FromFileName(folder));  // scans only when the text changes
  if (profiles) discovery_.chosen_profiles = folder;
}

void FileActions::Addarchivefolder1Click() {
  if (!host_.env->folder_picker) return;
  std::string folder;
  if (!BrowseForFolder(*host_.env->folder_picker, host_.window, tr(kAddArchiveFolderTitle), "",
                       folder))
    return;
  // A folder above a profiles folder stands for the one below it, as "...".
  contacts_.AddFolder(ProfilesFolderAtOrBelow(folder).value_or(WithFinalSeparator(folder)));
}

void FileActions::Removeaddedarchivefolders1Click() {
  contacts_.RemoveAddedFolders();
}

void FileActions::Opendatfile1Click() {
  TfrmOpenDat dialog(host_.env->dat_files, host_.env->dialogs, host_.window);
  host_.ShowModal(dialog);
  // Without files nothing changes: rows listed from loose files before keep
  // the names they are decoded with.
  if (dialog.files().empty()) return;

  DiscoveryState& d = discovery_;
  contacts_.ClearForLooseFiles();
  // The emptied tree rebuilds the list as any selection change does: the
  // search tabs close, the current identity goes, the list empties.
  contacts_.Relist();

  d.loose_mode = true;
  d.loose_files = dialog.files();
  d.loose_user_name = dialog.user_name();
  d.loose_friend_name = dialog.friend_name();
  std::vector<ConversationEntry> entries;
  for (const std::string& path : d.loose_files)
    entries.push_back(EntryForLooseFile(path, d.loose_user_name, d.loose_friend_name));
  list_.FillList(std::move(entries));
  contacts_.ShowNoArchivesNote(false);  // the files asked for are listed
}

}  // namespace orvex
