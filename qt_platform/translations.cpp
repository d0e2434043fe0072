#include "qt_platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>

#include "ylogs/program/user_language.h"

namespace orvex {

bool InstallTranslations(QCoreApplication& app, const QString& program_folder,
                         const QString& language) {
  if (language.isEmpty() || language == QLatin1String("en")) return false;
  // Qt's own dialogs and buttons first, then the program's texts over them.
  auto* qt = new QTranslator(&app);
  if (qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  }
  auto* own = new QTranslator(&app);
  const bool found = own->load(QStringLiteral("orvex_") + language,
                               QDir(program_folder).filePath(QStringLiteral("translations")));
  if (found) QCoreApplication::installTranslator(own);
  if (auto* gui = qobject_cast<QGuiApplication*>(&app)) {
    gui->setLayoutDirection(IsRightToLeft(language.toStdString()) ? Qt::RightToLeft
                                                                  : Qt::LeftToRight);
  }
  return found;
}

QString UserInterfaceLanguage() {
#ifdef Q_OS_WIN
  for (const QString& name : QLocale::system().uiLanguages()) {
    const std::string language = MatchLanguage(name.toStdString());
    if (!language.empty()) return QString::fromStdString(language);
  }
  return QStringLiteral("en");
#else
  return QString::fromStdString(SystemLanguage([](const char* name) { return std::getenv(name); }));
#endif
}

QString UiText(const char* english) {
  return QCoreApplication::translate("Core", english);
}

}  // namespace orvex
