// Export, clipboard and printing in the window: the view's buffers saved as
// one file, the batch-export dialog in its three scopes, the clipboard texts
// and a printed page (into a PDF file, with its text).
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineView>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>

#include "dialogs/frmsavedir.h"
#include "platform_answers.h"
#include "window/list/conversation_model.h"
#include "window/viewer/safe_web_page.h"
#include "window_fixture.h"
#include "ylogs/render/document.h"

namespace orvex::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kHtmlFilter[] = "HTML file (*.html);;All files (*)";
constexpr char kTextFilter[] = "Text file (*.txt);;All files (*)";
// The test theme's page around one conversation, with the fixed "%today".
constexpr char kPageHead[] = "\r\n<html><body>\r\n";
constexpr char kPageFoot[] = "\r\n<p>2026-12-07 12:00:00</p></body></html>\r\n";

// What a save dialog was shown: its filter and the name it remembered.
QString Asked(const char* filter, const std::string& last_name = "") {
  return QString(filter) + "|" + QString::fromStdString(last_name);
}

std::string Conversation(const std::string& friend_name, const std::string& text) {
  return "\r\n<div>\r\n\r\n\r\n<p>" + friend_name + " said " + text + "</p>\r\n\r\n</div>\r\n";
}

std::string Transcript(const std::string& friend_name, const std::string& text) {
  return "\r\n" + friend_name + " (2006-01-01 03:00:00): " + text;
}

class ExportWindowTest : public PlatformWindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.save_dialogs = &save_dialogs;
  }

  // bob's conversations with alice, one message each ("message 0", ...),
  // listed by file name.
  TfrmMain& StartWith(int conversations) {
    for (int i = 0; i < conversations; ++i) {
      AddArchive("bob", "alice", Day(i), {"message " + std::to_string(i)});
    }
    TfrmMain& w = Start();
    SelectNode(w, "alice");
    ClickHeader(w, kFileNameColumn);
    ClickHeader(w, kFileNameColumn);  // ascending
    return w;
  }
  static std::string Day(int i) { return "2005010" + std::to_string(i + 1); }

  // Names of the files in the output folder, sorted.
  std::vector<std::string> Written() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(out.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  // Opens the batch export; `user` plays the dialog and gives its result.
  void BatchExport(TfrmMain& w, bool html, const std::function<void(TfrmSaveDir&)>& user) {
    on_dialog = [&](QDialog& dialog) {
      auto& save_dir = dynamic_cast<TfrmSaveDir&>(dialog);
      captions << save_dir.windowTitle();
      user(save_dir);
      return save_dir.result();
    };
    Choose(Ui(w).popFile,
           html ? "Save as individual HTML files..." : "Save as individual text files...");
  }

  // Types the folder and clicks "OK"; whether the dialog closed.
  static bool ClickOk(TfrmSaveDir& d, const std::string& folder, TfrmSaveDir::Scope scope) {
    d.edtDirector->setText(QString::fromStdString(folder));
    d.set_scope(scope);
    d.setResult(0);
    d.Button2Click();
    return d.result() == QDialog::Accepted;
  }

  RecordingSaveDialogs save_dialogs;
  TempFolder out;
  QStringList captions;
};

TEST_F(ExportWindowTest, SaveAsHtmlWritesThePageUnderTheTestedName) {
  TfrmMain& w = StartWith(2);
  SelectRows(w, {0, 1});
  const std::string page = JoinItems(w.view().html_buffer());
  ASSERT_EQ(page, kPageHead + Conversation("alice", "message 0") +
                      Conversation("alice", "message 1") + kPageFoot);
  const std::pair<std::string, std::string> names[] = {{"notes", "notes.html"},
                                                       {"notes.htm", "notes.htm.html"},
                                                       {"Notes.HTML", "Notes.HTML"},
                                                       {"a.html.bak", "a.html.bak"}};
  for (const auto& [chosen, saved] : names) {
    save_dialogs.answers.push_back(QString::fromStdString(out / chosen));
    Choose(Ui(w).popFile, "Save as HTML...");
    EXPECT_EQ(ReadFile(out / saved), page) << chosen;
  }
  EXPECT_EQ(Written(),
            (std::vector<std::string>{"Notes.HTML", "a.html.bak", "notes.htm.html", "notes.html"}));
  // The dialog remembers the name chosen last; cancelling writes nothing.
  Choose(Ui(w).popFile, "Save as HTML...");
  EXPECT_EQ(save_dialogs.asked, QStringList({Asked(kHtmlFilter), Asked(kHtmlFilter, out / "notes"),
                                             Asked(kHtmlFilter, out / "notes.htm"),
                                             Asked(kHtmlFilter, out / "Notes.HTML"),
                                             Asked(kHtmlFilter, out / "a.html.bak")}));
  EXPECT_EQ(Written().size(), 4u);
}

