#include "safe_web_page.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>

namespace orvex {

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme();
  if (scheme == QLatin1String("file") || scheme == QLatin1String("data")) return;
  ++blocked_;
  info.block(true);
}

QWebEngineProfile* SafeWebPage::MakeProfile(LocalOnlyInterceptor* interceptor) {
  auto* profile = new QWebEngineProfile;  // off the record: nothing kept on disk
  interceptor->setParent(profile);
  profile->setUrlRequestInterceptor(interceptor);
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

SafeWebPage::SafeWebPage(QObject* parent) : SafeWebPage(new LocalOnlyInterceptor, parent) {}

SafeWebPage::SafeWebPage(LocalOnlyInterceptor* interceptor, QObject* parent)
    : QWebEnginePage(MakeProfile(interceptor), parent), interceptor_(interceptor) {
  // The profile must outlive the page: as the page's child it is deleted
  // only after the page itself has gone.
  profile()->setParent(this);
}

void SafeWebPage::LoadProgramPage(const QString& file_path) {
  program_page_ = QUrl::fromLocalFile(file_path);
  load(program_page_);
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
