// The path box, the contact tree and its filter, the conversation index and
// the identity panel with its archiving switch.
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>

#include "qt_platform/qt_text.h"
#include "widgets/tree_icons.h"
#include "window/frmmain.h"
#include "window/frmmain_discovery_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "ylogs/discovery/archiving_switch.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/profiles_scan.h"
#include "ylogs/discovery/registry_user.h"

namespace orvex {
namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kNameIndexRole = Qt::UserRole + 2;

int ImageOf(NodeKind kind) {
  switch (kind) {
    case nkIdentity:
      return kImageIdentity;
    case nkFriend:
      return kImageFriend;
    case nkShowAll:
      return kImageShowAll;
    default:
      return kImageFavorites;
  }
}

NodeId NodeOf(const QTreeWidgetItem* item) {
  return item->data(0, kNodeRole).toInt();
}

// Shown, and not inside a hidden or collapsed node.
bool IsShowing(const QTreeWidgetItem* item) {
  if (item->isHidden()) return false;
  for (const QTreeWidgetItem* p = item->parent(); p; p = p->parent()) {
    if (p->isHidden() || !p->isExpanded()) return false;
  }
  return true;
}

}  // namespace

std::vector<QTreeWidgetItem*> TfrmMain::NodesInTreeOrder() const {
  std::vector<QTreeWidgetItem*> nodes;
  for (int i = 0; i < ids->topLevelItemCount(); ++i) {
    QTreeWidgetItem* top = ids->topLevelItem(i);
    nodes.push_back(top);
    for (int c = 0; c < top->childCount(); ++c) nodes.push_back(top->child(c));
  }
  return nodes;
}

void TfrmMain::ClearTree() {
  {
    const QSignalBlocker block(ids);
    ids->clear();
  }
  discovery_->items.clear();
  discovery_->favorites_node = nullptr;
}

void TfrmMain::RebuildTree() {
  ClearTree();
  DiscoveryState& d = *discovery_;
  for (NodeId id = 0; id < d.data.tree.size(); ++id) {
    const TreeNode& node = d.data.tree.node(id);
    auto* item = node.parent == kNoNode
                     ? new QTreeWidgetItem(ids)
                     : new QTreeWidgetItem(d.items[static_cast<std::size_t>(node.parent)]);
    item->setText(0, FromFileNameOrAnsi(d.data.NodeText(id)));
    item->setIcon(0, TreeIcon(ImageOf(node.kind)));
    item->setData(0, kNodeRole, id);
    item->setData(0, kKindRole, static_cast<int>(node.kind));
    item->setData(0, kNameIndexRole, node.name_index);
    if (node.kind == nkIdentity) {
      item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }
    if (node.kind == nkFavorites) d.favorites_node = item;
    d.items.push_back(item);
  }
}

void TfrmMain::edtPathChange() {
  const std::string profiles = ToFileName(edtPath->text());
  std::optional<ContactTreeData> scan = ScanProfiles(profiles);
  if (!scan) {
    // Not an existing folder: everything stays, and the way to the archives is
    // shown.
    ShowNoArchivesNote(true);
    return;
  }
  DiscoveryState& d = *discovery_;
  // Loose rows stay listed (nothing is selected in the new tree), and so
  // does the mode that names them; a rebuild of the list ends it.
  const bool had_selection = !ids->selectedItems().isEmpty();
  d.data = std::move(*scan);
  d.scanned_profiles = profiles;
  {
    const QSignalBlocker block(ids);
    RebuildTree();
  }
  ShowNoArchivesNote(d.data.identity_names.empty());
  if (had_selection) idsChange();  // the cleared selection empties the list
}

void TfrmMain::ShowNoArchivesNote(bool shown) {
  lblNoArchives->setVisible(shown);
  PlaceNoArchivesNote();
}

void TfrmMain::PlaceNoArchivesNote() {
  if (lblNoArchives->isHidden()) return;
  constexpr int kMargin = 8;
  const QRect area = ids->viewport()->rect();
  const int width = std::max(area.width() - 2 * kMargin, 0);
  const int height = lblNoArchives->heightForWidth(width);
  // Below the last row shown (the fixed nodes), or at the bottom of the tree
  // when the rows fill it.
  int top = kMargin;
  for (QTreeWidgetItem* item : NodesInTreeOrder()) {
    if (IsShowing(item)) top = std::max(top, ids->visualItemRect(item).bottom() + 1 + kMargin);
  }
  top = std::max(std::min(top, area.height() - height - kMargin), 0);
  lblNoArchives->setGeometry(area.left() + kMargin, area.top() + top, width, height);
}

