// No save or export of the window writes over an archive file: each route,
// chosen from the File menu and answered as a user would, refuses with a
// message naming the file, writes nothing and leaves its dialog open (the
// save dialogs come back on the refused name).
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>

#include "dialogs/frmsavedir.h"
#include "platform_answers.h"
#include "tests/support/folder_snapshot.h"
#include "window_fixture.h"
#include "ylogs/export/archive_file_guard.h"
#include "ylogs/program/error_text.h"

namespace orvex::testing {
namespace {

namespace fs = std::filesystem;

class ArchiveGuardWindowTest : public PlatformWindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.save_dialogs = &save_dialogs;
  }

  // bob's two days with alice and one with the friend "x.html.d", alice's
  // listed and selected.
  TfrmMain& StartListed() {
    AddArchive("bob", "alice", "20050101", {"message 0"});
    AddArchive("bob", "alice", "20050102", {"message 1"});
    AddArchive("bob", "x.html.d", "20050101", {"message 2"});
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    SelectRows(w, {0, 1});
    return w;
  }

  std::string Alice() const { return ProfilesFolder() + "bob/Archive/Messages/alice/"; }

  void Choose(TfrmMain& w, const QString& caption) {
    for (QAction* a : Ui(w).popFile->actions()) {
      if (a->text() == caption) return a->trigger();
    }
    ADD_FAILURE() << caption.toStdString() << " is not in the File menu";
  }

  static QString Refusal(const std::string& path) {
    return QString::fromStdString(ErrorBoxText(ArchiveFileRefusal(path)));
  }

  RecordingSaveDialogs save_dialogs;
  TempFolder out;
};

TEST_F(ArchiveGuardWindowTest, SaveDialogsRefuseAndAskAgain) {
  TfrmMain& w = StartListed();
  // "x.html.d" holds ".HTML", so the name is kept as chosen; the text save
  // is led to an archive file by a symbolic link.
  const std::string by_name = ProfilesFolder() + "bob/Archive/Messages/x.html.d/20050101-bob.dat";
  fs::create_symlink(Alice() + "20050101-bob.dat", out / "link.txt");
  struct Case {
    QString caption, filter;
    std::string refused, other, written;
  };
  const Case cases[] = {
      {"Save as HTML...", "HTML file (*.html);;All files (*)", by_name, out / "page", "page.html"},
      {"Save as text...", "Text file (*.txt);;All files (*)", out / "link.txt", out / "talk",
       "talk.txt"}};
  for (const Case& c : cases) {
    const FolderSnapshot before = TakeSnapshot(ProfilesFolder());
    dialogs.errors.clear();
    save_dialogs.asked.clear();
    save_dialogs.answers = {QString::fromStdString(c.refused), QString::fromStdString(c.other)};
    Choose(w, c.caption);
    EXPECT_EQ(dialogs.errors, QStringList({Refusal(c.refused)})) << c.caption.toStdString();
    EXPECT_EQ(save_dialogs.asked.mid(1),
              QStringList({c.filter + "|" + QString::fromStdString(c.refused)}));
    EXPECT_EQ(TakeSnapshot(ProfilesFolder()), before) << c.caption.toStdString();
    EXPECT_TRUE(fs::is_regular_file(out / c.written)) << c.written;
  }
}

TEST_F(ArchiveGuardWindowTest, FolderDialogsRefuseAndStayOpen) {
  TfrmMain& w = StartListed();
  // Into alice's own folder, where a generated name is already listed as one
  // of her files; the website into a folder whose index.html links to one.
  WriteBytes(Alice() + "20050102-bob-alice.html", "listed as a conversation");
  WriteBytes(Alice() + "20050102-bob-alice.txt", "listed as a conversation");
  WriteBytes(Alice() + "index.json", "listed as a conversation");
  SelectNode(w, "x.html.d");
  SelectNode(w, "alice");
  SelectRows(w, {0, 1, 2, 3, 4});
  fs::create_directories(out / "site");
  fs::create_symlink(Alice() + "20050101-bob.dat", out / "site/index.html");
  struct Case {
    QString caption;
    std::string folder, refused;
  };
  const Case cases[] = {
      {"Save as individual HTML files...", Alice(), Alice() + "20050102-bob-alice.html"},
      {"Save as individual text files...", Alice(), Alice() + "20050102-bob-alice.txt"},
      {"Save as JSON files...", Alice(), Alice() + "index.json"},
      {"Save as website...", out / "site", out / "site/index.html"}};
  for (const Case& c : cases) {
    const FolderSnapshot before = TakeSnapshot(ProfilesFolder());
    dialogs.errors.clear();
    bool stayed_open = false;
    on_dialog = [&](QDialog& dialog) {
      auto& d = dynamic_cast<TfrmSaveDir&>(dialog);
      d.edtDirector->setText(QString::fromStdString(c.folder));
      d.scopes[1]->setChecked(true);
      d.setResult(0);
      d.button_ok->click();
      stayed_open = d.result() != QDialog::Accepted;
      return d.result();
    };
    Choose(w, c.caption);
    EXPECT_TRUE(stayed_open) << c.caption.toStdString();
    EXPECT_EQ(dialogs.errors, QStringList({Refusal(c.refused)})) << c.caption.toStdString();
    EXPECT_EQ(TakeSnapshot(ProfilesFolder()), before) << c.caption.toStdString();
  }
  EXPECT_EQ(TakeSnapshot(out / "site").size(), 1u);  // the link alone
}

}  // namespace
}  // namespace orvex::testing
