// The window for a keyboard and a screen reader: every control the keyboard
// reaches has a name, Tab goes round every area and comes back, and Escape is
// "Cancel" while a long view runs.
#include <QAccessible>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

#include <cstdio>
#include <map>

#include "window_fixture.h"

namespace orvex::testing {
namespace {

class KeyboardWindowTest : public WindowTest {
 protected:
  TfrmMain& StartWith(int conversations) {
    for (int i = 0; i < conversations; ++i) {
      char day[16];
      std::snprintf(day, sizeof day, "2005%02d%02d", i / 28 + 1, i % 28 + 1);
      AddArchive("bob", "alice", day, {"text " + std::to_string(i)});
    }
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    ShowWindow(w);
    return w;
  }
};

// The area a control belongs to, by the panel that holds it.
QString AreaOf(const TfrmMain& w, const QWidget* widget) {
  const WindowControls ui = Ui(w);
  const std::map<QString, const QWidget*> areas = {
      {"path", ui.edtPath},     {"tree", ui.ids},         {"filter", ui.edtFilter},
      {"search", ui.txtSearch}, {"list", ui.msg},         {"format", ui.panFormat},
      {"page", ui.WebBrowser},  {"statistics", ui.vsStat}};
  for (const auto& [area, holder] : areas) {
    if (widget == holder || holder->isAncestorOf(widget)) return area;
  }
  return widget ? widget->objectName() : "none";
}

TEST_F(KeyboardWindowTest, EveryControlTheKeyboardReachesHasAName) {
  TfrmMain& w = StartWith(1);
  QStringList nameless;
  QSet<QString> names;
  for (QWidget* widget : w.findChildren<QWidget*>()) {
    if (!widget->isVisible() || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
      continue;
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(widget);
    const QString name = seen ? seen->text(QAccessible::Name).trimmed() : QString();
    if (name.isEmpty())
      nameless << widget->metaObject()->className() + (":" + widget->objectName());
    names << name;
  }
  EXPECT_EQ(nameless, QStringList());
  EXPECT_NE(QAccessible::queryAccessibleInterface(Ui(w).btnHelp)->text(QAccessible::Name),
            QAccessible::queryAccessibleInterface(w.findChild<QToolButton*>("menu_bar_button"))
                ->text(QAccessible::Name));
}

TEST_F(KeyboardWindowTest, TabGoesThroughEveryAreaAndComesBack) {
  TfrmMain& w = StartWith(2);
  Ui(w).btnStats->click();  // the statistics show
  Ui(w).edtPath->setFocus();
  QStringList visited;
  for (int press = 0; press < 60; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const QString area = AreaOf(w, QApplication::focusWidget());
    if (area == "path") break;
    if (visited.isEmpty() || visited.back() != area) visited << area;
  }
  EXPECT_EQ(AreaOf(w, QApplication::focusWidget()), "path");
  for (const char* area : {"tree", "filter", "search", "list", "format", "page", "statistics"})
    EXPECT_EQ(visited.count(area), 1) << area << ": " << visited.join(',').toStdString();
}

TEST_F(KeyboardWindowTest, EscapeDoesWhatCancelDoes) {
  TfrmMain& w = StartWith(25);
  for (const bool on_the_list : {false, true}) {
    SelectRows(w, {0});
    bool cancel_had_focus = false;
    const QMetaObject::Connection pressing =
        QObject::connect(Ui(w).WaitProgress, &QProgressBar::valueChanged, &w, [&](int position) {
          if (position != 3) return;
          cancel_had_focus = Ui(w).btnCancel->hasFocus();
          QWidget* target = on_the_list ? Ui(w).msg : QApplication::focusWidget();
          QTest::keyClick(target, Qt::Key_Escape);
        });
    Ui(w).msg->setFocus();
    QTest::keyClick(Ui(w).msg, Qt::Key_A, Qt::ControlModifier);
    QObject::disconnect(pressing);
    EXPECT_TRUE(cancel_had_focus) << on_the_list;
    EXPECT_EQ(w.view().text_buffer().size(), 4u) << on_the_list;
    EXPECT_EQ(QApplication::focusWidget(), Ui(w).msg) << on_the_list;
  }
}

}  // namespace
}  // namespace orvex::testing
