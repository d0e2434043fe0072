#include "action_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWheelEvent>

#include "list_reading.h"
#include "tests/window/window_controls.h"
#include "widgets/tab_strip.h"
#include "window/frmmain.h"
#include "ylogs/views/conversation_list.h"

namespace orvex::testing {

namespace {

TfrmMain& W(Monkey& m) {
  return *m.window;
}

// A person reaches only what is on the screen.
bool Reachable(Monkey& m, QWidget* target) {
  if (target->isVisible()) return true;
  m.Note("not shown");
  return false;
}

Qt::KeyboardModifiers SomeModifiers(Monkey& m) {
  switch (m.Below(6)) {
    case 0:
      return Qt::ControlModifier;
    case 1:
      return Qt::ShiftModifier;
    default:
      return Qt::NoModifier;
  }
}

std::string ModifierText(Qt::KeyboardModifiers mods) {
  if (mods & Qt::ControlModifier) return " ctrl";
  if (mods & Qt::ShiftModifier) return " shift";
  return "";
}

// Tree nodes a click can reach: not hidden, under expanded parents.
std::vector<QTreeWidgetItem*> ReachableNodes(QTreeWidget* tree) {
  std::vector<QTreeWidgetItem*> nodes;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    QTreeWidgetItem* item = *it;
    bool reachable = !item->isHidden();
    for (QTreeWidgetItem* p = item->parent(); p && reachable; p = p->parent())
      reachable = !p->isHidden() && p->isExpanded();
    if (reachable) nodes.push_back(item);
  }
  return nodes;
}

void ClickNode(Monkey& m, bool twice) {
  QTreeWidget* tree = Ui(W(m)).ids;
  if (!Reachable(m, tree)) return;
  const auto nodes = ReachableNodes(tree);
  if (nodes.empty()) return m.Note("no node");
  // "Show all" more often than its share: it lists the most.
  QTreeWidgetItem* node = m.Chance(25) ? nodes.front() : nodes[m.Below(int(nodes.size()))];
  tree->scrollToItem(node);
  const QPoint at = tree->visualItemRect(node).center();
  const Qt::KeyboardModifiers mods = twice ? Qt::NoModifier : SomeModifiers(m);
  m.Note("node \"" + node->text(0).toStdString() + "\"" + ModifierText(mods));
  if (twice) {
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, mods, at);
  } else {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, mods, at);
  }
}

void ClickRow(Monkey& m, bool twice) {
  QTreeView* list = Ui(W(m)).msg;
  if (!Reachable(m, list)) return;
  const std::vector<int> rows = ShownViewRows(*list);
  if (rows.empty()) return m.Note("no row");
  const int row = rows[m.Below(int(rows.size()))];
  const QModelIndex index = list->model()->index(row, 0);
  list->scrollTo(index);
  const QPoint at = list->visualRect(index).center();
  const Qt::KeyboardModifiers mods = twice ? Qt::NoModifier : SomeModifiers(m);
  const ConversationEntry* e = EntryOfViewIndex(*list, index);
  m.Note("row " + std::to_string(row) + " " + (e ? e->file_name : "?") + ModifierText(mods));
  if (twice) {
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, mods, at);
  } else {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, at);
  }
}

void ClickHeader(Monkey& m) {
  QHeaderView* h = Ui(W(m)).msg->header();
  if (!Reachable(m, h)) return;
  std::vector<int> shown;
  for (int c = 0; c < h->count(); ++c) {
    if (!h->isSectionHidden(c)) shown.push_back(c);
  }
  if (shown.empty()) return;
  const int column = shown[m.Below(int(shown.size()))];
  const Qt::MouseButton button = m.Chance(85) ? Qt::LeftButton : Qt::RightButton;
  m.Note("header " + std::to_string(column) + (button == Qt::RightButton ? " right" : ""));
  QTest::mouseClick(
      h->viewport(), button, {},
      {h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2});
}

void ClickTab(Monkey& m) {
  TabStrip* strip = Ui(W(m)).TabSet;
  if (!strip->isVisible() || strip->count() == 0) return m.Note("no strip");
  const int tab = m.Below(strip->count());
  m.Note("tab " + std::to_string(tab));
  QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(tab).center());
}

void CloseTab(Monkey& m) {
  TabStrip* strip = Ui(W(m)).TabSet;
  auto* button =
      qobject_cast<QAbstractButton*>(strip->tabButton(strip->currentIndex(), QTabBar::RightSide));
  if (!strip->isVisible() || !button) return m.Note("no close button");
  m.Note("close tab " + std::to_string(strip->currentIndex()));
  QTest::mouseClick(button, Qt::LeftButton);
}

