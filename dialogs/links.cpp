#include "links.h"

#include <QUrl>

#include "qt_platform/shell.h"

namespace orvex {

QString SiteUrl(const char* page) {
  return QString::fromLatin1(kSiteRoot) + QString::fromLatin1(page);
}

void OpenLink(Shell* shell, const QString& url) {
  if (shell) shell->Open(QUrl(url));
}

}  // namespace orvex
