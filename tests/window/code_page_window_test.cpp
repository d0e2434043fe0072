// The window in the system code page: chosen at start-up from the registry's
// "ACP" or the user's language, followed by the view, the list, the tree, the
// clipboard and the saved files.
#include <QAction>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QWebEngineSettings>

#include "platform_answers.h"
#include "window/list/conversation_model.h"
#include "window/viewer/safe_web_page.h"
#include "window_fixture.h"
#include "ylogs/render/document.h"
#include "ylogs/text/codepage.h"

namespace orvex::testing {
namespace {

// "Nikos" and "Kalimera kosme" in Greek letters.
constexpr char kGreekFriend[] = "\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82";
constexpr char kGreekText[] =
    "\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1 "
    "\xCE\xBA\xCF\x8C\xCF\x83\xCE\xBC\xCE\xB5";
constexpr char kGreekText1253[] = "\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1 \xEA\xFC\xF3\xEC\xE5";
// "Li" and "Hello, world" in Chinese.
constexpr char kChineseFriend[] = "\xE6\x9D\x8E";
constexpr char kChineseText[] = "\xE4\xBD\xA0\xE5\xA5\xBD\xEF\xBC\x8C\xE4\xB8\x96\xE7\x95\x8C";

class CodePageWindowTest : public PlatformWindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.save_dialogs = &save_dialogs;
    env.language.lang = lang;
  }

  void SetAcp(const std::string& value) {
    WriteBytes(config / "registry.ini",
               "[SYSTEM/CurrentControlSet/Control/Nls/CodePage]\r\nACP=" + value + "\r\n");
  }

  // Shows bob's one conversation with `friend_name` and waits for the view.
  TfrmMain& ShowConversation(const std::string& friend_name, const std::string& text) {
    AddArchive("bob", friend_name, "20060101", {text});
    TfrmMain& w = Start();
    SelectNode(w, QString::fromUtf8(friend_name.c_str()));
    EXPECT_TRUE(LoadAndWait(w, [&] { SelectRows(w, {0}); }));
    return w;
  }

  // The text the browser view shows.
  static QString PageText(TfrmMain& w) {
    QEventLoop loop;
    QString text;
    Ui(w).web_page->toPlainText([&](const QString& t) {
      text = t;
      loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return text;
  }

  // The text of the list's friend column, row 0.
  static QString ListFriend(TfrmMain& w) {
    return w.list().model().index(0, kFriendColumn).data().toString();
  }

  // Copies the shown text and saves it through the menus' own actions.
  std::string CopyAndSaveText(TfrmMain& w) {
    save_dialogs.answers = {QString::fromStdString(out / "saved.txt")};
    for (QAction* action : Ui(w).popMessage->actions()) {
      if (action->text().startsWith("Copy to clipboard")) action->trigger();
    }
    for (QAction* action : Ui(w).popFile->actions()) {
      if (action->text().startsWith("Save as text")) action->trigger();
    }
    return ReadFile(out / "saved.txt");
  }

  std::string lang;
  RecordingSaveDialogs save_dialogs;
  TempFolder out;
};

TEST_F(CodePageWindowTest, GreekLanguageShowsGreekEverywhere) {
  lang = "el_GR.UTF-8";
  TfrmMain& w = ShowConversation(kGreekFriend, kGreekText);
  EXPECT_EQ(SystemCodePage(), 1253);
  EXPECT_EQ(Ui(w).web_page->settings()->defaultTextEncoding(), "windows-1253");
  EXPECT_NE(JoinItems(w.view().html_buffer())
                .find(std::string("\xCD\xDF\xEA\xEF\xF2 said ") + kGreekText1253),
            std::string::npos);
  const QString line = QString::fromUtf8(kGreekFriend) + " said " + QString::fromUtf8(kGreekText);
  EXPECT_TRUE(PageText(w).contains(line)) << PageText(w).toStdString();
  EXPECT_EQ(ListFriend(w), QString::fromUtf8(kGreekFriend));
  EXPECT_TRUE(TreeTexts(w).contains("  " + QString::fromUtf8(kGreekFriend)));
  const std::string saved = CopyAndSaveText(w);
  EXPECT_NE(saved.find(kGreekText1253), std::string::npos) << saved;
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QString::fromUtf8(kGreekText)));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CodePageWindowTest, WesternPageShowsQuestionMarksForGreek) {
  TfrmMain& w = ShowConversation(kGreekFriend, kGreekText);
  EXPECT_EQ(SystemCodePage(), 1252);
  EXPECT_EQ(Ui(w).web_page->settings()->defaultTextEncoding(), "windows-1252");
  EXPECT_TRUE(PageText(w).contains("????? said ???????? ?????")) << PageText(w).toStdString();
  EXPECT_NE(CopyAndSaveText(w).find("???????? ?????"), std::string::npos);
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("???????? ?????"));
  // The list and the tree show the folder's name, whatever the code page.
  EXPECT_EQ(ListFriend(w), QString::fromUtf8(kGreekFriend));
}

