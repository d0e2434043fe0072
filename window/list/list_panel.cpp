#include "window/list/list_panel.h"

#include <QAction>
#include <QBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>
#include <utility>

#include "widgets/caption_band.h"
#include "widgets/right_click_keeps_selection.h"
#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window/list/entry_selection.h"
#include "window/list/listed_conversations.h"
#include "window/list/rank_bar_delegate.h"
#include "window/panel_parts.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/finally.h"

namespace orvex {
namespace {

// Widens the list's date column to the widest date the regional format
// writes: a two-digit day in every month, on every weekday. A few dozen
// dates whatever the list's length; a wider column the user chose stays.
void FitDateColumn(QTreeView* list, const ConversationModel& model) {
  const QFontMetrics metrics = list->fontMetrics();
  int widest = list->header()->sectionSizeHint(kDateColumn);
  for (int month = 1; month <= 12; ++month) {
    for (int day = 22; day <= 28; ++day) {
      const QString date = model.DateText(CivilDateToDayCount(2000, month, day));
      widest = std::max(widest, metrics.horizontalAdvance(date) + CellTextMargin(list));
    }
  }
  if (list->header()->sectionSize(kDateColumn) < widest)
    list->header()->resizeSection(kDateColumn, widest);
}

}  // namespace

ListPanel::ListPanel(QWidget* parent) : QFrame(parent) {
  search_row_ = new QWidget(parent);
  search_row_->setFixedHeight(22);
  auto* sr = new QHBoxLayout(search_row_);
  NoMargins(sr);
  auto* band = new CaptionBand(tr("Search"), kCaptionBandColour, search_row_);
  band->setFixedWidth(95);
  sr->addWidget(band);
  txtSearch = new QLineEdit(search_row_);
  txtSearch->setFixedWidth(171);
  sr->addWidget(txtSearch);
  btnSearchNext = new QPushButton(tr("Search"), search_row_);
  sr->addWidget(btnSearchNext);
  sr->addStretch();

  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  auto* cc = new QVBoxLayout(this);
  NoMargins(cc);
  auto* cband = new CaptionBand(tr("Conversations"), kCaptionBandColour, this);
  cband->setFixedHeight(20);
  cc->addWidget(cband);
  msg = new QTreeView(this);
  model_ = new ConversationModel(this);
  // The entries' selection hears the model before the rows shown do, so it
  // has followed a sort when the shown rows read it.
  selection_ = new QItemSelectionModel(model_, this);
  auto* listed = new ListedConversations(model_, this);
  msg->setModel(listed);
  QItemSelectionModel* unused = msg->selectionModel();
  msg->setSelectionModel(new ShownSelection(listed, selection_, msg));
  delete unused;
  msg->setRootIsDecorated(false);
  msg->setItemsExpandable(false);
  msg->setUniformRowHeights(true);
  msg->setSelectionMode(QAbstractItemView::ExtendedSelection);
  msg->setSelectionBehavior(QAbstractItemView::SelectRows);
  msg->setAllColumnsShowFocus(true);
  msg->setContextMenuPolicy(Qt::CustomContextMenu);
  RightClickKeepsSelection::Install(msg);
  msg->setItemDelegateForColumn(kRankColumn, new RankBarDelegate(model_, msg));
  QHeaderView* header = msg->header();
  header->setSectionsMovable(true);
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(false);
  header->setStretchLastSection(false);
  for (int c = 0; c < kConversationColumns; ++c) {
    header->resizeSection(c, ConversationColumnWidth(c));
    msg->setColumnHidden(c, !ConversationColumnInitiallyShown(c));
  }
  // The file name takes what the other columns leave, so a wide window shows
  // no empty band and a narrow one cuts no column off.
  header->setSectionResizeMode(kFileNameColumn, QHeaderView::Stretch);
  header->setMinimumSectionSize(40);
  connect(model_, &QAbstractItemModel::modelReset, msg, [this] { FitDateColumn(msg, *model_); });
  msg->setStyleSheet(
      "QTreeView::item:selected:!active { background: #A2C0EF; border: 1px solid #A2C0EF; "
      "color: black; }");
  cc->addWidget(msg, 1);
  TabSet = new TabStrip(this);
  TabSet->setFixedHeight(21);
  TabSet->AddTab(tr("Conversations"), false);
  TabSet->setVisible(false);
  cc->addWidget(TabSet);

  const std::pair<QObject*, const char*> names[] = {
      {txtSearch, "txtSearch"}, {btnSearchNext, "btnSearchNext"}, {msg, "msg"}, {TabSet, "TabSet"}};
  for (const auto& [control, name] : names) control->setObjectName(name);
  // What a screen reader says of them.
  txtSearch->setAccessibleName(tr("Search text"));
  txtSearch->setAccessibleDescription(tr("Searches the conversations listed for this text"));
  msg->setAccessibleName(tr("Conversations"));
  TabSet->setAccessibleName(tr("Conversation list tabs"));
  // Shift+F10 opens the list's menu as the Menu key does: at the current row.
  auto* menu_key = new QAction(msg);
  menu_key->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
  menu_key->setShortcutContext(Qt::WidgetShortcut);
  msg->addAction(menu_key);
  connect(menu_key, &QAction::triggered, this, [this] {
    const QRect row = msg->visualRect(msg->currentIndex());
    const QPoint at = row.isValid() ? row.center() : QPoint(0, 0);
    emit menuRequested(msg->viewport()->mapToGlobal(at));
  });

  connect(selection_, &QItemSelectionModel::selectionChanged, this,
          [this] { emit selectionChanged(SelectedEntries()); });
  connect(header, &QHeaderView::sectionClicked, this,
          [this](int column) { Handle([&] { SortBy(column); }); });
  connect(msg, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { emit menuRequested(msg->viewport()->mapToGlobal(pos)); });
  connect(btnSearchNext, &QPushButton::clicked, this,
          [this] { emit searchRequested(txtSearch->text()); });
  connect(txtSearch, &QLineEdit::returnPressed, this,
          [this] { emit searchRequested(txtSearch->text()); });
  connect(TabSet, &QTabBar::currentChanged, this, [this](int tab) {
    if (tab >= 0) Handle([&] { ShowTab(tab); });
  });
  connect(TabSet, &TabStrip::closeClicked, this,
          [this] { Handle([&] { CloseActiveSearchTab(); }); });
}

std::vector<int> ListPanel::SelectedRowsInOrder() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selection_->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::optional<std::string> ListPanel::highlight() const {
  const int tab = TabSet->currentIndex();
  if (tab > 0 && static_cast<std::size_t>(tab - 1) < search_list_.size()) {
    return search_list_[static_cast<std::size_t>(tab - 1)].first;
  }
  return std::nullopt;
}

std::vector<ExportSource> ListPanel::ExportSources(Rows rows) const {
  std::vector<ExportSource> sources;
  auto add = [&](int row) { sources.push_back(ExportSourceFor(model_->EntryAt(row))); };
  if (rows == Rows::kSelected) {
    for (int row : SelectedRowsInOrder()) add(row);
  } else {
    for (int row = 0; row < model_->rowCount(); ++row) {
      if (rows == Rows::kAll || model_->IsListed(row)) add(row);
    }
  }
  return sources;
}

std::vector<ConversationEntry> ListPanel::SelectedEntries() const {
  std::vector<ConversationEntry> entries;
  for (int row : SelectedRowsInOrder()) entries.push_back(model_->EntryAt(row));
  return entries;
}

void ListPanel::SetDateText(std::function<QString(double)> date_text) {
  model_->SetDateText(std::move(date_text));
}

void ListPanel::SetRank(int row, std::int32_t hits) {
  model_->SetRank(row, hits);
}

void ListPanel::FillList(std::vector<ConversationEntry> entries) {
  msg->setUpdatesEnabled(false);
  const Finally resume([this] { msg->setUpdatesEnabled(true); });
  model_->SetEntries(std::move(entries));
  model_->Sort(sort_);  // automatic re-sorting when refilled
}

void ListPanel::SortBy(int column) {
  sort_ = HeaderClick(sort_, column);
  model_->Sort(sort_);
}

void ListPanel::ShowRankColumn(bool show) {
  msg->setColumnHidden(kRankColumn, !show);
}

void ListPanel::ShowTab(int tab) {
  msg->setUpdatesEnabled(false);
  const Finally resume([this] {
    msg->setUpdatesEnabled(true);
    msg->viewport()->update();
  });
  std::vector<std::int32_t> counts;  // a tab without stored counts lists nothing
  static const std::vector<FileNameBytes> kNoPaths;
  const std::vector<FileNameBytes>* counted_paths = &kNoPaths;
  if (tab != 0 && static_cast<std::size_t>(tab - 1) < search_list_.size()) {
    const auto pair = static_cast<std::size_t>(tab - 1);
    counts = HitCountValues(search_list_[pair].second);
    counted_paths = &searched_paths_[pair];
  }
  if (tab != 0) ShowRankColumn(true);
  model_->ApplyTabCounts(tab != 0 ? &counts : nullptr, *counted_paths);
  if (tab == 0) ShowRankColumn(false);
  model_->Sort(sort_);  // automatic re-sorting when updates resume
}

void ListPanel::ForgetTab(int tab) {
  if (tab >= 1 && static_cast<std::size_t>(tab - 1) < search_list_.size()) {
    search_list_.erase(search_list_.begin() + (tab - 1));
    searched_paths_.erase(searched_paths_.begin() + (tab - 1));
  }
  if (TabSet->count() < 3) {
    TabSet->setVisible(false);
    ShowRankColumn(false);
  }
}

void ListPanel::ActivateTab(int tab) {
  // Whatever activates a tab (this, a click, the wheel, a key), the strip's
  // change signal runs ShowTab; activating the active tab runs it here.
  if (TabSet->currentIndex() == tab) {
    ShowTab(tab);
  } else {
    TabSet->setCurrentIndex(tab);
  }
}

void ListPanel::CloseActiveSearchTab() {
  const int tab = TabSet->currentIndex();
  if (tab < 1) return;
  ActivateTab(tab - 1);
  ForgetTab(tab);
  TabSet->removeTab(tab);
}

void ListPanel::CloseAllSearchTabs() {
  while (TabSet->count() > 1) {
    ActivateTab(0);
    ForgetTab(1);
    TabSet->removeTab(1);
  }
}

void ListPanel::AddSearchTab(const QString& shown_text, const std::string& text,
                             std::vector<std::string> hit_counts,
                             std::vector<FileNameBytes> searched_paths) {
  TabSet->setVisible(true);
  ShowRankColumn(true);
  search_list_.emplace_back(text, std::move(hit_counts));
  searched_paths_.push_back(std::move(searched_paths));
  ActivateTab(TabSet->AddTab(tr("Search: ") + shown_text, true));
}

void ListPanel::SelectAll() {
  const int rows = model_->rowCount();
  if (rows == 0) return;
  const QItemSelection all(model_->index(0, 0), model_->index(rows - 1, kConversationColumns - 1));
  selection_->select(all, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ListPanel::FocusSearchBox() {
  txtSearch->setFocus(Qt::ShortcutFocusReason);
  txtSearch->selectAll();
}

void ListPanel::AddListAction(QAction* action) {
  msg->addAction(action);
}

}  // namespace orvex
