// Deleting conversations' files, showing a conversation's folder and choosing
// the profiles folder.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>

#include "platform_answers.h"
#include "window/list/conversation_model.h"
#include "ylogs/views/conversation_list.h"

namespace orvex::testing {
namespace {

namespace fs = std::filesystem;

QAction* Item(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions()) {
    if (a->text() == caption) return a;
  }
  ADD_FAILURE() << "no item " << caption.toStdString();
  return nullptr;
}

class FileActionsTest : public PlatformWindowTest {
 protected:
  // Three conversations with alice, listed newest first.
  TfrmMain& StartWithThree() {
    paths = {AddArchive("bob", "alice", "20050101", {"one"}),
             AddArchive("bob", "alice", "20050102", {"two"}),
             AddArchive("bob", "alice", "20050103", {"three"})};
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    ClickHeader(w, kDateColumn);  // the first click sorts descending
    return w;
  }
  std::vector<std::string> paths;  // by date
};

TEST_F(FileActionsTest, TheQuestionCountsTheSelectedRowsAndNoDeletesNothing) {
  TfrmMain& w = StartWithThree();
  SelectRows(w, {0, 1, 2});
  dialogs.answer_yes = false;
  Item(Ui(w).PopupMenu1, "Delete")->trigger();
  EXPECT_EQ(dialogs.questions.join("#"),
            "Confirmation|Are you sure you want to delete 3 files?\r\n");
  for (const std::string& p : paths) EXPECT_TRUE(fs::exists(p)) << p;
  EXPECT_EQ(w.list().model().rowCount(), 3);
}

TEST_F(FileActionsTest, AFileTheTrashRefusesIsDeletedOnlyWhenYesIsAnsweredTwice) {
  TfrmMain& w = StartWithThree();
  fs::create_directories(data / "Trash");
  WriteBytes(data / "Trash/files", "");  // the trash cannot take a file
  for (const bool again : {false, true}) {
    SelectRows(w, {0});
    dialogs.answers = {true, again};
    Item(Ui(w).popMessage, "Delete")->trigger();
    const auto left =
        std::count_if(paths.begin(), paths.end(), [](auto& p) { return fs::exists(p); });
    EXPECT_EQ(left, again ? 2 : 3) << again;
  }
  EXPECT_EQ(dialogs.questions.size(), 4);
  EXPECT_TRUE(dialogs.questions[1].endsWith("Delete it permanently?"));
  EXPECT_TRUE(dialogs.details[0].contains("trash")) << dialogs.details[0].toStdString();
}

TEST_F(FileActionsTest, YesDeletesTheSelectedFilesAndListsWhatIsLeft) {
  TfrmMain& w = StartWithThree();
  SelectRows(w, {0, 2});  // the newest and the oldest
  Item(Ui(w).popMessage, "Delete")->trigger();
  EXPECT_EQ(dialogs.questions.join("#"),
            "Confirmation|Are you sure you want to delete 2 files?\r\n");
  EXPECT_FALSE(fs::exists(paths[0]));
  EXPECT_TRUE(fs::exists(paths[1]));
  EXPECT_FALSE(fs::exists(paths[2]));
  EXPECT_EQ(ShownFileNames(w).join("|"), "20050102-bob.dat");
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("|").toStdString();

  // Every file of the friend gone: an empty list, the friend still in the tree.
  SelectRows(w, {0});
  Choose(Ui(w).popMessage, "Delete");
  EXPECT_EQ(w.list().model().rowCount(), 0);
  EXPECT_TRUE(TreeTexts(w).contains("  alice"));
}

TEST_F(FileActionsTest, AFileThatCannotBeDeletedStopsInListOrderAndKeepsTheList) {
  TfrmMain& w = StartWithThree();
  SelectRows(w, {0, 1, 2});
  fs::remove(paths[1]);  // the second row's file, gone behind the program's back
  Item(Ui(w).PopupMenu1, "Delete")->trigger();
  EXPECT_EQ(dialogs.errors.join("|"), "File not found.");
  EXPECT_FALSE(fs::exists(paths[2]));         // the first row, deleted before the failure
  EXPECT_TRUE(fs::exists(paths[0]));          // the third row, never reached
  EXPECT_EQ(w.list().model().rowCount(), 3);  // not rebuilt
}

TEST_F(FileActionsTest, DeletedFavouritesStayInTheFavourites) {
  TfrmMain& w = StartWithThree();
  SelectRows(w, {0, 1});
  Choose(Ui(w).popMessage, "Add to favorites");
  Choose(Ui(w).popMessage, "Delete");
  SelectNode(w, "Favorite conversations");
  EXPECT_EQ(w.list().model().rowCount(), 2);
  EXPECT_FALSE(fs::exists(w.list().model().EntryAt(0).path));
}

TEST_F(FileActionsTest, TheDelKeyDeletesOnlyWhileTheListHasTheFocus) {
  TfrmMain& w = StartWithThree();
  SelectRows(w, {0});
  dialogs.answer_yes = false;
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

  Ui(w).ids->setFocus();  // a control that leaves Del to the window
  QTest::keyClick(Ui(w).ids, Qt::Key_Delete);
  EXPECT_TRUE(dialogs.questions.isEmpty());

  Ui(w).msg->setFocus();
  QTest::keyClick(Ui(w).msg, Qt::Key_Delete);
  EXPECT_EQ(dialogs.questions.size(), 1);
}

TEST_F(FileActionsTest, ShowInExplorerOpensTheFolderOfTheFirstSelectedRow) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  const std::string carol = AddArchive("bob", "carol", "20050102", {"hi"});
  TfrmMain& w = Start();
  SelectAllNodes(w);
  ClickHeader(w, kDateColumn);  // carol's conversation first
  Item(Ui(w).popMessage, "Show in Explorer")->trigger();
  EXPECT_TRUE(shell.opened.isEmpty());  // nothing selected

