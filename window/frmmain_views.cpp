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
#include "window/frmmain_page_state.h"
#include "window/frmmain_run_state.h"
#include "window/list/conversation_model.h"
#include "window/long_action.h"
#include "window/statistics/statistics_panel.h"
#include "window/viewer/safe_web_page.h"
#include "window/viewer/view_page_stream.h"
#include "ylogs/export/export.h"
#include "ylogs/program/finally.h"
#include "ylogs/views/view_builder.h"

namespace orvex {

const TextItems& TfrmMain::html_buffer() const {
  return page_->html_buffer;
}

const TextItems& TfrmMain::text_buffer() const {
  return page_->text_buffer;
}

const MessageCounters& TfrmMain::counters() const {
  return page_->render.counters;
}

const Theme& TfrmMain::theme() const {
  return page_->theme;
}

std::int32_t TfrmMain::view_page_counter() const {
  return page_->view_page_counter;
}

QString TfrmMain::last_page_path() const {
  return page_->last_page_path;
}

bool TfrmMain::format_codes_enabled() const {
  return page_->format_codes_enabled;
}

const std::vector<std::string>& TfrmMain::theme_names() const {
  return page_->theme_names;
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
  s.theme = &page_->theme;
  s.options.date = ckDate->isChecked();
  s.options.time = ckTime->isChecked();
  s.options.bold = ckBold->isChecked();
  s.options.fonts = ckFonts->isChecked();
  s.options.smileys = ckSmilies->isChecked();
  s.options.format_codes = page_->format_codes_enabled;
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

QString TfrmMain::ViewPagePath() const {
  QString folder = env_.temp_folder;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder + QStringLiteral("orvex%1.html").arg(page_->view_page_counter % 10);
}

void TfrmMain::msgChange() {
  if (!panStats->isVisibleTo(this) && !PanBottom->isVisibleTo(this)) return;
  if (run_->runner->busy()) {
    // The selection changed while a long action runs: build once it ends.
    run_->view_again = true;
    return;
  }
  page_->render.counters.Reset();
  const std::vector<int> rows = SelectedRowsInOrder();
  const int n = static_cast<int>(rows.size());
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (int row : rows) paths.push_back(list_->model->EntryAt(row).path);

  // The view reads its own copy: nothing that runs while it yields can give
  // one page two themes.
  const Theme theme = page_->theme;
  RenderSettings settings = CurrentRenderSettings();
  settings.theme = &theme;
  ViewBuffers buffers;
  // The page goes to its file while the files are rendered: a whole
  // history's page is written by the time its last file is.
  const QString page_path = ViewPagePath();
  std::optional<ViewPageStream> page_file;
  const auto today = TodayText();
  auto work = [&](LongActionRunner::Run& run) {
    page_file.emplace(ToFileName(page_path), buffers.html);
    BuildView(
        paths, theme, settings, page_->render, buffers,
        [&](std::size_t i) {
          page_file->Publish(buffers.html.size());
          run.SetPosition(static_cast<int>(i));
          run.Yield();
          run.SetText(QStringLiteral("%1 files processed out of %2").arg(i).arg(n));
          return run.TakeCancel();
        },
        today);
  };
  auto finish = [&] {
    const Finally repaint([this] { vsStatRepaint(); });
    std::exception_ptr not_written;
    try {
      if (page_file) page_file->Finish(buffers.html.size());
    } catch (...) {
      not_written = std::current_exception();
    }
    page_->html_buffer = std::move(buffers.html);
    page_->text_buffer = std::move(buffers.text);
    if (not_written) std::rethrow_exception(not_written);
    if (!page_file) return;  // the walk could not start its writer: its error goes on
    page_->last_page_path = page_path;
    web_page->LoadProgramPage(page_->last_page_path);
    ++page_->view_page_counter;
  };
  run_->runner->Execute({run_->wait_display.get(), n, n > 20}, work, finish);
}

void TfrmMain::RefreshBrowser() {
  msgChange();
}

void TfrmMain::btnRawClick() {
  page_->format_codes_enabled = !page_->format_codes_enabled;
  msgChange();
}

void TfrmMain::applyClick() {
  run_->cancel_request = true;
}

void TfrmMain::LoadTheme() {
  page_->theme = orvex::LoadTheme(env_.program_folder, ToFileName(cbxTheme->currentText()));
}

void TfrmMain::cbxThemeChange() {
  LoadTheme();
  RefreshBrowser();
}

void TfrmMain::vsStatRepaint() {
  panStats->ShowCounters(page_->render.counters);
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