TEST_F(CodePageWindowTest, Utf8FromTheRegistryKeepsChinese) {
  lang = "el_GR.UTF-8";
  SetAcp("65001");
  TfrmMain& w = ShowConversation(kChineseFriend, kChineseText);
  EXPECT_EQ(SystemCodePage(), kUtf8CodePage);
  EXPECT_EQ(Ui(w).web_page->settings()->defaultTextEncoding(), "UTF-8");
  const QString line =
      QString::fromUtf8(kChineseFriend) + " said " + QString::fromUtf8(kChineseText);
  EXPECT_TRUE(PageText(w).contains(line)) << PageText(w).toStdString();
  EXPECT_NE(CopyAndSaveText(w).find(std::string(kChineseFriend) +
                                    " (2006-01-01 03:00:00): " + kChineseText),
            std::string::npos);
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(line.section(" said ", 1)));
}

TEST_F(CodePageWindowTest, AnUnsupportedAcpIsReportedOnceAndTheLanguageDecides) {
  lang = "el_GR.UTF-8";
  SetAcp("950");
  TfrmMain& w = ShowConversation(kGreekFriend, kGreekText);
  EXPECT_EQ(dialogs.messages,
            QStringList({"The system code page \"950\" is not supported (874, 1250 to 1258 or "
                         "65001); code page 1253 is used."}));
  EXPECT_EQ(SystemCodePage(), 1253);
  EXPECT_TRUE(PageText(w).contains(QString::fromUtf8(kGreekText)));
}

struct PageEncodingCase {
  const char* name;
  std::string lang;
  std::string acp;       // the registry's, when set
  const char* text;      // UTF-8: a few letters of the page's script, little else
  const char* expected;  // what the view shows of it
};

// The view reads the page in the code page it was written in, also when its
// few letters would let the browser guess another one.
class PageEncodingTest : public CodePageWindowTest,
                         public ::testing::WithParamInterface<PageEncodingCase> {};

TEST_P(PageEncodingTest, TheViewReadsThePageInTheSystemCodePage) {
  lang = GetParam().lang;
  if (!GetParam().acp.empty()) SetAcp(GetParam().acp);
  TfrmMain& w = ShowConversation("al", GetParam().text);
  EXPECT_TRUE(PageText(w).contains(QString::fromUtf8(GetParam().expected)))
      << PageText(w).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageEncodingTest,
    ::testing::Values(PageEncodingCase{"CentralEuropean1250", "pl_PL.UTF-8", "",
                                       "ok \xC5\xBC\xC3\xB3\xC5\x82",
                                       "ok \xC5\xBC\xC3\xB3\xC5\x82"},
                      PageEncodingCase{"Cyrillic1251", "ru_RU.UTF-8", "", "ok \xD0\xB4\xD0\xB0",
                                       "ok \xD0\xB4\xD0\xB0"},
                      PageEncodingCase{"GreekWithCyrillic1253", "el_GR.UTF-8", "",
                                       "\xD0\xB4\xD0\xB0 \xCE\xBC.\xCE\xBC.",
                                       "?? \xCE\xBC.\xCE\xBC."},
                      PageEncodingCase{"Utf8", "el_GR.UTF-8", "65001", "ok \xD0\xB4\xCE\xBC",
                                       "ok \xD0\xB4\xCE\xBC"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvex::testing
