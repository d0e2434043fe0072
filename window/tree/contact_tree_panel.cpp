#include "window/tree/contact_tree_panel.h"
#include "qt_platform/translations.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <utility>

#include "qt_platform/qt_text.h"
#include "widgets/tree_icons.h"
#include "window/panel_parts.h"
#include "ylogs/discovery/archive_places.h"
#include "ylogs/discovery/archiving_switch.h"
#include "ylogs/discovery/profiles_scan.h"
#include "ylogs/discovery/registry_user.h"

namespace orvex {
namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kNameIndexRole = Qt::UserRole + 2;

constexpr const char* kNoArchivesText = QT_TRANSLATE_NOOP(
    "orvex::ContactTreePanel",
    "No message archives were found in this folder."
    "\n\n"
    "To choose the folder that holds them, click the \"...\" button beside the path box, "
    "or choose \"Open message archive folder...\" in the File menu.");

// The identity panel's text: its caption in the user's language, the names as
// they are.
QString IdentityPanelText(const std::string& text) {
  const std::string_view prefix = kIdentityPanelPrefix;
  if (text == kIdentityPanelMultiple) return UiText(kIdentityPanelMultiple);
  if (!text.starts_with(prefix)) return FromFileNameOrAnsi(text);
  return UiText(kIdentityPanelPrefix) + FromFileNameOrAnsi(text.substr(prefix.size()));
}

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

// Calls back each time a widget changes size.
class ResizeWatch : public QObject {
 public:
  ResizeWatch(QWidget* widget, std::function<void()> resized)
      : QObject(widget), resized_(std::move(resized)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) resized_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> resized_;
};

// The identity panel. Where the menu bar leaves it too little room for the
// identity's name, the name ends in an ellipsis and the panel's tip shows it
// whole, rather than being cut off against the archiving panel.
class IdentityLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = TextArea();
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideRight, area.width()),
                          foregroundRole());
  }
  bool event(QEvent* e) override {
    if (e->type() != QEvent::ToolTip) return QLabel::event(e);
    if (fontMetrics().horizontalAdvance(text()) > TextArea().width()) {
      QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text(), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }

 private:
  // Where QLabel puts its text: inside the frame, indented by half an "x".
  QRect TextArea() const {
    const int step = indent() >= 0 ? indent() : fontMetrics().horizontalAdvance(QChar(u'x')) / 2;
    return contentsRect().adjusted(margin() + step, margin(), -margin() - step, -margin());
  }
};

}  // namespace

ContactTreePanel::ContactTreePanel(Registry* registry, QWidget* parent)
    : QWidget(parent), registry_(registry) {
  setObjectName("LeftColumn");
}

void ContactTreePanel::CreateIdentityPanels(QWidget* strip) {
  panID = new IdentityLabel(UiText(kIdentityPanelPrefix), strip);
  // Its full width where there is room; narrower rather than widen the window.
  panID->setMinimumWidth(90);
  panID->setMaximumWidth(230);
  panID->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  panID->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  panMesArch = new QFrame(strip);
  panMesArch->setMinimumWidth(176);  // wide enough for its label in any font
  auto* arch = new QHBoxLayout(panMesArch);
  NoMargins(arch);
  arch->addWidget(new QLabel(tr("Message archiving: "), panMesArch));
  spdArchiving = FlatButton(tr("enabled"), panMesArch);
  spdArchiving->setAccessibleDescription(tr("Message archiving: click to switch it"));
  QFont bold = spdArchiving->font();
  bold.setBold(true);
  spdArchiving->setFont(bold);
  arch->addWidget(spdArchiving);
  arch->addStretch();

  panID->setObjectName("panID");
  panMesArch->setObjectName("panMesArch");
  spdArchiving->setObjectName("spdArchiving");
  connect(spdArchiving, &QToolButton::clicked, this,
          [this] { Handle([this] { FlipArchiving(); }); });
}

