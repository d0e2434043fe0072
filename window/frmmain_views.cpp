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
#include "window/frmmain_run_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/statistics/statistics_panel.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/export/export.h"
#include "ylogs/program/finally.h"
#include "ylogs/views/view_builder.h"

namespace orvex {

RenderSettings TfrmMain::CurrentRenderSettings() const {
  RenderSettings s;
  s.theme = &PanBottom->theme();
  s.options = PanBottom->options();
  s.highlight = conversations->highlight();
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

void TfrmMain::msgChange() {
  if (!panStats->isVisibleTo(this) && !PanBottom->isVisibleTo(this)) return;
  if (run_->runner->busy()) {
    // The selection changed while a long action runs: build once it ends.
    run_->view_again = true;
    return;
  }
  const std::vector<int> rows = conversations->SelectedRowsInOrder();
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (int row : rows) paths.push_back(conversations->model()->EntryAt(row).path);
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

void TfrmMain::msgHeaderClick(int column) {
  conversations->SortBy(column);
}

void TfrmMain::TabSetChange(int tab) {
  conversations->ShowTab(tab);
}

void TfrmMain::TabSetTabClose(int tab) {
  conversations->ForgetTab(tab);
}

void TfrmMain::CloseActiveSearchTab() {
  conversations->CloseActiveSearchTab();
}

void TfrmMain::Selectallmessages2Click() {
  conversations->SelectAll();
}

}  // namespace orvex
