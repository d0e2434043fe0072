// The conversation list, its tabs, the viewer and the statistics grid.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QTreeView>

#include <optional>

#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "widgets/tab_strip.h"
#include "window/frmmain.h"
#include "window/frmmain_discovery_state.h"
#include "window/frmmain_list_state.h"
#include "window/frmmain_run_state.h"
#include "window/list/conversation_model.h"
#include "window/long_action.h"
#include "window/statistics/statistics_panel.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/export/export.h"
#include "ylogs/program/finally.h"
#include "ylogs/views/view_builder.h"

namespace orvex {

const TextItems& TfrmMain::html_buffer() const {
  return PanBottom->html_buffer();
}

const TextItems& TfrmMain::text_buffer() const {
  return PanBottom->text_buffer();
}

const MessageCounters& TfrmMain::counters() const {
  return PanBottom->counters();
}

const Theme& TfrmMain::theme() const {
  return PanBottom->theme();
}

std::int32_t TfrmMain::view_page_counter() const {
  return PanBottom->view_page_counter();
}

QString TfrmMain::last_page_path() const {
  return PanBottom->last_page_path();
}

bool TfrmMain::format_codes_enabled() const {
  return PanBottom->format_codes_enabled();
}

const std::vector<std::string>& TfrmMain::theme_names() const {
  return PanBottom->theme_names();
}

std::vector<std::pair<std::string, std::vector<std::string>>>& TfrmMain::search_list() {
  return list_->search_list;
}

ConversationModel* TfrmMain::conversation_model() const {
  return list_->model;
}

QItemSelectionModel* TfrmMain::conversation_selection() const {
  return list_->selection;
}

RenderSettings TfrmMain::CurrentRenderSettings() const {
  RenderSettings s;
  s.theme = &PanBottom->theme();
  s.options = PanBottom->options();
  const int tab = TabSet->currentIndex();
  if (tab > 0 && static_cast<std::size_t>(tab - 1) < list_->search_list.size()) {
    s.highlight = list_->search_list[static_cast<std::size_t>(tab - 1)].first;
  }
  s.smileys = &DefaultSmileyTable();
  s.program_folder = env_.program_folder;
  if (discovery_->loose_mode) {
    s.loose = LooseNames{discovery_->loose_user_name, discovery_->loose_friend_name};
  }
  s.formatter = env_.formatter;
  Dialogs* dialogs = env_.dialogs;
  TfrmMain* self = const_cast<TfrmMain*>(this);
  s.messages = [dialogs, self](const std::string& text) {
    if (dialogs) dialogs->Message(self, FromFileNameOrAnsi(text));
  };
  return s;
}

void TfrmMain::FillList(std::vector<ConversationEntry> entries) {
  msg->setUpdatesEnabled(false);
  const Finally resume([this] { msg->setUpdatesEnabled(true); });
  list_->model->SetEntries(std::move(entries));
  list_->model->Sort(list_->sort);  // automatic re-sorting when refilled
}

std::vector<int> TfrmMain::SelectedRowsInOrder() const {
  std::vector<int> rows;
  for (const QModelIndex& index : list_->selection->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void TfrmMain::msgChange() {
  if (!panStats->isVisibleTo(this) && !PanBottom->isVisibleTo(this)) return;
  if (run_->runner->busy()) {
    // The selection changed while a long action runs: build once it ends.
    run_->view_again = true;
    return;
  }
  const std::vector<int> rows = SelectedRowsInOrder();
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (int row : rows) paths.push_back(list_->model->EntryAt(row).path);
  PanBottom->ShowConversations(paths, CurrentRenderSettings(), *run_->runner,
                               run_->wait_display.get(), TodayText());
}

void TfrmMain::RefreshBrowser() {
  msgChange();
}

void TfrmMain::btnRawClick() {
  PanBottom->FlipFormatCodes();
  msgChange();
}

void TfrmMain::applyClick() {
  run_->cancel_request = true;
}

void TfrmMain::LoadTheme() {
  PanBottom->LoadTheme();
}

void TfrmMain::cbxThemeChange() {
  LoadTheme();
  RefreshBrowser();
}

void TfrmMain::vsStatRepaint() {
  panStats->ShowCounters(PanBottom->counters());
}

void TfrmMain::ShowRankColumn(bool show) {
  msg->setColumnHidden(kRankColumn, !show);
}

void TfrmMain::msgHeaderClick(int column) {
  list_->sort = HeaderClick(list_->sort, column);
  list_->model->Sort(list_->sort);
}

void TfrmMain::TabSetChange(int tab) {
  msg->setUpdatesEnabled(false);
  const Finally resume([this] {
    msg->setUpdatesEnabled(true);
    msg->viewport()->update();
  });
  std::vector<std::int32_t> counts;  // a tab without stored counts lists nothing
  static const std::vector<FileNameBytes> kNoPaths;
  const std::vector<FileNameBytes>* counted_paths = &kNoPaths;
  if (tab != 0 && static_cast<std::size_t>(tab - 1) < list_->search_list.size()) {
    const auto pair = static_cast<std::size_t>(tab - 1);
    counts = HitCountValues(list_->search_list[pair].second);
    counted_paths = &list_->searched_paths[pair];
  }
  if (tab != 0) ShowRankColumn(true);
  list_->model->ApplyTabCounts(tab != 0 ? &counts : nullptr, *counted_paths);
  if (tab == 0) ShowRankColumn(false);
  list_->model->Sort(list_->sort);  // automatic re-sorting when updates resume
}

void TfrmMain::TabSetTabClose(int tab) {
  if (tab >= 1 && static_cast<std::size_t>(tab - 1) < list_->search_list.size()) {
    list_->search_list.erase(list_->search_list.begin() + (tab - 1));
    list_->searched_paths.erase(list_->searched_paths.begin() + (tab - 1));
  }
  if (TabSet->count() < 3) {
    TabSet->setVisible(false);
    ShowRankColumn(false);
  }
}

void TfrmMain::ActivateTab(int tab) {
  // Whatever activates a tab (this, a click, the wheel, a key), the strip's
  // change signal runs TabSetChange; activating the active tab runs it here.
  if (TabSet->currentIndex() == tab) {
    TabSetChange(tab);
  } else {
    TabSet->setCurrentIndex(tab);
  }
}

void TfrmMain::CloseActiveSearchTab() {
  const int tab = TabSet->currentIndex();
  if (tab < 1) return;
  ActivateTab(tab - 1);
  TabSetTabClose(tab);
  TabSet->removeTab(tab);
}

void TfrmMain::CloseAllSearchTabs() {
  while (TabSet->count() > 1) {
    ActivateTab(0);
    TabSetTabClose(1);
    TabSet->removeTab(1);
  }
}

void TfrmMain::Selectallmessages2Click() {
  const int rows = list_->model->rowCount();
  if (rows == 0) return;
  const QItemSelection all(list_->model->index(0, 0),
                           list_->model->index(rows - 1, kConversationColumns - 1));
  list_->selection->select(all, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace orvex