QWidget* ContactTreePanel::identity_panel() const {
  return panID;
}

QWidget* ContactTreePanel::archiving_panel() const {
  return panMesArch;
}

void ContactTreePanel::CreateColumn() {
  auto* col = new QVBoxLayout(this);
  NoMargins(col);

  auto* top = new QWidget(this);
  top->setFixedHeight(27);
  auto* top_row = new QHBoxLayout(top);
  top_row->setContentsMargins(2, 2, 2, 2);
  top_row->setSpacing(2);
  edtPath = new QLineEdit(top);
  btnSelDir = new QToolButton(top);
  btnSelDir->setText("...");
  top_row->addWidget(edtPath);
  top_row->addWidget(btnSelDir);
  col->addWidget(top);
  lblAlso = new QLabel(this);
  lblAlso->setContentsMargins(4, 0, 4, 2);
  lblAlso->setWordWrap(true);
  lblAlso->hide();
  col->addWidget(lblAlso);

  ids = new QTreeWidget(this);
  ids->setHeaderHidden(true);
  ids->setColumnCount(1);
  ids->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ids->setSelectionBehavior(QAbstractItemView::SelectRows);
  ids->setAllColumnsShowFocus(true);
  ids->setRootIsDecorated(true);
  ids->setIconSize(QSize(16, 16));
  col->addWidget(ids, 1);
  // Where the tree is empty, a word on how to find the archives; shown by the
  // scans. Clicks go through to the tree.
  lblNoArchives = new QLabel(tr(kNoArchivesText), ids->viewport());
  lblNoArchives->setWordWrap(true);
  lblNoArchives->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblNoArchives->setAttribute(Qt::WA_TransparentForMouseEvents);
  lblNoArchives->setBackgroundRole(QPalette::Base);
  lblNoArchives->setAutoFillBackground(true);
  lblNoArchives->hide();
  new ResizeWatch(ids->viewport(), [this] { PlaceNoArchivesNote(); });
  // Rows that move take the note along.
  connect(ids, &QTreeWidget::itemExpanded, this, [this] { PlaceNoArchivesNote(); });
  connect(ids, &QTreeWidget::itemCollapsed, this, [this] { PlaceNoArchivesNote(); });
  connect(ids->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { PlaceNoArchivesNote(); });

  auto* bottom = new QWidget(this);
  bottom->setFixedHeight(45);
  auto* br = new QHBoxLayout(bottom);
  br->setContentsMargins(4, 4, 4, 4);
  auto* filter_label = new QLabel(tr("Filter:"), bottom);
  br->addWidget(filter_label);
  edtFilter = new QLineEdit(bottom);
  filter_label->setBuddy(edtFilter);
  br->addWidget(edtFilter);
  col->addWidget(bottom);

  const std::pair<QObject*, const char*> names[] = {
      {edtPath, "edtPath"}, {btnSelDir, "btnSelDir"},
      {ids, "ids"},         {lblNoArchives, "lblNoArchives"},
      {lblAlso, "lblAlso"}, {edtFilter, "edtFilter"}};
  for (const auto& [control, name] : names) control->setObjectName(name);
  edtPath->setAccessibleName(tr("Archive folder"));
  edtPath->setAccessibleDescription(tr("The folder the message archives are read from"));
  btnSelDir->setAccessibleName(tr("Choose the archive folder"));
  ids->setAccessibleName(tr("Identities and contacts"));
  edtFilter->setAccessibleName(tr("Filter contacts"));

  connect(edtPath, &QLineEdit::textChanged, this, [this] {
    Handle([this] {
      if (ScanPath()) Relist();
    });
  });
  connect(btnSelDir, &QToolButton::clicked, this, &ContactTreePanel::browseClicked);
  connect(ids, &QTreeWidget::itemSelectionChanged, this, [this] { Handle([this] { Relist(); }); });
  connect(ids, &QTreeWidget::currentItemChanged, this,
          [](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
            // The focused node opens; a sibling that had the focus closes.
            if (current) current->setExpanded(true);
            if (previous && current && previous != current &&
                previous->parent() == current->parent() && previous->isExpanded()) {
              previous->setExpanded(false);
            }
          });
  connect(edtFilter, &QLineEdit::textChanged, this, [this] {
    Handle([this] {
      if (ApplyFilter()) Relist();
    });
  });
}