void WheelTabs(Monkey& m) {
  TabStrip* strip = Ui(W(m)).TabSet;
  if (!Reachable(m, strip)) return;
  const int steps = m.Chance(50) ? 1 : -1;
  m.Note("wheel " + std::to_string(steps));
  const QPointF at = strip->rect().center();
  QWheelEvent wheel(at, strip->mapToGlobal(at), {}, {0, 120 * steps}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(strip, &wheel);
}

void Keys(Monkey& m, QWidget* target, const char* what) {
  if (!Reachable(m, target)) return;
  static const std::pair<Qt::Key, const char*> kKeys[] = {{Qt::Key_Up, "Up"},
                                                          {Qt::Key_Down, "Down"},
                                                          {Qt::Key_Left, "Left"},
                                                          {Qt::Key_Right, "Right"},
                                                          {Qt::Key_Home, "Home"},
                                                          {Qt::Key_End, "End"},
                                                          {Qt::Key_PageDown, "PageDown"},
                                                          {Qt::Key_Space, "Space"},
                                                          {Qt::Key_Return, "Return"}};
  const auto& [key, name] = kKeys[m.Below(int(std::size(kKeys)))];
  const Qt::KeyboardModifiers mods = m.Chance(20) ? Qt::ShiftModifier : Qt::NoModifier;
  m.Note(std::string(what) + " key " + name + ModifierText(mods));
  target->setFocus();
  QTest::keyClick(target, key, mods);
}

// Types text as keys: QTest's own typing takes ASCII only, so the other
// characters come as key events that carry just their text, as an input
// method sends them.
void TypeText(QWidget* box, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 128) {
      QTest::keyClick(box, c.toLatin1());
      continue;
    }
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &release);
  }
}

// Typing into a box: its text replaced by a new one, a few characters added
// or taken away, or emptied.
void Type(Monkey& m, QLineEdit* box, const std::vector<std::string>& texts) {
  if (!Reachable(m, box)) return;
  box->setFocus();
  const int how = m.Below(10);
  if (how < 2) {
    m.Note("backspace");
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    return;
  }
  if (how < 3) {
    m.Note("emptied");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    return;
  }
  std::string text = texts[m.Below(int(texts.size()))];
  if (m.Chance(30) && text.size() > 1) text = text.substr(0, 1 + m.Below(int(text.size() - 1)));
  if (how < 8) box->selectAll();  // typing replaces the selection
  m.Note("typed \"" + text + "\"");
  TypeText(box, QString::fromStdString(text));
}

std::vector<std::string> Names(Monkey& m) {
  std::vector<std::string> names = m.world.friends;
  names.insert(names.end(), m.world.identities.begin(), m.world.identities.end());
  names.push_back("zz");
  return names;
}

void TypeSearch(Monkey& m) {
  std::vector<std::string> texts = m.world.words;
  texts.push_back("nothing-matches");
  Type(m, Ui(W(m)).txtSearch, texts);
  if (m.Chance(50)) {
    m.Note("Enter");
    QTest::keyClick(Ui(W(m)).txtSearch, Qt::Key_Return);
  } else if (m.Chance(70)) {
    m.Note("Search button");
    QTest::mouseClick(Ui(W(m)).btnSearchNext, Qt::LeftButton);
  }
}

void TypePath(Monkey& m) {
  const std::vector<std::string> paths = {
      m.world.profiles.string() + "/", m.world.profiles2.string(),
      (m.world.root / "missing").string(), m.world.out.string() + "/"};
  QLineEdit* box = Ui(W(m)).edtPath;
  if (m.Chance(40)) {
    // Pasted whole, as a person pastes a copied path.
    const std::string path = paths[m.Below(int(paths.size()))];
    m.Note("pasted \"" + path + "\"");
    QApplication::clipboard()->setText(QString::fromStdString(path));
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return;
  }
  Type(m, box, paths);
}

// Every command of every menu, through its action, as a click on it does.
std::vector<std::pair<const char*, QAction*>> MenuCommands(TfrmMain& w) {
  std::vector<std::pair<const char*, QAction*>> commands;
  const std::pair<const char*, QMenu*> menus[] = {{"File", Ui(w).popFile},
                                                  {"View", Ui(w).popView},
                                                  {"Conversation", Ui(w).popMessage},
                                                  {"Help", Ui(w).popHelp},
                                                  {"list", Ui(w).PopupMenu1}};
  for (const auto& [name, menu] : menus) {
    for (QAction* a : menu->actions()) {
      if (!a->isSeparator() && !a->menu()) commands.emplace_back(name, a);
    }
  }
  return commands;
}

