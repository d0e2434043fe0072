// The browser view's page: message texts are shown as they were sent, tags
// and all, so the page is untrusted. It runs none of its scripts (the
// program's own run in a world of their own), loads nothing but local
// files, opens no window and navigates nowhere but to the page the program
// itself loads.
#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

namespace orvex {

class StillWhileLoading;

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

// Serves the program's page under a scheme of its own, so that the browser is
// told the page's encoding (the page names none, and a guess from a few
// letters goes wrong); what the page refers to is passed on to the local file.
class ProgramPageHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
  void requestStarted(QWebEngineUrlRequestJob* job) override;
  // The page at `file_path`; its bytes are `body` in place of the file's
  // when given (the first piece of a long page).
  void SetPage(const QString& file_path, const QByteArray& charset, const QByteArray& body = {});

 private:
  QString page_path_;
  QByteArray charset_;
  QByteArray body_;
};

class SafeWebPage : public QWebEnginePage {
  Q_OBJECT
 public:
  // Makes its own off-the-record profile with the policies set.
  explicit SafeWebPage(QObject* parent = nullptr);

  // The encoding of the program's pages ("windows-1253", "UTF-8", ...).
  void SetPageCharset(const QByteArray& charset) { charset_ = charset; }
  // Loads a page file written by the program, in that encoding; the only
  // navigation allowed. `first_piece`, when given, is what the browser gets
  // in place of the file's bytes: the first piece of a long page.
  void LoadProgramPage(const QString& file_path, const QByteArray& first_piece = {});
  QByteArray charset() const { return charset_; }
  QUrl program_page() const { return program_page_; }
  const LocalOnlyInterceptor* interceptor() const { return interceptor_; }
  int refused_navigations() const { return refused_; }
  // Holds a long load's first screen still until the page has loaded.
  StillWhileLoading* still_while_loading() const { return still_; }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame) override;
  QWebEnginePage* createWindow(WebWindowType type) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                const QString&) override {}

 private:
  SafeWebPage(LocalOnlyInterceptor* interceptor, ProgramPageHandler* handler, QObject* parent);
  static QWebEngineProfile* MakeProfile(LocalOnlyInterceptor* interceptor,
                                        ProgramPageHandler* handler);
  LocalOnlyInterceptor* interceptor_;
  ProgramPageHandler* handler_;
  StillWhileLoading* still_;
  QByteArray charset_ = "windows-1252";
  QUrl program_page_;
  int refused_ = 0;
};

}  // namespace orvex