bool ContactTreePanel::ShowsFavorites() const {
  NodeId first = kNoNode;
  for (QTreeWidgetItem* item : ids->selectedItems()) {
    if (first == kNoNode || NodeOf(item) < first) first = NodeOf(item);
  }
  return first != kNoNode && data_.tree.node(first).kind == nkFavorites;
}

std::vector<QTreeWidgetItem*> ContactTreePanel::NodesInTreeOrder() const {
  std::vector<QTreeWidgetItem*> nodes;
  for (int i = 0; i < ids->topLevelItemCount(); ++i) {
    QTreeWidgetItem* top = ids->topLevelItem(i);
    nodes.push_back(top);
    for (int c = 0; c < top->childCount(); ++c) nodes.push_back(top->child(c));
  }
  return nodes;
}

void ContactTreePanel::ClearTree() {
  {
    const QSignalBlocker block(ids);
    ids->clear();
  }
  items_.clear();
}

void ContactTreePanel::RebuildTree() {
  ClearTree();
  for (NodeId id = 0; id < data_.tree.size(); ++id) {
    const TreeNode& node = data_.tree.node(id);
    auto* item = node.parent == kNoNode
                     ? new QTreeWidgetItem(ids)
                     : new QTreeWidgetItem(items_[static_cast<std::size_t>(node.parent)]);
    const bool fixed = node.kind == nkShowAll || node.kind == nkFavorites;
    item->setText(
        0, fixed ? UiText(data_.NodeText(id).c_str()) : FromFileNameOrAnsi(data_.NodeText(id)));
    item->setIcon(0, TreeIcon(ImageOf(node.kind)));
    item->setData(0, kNodeRole, id);
    item->setData(0, kKindRole, static_cast<int>(node.kind));
    item->setData(0, kNameIndexRole, node.name_index);
    if (node.kind == nkIdentity) {
      item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }
    items_.push_back(item);
  }
}

void ContactTreePanel::SetPath(const QString& path) {
  edtPath->setText(path);
}

bool ContactTreePanel::ScanPath() {
  const std::string profiles = ToFileName(edtPath->text());
  // One folder is read as it always was; added ones join it as one history.
  const std::vector<std::string> folders = added_folders_.empty()
                                               ? std::vector<std::string>{profiles}
                                               : HistoryFolders(profiles, added_folders_);
  std::optional<ContactTreeData> scan = ScanProfiles(folders);
  if (!scan) {
    // Not an existing folder: everything stays, and the way to the archives is
    // shown.
    ShowNoArchivesNote(true);
    return false;
  }
  // Loose rows stay listed (nothing is selected in the new tree), and so
  // does the mode that names them; a rebuild of the list ends it.
  const bool had_selection = !ids->selectedItems().isEmpty();
  data_ = std::move(*scan);
  scanned_folders_ = folders;
  ShowAddedFolders();
  {
    const QSignalBlocker block(ids);
    RebuildTree();
  }
  ShowNoArchivesNote(data_.identity_names.empty());
  return had_selection;  // the cleared selection empties the list
}

void ContactTreePanel::AddFolder(const std::string& folder) {
  added_folders_.push_back(folder);
  if (ScanPath()) Relist();
}

void ContactTreePanel::RemoveAddedFolders() {
  added_folders_.clear();
  if (ScanPath()) Relist();
  ShowAddedFolders();
}

