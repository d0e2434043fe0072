// Archives are only read: every action of the window but "Delete", run over
// an archive, leaves each archive file with its bytes and its modification
// time, and creates or removes nothing in the archive's folders. "Delete"
// removes exactly the files the user confirmed, and nothing on "No".
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <filesystem>
#include <map>
#include <string>

#include "dialogs/frmopendat.h"
#include "dialogs/frmsavedir.h"
#include "platform_answers.h"
#include "tests/support/folder_snapshot.h"
#include "window/list/conversation_model.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

namespace fs = std::filesystem;

using Snapshot = FolderSnapshot;

class ReadOnlyWindowTest : public PlatformWindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.save_dialogs = &save_dialogs;
  }

  // A small archive of two identities with formatting, fonts and smileys,
  // its files dated in the past so that a write would show in the time.
  void WriteArchive() {
    const std::vector<std::string> texts = {"hello \x1B[1mbold\x1B[x1m :)",
                                            "<font face=\"Arial\" size=\"12\">fonts</font> ;)",
                                            "\x1B[#ff0000mred\x1B[x1m and plain"};
    for (const char* day : {"20050101", "20050102", "20050103"})
      AddArchive("bob", "alice", day, texts);
    for (const char* day : {"20050201", "20050202"}) AddArchive("bob", "carol", day, texts, 0);
    AddArchive("dave", "erin", "20060101", texts);
    for (const auto& e : fs::recursive_directory_iterator(ProfilesFolder())) {
      fs::last_write_time(e.path(),
                          fs::file_time_type::clock::now() - std::chrono::hours(24 * 400));
    }
  }

  void ExpectArchiveUnchanged(const Snapshot& before) {
    const Snapshot after = TakeSnapshot(ProfilesFolder());
    EXPECT_EQ(after.size(), before.size());
    for (const auto& [path, stamp] : before) {
      const auto found = after.find(path);
      ASSERT_NE(found, after.end()) << path << " is gone";
      EXPECT_TRUE(found->second == stamp) << path << " changed";
    }
  }

  // Plays the batch-export dialog: this folder, this scope, OK.
  void BatchExport(TfrmMain& w, bool html, TfrmSaveDir::Scope scope) {
    on_dialog = [&](QDialog& dialog) {
      auto& d = dynamic_cast<TfrmSaveDir&>(dialog);
      d.edtDirector->setText(QString::fromStdString(out / "batch"));
      d.set_scope(scope);
      d.Button2Click();
      return d.result();
    };
    Choose(Ui(w).popFile,
           html ? "Save as individual HTML files..." : "Save as individual text files...");
  }

  RecordingSaveDialogs save_dialogs;
  TempFolder out;
};

