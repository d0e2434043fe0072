#include "qt_text.h"

#include <QFile>

#include "ylogs/text/codepage.h"

namespace orvex {

QString FromAnsi(std::string_view ansi) {
  return FromUtf8(AnsiToUtf8(ansi));
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

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) {
  return text.toStdString();
}

QString FromFileNameOrAnsi(std::string_view text) {
  QString decoded = FromUtf8(text);
  if (!decoded.contains(QChar::ReplacementCharacter)) return decoded;
  return FromAnsi(text);
}

}  // namespace orvex