void ContactTreePanel::ShowAddedFolders() {
  QStringList read, missing;
  for (std::size_t i = 1; i < scanned_folders_.size(); ++i) {
    const QString folder = FromFileName(scanned_folders_[i]);
    (HoldsProfiles(scanned_folders_[i]) ? read : missing) << folder;
  }
  lblAlso->setVisible(!read.isEmpty() || !missing.isEmpty());
  QString text = read.size() == 1 ? tr("Also read: 1 more archive folder")
                                  : tr("Also read: %1 more archive folders").arg(read.size());
  if (!missing.isEmpty())
    text += tr(" (%1 gone or without archives, left out)").arg(missing.size());
  lblAlso->setText(text);
  QString tip = read.join('\n');
  if (!missing.isEmpty())
    tip += (tip.isEmpty() ? "" : "\n") + tr("Missing:\n") + missing.join('\n');
  lblAlso->setToolTip(tip);
  edtPath->setToolTip(tip.isEmpty() ? QString() : tr("Read with:\n") + tip);
}

void ContactTreePanel::ShowNoArchivesNote(bool shown) {
  lblNoArchives->setVisible(shown);
  PlaceNoArchivesNote();
}

void ContactTreePanel::PlaceNoArchivesNote() {
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

void ContactTreePanel::Relist() {
  std::vector<NodeId> selected;
  for (QTreeWidgetItem* item : ids->selectedItems()) selected.push_back(NodeOf(item));
  const IndexBuild build = BuildConversationIndex(scanned_folders_, data_, selected, favorites_);
  ShowIndex(build);
  emit selectionChanged(build);
}

void ContactTreePanel::ShowIndex(const IndexBuild& build) {
  if (std::optional<std::string> shown = ApplyIndexBuild(panel_, build)) {
    ShowIdentityStatus(*shown);
  }
  panID->setText(IdentityPanelText(panel_.text));
  panMesArch->setVisible(panel_.archiving_shown);
  ShowArchivingUsable();
}

bool ContactTreePanel::ApplyFilter() {
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
  if (!found || several) return false;
  const QSignalBlocker block(ids);
  ids->clearSelection();
  first->setSelected(true);
  return true;
}

void ContactTreePanel::SelectAllShowing() {
  {
    const QSignalBlocker block(ids);
    for (QTreeWidgetItem* item : NodesInTreeOrder()) {
      if (IsShowing(item)) item->setSelected(true);
    }
  }
  Relist();
}

void ContactTreePanel::SelectRegistryUser() {
  if (!registry_) return;
  const NodeId node = orvex::SelectRegistryUser(data_, ReadRegistryUser(*registry_));
  if (node == kNoNode || static_cast<std::size_t>(node) >= items_.size()) return;
  QTreeWidgetItem* item = items_[static_cast<std::size_t>(node)];
  item->setSelected(true);
  item->setExpanded(true);
}

void ContactTreePanel::ShowIdentityStatus(const std::string& identity) {
  panMesArch->setVisible(true);
  panID->setText(IdentityPanelText(std::string(kIdentityPanelPrefix) + identity));
  panel_.current_identity = identity;
  const bool enabled = registry_ && ReadArchivingEnabled(*registry_, identity);
  const ArchivingLook look = ArchivingButtonLook(enabled);
  spdArchiving->setText(UiText(look.caption));
  spdArchiving->setStyleSheet(QStringLiteral("QToolButton { color: #%1; font-weight: bold; }"
                                             " QToolButton:disabled { color: #808080; }")
                                  .arg(look.rgb, 6, 16, QLatin1Char('0')));
  ShowArchivingUsable();
}

void ContactTreePanel::ShowArchivingUsable() {
  spdArchiving->setEnabled(registry_ && !panel_.current_identity.empty());
}

void ContactTreePanel::FlipArchiving() {
  if (!registry_) return;
  const std::string identity = panel_.current_identity;
  if (orvex::FlipArchiving(*registry_, identity)) ShowIdentityStatus(identity);
}

void ContactTreePanel::ClearForLooseFiles() {
  ClearTree();
  data_ = ContactTreeData{};
}

}  // namespace orvex