void TfrmMain::idsChange() {
  DiscoveryState& d = *discovery_;
  d.loose_mode = false;  // the list is rebuilt from the tree: no loose rows remain
  std::vector<NodeId> selected;
  for (QTreeWidgetItem* item : ids->selectedItems()) selected.push_back(NodeOf(item));
  IndexBuild build = BuildConversationIndex(d.scanned_profiles, d.data, selected, d.favorites);
  if (build.close_search_tabs) conversations->CloseAllSearchTabs();

  const bool had_selection = conversations->selection()->hasSelection();
  conversations->FillList(std::move(build.entries));

  if (std::optional<std::string> shown = ApplyIndexBuild(d.panel, build)) {
    ShowIdentityStatus(*shown);
  }
  panID->setText(FromFileNameOrAnsi(d.panel.text));
  panMesArch->setVisible(d.panel.archiving_shown);
  ShowArchivingUsable();
  if (had_selection) msgChange();
}

void TfrmMain::edtFilterChange() {
  const QString filter = edtFilter->text();
  bool found = false, several = false;
  QTreeWidgetItem* first = nullptr;
  ids->setUpdatesEnabled(false);
  for (QTreeWidgetItem* item : NodesInTreeOrder()) {
    const auto kind = static_cast<NodeKind>(item->data(0, kKindRole).toInt());
    if (filter.isEmpty() || item->childCount() > 0) {
      item->setHidden(false);
    } else if (kind == nkFriend) {
      const bool match = item->text(0).contains(filter, Qt::CaseSensitive);
      item->setHidden(!match);
      if (match) {
        if (!found) {
          found = true;
          first = item;
        } else {
          several = true;
        }
      }
    } else {
      item->setHidden(false);  // the fixed nodes and childless identities stay reachable
    }
  }
  ids->setUpdatesEnabled(true);
  int showing = 0;
  for (QTreeWidgetItem* item : NodesInTreeOrder()) showing += IsShowing(item) ? 1 : 0;
  if (showing < 30) ids->expandAll();
  PlaceNoArchivesNote();  // the rows shown changed
  if (found && !several) {
    {
      const QSignalBlocker block(ids);
      ids->clearSelection();
      first->setSelected(true);
    }
    idsChange();
  }
}

void TfrmMain::spdSelectAllClick() {
  {
    const QSignalBlocker block(ids);
    for (QTreeWidgetItem* item : NodesInTreeOrder()) {
      if (IsShowing(item)) item->setSelected(true);
    }
  }
  idsChange();
}

void TfrmMain::Addtofavorite1Click() {
  for (int row : conversations->SelectedRowsInOrder()) {
    const ConversationEntry& e = conversations->model()->EntryAt(row);
    discovery_->favorites.Add({e.path, e.identity, e.friend_name, e.size});
  }
}

void TfrmMain::Removefromfavorites1Click() {
  DiscoveryState& d = *discovery_;
  std::size_t removed = 0;
  for (int row : conversations->SelectedRowsInOrder()) {
    removed += d.favorites.Remove(conversations->model()->EntryAt(row).path);
  }
  // The favourites listed show what is left; another list stays as it is.
  NodeId first = kNoNode;
  for (QTreeWidgetItem* item : ids->selectedItems()) {
    if (first == kNoNode || NodeOf(item) < first) first = NodeOf(item);
  }
  if (removed > 0 && first != kNoNode && d.data.tree.node(first).kind == nkFavorites) idsChange();
}

void TfrmMain::Refresh1Click() {
  idsChange();
}

void TfrmMain::SelectRegistryUser() {
  if (!env_.registry) return;
  const NodeId node = orvex::SelectRegistryUser(discovery_->data, ReadRegistryUser(*env_.registry));
  if (node == kNoNode || static_cast<std::size_t>(node) >= discovery_->items.size()) return;
  QTreeWidgetItem* item = discovery_->items[static_cast<std::size_t>(node)];
  item->setSelected(true);
  item->setExpanded(true);
}

void TfrmMain::ShowIdentityStatus(const std::string& identity) {
  panMesArch->setVisible(true);
  panID->setText(FromFileNameOrAnsi(std::string(kIdentityPanelPrefix) + identity));
  discovery_->panel.current_identity = identity;
  const bool enabled = env_.registry && ReadArchivingEnabled(*env_.registry, identity);
  const ArchivingLook look = ArchivingButtonLook(enabled);
  spdArchiving->setText(QString::fromLatin1(look.caption));
  spdArchiving->setStyleSheet(QStringLiteral("QToolButton { color: #%1; font-weight: bold; }"
                                             " QToolButton:disabled { color: #808080; }")
                                  .arg(look.rgb, 6, 16, QLatin1Char('0')));
  ShowArchivingUsable();
}

void TfrmMain::ShowArchivingUsable() {
  // A click acts on the current identity: without one the switch is greyed.
  spdArchiving->setEnabled(env_.registry && !discovery_->panel.current_identity.empty());
}

void TfrmMain::spdArchivingClick() {
  if (!env_.registry) return;
  const std::string identity = discovery_->panel.current_identity;
  if (FlipArchiving(*env_.registry, identity)) ShowIdentityStatus(identity);
}

}  // namespace orvex
