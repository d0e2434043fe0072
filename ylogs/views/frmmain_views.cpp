// The conversation list, its tabs, the viewer and the statistics grid.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QTreeView>

#include <cerrno>
#include <cstring>
#include <exception>

#include "platform/qt/dialogs.h"
#include "platform/qt/qt_text.h"
#include "widgets/paint_throttle.h"
#include "widgets/tab_strip.h"
#include "ylogs/archive/file_error.h"
#include "ylogs/shell/frmmain.h"
#include "ylogs/shell/frmmain_discovery_state.h"
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
    if (dialogs) dialogs->Message(self, FromMessage(text));
  };
  return s;
}

std::vector<int> TfrmMain::SelectedRowsInOrder() const {
  std::vector<int> rows;
  for (const QModelIndex& index : msg->selectionModel()->selectedRows())
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void TfrmMain::ShowWaitPanel(int maximum, bool visible) {
  WaitProgress->setMaximum(maximum);
  WaitProgress->setValue(0);
  lblProgress->clear();
  if (visible) {
    pnlWait->show();
    pnlWait->raise();
  }
}

void TfrmMain::HideWaitPanel() {
  pnlWait->hide();
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
  if (view_running_) {
    // A selection changed while the view yields: build once more at its end.
    view_again_ = true;
    return;
  }
  view_running_ = true;
  render_state_.counters.Reset();
  const std::vector<int> rows = SelectedRowsInOrder();
  const int n = static_cast<int>(rows.size());
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (int row : rows) paths.push_back(msg_model_->EntryAt(row).path);
  ShowWaitPanel(n, n > 20);
  cancel_request_ = false;  // a click that no walk saw must not stop this one

  std::exception_ptr error;
  ViewBuffers buffers;
  const RenderSettings settings = CurrentRenderSettings();
  PaintThrottle wait_panel_paints(pnlWait, 30);
  auto after_each = [this, n, &wait_panel_paints](std::size_t i) {
    wait_panel_paints.Step();
    WaitProgress->setValue(static_cast<int>(i));
    QCoreApplication::processEvents();
    lblProgress->setText(QStringLiteral("%1 files processed out of %2").arg(i).arg(n));
    if (cancel_request_) {
      cancel_request_ = false;
      return true;
    }
    return false;
  };
  auto today = [this] {
    return env_.formatter ? env_.formatter->DateTime(env_.now()) : std::string();
  };
  try {
    BuildView(paths, theme_, settings, render_state_, buffers, after_each, today);
  } catch (...) {
    error = std::current_exception();
  }
  html_buffer_ = std::move(buffers.html);
  text_buffer_ = std::move(buffers.text);
  try {
    last_page_path_ = WriteViewPage();
    web_page->LoadProgramPage(last_page_path_);
    ++view_page_counter_;
  } catch (...) {
    if (!error) error = std::current_exception();
  }
  vsStatRepaint();
  HideWaitPanel();
  view_running_ = false;
  if (view_again_) {
    view_again_ = false;
    QMetaObject::invokeMethod(
        this, [this] { Guard([this] { msgChange(); }); }, Qt::QueuedConnection);
  }
  if (error) std::rethrow_exception(error);
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

namespace {

void ApplyHiddenRows(QTreeView* view, ConversationModel* model) {
  const std::vector<bool>& hidden = model->hidden();
  for (int row = 0; row < static_cast<int>(hidden.size()); ++row) {
    if (view->isRowHidden(row, {}) != hidden[static_cast<std::size_t>(row)]) {
      view->setRowHidden(row, {}, hidden[static_cast<std::size_t>(row)]);
    }
  }
}

}  // namespace

void TfrmMain::msgHeaderClick(int column) {
  sort_state_ = HeaderClick(sort_state_, column);
  msg_model_->Sort(sort_state_);
  ApplyHiddenRows(msg, msg_model_);
}

void TfrmMain::TabSetChange(int tab) {
  msg->setUpdatesEnabled(false);
  const std::vector<std::string>* counts = nullptr;
  if (tab != 0 && static_cast<std::size_t>(tab - 1) < search_list_.size()) {
    counts = &search_list_[static_cast<std::size_t>(tab - 1)].second;
  }
  if (tab != 0) ShowRankColumn(true);
  static const std::vector<std::string> kNoCounts;
  TabFilter filter = ApplyHitCounts(msg_model_->mutable_entries(),
                                    tab != 0 ? (counts ? counts : &kNoCounts) : nullptr);
  msg_model_->hidden() = std::move(filter.hidden);
  msg_model_->set_highest_rank(filter.highest_rank);
  if (tab == 0) ShowRankColumn(false);
  msg_model_->Sort(sort_state_);  // automatic re-sorting when updates resume
  ApplyHiddenRows(msg, msg_model_);
  msg->setUpdatesEnabled(true);
  msg->viewport()->update();
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

void TfrmMain::CloseActiveSearchTab() {
  const int tab = TabSet->currentIndex();
  if (tab < 1) return;
  {
    const QSignalBlocker block(TabSet);
    TabSet->setCurrentIndex(tab - 1);
  }
  TabSetChange(tab - 1);
  TabSetTabClose(tab);
  const QSignalBlocker block(TabSet);
  TabSet->removeTab(tab);
}

void TfrmMain::CloseAllSearchTabs() {
  while (TabSet->count() > 1) {
    {
      const QSignalBlocker block(TabSet);
      TabSet->setCurrentIndex(0);
    }
    TabSetChange(0);
    TabSetTabClose(1);
    const QSignalBlocker block(TabSet);
    TabSet->removeTab(1);
  }
}

void TfrmMain::Selectallmessages2Click() {
  const int rows = msg_model_->rowCount();
  if (rows == 0) return;
  const QItemSelection all(msg_model_->index(0, 0),
                           msg_model_->index(rows - 1, kConversationColumns - 1));
  msg->selectionModel()->select(all, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace orvex
