// Opening a web page or a folder with the user's own programs, behind an
// interface so that tests can record what would be opened.
#pragma once

class QUrl;

namespace orvex {

class Shell {
 public:
  virtual ~Shell() = default;
  // Hands the address to the desktop; whether that worked is not reported.
  virtual void Open(const QUrl& url) = 0;
};

class QtShell : public Shell {
 public:
  void Open(const QUrl& url) override;
};

}  // namespace orvex
