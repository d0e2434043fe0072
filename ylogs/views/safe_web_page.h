// The browser view's page: message texts are shown as they were sent, tags
// and all, so the page is untrusted. It runs no script, loads nothing but
// local files, opens no window and navigates nowhere but to the page the
// program itself loads.
#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

class QWebEngineProfile;

namespace orvex {

// Refuses every request whose scheme is not a local file (or the page's own
// internal data).
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
  int blocked_count() const { return blocked_; }

 private:
  int blocked_ = 0;
};

class SafeWebPage : public QWebEnginePage {
  Q_OBJECT
 public:
  // Makes its own off-the-record profile with the policies set.
  explicit SafeWebPage(QObject* parent = nullptr);

  // Loads a page file written by the program; the only navigation allowed.
  void LoadProgramPage(const QString& file_path);
  QUrl program_page() const { return program_page_; }
  const LocalOnlyInterceptor* interceptor() const { return interceptor_; }
  int refused_navigations() const { return refused_; }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame) override;
  QWebEnginePage* createWindow(WebWindowType type) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                const QString&) override {}

 private:
  SafeWebPage(LocalOnlyInterceptor* interceptor, QObject* parent);
  static QWebEngineProfile* MakeProfile(LocalOnlyInterceptor* interceptor);
  LocalOnlyInterceptor* interceptor_;
  QUrl program_page_;
  int refused_ = 0;
};

}  // namespace orvex
