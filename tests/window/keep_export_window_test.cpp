// "Save as website..." and "Save as JSON files..." in the window, chosen from
// the File menu: the dialog's scopes, the files written and the offer to open
// a whole website.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <filesystem>

#include "dialogs/frmsavedir.h"
#include "platform_answers.h"
#include "window/actions/keep_actions.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

namespace fs = std::filesystem;

class KeepExportWindowTest : public PlatformWindowTest {
 protected:
  // bob's conversations with alice, one message each, listed by file name.
  TfrmMain& StartWith(int conversations) {
    for (int i = 0; i < conversations; ++i) {
      AddArchive("bob", "alice", "2005010" + std::to_string(i + 1),
                 {"message " + std::to_string(i)});
    }
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    ClickHeader(w, kFileNameColumn);
    ClickHeader(w, kFileNameColumn);  // ascending
    return w;
  }

  static QAction* Item(TfrmMain& w, const QString& caption) {
    for (QAction* a : Ui(w).popFile->actions()) {
      if (a->text() == caption) return a;
    }
    return nullptr;
  }

  // Chooses the menu item; `user` plays the dialog.
  void Choose(TfrmMain& w, const QString& caption, const std::function<void(TfrmSaveDir&)>& user) {
    on_dialog = [&](QDialog& dialog) {
      auto& d = dynamic_cast<TfrmSaveDir&>(dialog);
      shown << d.windowTitle();
      for (QRadioButton* r : d.scopes) shown << r->text();
      user(d);
      return d.result();
    };
    ASSERT_NE(Item(w, caption), nullptr) << caption.toStdString();
    Item(w, caption)->trigger();
  }

  static bool ClickOk(TfrmSaveDir& d, const std::string& folder, int scope) {
    d.edtDirector->setText(QString::fromStdString(folder));
    d.scopes[scope]->setChecked(true);
    d.setResult(0);
    d.button_ok->click();
    return d.result() == QDialog::Accepted;
  }

  std::vector<std::string> Written(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
      if (e.is_regular_file()) names.push_back(fs::relative(e.path(), folder).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder out;
  QStringList shown;
};

// Presses "Cancel" in an export's progress once its first file is written.
class CancelAtTheFirstFile : public QObject {
 public:
  explicit CancelAtTheFirstFile(TfrmMain& w) : w_(w) {
    w.centralWidget()->installEventFilter(this);
  }

 private:
  bool eventFilter(QObject*, QEvent* event) override {
    // The window's commands are disabled once the progress is set up.
    if (event->type() != QEvent::EnabledChange || hooked_) return false;
    QProgressDialog* progress = w_.findChild<QProgressDialog*>();
    if (!progress) return false;
    hooked_ = true;
    connect(progress->findChild<QProgressBar*>(), &QProgressBar::valueChanged, progress,
            [progress](int files) {
              if (files == 1) progress->cancel();
            });
    return false;
  }

  TfrmMain& w_;
  bool hooked_ = false;
};

TEST_F(KeepExportWindowTest, JsonFilesForEachScope) {
  TfrmMain& w = StartWith(3);
  SelectRows(w, {2});
  SearchFor(w, "message");  // hides none yet
  SearchFor(w, "message 1");
  ASSERT_EQ(ShownFileNames(w), QStringList({"20050102-bob.dat"}));
  struct Case {
    int scope;
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {KeepActions::kAllListed, {"20050102-bob-alice.json", "index.json"}},
      {KeepActions::kSelectedContacts,
       {"20050101-bob-alice.json", "20050102-bob-alice.json", "20050103-bob-alice.json",
        "index.json"}},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    Choose(w, "Save as JSON files...",
           [&](TfrmSaveDir& d) { EXPECT_TRUE(ClickOk(d, folder.path(), c.scope)); });
    EXPECT_EQ(Written(folder.path()), c.files) << c.scope;
  }
  EXPECT_EQ(shown.mid(0, 4),
            QStringList({"Save conversations as JSON files", "All conversations listed",
                         "Only selected", "Selected contacts"}));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(KeepExportWindowTest, WebsiteOfTheSelectionAndAnEmptyFolderRefused) {
  TfrmMain& w = StartWith(3);
  SelectRows(w, {0, 2});
  const TextItems text_before = w.view().text_buffer();
  // A folder with a page of the user's where the site would write its own.
  WriteBytes(out / "mine/index.html", "mine");
  Choose(w, "Save as website...", [&](TfrmSaveDir& d) {
    EXPECT_FALSE(ClickOk(d, " ", KeepActions::kOnlySelected));
    EXPECT_FALSE(ClickOk(d, out / "mine", KeepActions::kOnlySelected));
    EXPECT_TRUE(ClickOk(d, out / "site", KeepActions::kOnlySelected));
  });
  EXPECT_EQ(shown.front(), "Save conversations as a website");
  EXPECT_EQ(dialogs.errors,
            QStringList({"Please choose an output directory first.",
                         QString::fromStdString("Cannot write \"" + out / "mine/index.html" +
                                                "\": the folder holds a file of that name that "
                                                "this program did not write. Choose an empty "
                                                "folder, or one that holds a website saved "
                                                "before.")}));
  EXPECT_EQ(Written(out / "mine"), std::vector<std::string>{"index.html"});
  EXPECT_EQ(
      Written(out / "site"),
      (std::vector<std::string>{"bob/alice/20050101-bob.html", "bob/alice/20050103-bob.html",
                                "bob/alice/index.html", "index.html", "orvex-website-files.txt",
                                "search.html", "search/index.js", "search/mark.js",
                                "search/search.js", "search/text-1.js", "style.css"}));
  const std::string day = ReadFile(out / "site/bob/alice/20050101-bob.html");
  EXPECT_NE(day.find("message 0"), std::string::npos);
  EXPECT_NE(day.find("<a href=\"20050103-bob.html\" rel=\"next\">"), std::string::npos);
  EXPECT_EQ(w.view().text_buffer(), text_before);  // the view's buffers stay
  EXPECT_EQ(dialogs.questions,
            QStringList({"Save as website|The website has been saved in\n" +
                         QString::fromStdString(out / "site") + "\n\nOpen it now?"}));
  const QUrl index = QUrl::fromLocalFile(QString::fromStdString(out / "site/index.html"));
  EXPECT_EQ(shell.opened, QStringList({index.toString()}));
}

TEST_F(KeepExportWindowTest, AWebsiteStoppedByCancelIsNotOfferedToOpen) {
  TfrmMain& w = StartWith(3);
  const CancelAtTheFirstFile cancel(w);
  Choose(w, "Save as website...",
         [&](TfrmSaveDir& d) { ClickOk(d, out / "site", KeepActions::kAllListed); });
  EXPECT_EQ(Written(out / "site"), std::vector<std::string>{"bob/alice/20050101-bob.html"});
  EXPECT_TRUE(dialogs.questions.isEmpty());
  EXPECT_TRUE(shell.opened.isEmpty());
}

}  // namespace
}  // namespace orvex::testing
