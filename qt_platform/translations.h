// The window's language: the program's catalogues and Qt's own, chosen from
// the user's language, and the layout direction that goes with it.
#pragma once

#include <QString>

class QCoreApplication;

namespace orvex {

// Installs the catalogues of the language into the application ("en" installs
// none: the program's texts are English). The program's catalogue is looked for
// in the folder "translations" beside the program, Qt's in Qt's own folder.
// Returns whether the program's catalogue was found.
bool InstallTranslations(QCoreApplication& app, const QString& program_folder,
                         const QString& language);

// The user's language on this system (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on
// POSIX systems; the user's interface language on Windows) as a catalogue
// suffix, "en" when the program has no catalogue for it.
QString UserInterfaceLanguage();

// Translates a fixed English text of the core (see ylogs/base/ui_text.h).
QString UiText(const char* english);

}  // namespace orvex