TEST_F(ExportWindowTest, SaveAsTextWritesTheTranscriptsInListOrder) {
  TfrmMain& w = StartWith(3);
  SelectRows(w, {2, 0, 1});
  save_dialogs.answers = {QString::fromStdString(out / "talk"),
                          QString::fromStdString(out / "TALK.TXT")};
  Choose(Ui(w).popFile, "Save as text...");
  Choose(Ui(w).popFile, "Save as text...");
  const std::string text = Transcript("alice", "message 0") + "\r\n" +
                           Transcript("alice", "message 1") + "\r\n" +
                           Transcript("alice", "message 2") + "\r\n";
  EXPECT_EQ(ReadFile(out / "talk.txt"), text);
  EXPECT_EQ(ReadFile(out / "TALK.TXT"), text);
  // Each dialog keeps a name of its own.
  Choose(Ui(w).popFile, "Save as HTML...");
  EXPECT_EQ(save_dialogs.asked, QStringList({Asked(kTextFilter), Asked(kTextFilter, out / "talk"),
                                             Asked(kHtmlFilter)}));
}

TEST_F(ExportWindowTest, NothingSelectedSavesTheFramedPageAndAnEmptyText) {
  TfrmMain& w = StartWith(1);
  ViewAgain(w);
  save_dialogs.answers = {QString::fromStdString(out / "p"), QString::fromStdString(out / "t")};
  Choose(Ui(w).popFile, "Save as HTML...");
  Choose(Ui(w).popFile, "Save as text...");
  EXPECT_EQ(ReadFile(out / "p.html"), std::string(kPageHead) + kPageFoot);
  EXPECT_TRUE(fs::exists(out / "t.txt"));
  EXPECT_EQ(ReadFile(out / "t.txt"), "");
}

TEST_F(ExportWindowTest, AFileThatCannotBeCreatedIsReported) {
  TfrmMain& w = StartWith(1);
  save_dialogs.answers = {QString::fromStdString(out / "missing/x")};
  Choose(Ui(w).popFile, "Save as HTML...");
  EXPECT_EQ(dialogs.errors,
            QStringList({QString::fromStdString("Cannot create file \"" + out / "missing/x.html" +
                                                "\". " + std::strerror(ENOENT) + ".")}));
}

TEST_F(ExportWindowTest, SelectedConversationsGiveOnePageEach) {
  TfrmMain& w = StartWith(3);
  SelectRows(w, {0, 2});
  const std::string page = JoinItems(w.view().html_buffer());
  picker.answer = QString::fromStdString(out.path());
  BatchExport(w, true, [&](TfrmSaveDir& d) {
    EXPECT_EQ(d.edtDirector->text(), "");
    EXPECT_EQ(d.scope(), TfrmSaveDir::kSelectedConversations);
    d.Button1Click();  // "..."
    d.Button2Click();
  });
  EXPECT_EQ(captions, QStringList({"Save conversations to HTML files"}));
  EXPECT_EQ(picker.asked, QStringList({"Select a directory to save the files.||"}));
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(Written(),
            (std::vector<std::string>{"20050101-bob-alice.html", "20050103-bob-alice.html"}));
  EXPECT_EQ(ReadFile(out / "20050101-bob-alice.html"),
            kPageHead + Conversation("alice", "message 0") + kPageFoot);
  EXPECT_EQ(ReadFile(out / "20050103-bob-alice.html"),
            kPageHead + Conversation("alice", "message 2") + kPageFoot);
  // The text buffer now holds the last exported transcript; the page stays.
  EXPECT_EQ(w.view().text_buffer(), TextItems{Transcript("alice", "message 2")});
  EXPECT_EQ(JoinItems(w.view().html_buffer()), page);
  Choose(Ui(w).popMessage, "Copy to clipboard");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            Transcript("alice", "message 2") + "\r\n");
}

