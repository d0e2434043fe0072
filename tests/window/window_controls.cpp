#include "tests/window/window_controls.h"

#include "window/frmmain.h"

namespace orvex {
namespace {

template <class T>
T* Find(const TfrmMain& w, const char* name) {
  T* control = w.findChild<T*>(QString::fromLatin1(name));
  if (!control) qFatal("the window has no control named %s", name);
  return control;
}

}  // namespace

WindowControls Ui(const TfrmMain& w) {
  WindowControls c;
  c.edtPath = Find<QLineEdit>(w, "edtPath");
  c.btnSelDir = Find<QToolButton>(w, "btnSelDir");
  c.ids = Find<QTreeWidget>(w, "ids");
  c.lblNoArchives = Find<QLabel>(w, "lblNoArchives");
  c.lblAlso = Find<QLabel>(w, "lblAlso");
  c.edtFilter = Find<QLineEdit>(w, "edtFilter");
  c.txtSearch = Find<QLineEdit>(w, "txtSearch");
  c.btnSearchNext = Find<QPushButton>(w, "btnSearchNext");
  c.msg = Find<QTreeView>(w, "msg");
  c.TabSet = Find<TabStrip>(w, "TabSet");
  c.panStats = Find<QFrame>(w, "panStats");
  c.vsStat = Find<QTableView>(w, "vsStat");
  c.PanBottom = Find<QFrame>(w, "PanBottom");
  c.panFormat = Find<QFrame>(w, "panFormat");
  c.ckDate = Find<QCheckBox>(w, "ckDate");
  c.ckTime = Find<QCheckBox>(w, "ckTime");
  c.cbxTheme = Find<QComboBox>(w, "cbxTheme");
  c.ckBold = Find<QCheckBox>(w, "ckBold");
  c.ckFonts = Find<QCheckBox>(w, "ckFonts");
  c.ckSmilies = Find<QCheckBox>(w, "ckSmilies");
  c.btnRaw = Find<QPushButton>(w, "btnRaw");
  c.WebBrowser = Find<QWebEngineView>(w, "WebBrowser");
  c.web_page = Find<SafeWebPage>(w, "web_page");
  c.btnFormat = Find<QToolButton>(w, "btnFormat");
  c.btnStats = Find<QToolButton>(w, "btnStats");
  c.panID = Find<QLabel>(w, "panID");
  c.panMesArch = Find<QFrame>(w, "panMesArch");
  c.spdArchiving = Find<QToolButton>(w, "spdArchiving");
  c.btnHelp = Find<QToolButton>(w, "btnHelp");
  c.btnForum = Find<QToolButton>(w, "btnForum");
  c.pnlWait = Find<QFrame>(w, "pnlWait");
  c.lblProgress = Find<QLabel>(w, "lblProgress");
  c.WaitProgress = Find<QProgressBar>(w, "WaitProgress");
  c.btnCancel = Find<QPushButton>(w, "btnCancel");
  c.splitter_left = Find<QSplitter>(w, "splitter_left");
  c.splitter_bottom = Find<QSplitter>(w, "splitter_bottom");
  c.popFile = Find<QMenu>(w, "popFile");
  c.popView = Find<QMenu>(w, "popView");
  c.popMessage = Find<QMenu>(w, "popMessage");
  c.popHelp = Find<QMenu>(w, "popHelp");
  c.PopupMenu1 = Find<QMenu>(w, "PopupMenu1");
  c.mnuFormatToolbar = Find<QAction>(w, "mnuFormatToolbar");
  c.mnuStatistics = Find<QAction>(w, "mnuStatistics");
  c.mnuMsgview = Find<QAction>(w, "mnuMsgview");
  c.mnuListDelete = Find<QAction>(w, "mnuListDelete");
  for (QToolButton* b : w.findChildren<QToolButton*>(QStringLiteral("menu_bar_button")))
    c.menu_bar_buttons.push_back(b);
  return c;
}

}  // namespace orvex