  SelectRows(w, {0, 1});
  Item(Ui(w).PopupMenu1, "Show in Explorer")->trigger();
  const std::string folder = carol.substr(0, carol.rfind('/') + 1);
  EXPECT_EQ(shell.opened.join("|").toStdString(), "file://" + folder);
}

// The chosen folder goes into the path box with one final separator, whether
// the browser gives one or not.
class FolderChoiceTest : public FileActionsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FolderChoiceTest, TheChosenFolderIsScannedFromThePathBox) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  TempFolder other;
  std::filesystem::create_directories(other / "zed/Archive/Messages/yan");
  TfrmMain& w = Start();
  const std::string chosen =
      GetParam() ? other.path() : other.path().substr(0, other.path().size() - 1);
  picker.answer = QString::fromStdString(chosen);
  Ui(w).btnSelDir->click();
  EXPECT_EQ(picker.asked.join("#"), "Select a directory from which to read the archive.||");
  EXPECT_EQ(Ui(w).edtPath->text().toStdString(), other.path());
  EXPECT_TRUE(TreeTexts(w).contains("zed"));
  EXPECT_FALSE(TreeTexts(w).contains("bob"));
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutSeparator, FolderChoiceTest, ::testing::Bool());

TEST_F(FileActionsTest, ChoosingTheFolderShownAlreadyDoesNotRescan) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  AddFriendFolder("eve", "dave");  // a rescan would show eve
  const std::string shown = ProfilesFolder();
  picker.answer = QString::fromStdString(shown.substr(0, shown.size() - 1));
  Item(Ui(w).popFile, "Open message archive folder...")->trigger();
  EXPECT_EQ(Ui(w).edtPath->text().toStdString(), shown);
  EXPECT_FALSE(TreeTexts(w).contains("eve"));
  EXPECT_EQ(w.list().model().rowCount(), 1);

  picker.answer.reset();  // cancelled: nothing changes
  Ui(w).btnSelDir->click();
  EXPECT_EQ(Ui(w).edtPath->text().toStdString(), shown);
  EXPECT_EQ(w.list().model().rowCount(), 1);
}

}  // namespace
}  // namespace orvex::testing

namespace orvex::testing {
namespace {

// "Add archive folder..." reads another profiles folder with the path box's
// as one history: a day both hold is one conversation, and "Delete" moves
// both copies to the trash; the folder is read again at the next start, and
// "Remove added archive folders" forgets it.
TEST_F(FileActionsTest, AnAddedFolderIsOneHistoryWithTheFirstAndStaysAdded) {
  const std::string mine = AddArchive("bob", "alice", "20050101", {"one"});
  TempFolder other;
  const std::string copy = other / "Profiles/bob/Archive/Messages/alice/20050101-bob.dat";
  std::filesystem::create_directories(fs::path(copy).parent_path());
  fs::copy_file(mine, copy);
  fs::copy_file(mine, other / "Profiles/bob/Archive/Messages/alice/20050105-bob.dat");
  fs::create_directories(other / "Profiles/carol/Archive/Messages/dave");
  TfrmMain& w = Start();
  picker.answer = QString::fromStdString(other.path());  // the folder above the profiles
  Choose(Ui(w).popFile, "Add archive folder...");
  EXPECT_TRUE(TreeTexts(w).contains("carol"));
  EXPECT_TRUE(Ui(w).lblAlso->isVisibleTo(&w));
  SelectNode(w, "alice");
  EXPECT_EQ(ShownFileNames(w).join("|"), "20050101-bob.dat|20050105-bob.dat");

  SelectRows(w, {0});
  Choose(Ui(w).popMessage, "Delete");
  EXPECT_EQ(dialogs.questions.join("#"),
            "Confirmation|Are you sure you want to delete 2 files?\r\n");
  EXPECT_FALSE(fs::exists(mine));
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_EQ(ShownFileNames(w).join("|"), "20050105-bob.dat");

  w.close();
  EXPECT_NE(SettingsText().find("AddedFolders=1\r\nAddedFolder0="), std::string::npos);
  TfrmMain& again = Start();
  EXPECT_TRUE(TreeTexts(again).contains("carol"));
  Choose(Ui(again).popFile, "Remove added archive folders");
  EXPECT_FALSE(TreeTexts(again).contains("carol"));
  EXPECT_FALSE(Ui(again).lblAlso->isVisibleTo(&again));
  again.close();  // the removed folder leaves no key behind
  EXPECT_NE(SettingsText().find("AddedFolders=0\r\n"), std::string::npos);
  EXPECT_EQ(SettingsText().find("AddedFolder0="), std::string::npos);
}

}  // namespace
}  // namespace orvex::testing