TEST_F(ExportWindowTest, SelectedContactsTakeEveryEntryAlsoHiddenOnes) {
  TfrmMain& w = StartWith(3);
  SearchFor(w, "message 1");
  ASSERT_EQ(ShownFileNames(w).size(), 1);
  BatchExport(w, false, [&](TfrmSaveDir& d) {
    EXPECT_TRUE(ClickOk(d, out.path(), TfrmSaveDir::kSelectedContacts));
  });
  EXPECT_EQ(captions, QStringList({"Save conversations to plain text files"}));
  EXPECT_EQ(Written(), (std::vector<std::string>{"20050101-bob-alice.txt", "20050102-bob-alice.txt",
                                                 "20050103-bob-alice.txt"}));
  EXPECT_EQ(ReadFile(out / "20050102-bob-alice.txt"), Transcript("alice", "message 1") + "\r\n");
}

TEST_F(ExportWindowTest, AllTheArchiveNamesTwoFriendsApart) {
  AddArchive("bob", "alice", "20050101", {"to alice"});
  AddArchive("bob", "carol", "20050101", {"to carol"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  BatchExport(w, true, [&](TfrmSaveDir& d) {
    EXPECT_TRUE(ClickOk(d, out.path(), TfrmSaveDir::kAllTheArchive));
  });
  EXPECT_EQ(Written(),
            (std::vector<std::string>{"20050101-bob-alice.html", "20050101-bob-carol.html"}));
  EXPECT_EQ(ReadFile(out / "20050101-bob-carol.html"),
            kPageHead + Conversation("carol", "to carol") + kPageFoot);
  EXPECT_EQ(w.list().model().rowCount(), 2);  // the new selection stays
}

TEST_F(ExportWindowTest, RefusalsAndErrorsKeepTheDialogOpen) {
  TfrmMain& w = StartWith(3);
  fs::create_directories(out / "20050102-bob-alice.txt");  // in the way of the second
  BatchExport(w, false, [&](TfrmSaveDir& d) {
    EXPECT_FALSE(ClickOk(d, "", TfrmSaveDir::kSelectedContacts));
    EXPECT_FALSE(ClickOk(d, out.path(), TfrmSaveDir::kSelectedContacts));
    EXPECT_TRUE(fs::exists(out / "20050101-bob-alice.txt"));  // written before it
    EXPECT_FALSE(fs::exists(out / "20050103-bob-alice.txt"));
    fs::remove(out / "20050102-bob-alice.txt");
    EXPECT_TRUE(ClickOk(d, out.path(), TfrmSaveDir::kSelectedContacts));
  });
  EXPECT_EQ(dialogs.errors,
            QStringList({"Please choose an output directory first.",
                         QString::fromStdString("Cannot create file \"" + out.path() +
                                                "20050102-bob-alice.txt\". " +
                                                std::strerror(EISDIR) + ".")}));
  EXPECT_FALSE(fs::exists("/20050101-bob-alice.txt"));
  EXPECT_EQ(Written().size(), 3u);
}

TEST_F(ExportWindowTest, NoSelectedConversationOrCancelWritesNothing) {
  TfrmMain& w = StartWith(2);
  BatchExport(w, true, [&](TfrmSaveDir& d) {
    EXPECT_TRUE(ClickOk(d, out.path(), TfrmSaveDir::kSelectedConversations));
  });
  SelectRows(w, {0});
  BatchExport(w, true, [&](TfrmSaveDir& d) {
    d.edtDirector->setText(QString::fromStdString(out.path()));
    d.Button3Click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
  });
  EXPECT_TRUE(Written().empty());
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ExportWindowTest, ClipboardWithNothingShown) {
  TfrmMain& w = StartWith(1);
  ViewAgain(w);
  QGuiApplication::clipboard()->setText("before");
  Choose(Ui(w).popMessage, "Copy to clipboard");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
  Choose(Ui(w).popMessage, "Copy html code to clipboard");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), std::string(kPageHead) + kPageFoot);
}

