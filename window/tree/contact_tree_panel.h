// The contact tree area: the path box with its "..." button, the tree of
// identities and friends with the word shown when it holds no archives, the
// filter, and above them the identity panel with its archiving switch. It owns
// the last scan, the tree's items, the favourites and the identity panel's
// state. It scans the path box's folder, filters and flips the archiving
// switch itself, and tells the window the conversations of the nodes selected.
#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "window/handler_guard.h"
#include "ylogs/discovery/contact_tree.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/favorites.h"
#include "ylogs/discovery/identity_panel.h"

class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvex {

class Registry;

class ContactTreePanel : public QWidget, public GuardedHandlers {
  Q_OBJECT

 public:
  // `registry` holds the archiving switch of each identity; none: the switch
  // stays greyed.
  ContactTreePanel(Registry* registry, QWidget* parent);

  // The panel is built in two steps, so that the focus moves through the
  // window as it always has: the identity panel and the archiving switch
  // with the strip above everything, then the column.
  void CreateIdentityPanels(QWidget* strip);
  void CreateColumn();
  QWidget* identity_panel() const;
  QWidget* archiving_panel() const;

  // The names and nodes of the last scan, and the profiles folders it read
  // as one history (the path box's first).
  const ContactTreeData& data() const { return data_; }
  const std::vector<std::string>& scanned_folders() const { return scanned_folders_; }
  // The archive folders added to the path box's, in the order added.
  const std::vector<std::string>& added_folders() const { return added_folders_; }
  // Sets the added folders without a scan (the path box's scan reads them).
  void SetAddedFolders(std::vector<std::string> folders) { added_folders_ = std::move(folders); }
  // Adds a folder (read with the path box's as one history), or removes
  // every added one, and scans again.
  void AddFolder(const std::string& folder);
  void RemoveAddedFolders();
  const FavoritesList& favorites() const { return favorites_; }
  // Whether the first node selected is "Favorite conversations".
  bool ShowsFavorites() const;

  // Puts the text into the path box, which scans its folder when the text
  // changes.
  void SetPath(const QString& path);
  // Lists the conversations of the nodes selected again (selectionChanged).
  void Relist();
  // Selects every node shown, and lists their conversations.
  void SelectAllShowing();
  // Selects and opens the identity the messenger last used, when listed.
  void SelectRegistryUser();
  // A click acts on the current identity: without one the switch is greyed.
  void ShowArchivingUsable();
  // Empties the tree and its data, for files opened on their own.
  void ClearForLooseFiles();
  void ShowNoArchivesNote(bool shown);

  void AddFavorite(const FavoriteEntry& entry) { favorites_.Add(entry); }
  void LoadFavorite(const FavoriteEntry& entry) { favorites_.AddLoaded(entry); }
  std::size_t RemoveFavorite(const std::string& path) { return favorites_.Remove(path); }

 signals:
  void browseClicked();
  // The conversations of the nodes now selected, and the identity they
  // belong to (shown by the panel already).
  void selectionChanged(const IndexBuild& selected);

 private:
  // Scans the path box's folder into the tree; a folder that does not exist
  // leaves everything and shows the way to the archives. Whether nodes were
  // selected before (their list is then to be built again).
  bool ScanPath();
  // Shows the identity a list belongs to, with its archiving switch.
  void ShowIndex(const IndexBuild& build);
  // Hides the friends whose names lack the filter's text; whether exactly one
  // matched, which is then selected alone.
  bool ApplyFilter();
  void FlipArchiving();
  // Empties the tree without a selection change.
  void ClearTree();
  // The tree of the contact data, in place of what it showed.
  void RebuildTree();
  std::vector<QTreeWidgetItem*> NodesInTreeOrder() const;
  // Places the word on missing archives below the tree's rows.
  void PlaceNoArchivesNote();
  void ShowIdentityStatus(const std::string& identity);
  // Says under the path box which added folders are read, and which are
  // missing.
  void ShowAddedFolders();

  Registry* registry_;
  ContactTreeData data_;
  std::vector<std::string> scanned_folders_;
  std::vector<std::string> added_folders_;
  std::vector<QTreeWidgetItem*> items_;  // by node
  FavoritesList favorites_;
  IdentityPanel panel_;

  QLineEdit* edtPath = nullptr;
  QLabel* lblAlso = nullptr;  // under the path box: the added folders read with it
  QToolButton* btnSelDir = nullptr;
  QTreeWidget* ids = nullptr;
  QLabel* lblNoArchives = nullptr;  // over the tree: no archives in this folder
  QLineEdit* edtFilter = nullptr;
  QLabel* panID = nullptr;
  QFrame* panMesArch = nullptr;
  QToolButton* spdArchiving = nullptr;
};

}  // namespace orvex