TEST_F(ReadOnlyWindowTest, EveryActionButDeleteLeavesTheArchiveAsItWas) {
  WriteArchive();
  CopySmileys();
  fs::create_directories(out / "batch");
  const Snapshot before = TakeSnapshot(ProfilesFolder());
  ASSERT_EQ(before.size(), 15u);  // 6 files and 9 folders

  TfrmMain& w = Start("bob");  // the scan, the registry user
  const QString profiles = Ui(w).edtPath->text();
  Ui(w).edtPath->selectAll();
  Ui(w).edtPath->insert(profiles);  // a scan again
  Ui(w).edtFilter->setText("ali");
  Ui(w).edtFilter->clear();
  SelectNode(w, "Show all");
  SelectAllNodes(w);
  ASSERT_EQ(ShownFileNames(w).size(), 6);
  for (int column = 0; column < kConversationColumns; ++column) {
    if (Ui(w).msg->isColumnHidden(column)) continue;  // "Rank" shows on a search tab only
    ClickHeader(w, column);
    ClickHeader(w, column);
  }
  // The view with every option, the raw switch and another theme.
  ASSERT_TRUE(LoadAndWait(w, [&] { Choose(Ui(w).popMessage, "Select all messages"); }));
  for (QCheckBox* box :
       {Ui(w).ckDate, Ui(w).ckTime, Ui(w).ckBold, Ui(w).ckFonts, Ui(w).ckSmilies}) {
    box->click();
    box->click();
  }
  Ui(w).ckSmilies->click();
  Ui(w).btnRaw->click();
  Ui(w).btnRaw->click();
  QTest::keyClick(Ui(w).cbxTheme, OtherThemeKey(w));
  Ui(w).btnStats->click();
  // Search, with its tab.
  SearchFor(w, "bold");
  Choose(Ui(w).popMessage, "Select all messages");
  // Saving, the batch export in every scope, the clipboard, printing.
  save_dialogs.answers = {QString::fromStdString(out / "page"),
                          QString::fromStdString(out / "talk")};
  Choose(Ui(w).popFile, "Save as HTML...");
  Choose(Ui(w).popFile, "Save as text...");
  for (bool html : {true, false}) {
    for (TfrmSaveDir::Scope scope : {TfrmSaveDir::kSelectedConversations,
                                     TfrmSaveDir::kSelectedContacts, TfrmSaveDir::kAllTheArchive}) {
      BatchExport(w, html, scope);
    }
  }
  Choose(Ui(w).popMessage, "Copy to clipboard");
  Choose(Ui(w).popMessage, "Copy html code to clipboard");
  // The view again, its options as they were.
  ASSERT_TRUE(LoadAndWait(w, [&] { Ui(w).ckDate->click(); }));
  ASSERT_TRUE(LoadAndWait(w, [&] { Ui(w).ckDate->click(); }));
  save_dialogs.pdf_file = QString::fromStdString(out / "print.pdf");
  Choose(Ui(w).popFile, "Print...");
  // Favourites, refresh, the folder shown, the archiving switch.
  Choose(Ui(w).popMessage, "Select all messages");
  Choose(Ui(w).popMessage, "Add to favorites");
  SelectNode(w, "Favorite conversations");
  Choose(Ui(w).popMessage, "Select all messages");
  Choose(Ui(w).PopupMenu1, "Refresh");
  SelectNode(w, "alice");
  SelectRows(w, {0});
  Choose(Ui(w).popMessage, "Show in Explorer");
  Ui(w).spdArchiving->click();
  // Loose files opened from the archive itself.
  dat_files.answer = {QString::fromStdString(ProfilesFolder() + "bob/Archive/Messages/alice/"
                                                                "20050101-bob.dat"),
                      QString::fromStdString(ProfilesFolder() + "dave/Archive/Messages/erin/"
                                                                "20060101-dave.dat")};
  on_dialog = [](QDialog& d) {
    auto& dialog = dynamic_cast<TfrmOpenDat&>(d);
    dialog.btnSelectClick();
    dialog.txtUsername->setText("bob");
    dialog.btnOKClick();
    return dialog.result();
  };
  Choose(Ui(w).popFile, "Open .dat file...");
  Choose(Ui(w).popMessage, "Select all messages");
  w.close();

  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("|").toStdString();
  // The actions did their work, outside the archive.
  EXPECT_EQ(shell.opened.size(), 1);
  EXPECT_TRUE(fs::exists(out / "page.html"));
  EXPECT_TRUE(fs::exists(out / "talk.txt"));
  EXPECT_TRUE(fs::exists(out / "print.pdf"));
  EXPECT_EQ(std::distance(fs::directory_iterator(out / "batch"), fs::directory_iterator()), 12);
  EXPECT_NE(SettingsText().find("Favorites=6"), std::string::npos);
  ExpectArchiveUnchanged(before);
}

TEST_F(ReadOnlyWindowTest, DeleteRemovesOnlyTheConfirmedFiles) {
  WriteArchive();
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  ClickHeader(w, kFileNameColumn);
  ClickHeader(w, kFileNameColumn);  // ascending
  ASSERT_EQ(ShownFileNames(w).size(), 3);
  const Snapshot before = TakeSnapshot(ProfilesFolder());

  SelectRows(w, {0, 2});
  dialogs.answer_yes = false;
  Choose(Ui(w).popMessage, "Delete");
  EXPECT_EQ(dialogs.questions.size(), 1);
  ExpectArchiveUnchanged(before);

  dialogs.answer_yes = true;
  Choose(Ui(w).popMessage, "Delete");
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(ShownFileNames(w), QStringList({"20050102-bob.dat"}));
  const std::string folder = ProfilesFolder() + "bob/Archive/Messages/alice";
  Snapshot expected = before;
  expected.erase(folder + "/20050101-bob.dat");
  expected.erase(folder + "/20050103-bob.dat");
  Snapshot after = TakeSnapshot(ProfilesFolder());
  // The folder that held them changes its time; everything else is as it was.
  ASSERT_TRUE(after.count(folder));
  after[folder].mtime_ns = expected[folder].mtime_ns;
  EXPECT_TRUE(after == expected);
}

}  // namespace
}  // namespace orvex::testing
