#include "window_fixture.h"

#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPrinter>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <fstream>
#include <memory>
#include <sstream>

#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "window/viewer/safe_web_page.h"

namespace orvex::testing {

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::optional<QString> RecordingSaveDialogs::SaveFileName(QWidget*, const QString& filter,
                                                          const QString& last_name) {
  asked << filter + "|" + last_name;
  if (answers.empty()) return std::nullopt;
  const bool chosen = answers.front().has_value();
  const QString name = chosen ? *answers.front() : QString();
  answers.pop_front();
  if (!chosen) return std::nullopt;
  return name;
}

bool RecordingSaveDialogs::AskPrint(QWidget*, QPrinter* printer) {
  ++print_dialogs;
  if (pdf_file.isEmpty()) return false;
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(pdf_file);
  return true;
}

std::string WindowTest::SettingsText() const {
  return ReadFile(program / "orvex.ini");
}

void WindowTest::CopySmileys() const {
  const std::filesystem::path built =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "Smileys";
  std::filesystem::copy(
      built, program / "Smileys",
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

bool LoadAndWait(TfrmMain& w, const std::function<void()>& action) {
  QEventLoop loop;
  bool finished = false;
  const auto connection =
      QObject::connect(Ui(w).web_page, &QWebEnginePage::loadFinished, &loop, [&] {
        finished = true;
        loop.quit();
      });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  action();
  if (!finished) loop.exec();
  QObject::disconnect(connection);
  return finished;
}

QVariant RunScript(TfrmMain& w, const QString& script) {
  // An answer may come after the wait gave up (a renderer that died answers
  // when the page goes): it finds the wait gone.
  struct Answer {
    QVariant value;
    QEventLoop* loop = nullptr;
  };
  const auto answer = std::make_shared<Answer>();
  QEventLoop loop;
  answer->loop = &loop;
  Ui(w).web_page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                [answer](const QVariant& v) {
                                  answer->value = v;
                                  if (answer->loop) answer->loop->quit();
                                });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  answer->loop = nullptr;
  return answer->value;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(5);
  }
  return true;
}

void ShowWindow(TfrmMain& w) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
}

Qt::Key OtherThemeKey(const TfrmMain& w) {
  return Ui(w).cbxTheme->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up;
}

void ClickTab(TfrmMain& w, int tab) {
  QTest::mouseClick(Ui(w).TabSet, Qt::LeftButton, {}, Ui(w).TabSet->tabRect(tab).center());
}

void ViewAgain(TfrmMain& w) {
  Ui(w).ckDate->click();
  Ui(w).ckDate->click();
}

void Choose(QMenu* menu, const QString& caption) {
  for (QAction* item : menu->actions()) {
    if (item->text() != caption) continue;
    EXPECT_TRUE(item->isEnabled()) << caption.toStdString();
    if (item->isEnabled()) item->trigger();
    return;
  }
  ADD_FAILURE() << "no menu item " << caption.toStdString();
}

void ClickHeader(TfrmMain& w, int column) {
  QHeaderView* header = Ui(w).msg->header();
  ASSERT_FALSE(header->isSectionHidden(column)) << column;
  if (!header->isVisible()) {
    // A header not shown is not laid out, and loses its first click: the
    // signal a click gives, instead.
    emit header->sectionClicked(column);
    return;
  }
  const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                  header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void SearchFor(TfrmMain& w, const QString& text) {
  Ui(w).txtSearch->clear();
  QTest::keyClicks(Ui(w).txtSearch, text);
  QTest::mouseClick(Ui(w).btnSearchNext, Qt::LeftButton);
}

QToolButton* TabCloseButton(const TfrmMain& w, int tab) {
  return qobject_cast<QToolButton*>(Ui(w).TabSet->tabButton(tab, QTabBar::RightSide));
}

QStringList TreeTexts(const TfrmMain& w) {
  QStringList texts;
  for (int i = 0; i < Ui(w).ids->topLevelItemCount(); ++i) {
    QTreeWidgetItem* top = Ui(w).ids->topLevelItem(i);
    texts << top->text(0);
    for (int c = 0; c < top->childCount(); ++c) texts << "  " + top->child(c)->text(0);
  }
  return texts;
}

void SelectNode(TfrmMain& w, const QString& text) {
  const auto found = Ui(w).ids->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_FALSE(found.isEmpty()) << text.toStdString();
  // As a click does it: one selection change.
  Ui(w).ids->setCurrentItem(found.first(), 0, QItemSelectionModel::ClearAndSelect);
}

void SelectAllNodes(TfrmMain& w) {
  QTest::keyClick(Ui(w).ids, Qt::Key_A, Qt::ControlModifier);
}

void SelectRows(TfrmMain& w, const std::vector<int>& rows) {
  // Through the list's own selection, as the user selects: entry rows are
  // the rows shown when the tab lists every entry.
  const auto* shown = static_cast<const QAbstractProxyModel*>(Ui(w).msg->model());
  QItemSelection selection;
  for (int row : rows) {
    const QModelIndex entry = shown->mapFromSource(shown->sourceModel()->index(row, 0));
    selection.select(entry, entry.siblingAtColumn(8));
  }
  Ui(w).msg->selectionModel()->select(
      selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QStringList ShownFileNames(const TfrmMain& w) {
  QStringList names;
  const auto* shown = static_cast<const QAbstractProxyModel*>(Ui(w).msg->model());
  for (int row = 0; row < shown->rowCount(); ++row) {
    const int entry = shown->mapToSource(shown->index(row, 0)).row();
    names << QString::fromStdString(w.list().model().EntryAt(entry).file_name);
  }
  return names;
}

}  // namespace orvex::testing
