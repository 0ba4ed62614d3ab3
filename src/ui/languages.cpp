#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString FilePrefix = QStringLiteral("quivercast_");

bool IsCLocale(const QString &locale)
{
    const QString name = locale.section(u'.', 0, 0);
    return name == u"C" || name == u"POSIX";
}

QString TranslationFile(const QString &dir, const QString &language)
{
    return QDir(dir).filePath(FilePrefix + language + QStringLiteral(".qm"));
}

} // namespace

const QList<Language> &Languages()
{
    static const QList<Language> languages{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
    };
    return languages;
}

QString LanguageOfLocale(const QString &locale)
{
    // language[_TERRITORY][.codeset][@modifier]
    const QString name = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    const QString language = name.section(u'_', 0, 0).toLower();
    const QString territory = name.section(u'_', 1, 1).toUpper();
    if (language.isEmpty())
        return {};
    // Chinese as written in Taiwan, Hong Kong and Macao is Traditional.
    if (language == u"zh")
        return territory.isEmpty() || territory == u"CN" || territory == u"SG"
                   ? QStringLiteral("zh_CN")
                   : QString();
    for (const Language &l : Languages())
        if (l.code.section(u'_', 0, 0) == language)
            return l.code;
    return {};
}

QString DesktopLanguage(const std::function<QString(const char *)> &variable)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    const QString english = QStringLiteral("en");
    if (locale.isEmpty() || IsCLocale(locale))
        return english;
    for (const QString &item : variable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
        if (const QString language = LanguageOfLocale(item); !language.isEmpty())
            return language;
    const QString language = LanguageOfLocale(locale);
    return language.isEmpty() ? english : language;
}

QString ChosenLanguage(const QString &setting, const QString &desktop,
                       const QString &translationsDir)
{
    if (setting == u"en" ||
        (!setting.isEmpty() && QFileInfo(TranslationFile(translationsDir, setting)).isFile()))
        return setting;
    return desktop;
}

bool InstallTranslations(QCoreApplication &app, const QString &language,
                         const QString &translationsDir)
{
    if (language.isEmpty() || language == u"en")
        return true;
    // Qt's own texts; a language Qt has no translation of keeps them English.
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *module : {"qtbase_", "qtmultimedia_"}) {
        auto *qt = new QTranslator(&app);
        if (qt->load(QString::fromLatin1(module) + language, qtDir))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    auto *own = new QTranslator(&app);
    if (!own->load(TranslationFile(translationsDir, language))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}
