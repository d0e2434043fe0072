// The conversation list, its tabs, the viewer and the statistics grid.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QTreeView>

#include <cerrno>
#include <cstring>

#include "platform/qt/dialogs.h"
#include "platform/qt/qt_text.h"
#include "widgets/tab_strip.h"
#include "ylogs/archive/file_error.h"
#include "ylogs/shell/finally.h"
#include "ylogs/shell/frmmain.h"
#include "ylogs/shell/frmmain_discovery_state.h"
#include "ylogs/shell/long_action.h"
#include "ylogs/views/conversation_model.h"
#include "ylogs/views/safe_web_page.h"
#include "ylogs/views/stats_model.h"
#include "ylogs/views/view_builder.h"

namespace orvex {

RenderSettings TfrmMain::CurrentRenderSettings() const {
  RenderSettings s;
  s.theme = &theme_;
  s.options.date = ckDate->isChecked();
  s.options.time = ckTime->isChecked();
  s.options.bold = ckBold->isChecked();
  s.options.fonts = ckFonts->isChecked();
  s.options.smileys = ckSmilies->isChecked();
  s.options.format_codes = format_codes_enabled_;
  const int tab = TabSet->currentIndex();
  if (tab > 0 && static_cast<std::size_t>(tab - 1) < search_list_.size()) {
    s.highlight = search_list_[static_cast<std::size_t>(tab - 1)].first;
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
  msg_model_->SetEntries(std::move(entries));
  msg_model_->Sort(sort_state_);  // automatic re-sorting when refilled
}

std::vector<int> TfrmMain::SelectedRowsInOrder() const {
  std::vector<int> rows;
  for (const QModelIndex& index : msg_selection_->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

QString TfrmMain::WriteViewPage() {
  QString folder = env_.temp_folder;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  const QString path = folder + QStringLiteral("orvex%1.html").arg(view_page_counter_ % 10);
  const std::string bytes = JoinItems(html_buffer_);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.flush()) {
    const int error = errno;
    throw FileError("Cannot create file \"" + ToFileName(path) + "\". " + std::strerror(error));
  }
  return path;
}

void TfrmMain::msgChange() {
  if (!panStats->isVisibleTo(this) && !PanBottom->isVisibleTo(this)) return;
  if (long_action_->busy()) {
    // The selection changed while a long action runs: build once it ends.
    view_again_ = true;
    return;
  }
  render_state_.counters.Reset();
  const std::vector<int> rows = SelectedRowsInOrder();
  const int n = static_cast<int>(rows.size());
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (int row : rows) paths.push_back(msg_model_->EntryAt(row).path);

  // The view reads its own copy: nothing that runs while it yields can give
  // one page two themes.
  const Theme theme = theme_;
  RenderSettings settings = CurrentRenderSettings();
  settings.theme = &theme;
  ViewBuffers buffers;
  const auto today = TodayText();
  auto work = [&](LongActionRunner::Run& run) {
    BuildView(
        paths, theme, settings, render_state_, buffers,
        [&](std::size_t i) {
          run.SetPosition(static_cast<int>(i));
          run.Yield();
          run.SetText(QStringLiteral("%1 files processed out of %2").arg(i).arg(n));
          return run.TakeCancel();
        },
        today);
  };
  auto finish = [&] {
    const Finally repaint([this] { vsStatRepaint(); });
    html_buffer_ = std::move(buffers.html);
    text_buffer_ = std::move(buffers.text);
    last_page_path_ = WriteViewPage();
    web_page->LoadProgramPage(last_page_path_);
    ++view_page_counter_;
  };
  long_action_->Execute({wait_display_.get(), n, n > 20}, work, finish);
}

void TfrmMain::RefreshBrowser() {
  msgChange();
}

void TfrmMain::btnRawClick() {
  format_codes_enabled_ = !format_codes_enabled_;
  msgChange();
}

void TfrmMain::applyClick() {
  cancel_request_ = true;
}

void TfrmMain::LoadTheme() {
  theme_ = orvex::LoadTheme(env_.program_folder, ToFileName(cbxTheme->currentText()));
}

void TfrmMain::cbxThemeChange() {
  LoadTheme();
  RefreshBrowser();
}

void TfrmMain::vsStatRepaint() {
  stats_model_->Repaint();
}

void TfrmMain::ShowRankColumn(bool show) {
  msg->setColumnHidden(kRankColumn, !show);
}

void TfrmMain::msgHeaderClick(int column) {
  sort_state_ = HeaderClick(sort_state_, column);
  msg_model_->Sort(sort_state_);
}

void TfrmMain::TabSetChange(int tab) {
  msg->setUpdatesEnabled(false);
  const Finally resume([this] {
    msg->setUpdatesEnabled(true);
    msg->viewport()->update();
  });
  std::vector<std::int32_t> counts;  // a tab without stored counts lists nothing
  if (tab != 0 && static_cast<std::size_t>(tab - 1) < search_list_.size()) {
    counts = HitCountValues(search_list_[static_cast<std::size_t>(tab - 1)].second);
  }
  if (tab != 0) ShowRankColumn(true);
  msg_model_->ApplyTabCounts(tab != 0 ? &counts : nullptr);
  if (tab == 0) ShowRankColumn(false);
  msg_model_->Sort(sort_state_);  // automatic re-sorting when updates resume
}

void TfrmMain::TabSetTabClose(int tab) {
  if (tab >= 1 && static_cast<std::size_t>(tab - 1) < search_list_.size()) {
    search_list_.erase(search_list_.begin() + (tab - 1));
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
  const int rows = msg_model_->rowCount();
  if (rows == 0) return;
  const QItemSelection all(msg_model_->index(0, 0),
                           msg_model_->index(rows - 1, kConversationColumns - 1));
  msg_selection_->select(all, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace orvex