TEST_F(ExportWindowTest, ClipboardWithTwoConversations) {
  AddArchive("bob", "alice", "20050101", {"caf\xC3\xA9"});
  AddArchive("bob", "alice", "20050102", {"second"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  ClickHeader(w, kFileNameColumn);
  ClickHeader(w, kFileNameColumn);
  Choose(Ui(w).popMessage, "Select all messages");
  Choose(Ui(w).popMessage, "Copy to clipboard");
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QString::fromStdString(Transcript("alice", "caf\xC3\xA9") + "\r\n" +
                                   Transcript("alice", "second") + "\r\n"));
  Choose(Ui(w).popMessage, "Copy html code to clipboard");
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QString::fromStdString(kPageHead + Conversation("alice", "caf\xC3\xA9") +
                                   Conversation("alice", "second") + kPageFoot));
}

TEST_F(ExportWindowTest, PrintingSendsTheShownPageToThePrinter) {
  TfrmMain& w = StartWith(1);
  QEventLoop loop;
  bool loaded = false;
  QObject::connect(Ui(w).web_page, &QWebEnginePage::loadFinished, &loop, [&] {
    loaded = true;
    loop.quit();
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  SelectRows(w, {0});
  if (!loaded) loop.exec();
  ASSERT_TRUE(loaded);

  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(QString::fromStdString(out / "direct.pdf"));
  EXPECT_TRUE(w.PrintPage(&pdf));
  const std::string direct = ReadFile(out / "direct.pdf");
  EXPECT_GT(direct.size(), 500u);
  EXPECT_EQ(direct.substr(0, 5), "%PDF-");

  Choose(Ui(w).popFile, "Print...");  // the print dialog is cancelled
  // A PDF file chosen in the dialog, A4 across: the browser's own PDF, its text kept.
  w.printer()->setPageOrientation(QPageLayout::Landscape);
  save_dialogs.pdf_file = QString::fromStdString(out / "asked.pdf");
  Choose(Ui(w).popFile, "Print...");
  EXPECT_EQ(save_dialogs.print_dialogs, 2);
  QProcess poppler;  // poppler-utils: the PDF's text, then its page size
  poppler.start("sh", {"-c", "pdftotext \"$0\" - && pdfinfo \"$0\"", save_dialogs.pdf_file});
  poppler.waitForFinished(60000);
  const std::string printed = poppler.readAllStandardOutput().toStdString();
  EXPECT_NE(printed.find("alice said message 0"), std::string::npos);
  EXPECT_NE(printed.find("841.92 x 59"), std::string::npos);  // A4 across
  save_dialogs.pdf_file = QString::fromStdString(out / "no such folder/asked.pdf");
  Choose(Ui(w).popFile, "Print...");
  EXPECT_EQ(dialogs.errors.join("|"), "The page could not be printed.");
  Choose(Ui(w).popFile, "Page setup...");
  EXPECT_EQ(save_dialogs.page_setups, 1);

  // The preview draws the page once it is up; closing it prints nothing.
  int previews = 0, pages = 0, polls = 0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &w, [&] {
    auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (!preview) return;
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    pages = widget ? widget->pageCount() : 0;
    if (pages > 0 || ++polls > 100) {
      ++previews;
      poll.stop();
      preview->reject();
    }
  });
  poll.start(100);
  Choose(Ui(w).popFile, "Print preview...");
  EXPECT_EQ(previews, 1);
  EXPECT_GE(pages, 1);
  EXPECT_EQ(Written(), (std::vector<std::string>{"asked.pdf", "direct.pdf"}));
}

}  // namespace
}  // namespace orvex::testing
