#include "qt_text.h"

#include <QFile>

#include "ylogs/archive/codepage.h"

namespace orvex {

QString FromAnsi(std::string_view ansi) {
  const std::string utf8 = AnsiToUtf8(ansi);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToAnsi(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToAnsi(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString FromFileName(std::string_view name) {
  return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

std::string ToFileName(const QString& name) {
  return QFile::encodeName(name).toStdString();
}

QString FromFileNameOrAnsi(std::string_view text) {
  QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (!decoded.contains(QChar::ReplacementCharacter)) return decoded;
  return FromAnsi(text);
}

}  // namespace orvex
