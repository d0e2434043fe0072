// Archive files opened from anywhere: the dialog, the rows it lists and the
// names they are decoded and shown with.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include "dialogs/frmopendat.h"
#include "platform_answers.h"
#include "widgets/tab_strip.h"
#include "window/list/conversation_model.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

class OpenDatTest : public PlatformWindowTest {
 protected:
  // An archive file outside any profiles folder: a message from the friend,
  // then one from the user, scrambled with the user's name.
  std::string LooseFile(const std::string& name, const std::string& key) {
    std::vector<RecordToWrite> records(2);
    records[0].time_value = TimeValueFromUnixSeconds(1136160000);
    records[0].direction = 1;
    records[0].text = "hello";
    records[1].time_value = TimeValueFromUnixSeconds(1136160060);
    records[1].direction = 0;
    records[1].text = "bye";
    const std::string path = loose / name;
    WriteBytes(path, EncodeArchive(records, key));
    return path;
  }

  // Plays the dialog: "Select files" (when files are offered), the names
  // typed (when given), then OK.
  void AnswerWith(const QStringList& files, const QString& user = {},
                  const QString& friend_name = {}) {
    dat_files.answer = files;
    on_dialog = [this, files, user, friend_name](QDialog& d) {
      auto& dialog = dynamic_cast<TfrmOpenDat&>(d);
      if (!files.isEmpty()) dialog.btnSelectClick();
      seen_files = dialog.txtFiles->text();
      seen_user = dialog.txtUsername->text();
      seen_colour = dialog.txtFiles->palette().color(QPalette::Text).name();
      seen_read_only = dialog.txtFiles->isReadOnly();
      if (!user.isEmpty()) dialog.txtUsername->setText(user);
      if (!friend_name.isEmpty()) dialog.txtFriend->setText(friend_name);
      dialog.btnOKClick();
      return dialog.result();
    };
  }

  // The page of one row, rendered afresh.
  QString Page(TfrmMain& w, int row) {
    SelectRows(w, {});
    SelectRows(w, {row});
    return QString::fromStdString(JoinItems(w.view().html_buffer()));
  }

  TempFolder loose;
  QString seen_files, seen_user, seen_colour;
  bool seen_read_only = false;
};

TEST_F(OpenDatTest, TheDialogIsLaidOutAsDesigned) {
  TfrmOpenDat d(&dat_files, &dialogs);
  EXPECT_EQ(d.windowTitle(), "Open .dat files");
  EXPECT_EQ(d.size(), QSize(342, 249));
  EXPECT_EQ(d.minimumSize(), d.maximumSize());
  EXPECT_EQ(d.txtFiles->geometry().topLeft(), QPoint(19, 42));
  EXPECT_EQ(d.txtFiles->width(), 221);
  EXPECT_EQ(d.btnSelect->geometry(), QRect(241, 40, 75, 25));
  EXPECT_EQ(d.txtUsername->geometry().topLeft(), QPoint(19, 95));
  EXPECT_EQ(d.txtUsername->width(), 297);
  EXPECT_EQ(d.txtFriend->geometry().topLeft(), QPoint(19, 144));
  EXPECT_EQ(d.txtFriend->width(), 298);
  EXPECT_EQ(d.txtFriend->text(), "unknown");
  EXPECT_EQ(d.btnOK->geometry(), QRect(70, 194, 75, 25));
  EXPECT_TRUE(d.btnOK->isDefault());
  EXPECT_EQ(d.btnCancel->geometry(), QRect(170, 194, 75, 25));

  QStringList order;
  QWidget* w = d.txtFiles;
  do {
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != d.txtFiles);
  EXPECT_EQ(order.join("|"), "txtFiles|btnSelect|btnOK|btnCancel|txtUsername|txtFriend");
}

TEST_F(OpenDatTest, OneFileIsListedWithTheNameFromItsFileName) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  const std::string path = LooseFile("20060102-john.dat", "john");
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  AnswerWith({QString::fromStdString(path)});
  Choose(Ui(w).popFile, "Open .dat file...");

  EXPECT_EQ(seen_files.toStdString(), path);
  EXPECT_EQ(seen_colour, "#000000");
  EXPECT_FALSE(seen_read_only);
  EXPECT_EQ(seen_user, "john");
  ASSERT_EQ(w.list().model().rowCount(), 1);
  const ConversationEntry& e = w.list().model().EntryAt(0);
  EXPECT_EQ(e.file_name, "20060102-john.dat");
  EXPECT_EQ(e.path, path);
  EXPECT_EQ(e.identity, "john");
  EXPECT_EQ(e.friend_name, "unknown");
  EXPECT_EQ(e.size, 0);
  EXPECT_EQ(e.rank, 0);
  EXPECT_EQ(e.date, CivilDateToDayCount(2006, 1, 2));
  EXPECT_EQ(Ui(w).ids->topLevelItemCount(), 0);
}

TEST_F(OpenDatTest, SeveralFilesShowGreyAndAreListedInTheDialogsOrder) {
  const QStringList files = {QString::fromStdString(LooseFile("20060103-ann.dat", "ann")),
                             QString::fromStdString(LooseFile("20060101-ann.dat", "ann")),
                             QString::fromStdString(LooseFile("20060102-bea.dat", "bea"))};
  TfrmMain& w = Start();
  AnswerWith(files, {}, "mary");
  Choose(Ui(w).popFile, "Open .dat file...");

  EXPECT_EQ(seen_files, "(multiple files)");
  EXPECT_EQ(seen_colour, "#808080");
  EXPECT_TRUE(seen_read_only);
  EXPECT_EQ(seen_user, "ann");
  ASSERT_EQ(w.list().model().rowCount(), 3);
  for (int row = 0; row < 3; ++row) {
    const ConversationEntry& e = w.list().model().EntryAt(row);
    EXPECT_EQ(QString::fromStdString(e.path), files[row]);
    EXPECT_EQ(e.identity, "ann");
    EXPECT_EQ(e.friend_name, "mary");
  }
}