void MenuCommand(Monkey& m) {
  const auto commands = MenuCommands(W(m));
  const auto& [menu, a] = commands[m.Below(int(commands.size()))];
  m.Note(std::string(menu) + " > " + a->text().toStdString() +
         (a->isEnabled() ? "" : " (disabled)"));
  if (a->isEnabled()) a->trigger();
}

void ClickButton(Monkey& m, QAbstractButton* button, const char* what) {
  m.Note(what);
  if (!Reachable(m, button)) return;
  QTest::mouseClick(button, Qt::LeftButton);
}

void Option(Monkey& m) {
  TfrmMain& w = W(m);
  QAbstractButton* options[] = {Ui(w).ckDate,  Ui(w).ckTime,    Ui(w).ckBold,
                                Ui(w).ckFonts, Ui(w).ckSmilies, Ui(w).btnRaw};
  QAbstractButton* b = options[m.Below(int(std::size(options)))];
  ClickButton(m, b, b->text().toStdString().c_str());
}

void Panel(Monkey& m) {
  TfrmMain& w = W(m);
  QAbstractButton* switches[] = {Ui(w).btnFormat, Ui(w).btnStats, Ui(w).spdArchiving,
                                 Ui(w).btnSelDir, Ui(w).btnHelp,  Ui(w).btnForum};
  QAbstractButton* b = switches[m.Below(int(std::size(switches)))];
  ClickButton(m, b, (b->objectName() + " " + b->text()).toStdString().c_str());
}

void Theme(Monkey& m) {
  const Qt::Key key = m.Chance(50) ? Qt::Key_Up : Qt::Key_Down;
  m.Note(key == Qt::Key_Up ? "theme up" : "theme down");
  if (!Reachable(m, Ui(W(m)).cbxTheme)) return;
  QTest::keyClick(Ui(W(m)).cbxTheme, key);
}

void DeleteKey(Monkey& m) {
  m.Note("Del on the list");
  if (!Reachable(m, Ui(W(m)).msg)) return;
  Ui(W(m)).msg->setFocus();
  QTest::keyClick(Ui(W(m)).msg, Qt::Key_Delete);
}

void CloseWindow(Monkey& m) {
  m.Note("close box");
  W(m).close();
}

}  // namespace

const std::vector<MonkeyAction>& ActionCatalogue() {
  static const std::vector<MonkeyAction> actions = {
      {"click tree node", 12, [](Monkey& m) { ClickNode(m, false); }},
      {"double-click tree node", 3, [](Monkey& m) { ClickNode(m, true); }},
      {"click list row", 12, [](Monkey& m) { ClickRow(m, false); }},
      {"double-click list row", 2, [](Monkey& m) { ClickRow(m, true); }},
      {"click header", 4, ClickHeader},
      {"click tab", 5, ClickTab},
      {"close tab", 3, CloseTab},
      {"wheel on the tab strip", 3, WheelTabs},
      {"keys on the tab strip", 2, [](Monkey& m) { Keys(m, Ui(W(m)).TabSet, "strip"); }},
      {"keys on the list", 5, [](Monkey& m) { Keys(m, Ui(W(m)).msg, "list"); }},
      {"keys on the tree", 4, [](Monkey& m) { Keys(m, Ui(W(m)).ids, "tree"); }},
      {"type in the filter", 5, [](Monkey& m) { Type(m, Ui(W(m)).edtFilter, Names(m)); }},
      {"search", 8, TypeSearch},
      {"type in the path box", 3, TypePath},
      {"menu command", 14, MenuCommand},
      {"option", 5, Option},
      {"panel or button", 4, Panel},
      {"theme", 3, Theme},
      {"Del key", 2, DeleteKey},
      {"close the window", 1, CloseWindow},
  };
  return actions;
}

const MonkeyAction& PickAction(Monkey& monkey) {
  const auto& actions = ActionCatalogue();
  int total = 0;
  for (const MonkeyAction& a : actions) total += a.weight;
  int at = monkey.Below(total);
  for (const MonkeyAction& a : actions) {
    if (at < a.weight) return a;
    at -= a.weight;
  }
  return actions.back();
}

}  // namespace orvex::testing
