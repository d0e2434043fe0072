// The main window's regions, controls and menus.
#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>
#include <QWebEngineView>

#include <algorithm>
#include <functional>
#include <utility>

#include "widgets/caption_band.h"
#include "widgets/link_icons.h"
#include "widgets/tree_icons.h"
#include "window/actions/window_actions.h"
#include "window/frmmain.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/panel_parts.h"
#include "window/run_state.h"
#include "window/statistics/statistics_panel.h"
#include "window/tree/contact_tree_panel.h"
#include "window/viewer/viewer_panel.h"

namespace orvex {
QPoint CentredTopLeft(QSize window, const QRect& desktop) {
  return {std::max(desktop.left(), desktop.left() + (desktop.width() - window.width()) / 2),
          std::max(desktop.top(), desktop.top() + (desktop.height() - window.height()) / 2)};
}

QRect FittedWindowGeometry(QSize window, const QRect& desktop) {
  const QSize fitted = window.boundedTo(desktop.size());
  return {CentredTopLeft(fitted, desktop), fitted};
}

QAction* TfrmMain::AddItem(QMenu* menu, const QString& caption, std::function<void()> handler) {
  QAction* a = menu->addAction(caption);
  connect(a, &QAction::triggered, this, std::move(handler));
  return a;
}

void TfrmMain::CreateMenus() {
  popFile = new QMenu(this);
  AddItem(popFile, tr("Open message archive folder..."),
          Act(&WindowActions::files, &FileActions::btnSelDirClick));
  AddItem(popFile, tr("Open .dat file..."),
          Act(&WindowActions::files, &FileActions::Opendatfile1Click));
  AddItem(popFile, tr("Add archive folder..."),
          Act(&WindowActions::files, &FileActions::Addarchivefolder1Click));
  AddItem(popFile, tr("Remove added archive folders"),
          Act(&WindowActions::files, &FileActions::Removeaddedarchivefolders1Click));
  popFile->addSeparator();
  AddItem(popFile, tr("Save as HTML..."), Act(&WindowActions::exports, &ExportActions::Save1Click));
  AddItem(popFile, tr("Save as text..."),
          Act(&WindowActions::exports, &ExportActions::Saveastext2Click));
  AddItem(popFile, tr("Save as individual HTML files..."),
          Act(&WindowActions::exports, &ExportActions::Saveasindividualfiles1Click));
  AddItem(popFile, tr("Save as individual text files..."),
          Act(&WindowActions::exports, &ExportActions::SaveasindividualHTMLfiles1Click));
  AddItem(popFile, tr("Save as website..."),
          Act(&WindowActions::keep, &KeepActions::Saveaswebsite1Click));
  AddItem(popFile, tr("Save as JSON files..."),
          Act(&WindowActions::keep, &KeepActions::SaveasJSONfiles1Click));
  popFile->addSeparator();
  QAction* print =
      AddItem(popFile, tr("Print..."), Act(&WindowActions::print, &PrintActions::Print1Click));
  print->setShortcut(QKeySequence::Print);
  AddItem(popFile, tr("Print preview..."),
          Act(&WindowActions::print, &PrintActions::Printpreview1Click));
  AddItem(popFile, tr("Page setup..."),
          Act(&WindowActions::print, &PrintActions::Printersetup1Click));
  popFile->addSeparator();
  AddItem(popFile, tr("Exit"), Guarded(&TfrmMain::Exit1Click));

  popView = new QMenu(this);
  mnuFormatToolbar = AddItem(popView, tr("Format toolbar"), Guarded(&TfrmMain::btnFormatClick));
  mnuStatistics = AddItem(popView, tr("Statistics"), Guarded(&TfrmMain::btnStatsClick));
  mnuMsgview = AddItem(popView, tr("Message viewer"), Guarded(&TfrmMain::mnuMsgviewClick));
  for (QAction* item : {mnuFormatToolbar, mnuStatistics, mnuMsgview}) item->setCheckable(true);
  mnuMsgview->setChecked(true);

  popMessage = new QMenu(this);
  AddItem(popMessage, tr("Add to favorites"),
          Act(&WindowActions::discovery, &DiscoveryActions::Addtofavorite1Click));
  popMessage->addSeparator();
  AddItem(popMessage, tr("Copy to clipboard"),
          Act(&WindowActions::exports, &ExportActions::Copytoclipboard1Click));
  AddItem(popMessage, tr("Copy html code to clipboard"),
          Act(&WindowActions::exports, &ExportActions::Copyhtmlcodetoclipboard1Click));
  popMessage->addSeparator();
  AddItem(popMessage, tr("Delete"), Act(&WindowActions::files, &FileActions::Delete2Click));
  AddItem(popMessage, tr("Show in Explorer"),
          Act(&WindowActions::files, &FileActions::Showinexplorer1Click));
  popMessage->addSeparator();
  AddItem(popMessage, tr("Select all messages"),
          Act(&WindowActions::views, &ViewActions::Selectallmessages2Click));
  popMessage->addSeparator();
  find_in_view = new QAction(tr("Find in view..."), this);
  find_in_view->setShortcut(QKeySequence::Find);
  popMessage->addAction(find_in_view);

  popHelp = new QMenu(this);
  QAction* guide =
      AddItem(popHelp, tr("Help"), Act(&WindowActions::help, &HelpActions::Onlinehelp1Click));
  guide->setShortcut(QKeySequence(Qt::Key_F1));
  // The window takes their keys while the menus are closed.
  addAction(print);
  addAction(guide);
  AddItem(popHelp, tr("Homepage"), Act(&WindowActions::help, &HelpActions::Orvexhomepage1Click));
  AddItem(popHelp, tr("Forum"), Act(&WindowActions::help, &HelpActions::btnForumClick));
  AddItem(popHelp, tr("Suggestions and bugs reports"),
          Act(&WindowActions::help, &HelpActions::Suggestionsandbugsreports1Click));
  popHelp->addSeparator();
  AddItem(popHelp, tr("About..."), Act(&WindowActions::help, &HelpActions::About1Click));

  PopupMenu1 = new QMenu(this);
  AddItem(PopupMenu1, tr("Add to favorites"),
          Act(&WindowActions::discovery, &DiscoveryActions::Addtofavorite1Click));
  AddItem(PopupMenu1, tr("Remove from favorites"),
          Act(&WindowActions::discovery, &DiscoveryActions::Removefromfavorites1Click));
  AddItem(PopupMenu1, tr("Refresh"),
          Act(&WindowActions::discovery, &DiscoveryActions::Refresh1Click));
  PopupMenu1->addSeparator();
  AddItem(PopupMenu1, tr("Copy to clipboard"),
          Act(&WindowActions::exports, &ExportActions::Copytoclipboard1Click));
  AddItem(PopupMenu1, tr("Save as HTML..."),
          Act(&WindowActions::exports, &ExportActions::Save1Click));
  AddItem(PopupMenu1, tr("Save as text..."),
          Act(&WindowActions::exports, &ExportActions::Saveastext2Click));
  mnuListDelete =
      AddItem(PopupMenu1, tr("Delete"), Act(&WindowActions::files, &FileActions::Delete2Click));
  mnuListDelete->setShortcut(QKeySequence(Qt::Key_Delete));
  mnuListDelete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  PopupMenu1->addSeparator();
  AddItem(PopupMenu1, tr("Show in Explorer"),
          Act(&WindowActions::files, &FileActions::Showinexplorer1Click));
  AddItem(PopupMenu1, tr("Select all messages"),
          Act(&WindowActions::views, &ViewActions::Selectallmessages2Click));
}

QFrame* TfrmMain::CreateTopStrip() {
  auto* strip = new QFrame(this);
  strip->setObjectName("TopStrip");
  strip->setFixedHeight(23);
  auto* row = new QHBoxLayout(strip);
  NoMargins(row);

  const std::pair<QString, QMenu*> menus[] = {{tr("&File"), popFile},
                                              {tr("&View"), popView},
                                              {tr("&Conversation"), popMessage},
                                              {tr("&Help"), popHelp}};
  for (const auto& [caption, menu] : menus) {
    QToolButton* b = FlatButton(caption, strip);
    b->setMenu(menu);
    b->setPopupMode(QToolButton::InstantPopup);
    b->setStyleSheet("QToolButton::menu-indicator { image: none; width: 0px; }");
    b->setObjectName("menu_bar_button");
    b->setAccessibleDescription(tr("Opens a menu"));
    row->addWidget(b);
    menu_bar_buttons.push_back(b);
  }
  row->addSpacing(8);

  contacts = new ContactTreePanel(env_.registry, this);
  contacts->CreateIdentityPanels(strip);
  row->addWidget(contacts->identity_panel(), 1);
  row->addSpacing(4);
  row->addWidget(contacts->archiving_panel());

  btnHelp = FlatButton(tr("&Help"), strip);
  btnHelp->setIcon(HelpIcon());
  btnHelp->setFixedWidth(56);
  btnForum = FlatButton(tr("&Forum"), strip);
  btnForum->setIcon(ForumIcon());
  btnForum->setFixedWidth(56);
  // The menu bar's "Help" is a menu; this one opens the guide.
  btnHelp->setAccessibleName(tr("Guide"));
  btnHelp->setAccessibleDescription(tr("Opens the guide shipped with the program"));
  btnForum->setAccessibleDescription(tr("Opens the forum in the web browser"));
  // Their captions mark the same letters as the File and Help menus: the
  // menus keep Alt+F and Alt+H.
  for (QToolButton* b : {btnHelp, btnForum}) b->setShortcut(QKeySequence());
  row->addWidget(btnHelp);
  row->addWidget(btnForum);
  row->addStretch();

  auto* tools = new QWidget(strip);
  tools->setFixedWidth(139);
  auto* tl = new QHBoxLayout(tools);
  NoMargins(tl);
  btnFormat = FlatButton(tr("Format"), tools, true);
  btnFormat->setChecked(true);
  btnStats = FlatButton(tr("Statistics"), tools, true);
  tl->addWidget(btnFormat);
  tl->addWidget(btnStats);
  row->addWidget(tools);
  return strip;
}

QWidget* TfrmMain::CreateLeftColumn() {
  contacts->CreateColumn();
  return contacts;
}

QWidget* TfrmMain::CreateRightArea() {
  auto* right = new QWidget(this);
  auto* col = new QVBoxLayout(right);
  NoMargins(col);

  conversations = new ListPanel(right);
  conversations->AddListAction(mnuListDelete);  // Del deletes while the list has the focus
  col->addWidget(conversations->search_row());

  splitter_bottom = new QSplitter(Qt::Vertical, right);
  splitter_bottom->setHandleWidth(4);
  splitter_bottom->setOpaqueResize(true);

  auto* upper = new QWidget(splitter_bottom);
  auto* ur = new QHBoxLayout(upper);
  NoMargins(ur);
  conversations->setParent(upper);
  ur->addWidget(conversations, 1);

  panStats = new StatisticsPanel(upper);
  ur->addWidget(panStats);

  PanBottom = new ViewerPanel(splitter_bottom);

  splitter_bottom->addWidget(upper);
  splitter_bottom->addWidget(PanBottom);
  splitter_bottom->setStretchFactor(0, 1);
  splitter_bottom->setSizes({738 - 23 - 19 - 22 - 401 - 4, 401});
  col->addWidget(splitter_bottom, 1);
  return right;
}

QFrame* TfrmMain::CreateWaitPanel() {
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Box | QFrame::Raised);
  panel->setAutoFillBackground(true);
  panel->setGeometry(120, 306, 475, 196);
  auto* col = new QVBoxLayout(panel);
  col->setContentsMargins(0, 0, 0, 10);
  auto* band = new CaptionBand(tr("Reading files..."), QColor(0xB3, 0x42, 0x53), panel);
  band->setFixedHeight(20);
  col->addWidget(band);
  auto* text = new QLabel(
      tr("Orvex Yahoo Message Archive Reader is currently reading archive files"), panel);
  text->setAlignment(Qt::AlignCenter);
  text->setWordWrap(true);
  col->addWidget(text);
  lblProgress = new QLabel(panel);
  // Fixed both ways: its text changes after every file, and a label whose size
  // may change has the panel laid out again each time.
  lblProgress->setFixedSize(247, lblProgress->fontMetrics().height());
  lblProgress->setAlignment(Qt::AlignCenter);
  col->addWidget(lblProgress, 0, Qt::AlignHCenter);
  WaitProgress = new QProgressBar(panel);
  WaitProgress->setFixedSize(333, 20);
  WaitProgress->setTextVisible(false);
  WaitProgress->setAccessibleName(tr("Files read"));
  WaitProgress->setStyleSheet("QProgressBar::chunk { background: #53AB49; }");
  col->addWidget(WaitProgress, 0, Qt::AlignHCenter);
  btnCancel = new QPushButton(tr("Cancel"), panel);
  col->addWidget(btnCancel, 0, Qt::AlignHCenter);
  panel->setVisible(false);
  return panel;
}

