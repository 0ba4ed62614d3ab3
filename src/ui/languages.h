#pragma once

#include <QList>
#include <QString>
#include <functional>

class QCoreApplication;

// The languages the window speaks, and the choice among them: the
// "Language" setting when it names one, else the desktop's locale. The
// command-line program loads none of this and stays English.
struct Language
{
    QString code;       // "de", "pt_BR", ...; the suffix of the translation files
    QString nativeName; // the language named in itself
};

// English first, then the languages of the translation files.
const QList<Language> &Languages();

// The window's language for a desktop locale name ("de_DE.UTF-8",
// "pt_BR", "zh_CN.GB2312@stroke", "ja"): a code of Languages(), empty when
// the window does not speak it.
QString LanguageOfLocale(const QString &locale);

// The language the desktop asks for, as gettext reads it: the locale is the
// first of LC_ALL, LC_MESSAGES and LANG that is set; under the "C" or
// "POSIX" locale (or none) it is English. Otherwise the first language of
// the LANGUAGE list (colon separated) the window speaks, else that of the
// locale, else English. variable gives an environment variable's value.
QString DesktopLanguage(const std::function<QString(const char *)> &variable);

// The language of a start: the setting's when it names a language the window
// has a translation for in translationsDir (or English), else the desktop's.
QString ChosenLanguage(const QString &setting, const QString &desktop,
                       const QString &translationsDir);

// Loads the window's translation of the language from translationsDir and
// Qt's own (its buttons and standard dialogs) from the system; English
// loads nothing. The translators belong to app. False when the window's
// translation could not be loaded.
bool InstallTranslations(QCoreApplication &app, const QString &language,
                         const QString &translationsDir);
