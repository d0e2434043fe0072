// Every operation of the window with each of its calls to the file system
// failing in turn: the window goes on, says what failed, changes no archive
// byte, and leaves every file with its old or its complete new bytes.
#include <QRadioButton>
#include <QToolButton>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <map>

#include "dialogs/frmsavedir.h"
#include "platform/file_system.h"
#include "platform_answers.h"
#include "tests/support/folder_snapshot.h"
#include "window/list/conversation_model.h"

namespace orvex::testing {
namespace {

namespace fs = std::filesystem;
using files::FileCall;

struct Operation {
  const char* name;
  void (*prepare)(TfrmMain& w);  // before the faults; none: start-up is part of the operation
  void (*run)(class FaultWindowTest& t, TfrmMain& w);
  bool closes = false;          // the window is closed at its end
  bool reads_archives = false;  // listed files it opens may be gone by then
};

class FaultWindowTest : public PlatformWindowTest, public ::testing::WithParamInterface<Operation> {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.save_dialogs = &save_dialogs;
  }

  void SetUp() override {
    for (const char* day : {"20050101", "20050102", "20050103"}) {
      AddArchive("bob", "alice", day, {std::string("hello on ") + day, ":) fine"});
    }
    WriteBytes(program / "orvex.ini",
               "[Settings]\r\nDate=0\r\nTheme=other\r\nFavorites=1\r\nPath0=" + ProfilesFolder() +
                   "bob/Archive/Messages/alice/20050101-bob.dat\r\nIdentity0=bob\r\n"
                   "Friend0=alice\r\nSize0=10\r\n[Other]\r\nKept=yes\r\n");
    WriteBytes(config / "registry.ini",
               "[Software/Yahoo/Pager]\r\nYahoo! User ID=bob\r\n"
               "[Software/Yahoo/Pager/profiles/bob/Archive]\r\nEnabled=1\r\n");
    CopySmileys();
    for (const char* folder : {"batch", "json", "site"}) fs::create_directories(out / folder);
  }

  // Every file below the folders the program reads and writes.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const std::string& root :
         {program.path(), programs.path(), config.path(), out.path(), temp.path()}) {
      for (const auto& [path, stamp] : TakeSnapshot(root)) {
        if (!stamp.folder) files[path] = stamp.bytes;
      }
    }
    return files;
  }

  void Restore(const std::map<std::string, std::string>& files) {
    for (const auto& [path, bytes] : Files()) {
      if (!files.count(path)) fs::remove(path);
    }
    for (const auto& [path, bytes] : files) WriteBytes(path, bytes);
  }

  // What the user sees of the operation: its files and the window's state.
  std::string Outcome(TfrmMain& w) const {
    std::string seen = JoinItems(w.view().text_buffer()) + "|" +
                       Ui(w).spdArchiving->text().toStdString() + "|" +
                       std::to_string(w.list().model().rowCount());
    for (const auto& [path, bytes] : Files()) seen += "|" + path + "=" + bytes;
    return seen;
  }

  // Runs the operation on a new window with the files as they were before.
  TfrmMain& RunFresh(std::optional<files::FaultPlan> plan) {
    window.reset();
    Restore(before);
    dialogs.errors.clear();
    dialogs.messages.clear();
    const Operation& op = GetParam();
    if (op.prepare) op.prepare(Start());
    files::SetFaultPlan(plan);
    op.run(*this, op.prepare ? *window : Start());
    for (int k = 0; k < files::kFileCallKinds; ++k) calls[k] = files::CallsMade(FileCall(k));
    files::SetFaultPlan(std::nullopt);
    return *window;
  }

  RecordingSaveDialogs save_dialogs;
  TempFolder out;
  std::map<std::string, std::string> before;
  int calls[files::kFileCallKinds] = {};  // by the last run, of each kind

 public:
  // Plays the export dialog: this folder of `out`, the first scope, "OK".
  void ExportTo(TfrmMain& w, const QString& item, const char* folder) {
    on_dialog = [this, folder](QDialog& dialog) {
      auto& d = dynamic_cast<TfrmSaveDir&>(dialog);
      d.edtDirector->setText(QString::fromStdString(out / folder));
      d.scopes[0]->setChecked(true);
      d.setResult(0);
      d.Button2Click();
      return d.result();
    };
    Choose(Ui(w).popFile, item);
  }
  void SaveAs(TfrmMain& w) {
    save_dialogs.answers = {QString::fromStdString(out / "talk.html"),
                            QString::fromStdString(out / "talk.txt")};
    Choose(Ui(w).popFile, "Save as HTML...");
    Choose(Ui(w).popFile, "Save as text...");
  }
};

void OnAlice(TfrmMain& w) {
  SelectNode(w, "alice");
  ClickHeader(w, kFileNameColumn);
}

void OnThree(TfrmMain& w) {
  OnAlice(w);
  SelectRows(w, {0, 1, 2});
}

// The faults tried at a call of a kind.
std::vector<int> FaultsOf(FileCall call, const Operation& op) {
  std::vector<int> errors = {ENOSPC, EACCES, EROFS, EIO};
  if (call == FileCall::kOpen && op.reads_archives) errors.push_back(ENOENT);  // gone since listed
  if (call == FileCall::kList || call == FileCall::kCreate || call == FileCall::kMakeFolder) {
    errors.push_back(ENOTDIR);  // a folder on the way is a file now
  }
  if (call == FileCall::kRead || call == FileCall::kWrite) errors.push_back(files::kCutShort);
  return errors;
}

