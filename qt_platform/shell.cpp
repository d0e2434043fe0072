#include "shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace orvex {

void QtShell::Open(const QUrl& url) {
  QDesktopServices::openUrl(url);  // a page or folder that will not open shows nothing of ours
}

}  // namespace orvex