TEST_F(OpenDatTest, ATypedPathCountsForOkButListsNothing) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  on_dialog = [](QDialog& d) {
    auto& dialog = dynamic_cast<TfrmOpenDat&>(d);
    dialog.txtFiles->setText("/somewhere/20060102-john.dat");
    dialog.btnOKClick();
    return dialog.result();
  };
  Choose(Ui(w).popFile, "Open .dat file...");
  EXPECT_EQ(ShownFileNames(w).join("|"), "20050101-bob.dat");
  EXPECT_TRUE(TreeTexts(w).contains("  alice"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(OpenDatTest, OkWithoutFilesAsksForOneAndCancelChangesNothing) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  const std::string path = LooseFile("20060102-john.dat", "john");
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  dat_files.answer = {QString::fromStdString(path)};
  bool stayed_open = false;
  on_dialog = [&](QDialog& d) {
    auto& dialog = dynamic_cast<TfrmOpenDat&>(d);
    dialog.btnOKClick();
    stayed_open = dialog.result() != QDialog::Accepted;
    dialog.btnSelectClick();
    dialog.btnCancelClick();
    return dialog.result();
  };
  Choose(Ui(w).popFile, "Open .dat file...");
  EXPECT_EQ(dialogs.messages.join("|"), "Error: please select at least one file.");
  EXPECT_TRUE(stayed_open);
  EXPECT_EQ(ShownFileNames(w).join("|"), "20050101-bob.dat");
  EXPECT_TRUE(TreeTexts(w).contains("  alice"));
}

TEST_F(OpenDatTest, LooseFilesAreDecodedAndShownWithTheTypedNames) {
  const std::string path = LooseFile("20060102-x.dat", "john");
  TfrmMain& w = Start();
  AnswerWith({QString::fromStdString(path)}, "john", "mary");
  Choose(Ui(w).popFile, "Open .dat file...");
  ASSERT_EQ(w.list().model().rowCount(), 1);
  const QString page = Page(w, 0);
  EXPECT_TRUE(page.contains("<p>mary said hello</p>")) << page.toStdString();
  EXPECT_TRUE(page.contains("<p>john: bye</p>")) << page.toStdString();
}

TEST_F(OpenDatTest, TheNamesLastAsLongAsTheLooseRowsAreListed) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  const std::string path = LooseFile("20060102-x.dat", "john");
  TfrmMain& w = Start();
  AnswerWith({QString::fromStdString(path)}, "john", "mary");
  Choose(Ui(w).popFile, "Open .dat file...");

  // A later dialog that lists nothing, after names were typed and OK refused.
  on_dialog = [](QDialog& d) {
    auto& dialog = dynamic_cast<TfrmOpenDat&>(d);
    dialog.txtUsername->setText("zed");
    dialog.btnOKClick();
    dialog.btnCancelClick();
    return dialog.result();
  };
  Choose(Ui(w).popFile, "Open .dat file...");
  EXPECT_TRUE(Page(w, 0).contains("<p>mary said hello</p>"));

  // A scan of another profiles folder leaves the rows listed, and their names.
  TempFolder other;
  std::filesystem::create_directories(other / "zed/Archive/Messages/yan");
  Ui(w).edtPath->setText(QString::fromStdString(other.path()));
  ASSERT_TRUE(TreeTexts(w).contains("zed"));
  ASSERT_EQ(w.list().model().rowCount(), 1);
  EXPECT_TRUE(Page(w, 0).contains("<p>john: bye</p>"));

  // Listing from the tree ends it: the list now holds the tree's files.
  Ui(w).edtPath->setText(QString::fromStdString(ProfilesFolder()));
  SelectNode(w, "alice");
  EXPECT_EQ(ShownFileNames(w).join("|"), "20050101-bob.dat");
  EXPECT_TRUE(Page(w, 0).contains("<p>alice said hi</p>"));
}

TEST_F(OpenDatTest, OpeningLooseFilesEndsTheSearchTabsAndTheIdentity) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  AddArchive("bob", "alice", "20050102", {"hello"});
  const std::string first = LooseFile("20060101-x.dat", "john");
  const std::string second = LooseFile("20060102-x.dat", "john");
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  QTest::keyClicks(Ui(w).txtSearch, "hello");
  QTest::keyClick(Ui(w).txtSearch, Qt::Key_Return);
  ASSERT_EQ(Ui(w).TabSet->currentIndex(), 1);
  ASSERT_TRUE(Ui(w).spdArchiving->isEnabled());

  AnswerWith({QString::fromStdString(first), QString::fromStdString(second)}, "john", "mary");
  for (QAction* a : Ui(w).popFile->actions()) {
    if (a->text() == "Open .dat file...") a->trigger();
  }
  ASSERT_EQ(w.list().model().rowCount(), 2);
  EXPECT_EQ(Ui(w).TabSet->count(), 1);
  EXPECT_EQ(Ui(w).TabSet->currentIndex(), 0);
  EXPECT_FALSE(Ui(w).TabSet->isVisibleTo(&w));
  EXPECT_TRUE(Ui(w).msg->isColumnHidden(kRankColumn));
  EXPECT_TRUE(w.list().search_list().empty());
  EXPECT_EQ(ShownFileNames(w).size(), 2);
  // No identity is current: the switch would do nothing, and shows it.
  EXPECT_FALSE(Ui(w).spdArchiving->isEnabled());
}

}  // namespace
}  // namespace orvex::testing
