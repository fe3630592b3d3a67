#pragma once
class QCoreApplication;

// Loads the catalogue of the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) into the
// application, with Qt's own texts of the standard buttons when the system has them. English,
// the language of the source texts, needs no catalogue. program is the catalogue's base name
// ("quillby", "setup", "uninstaller"). True when a catalogue of the program is in force.
bool InstallTranslations(QCoreApplication& app, const char* program);

// Whether the program shows a translation: its dates then take the locale's own short form.
bool TranslationInForce();
