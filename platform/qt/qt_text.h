// Conversions between the program's 8-bit text, file-system names and Qt's
// Unicode strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace orvex {

// Code-page text for display.
QString FromAnsi(std::string_view ansi);
// What a person typed, in the code page ("?" for characters it lacks).
std::string ToAnsi(const QString& text);
// File-system bytes for display, and back.
QString FromFileName(std::string_view name);
std::string ToFileName(const QString& name);

}  // namespace orvex

namespace orvex {
// A message built by the program: UTF-8 where it is (a path in it keeps the
// file system's bytes), else the code page.
QString FromMessage(std::string_view text);
}  // namespace orvex