void TfrmMain::CreateControls() {
  setWindowTitle(tr("Orvex Messenger Archive"));
  // Unless maximised the window opens centred on the desktop, its top left
  // corner kept on it.
  resize(1022, 738);
  if (const QScreen* desktop = screen()) move(CentredTopLeft(size(), desktop->availableGeometry()));
  CreateMenus();

  auto* central = new QWidget(this);
  auto* col = new QVBoxLayout(central);
  NoMargins(col);
  col->addWidget(CreateTopStrip());
  splitter_left = new QSplitter(Qt::Horizontal, central);
  splitter_left->setOpaqueResize(true);
  QWidget* left = CreateLeftColumn();
  // Wide enough for the tree's fixed nodes; the list and the page keep room
  // for a few columns and a line of text.
  left->setMinimumWidth(170);
  QWidget* right = CreateRightArea();
  right->setMinimumWidth(380);
  splitter_left->addWidget(left);
  splitter_left->addWidget(right);
  splitter_left->setCollapsible(0, false);
  splitter_left->setCollapsible(1, false);
  splitter_left->setStretchFactor(1, 1);
  splitter_left->setSizes({222, 1022 - 222});
  col->addWidget(splitter_left, 1);
  setCentralWidget(central);
  statusBar()->setFixedHeight(19);
  statusBar()->setSizeGripEnabled(true);
  pnlWait = CreateWaitPanel();
  run_->wait_display =
      std::make_unique<WaitPanelDisplay>(pnlWait, WaitProgress, lblProgress, &run_->cancel_request);
  run_->runner = new LongActionRunner(central, this);
  CreateWindowKeys();
  NameControls();
}

