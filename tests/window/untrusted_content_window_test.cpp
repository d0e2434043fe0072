// Messages are shown as they were sent, tags and all, so the page in the
// browser view is untrusted: whatever a message holds, nothing runs, nothing
// comes from the network and the view goes nowhere but to the program's own
// page, while formatting and smiley pictures still show.
#include <QCheckBox>
#include <QEventLoop>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QWebEngineScript>

#include <string>

#include "window/viewer/safe_web_page.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

constexpr const char* kTitle = "Orvex page";

// The test theme, with a title a script or a navigation away would change.
constexpr const char* kTitledTheme =
    "_FILEHEADER_\r\n<html><head><title>Orvex page</title></head><body>\r\n"
    "_CONVERSATIONHEADER_\r\n<div>\r\n_MESSAGE1_\r\n<p>%id: %text</p>\r\n"
    "_MESSAGE2_\r\n<p>%id said %text</p>\r\n_CONVERSATIONFOOTER_\r\n</div>\r\n"
    "_FILEFOOTER_\r\n</body></html>\r\n";

struct UntrustedCase {
  const char* label;
  std::string message;  // "REMOTE" stands for the remote host's address
  // Checked in the page, by the test: the hostile element is there, as sent,
  // and did not do its work.
  const char* probe;
  // The page class itself refuses a request or a navigation (images and
  // style sheets never get that far: local pages may not reach remote ones).
  bool refused;
  // A navigation the user or the page starts once the page is shown.
  std::function<void(SafeWebPage&, const QString& remote)> afterwards;
};
void PrintTo(const UntrustedCase& c, std::ostream* os) {
  *os << c.label;
}

std::string WithRemote(std::string text, const std::string& remote) {
  for (std::size_t at = text.find("REMOTE"); at != std::string::npos;
       at = text.find("REMOTE", at + remote.size())) {
    text.replace(at, 6, remote);
  }
  return text;
}

// A value computed in the page by the test itself, in a world of its own:
// the page's own scripts stay off.
QVariant Evaluate(SafeWebPage& page, const QString& script) {
  QEventLoop loop;
  QVariant result;
  bool done = false;
  page.runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
    result = v;
    done = true;
    loop.quit();
  });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  if (!done) loop.exec();
  return result;
}

QString PageHtml(SafeWebPage& page) {
  QEventLoop loop;
  QString html;
  page.toHtml([&](const QString& h) {
    html = h;
    loop.quit();
  });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  return html;
}

class UntrustedContent : public WindowTest, public ::testing::WithParamInterface<UntrustedCase> {};

TEST_P(UntrustedContent, RunsNothingLoadsNothingGoesNowhereAndStillShowsFormatting) {
  const UntrustedCase& c = GetParam();
  QTcpServer server;  // the remote host: nothing may connect to it
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  int connections = 0;
  QObject::connect(&server, &QTcpServer::newConnection, [&] { ++connections; });
  const std::string remote = "http://127.0.0.1:" + std::to_string(server.serverPort());

  WriteBytes(program / "themes/default.th", kTitledTheme);
  CopySmileys();
  AddArchive("bob", "alice", "20050101",
             {WithRemote(c.message, remote), "\x1B[1mbold\x1B[x1m and \x1B[#ff0000mred", ":)"});
  TfrmMain& w = Start();
  Ui(w).ckSmilies->setChecked(true);
  SelectNode(w, "alice");
  SafeWebPage& page = *Ui(w).web_page;
  const int refusals_before = page.interceptor()->blocked_count() + page.refused_navigations();
  ASSERT_TRUE(LoadAndWait(w, [&] { SelectRows(w, {0}); }));
  if (c.afterwards) c.afterwards(page, QString::fromStdString(remote));
  // What the page class refuses is refused once it has been tried; the rest
  // was settled when the page finished loading.
  EXPECT_TRUE(WaitFor([&] {
    return !c.refused ||
           page.interceptor()->blocked_count() + page.refused_navigations() > refusals_before;
  }));

  EXPECT_EQ(connections, 0);
  EXPECT_EQ(page.title(), kTitle);
  EXPECT_EQ(page.url(), page.program_page());
  EXPECT_EQ(page.interceptor()->blocked_count() + page.refused_navigations() > refusals_before,
            c.refused);
  EXPECT_TRUE(Evaluate(page, c.probe).toBool()) << c.probe;

  // Formatting and the smiley picture still show.
  const QString html = PageHtml(page);
  EXPECT_TRUE(html.contains("<b>bold</b>")) << html.toStdString();
  EXPECT_TRUE(html.contains("color=\"#ff0000\"") || html.contains("color: #ff0000") ||
              html.contains("#ff0000"))
      << html.toStdString();
  const QVariant smiley = Evaluate(
      page,
      "(function(){for (const i of document.images) if (i.src.endsWith('/Smileys/01.gif')) "
      "return i.complete && i.naturalWidth > 0; return false;})()");
  EXPECT_TRUE(smiley.toBool());
}

INSTANTIATE_TEST_SUITE_P(
    Messages, UntrustedContent,
    ::testing::Values(
        UntrustedCase{"Script",
                      "<script>document.title='ran';new Image().src='REMOTE/script.png'</script>",
                      "document.scripts.length == 1", false, nullptr},
        UntrustedCase{"EventHandler",
                      "<img src=\"missing.gif\" onerror=\"document.title='ran';"
                      "new Image().src='REMOTE/onerror.png'\">",
                      "document.querySelector('img[onerror]') != null", false, nullptr},
        UntrustedCase{"Iframe", "<iframe src=\"REMOTE/frame.html\"></iframe>",
                      "document.querySelector('iframe') != null", true, nullptr},
        UntrustedCase{"MetaRefresh", "<meta http-equiv=\"refresh\" content=\"0; url=REMOTE/\">",
                      "document.querySelector('meta[http-equiv]') != null", true, nullptr},
        UntrustedCase{"RemoteImage", "<img src=\"REMOTE/remote.png\">",
                      "(i => i.complete && i.naturalWidth == 0)"
                      "(document.querySelector('img[src^=http]'))",
                      false, nullptr},
        UntrustedCase{"Stylesheet", "<link rel=\"stylesheet\" href=\"REMOTE/style.css\">",
                      "document.querySelector('link[rel=stylesheet]') != null", false, nullptr},
        // A link followed: the view is asked to go there, as a click asks it.
        UntrustedCase{
            "LinkFollowed", "<a href=\"REMOTE/clicked\">click me</a>", "document.links.length == 1",
            true,
            [](SafeWebPage& page, const QString& remote) { page.load(QUrl(remote + "/clicked")); }},
        UntrustedCase{
            "LocalLinkFollowed", "<a href=\"file:///etc/hostname\">a local file</a>",
            "document.links.length == 1", true,
            [](SafeWebPage& page, const QString&) { page.load(QUrl("file:///etc/hostname")); }}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace orvex::testing
