#include "safe_web_page.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "window/viewer/still_while_loading.h"

namespace orvex {
namespace {

constexpr char kPageScheme[] = "orvex-page";
// A page this long (about 200 conversations) that has not loaded by then is
// held still while it loads.
constexpr qint64 kLongPageBytes = 1 << 20;
constexpr int kLongLoadMs = 200;

// A scheme must be known before the application object exists: registered
// while the program loads, as every program that shows the page links this.
[[maybe_unused]] const bool kPageSchemeRegistered = [] {
  QWebEngineUrlScheme scheme(kPageScheme);
  // With a host every page has the same origin, and the browser carries its
  // renderer from page to page: with a path alone each page was an origin of
  // its own, which cost every view about 100 ms more before its first paint.
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  // Local like file: pages, which may show local pictures (the smileys).
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
  QWebEngineUrlScheme::registerScheme(scheme);
  return true;
}();

}  // namespace

void ProgramPageHandler::SetPage(const QString& file_path, const QByteArray& charset,
                                 const QByteArray& body) {
  page_path_ = file_path;
  charset_ = charset;
  body_ = body;
}

void ProgramPageHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const QString path = job->requestUrl().path();
  if (path != page_path_) {
    // A picture or anything else the page names: the local file, as for a
    // file: page.
    job->redirect(QUrl::fromLocalFile(path));
    return;
  }
  if (!body_.isNull()) {
    auto* buffer = new QBuffer(job);
    buffer->setData(body_);
    buffer->open(QIODevice::ReadOnly);
    job->reply("text/html;charset=" + charset_, buffer);
    return;
  }
  // The job reads the file as the browser takes it (the job owns it): the
  // page of a whole history is not read at once on the window's thread.
  auto* file = new QFile(path, job);
  if (!file->open(QIODevice::ReadOnly)) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  job->reply("text/html;charset=" + charset_, file);
}

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme();
  if (scheme == QLatin1String("file") || scheme == QLatin1String("data") ||
      scheme == QLatin1String(kPageScheme))
    return;
  ++blocked_;
  info.block(true);
}

QWebEngineProfile* SafeWebPage::MakeProfile(LocalOnlyInterceptor* interceptor,
                                            ProgramPageHandler* handler) {
  auto* profile = new QWebEngineProfile;  // off the record: nothing kept on disk
  interceptor->setParent(profile);
  profile->setUrlRequestInterceptor(interceptor);
  handler->setParent(profile);
  profile->installUrlSchemeHandler(kPageScheme, handler);
  profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
  profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
  profile->setSpellCheckEnabled(false);
  QWebEngineSettings* s = profile->settings();
  s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);  // smiley pictures
  s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
  s->setAttribute(QWebEngineSettings::AutoLoadImages, true);
  s->setAttribute(QWebEngineSettings::XSSAuditingEnabled, true);
  s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
  s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
  s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
  s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
  s->setAttribute(QWebEngineSettings::WebGLEnabled, false);
  s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
  s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
  s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
  s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
  s->setAttribute(QWebEngineSettings::LinksIncludedInFocusChain, false);
  // Pages without a charset are in the program's code page.
  s->setDefaultTextEncoding(QStringLiteral("windows-1252"));
  return profile;
}

SafeWebPage::SafeWebPage(QObject* parent)
    : SafeWebPage(new LocalOnlyInterceptor, new ProgramPageHandler, parent) {}

SafeWebPage::SafeWebPage(LocalOnlyInterceptor* interceptor, ProgramPageHandler* handler,
                         QObject* parent)
    : QWebEnginePage(MakeProfile(interceptor, handler), parent),
      interceptor_(interceptor),
      handler_(handler),
      still_(new StillWhileLoading(this, kLongPageBytes, kLongLoadMs)) {
  // The profile must outlive the page: as the page's child it is deleted
  // only after the page itself has gone.
  profile()->setParent(this);
}

void SafeWebPage::LoadProgramPage(const QString& file_path, const QByteArray& first_piece) {
  handler_->SetPage(file_path, charset_, first_piece);
  program_page_ = QUrl();
  program_page_.setScheme(kPageScheme);
  program_page_.setHost(QStringLiteral("view"));
  program_page_.setPath(file_path);
  load(program_page_);
  still_->LoadStarted(first_piece.isNull() ? QFileInfo(file_path).size() : first_piece.size());
}

bool SafeWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool is_main_frame) {
  if (is_main_frame && url == program_page_) return true;
  ++refused_;
  return false;
}

QWebEnginePage* SafeWebPage::createWindow(WebWindowType) {
  return nullptr;
}

}  // namespace orvex
