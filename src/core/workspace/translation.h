#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vw::app {

// The languages the editor shows its texts in: "en", "ru", and "source", the
// texts as the program writes them (captions in English, questions, dialog
// titles and hints in Russian).
QStringList languageOptions();

// Installs the translation of the editor's texts for `option` (one of
// languageOptions(), or empty to follow the system's `locale`: a Russian
// locale gives Russian, any other English) in place of one installed before,
// with Qt's own translation of the standard dialogs' buttons when it is
// Russian. Returns the language chosen, or an empty string when `option` is
// none of the languages (nothing is installed then).
QString installTranslation(QCoreApplication &app, const QString &option, const QLocale &locale);

// The language installTranslation chose last ("source" before any): the
// window picks its support files by it (the Russian window shows FM.ru.dat
// and readme.ru.txt where they are).
QString installedLanguage();

} // namespace vw::app
