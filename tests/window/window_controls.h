// The main window's controls, found by their object names (the names the
// program has always given them) the way a person's tools find them: the
// window keeps its controls to itself.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QWebEngineView>

#include <vector>

#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/viewer/safe_web_page.h"
#include "window/viewer/viewer_panel.h"

namespace orvex {

class TfrmMain;

struct WindowControls {
  QLineEdit* edtPath;
  QToolButton* btnSelDir;
  QTreeWidget* ids;
  QLabel* lblNoArchives;
  QLabel* lblAlso;
  QLineEdit* edtFilter;
  QLineEdit* txtSearch;
  QPushButton* btnSearchNext;
  QTreeView* msg;
  TabStrip* TabSet;
  QFrame* panStats;
  QTableView* vsStat;
  QFrame* PanBottom;
  QFrame* panFormat;
  QCheckBox* ckDate;
  QCheckBox* ckTime;
  QComboBox* cbxTheme;
  QCheckBox* ckBold;
  QCheckBox* ckFonts;
  QCheckBox* ckSmilies;
  QPushButton* btnRaw;
  QWebEngineView* WebBrowser;
  SafeWebPage* web_page;
  QToolButton* btnFormat;
  QToolButton* btnStats;
  QLabel* panID;
  QFrame* panMesArch;
  QToolButton* spdArchiving;
  QToolButton* btnHelp;
  QToolButton* btnForum;
  QFrame* pnlWait;
  QLabel* lblProgress;
  QProgressBar* WaitProgress;
  QPushButton* btnCancel;
  QSplitter* splitter_left;
  QSplitter* splitter_bottom;
  QMenu* popFile;
  QMenu* popView;
  QMenu* popMessage;
  QMenu* popHelp;
  QMenu* PopupMenu1;
  QAction* mnuFormatToolbar;
  QAction* mnuStatistics;
  QAction* mnuMsgview;
  QAction* mnuListDelete;
  std::vector<QToolButton*> menu_bar_buttons;  // File, View, Conversation, Help
};

// Every control of the window; a control missing under its name stops the
// test program with that name.
WindowControls Ui(const TfrmMain& w);

}  // namespace orvex
