// Archives are only read: every action of the window but "Delete", run over
// an archive, leaves each archive file with its bytes and its modification
// time, and creates or removes nothing in the archive's folders. "Delete"
// removes exactly the files the user confirmed, and nothing on "No".
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeView>
#include <QTreeWidget>

#include <filesystem>
#include <map>
#include <string>

#include "opendat/frmopendat.h"
#include "platform_answers.h"
#include "saveDir/frmsavedir.h"
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
    w.Guard([&] { html ? w.Saveasindividualfiles1Click() : w.SaveasindividualHTMLfiles1Click(); });
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
  w.edtPathChange();           // a scan again
  Ui(w).edtFilter->setText("ali");
  Ui(w).edtFilter->clear();
  SelectNode(w, "Show all");
  w.spdSelectAllClick();
  ASSERT_EQ(ShownFileNames(w).size(), 6);
  for (int column = 0; column < kConversationColumns; ++column) {
    w.msgHeaderClick(column);
    w.msgHeaderClick(column);
  }
  // The view with every option, the raw switch and another theme.
  ASSERT_TRUE(LoadAndWait(w, [&] { w.Selectallmessages2Click(); }));
  for (QCheckBox* box :
       {Ui(w).ckDate, Ui(w).ckTime, Ui(w).ckBold, Ui(w).ckFonts, Ui(w).ckSmilies}) {
    box->click();
    box->click();
  }
  Ui(w).ckSmilies->click();
  w.btnRawClick();
  w.btnRawClick();
  Ui(w).cbxTheme->setCurrentIndex(1);
  w.cbxThemeChange();
  w.btnStatsClick();
  // Search, with its tab.
  Ui(w).txtSearch->setText("bold");
  w.Guard([&] { w.btnSearchNextClick(); });
  w.Selectallmessages2Click();
  // Saving, the batch export in every scope, the clipboard, printing.
  save_dialogs.answers = {QString::fromStdString(out / "page"),
                          QString::fromStdString(out / "talk")};
  w.Guard([&] { w.Save1Click(); });
  w.Guard([&] { w.Saveastext2Click(); });
  for (bool html : {true, false}) {
    for (TfrmSaveDir::Scope scope : {TfrmSaveDir::kSelectedConversations,
                                     TfrmSaveDir::kSelectedContacts, TfrmSaveDir::kAllTheArchive}) {
      BatchExport(w, html, scope);
    }
  }
  w.Copytoclipboard1Click();
  w.Copyhtmlcodetoclipboard1Click();
  ASSERT_TRUE(LoadAndWait(w, [&] { w.RefreshBrowser(); }));
  save_dialogs.pdf_file = QString::fromStdString(out / "print.pdf");
  w.Guard([&] { w.Print1Click(); });
  // Favourites, refresh, the folder shown, the archiving switch.
  w.Selectallmessages2Click();
  w.Addtofavorite1Click();
  SelectNode(w, "Favorite conversations");
  w.Selectallmessages2Click();
  w.Refresh1Click();
  SelectNode(w, "alice");
  SelectRows(w, {0});
  w.Showinexplorer1Click();
  w.spdArchivingClick();
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
  w.Opendatfile1Click();
  w.Selectallmessages2Click();
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
  w.msgHeaderClick(kFileNameColumn);
  w.msgHeaderClick(kFileNameColumn);  // ascending
  ASSERT_EQ(ShownFileNames(w).size(), 3);
  const Snapshot before = TakeSnapshot(ProfilesFolder());

  SelectRows(w, {0, 2});
  dialogs.answer_yes = false;
  w.Guard([&] { w.Delete2Click(); });
  EXPECT_EQ(dialogs.questions.size(), 1);
  ExpectArchiveUnchanged(before);

  dialogs.answer_yes = true;
  w.Guard([&] { w.Delete2Click(); });
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