void TfrmMain::CreateWindowKeys() {
  // Ctrl+Q ends the program as closing the window does, settings saved.
  auto* quit = new QAction(tr("Quit"), this);
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit, &QAction::triggered, this, &QWidget::close);
  // Ctrl+K goes to the search box (Ctrl+F stays for finding in the page).
  auto* search = new QAction(tr("Search box"), this);
  search->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  connect(search, &QAction::triggered, conversations, &ListPanel::FocusSearchBox);
  // Ctrl+F opens the find bar over the view; F3 and Shift+F3 go on.
  connect(find_in_view, &QAction::triggered, PanBottom, &ViewerPanel::OpenFindBar);
  auto* find_next = new QAction(tr("Find next"), this);
  find_next->setShortcut(QKeySequence(Qt::Key_F3));
  connect(find_next, &QAction::triggered, PanBottom, [this] { PanBottom->FindAgain(true); });
  auto* find_previous = new QAction(tr("Find previous"), this);
  find_previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
  connect(find_previous, &QAction::triggered, PanBottom, [this] { PanBottom->FindAgain(false); });
  addActions({quit, search, find_in_view, find_next, find_previous});
}

void TfrmMain::NameControls() {
  const std::pair<QObject*, const char*> controls[] = {
      {btnFormat, "btnFormat"},
      {btnStats, "btnStats"},
      {btnHelp, "btnHelp"},
      {btnForum, "btnForum"},
      {pnlWait, "pnlWait"},
      {lblProgress, "lblProgress"},
      {WaitProgress, "WaitProgress"},
      {btnCancel, "btnCancel"},
      {splitter_left, "splitter_left"},
      {splitter_bottom, "splitter_bottom"},
      {popFile, "popFile"},
      {popView, "popView"},
      {popMessage, "popMessage"},
      {popHelp, "popHelp"},
      {PopupMenu1, "PopupMenu1"},
      {mnuFormatToolbar, "mnuFormatToolbar"},
      {mnuStatistics, "mnuStatistics"},
      {mnuMsgview, "mnuMsgview"},
      {mnuListDelete, "mnuListDelete"},
  };
  for (const auto& [control, name] : controls) control->setObjectName(name);
}

}  // namespace orvex