TEST_P(FaultWindowTest, EveryFaultAtEveryCallLosesNothingAndIsReported) {
  const Operation& op = GetParam();
  // Earlier outputs in the way: the operation's files, each written once and
  // then changed, so that an old and a new file can be told apart.
  before = Files();
  RunFresh(std::nullopt);
  for (const auto& [path, bytes] : Files()) {
    // The website's list of its files stays as written: it is what lets a
    // site be written again over its own files.
    if (!before.count(path) && path.rfind(out.path(), 0) == 0) {
      before[path] = path.ends_with("orvex-website-files.txt") ? bytes : "earlier\r\n";
    }
  }
  TfrmMain& clean = RunFresh(files::FaultPlan{FileCall::kList, 0, 0});
  const std::vector<int> counted(calls, calls + files::kFileCallKinds);
  ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("|").toStdString();
  const std::string done = Outcome(clean);
  const std::map<std::string, std::string> after = Files();

  int tried = 0, points = 0;
  for (int k = 0; k < files::kFileCallKinds; ++k) {
    for (int n = 1; n <= counted[k]; ++n, ++points) {
      for (int error : FaultsOf(FileCall(k), op)) {
        SCOPED_TRACE(::testing::Message()
                     << op.name << ": call " << n << " of kind " << k << " gives " << error);
        ++tried;
        TfrmMain& w = RunFresh(files::FaultPlan{FileCall(k), n, error});
        // Each file holds its old bytes or its complete new ones (an output,
        // after a failed read, new ones of what could be read); nothing else
        // is left.
        const std::map<std::string, std::string> now = Files();
        const bool read_fault = k <= static_cast<int>(FileCall::kRead);
        // A failed read shows in the exports made for keeping, not in a box.
        const std::string reason = FileErrorText(error == files::kCutShort ? EIO : error);
        bool noted = false;
        for (const auto& [path, bytes] : now) {
          const bool output = path.rfind(out.path(), 0) == 0 || path.rfind(temp.path(), 0) == 0;
          const bool old =
              before.count(path) && (before.at(path) == bytes || (read_fault && output));
          const bool made =
              after.count(path) && (after.at(path) == bytes || (read_fault && output));
          const bool page = path.rfind(temp.path(), 0) == 0 && bytes.ends_with("</html>\r\n");
          EXPECT_TRUE(old || made || page) << path << " is torn or stray";
          noted |= path.rfind(out.path(), 0) == 0 && bytes.find(reason) != std::string::npos;
        }
        for (const auto& [path, bytes] : before) {
          EXPECT_TRUE(now.count(path) || !after.count(path)) << path << " is lost";
        }
        // Start-up reads the settings and the registry without a word when
        // they cannot be read.
        if (Outcome(w) != done && op.prepare) {
          EXPECT_FALSE(dialogs.errors.isEmpty() && dialogs.messages.isEmpty() && !noted)
              << "a failure went unreported";
        }
        if (op.closes) continue;
        // Still usable: with the fault gone, a view shows the conversations.
        Restore(before);
        const int errors = dialogs.errors.size();
        Choose(Ui(w).PopupMenu1, "Refresh");
        SelectRows(w, {0, 1, 2});
        EXPECT_EQ(w.view().text_buffer().size(), 3u);
        EXPECT_EQ(dialogs.errors.size(), errors);
      }
    }
  }
  std::cout << op.name << ": " << tried << " faults at " << points << " calls\n";
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FaultWindowTest,
    ::testing::Values(
        Operation{"StartUpAndClose", nullptr, [](FaultWindowTest&, TfrmMain& w) { w.close(); },
                  true},
        Operation{"View", OnAlice,
                  [](FaultWindowTest&, TfrmMain& w) {
                    SelectRows(w, {0, 1, 2});
                  },
                  false, true},
        Operation{"SaveAs", OnThree, [](FaultWindowTest& t, TfrmMain& w) { t.SaveAs(w); }},
        Operation{"BatchExport", OnThree,
                  [](FaultWindowTest& t, TfrmMain& w) {
                    t.ExportTo(w, "Save as individual HTML files...", "batch");
                  },
                  false, true},
        Operation{
            "Json", OnThree,
            [](FaultWindowTest& t, TfrmMain& w) { t.ExportTo(w, "Save as JSON files...", "json"); },
            false, true},
        Operation{
            "Website", OnThree,
            [](FaultWindowTest& t, TfrmMain& w) { t.ExportTo(w, "Save as website...", "site"); },
            false, true},
        Operation{"FavouriteAndClose", OnThree,
                  [](FaultWindowTest&, TfrmMain& w) {
                    Choose(Ui(w).popMessage, "Add to favorites");
                    w.close();
                  },
                  true},
        Operation{"ArchivingSwitch", OnAlice,
                  [](FaultWindowTest&, TfrmMain& w) { Ui(w).spdArchiving->click(); }},
        Operation{"Delete", OnThree,
                  [](FaultWindowTest&, TfrmMain& w) { Choose(Ui(w).popMessage, "Delete"); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvex::testing
