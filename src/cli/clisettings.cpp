#include "clisettings.h"

#include "clioptions.h"
#include "settings/apppaths.h"
#include "settings/newinifiles.h"
#include "settings/preferences.h"
#include "settings/profiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A path that names a file rather than a catalogue entry.
bool looksLikeFile(const QString &value)
{
    return value.contains(u'/') || value.endsWith(QLatin1String(".apf"), Qt::CaseInsensitive);
}

QString findProfile(const QString &value, const AppPaths &paths, QString &path)
{
    if (looksLikeFile(value)) {
        QFile file(value);
        if (!QFileInfo(value).isFile() || !file.open(QIODevice::ReadOnly))
            return QStringLiteral("--profile: the profile file \"%1\" cannot be read%2.")
                .arg(native(value), QFileInfo::exists(value) && !QFileInfo(value).isFile()
                                        ? QStringLiteral(": it is a folder")
                                        : QStringLiteral(": ") + file.errorString());
        // Any file may be named: one that holds no profile (no parameter
        // list) is refused rather than converting with no options at all.
        if (!TNewInifile(value).ValueExists(QStringLiteral("Main"), QStringLiteral("Para")))
            return QStringLiteral("--profile: the file \"%1\" holds no profile.")
                .arg(native(value));
        path = QFileInfo(value).absoluteFilePath();
        return {};
    }
    const QStringList catalogue = ProfileCatalogue(paths);
    QString name;
    if (catalogue.contains(value)) {
        name = value;
    } else {
        for (const QString &entry : catalogue)
            if (entry.compare(value, Qt::CaseInsensitive) == 0)
                name = entry;
    }
    if (name.isEmpty())
        return QStringLiteral("--profile: there is no profile \"%1\" (the profiles: %2).")
            .arg(value, catalogue.isEmpty() ? QStringLiteral("none") : catalogue.join(", "));
    path = ProfilePath(paths, name);
    return {};
}

QString checkOutputDir(const QString &dir, bool fromOption)
{
    const QString where = fromOption ? QStringLiteral("--output: the directory \"%1\"")
                                     : QStringLiteral("The output directory \"%1\" of the "
                                                      "preferences");
    const QString hint = fromOption ? QString() : QStringLiteral(" Name one with --output.");
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.isDir())
        return where.arg(native(dir)) + QStringLiteral(" does not exist.") + hint;
    if (::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK | X_OK) != 0)
        return where.arg(native(dir)) + QStringLiteral(" is not writable.") + hint;
    return {};
}

} // namespace

QString PreferencesToRead(const AppPaths &paths)
{
    const QString own = paths.preferencesFile();
    return QFileInfo::exists(own) ? own : paths.shippedPreferencesFile();
}

QString ResolveCliSettings(const CliOptions &options, const AppPaths &paths, CliSettings &settings)
{
    const QString preferences = PreferencesToRead(paths);
    QStringList errors;
    const PreferenceValues values = ReadPreferences(preferences, QStringLiteral("Main"),
                                                    paths.factoryOutputPath(), false, &errors);
    if (!errors.isEmpty())
        return errors.first();

    if (!options.profile.isEmpty()) {
        if (QString error = findProfile(options.profile, paths, settings.profilePath);
            !error.isEmpty())
            return error;
    } else {
        const QStringList catalogue = ProfileCatalogue(paths);
        const int index = ReadProfileIndex(preferences, false, &errors);
        if (!errors.isEmpty())
            return errors.first();
        if (index < 0 || index >= catalogue.size())
            return QStringLiteral("No profile is selected in the preferences \"%1\". Name one "
                                  "with --profile.")
                .arg(native(preferences));
        settings.profilePath = ProfilePath(paths, catalogue[index]);
    }

    if (!options.outputDir.isEmpty()) {
        settings.outputDir = QFileInfo(options.outputDir).absoluteFilePath();
        if (QString error = checkOutputDir(settings.outputDir, true); !error.isEmpty())
            return error;
    } else {
        settings.outputDir = values.outputPath;
        if (QString error = checkOutputDir(settings.outputDir, false); !error.isEmpty())
            return error;
    }

    settings.overwrite = options.existing.isEmpty()
                             ? values.overwrite
                             : options.existing == QLatin1String("overwrite");
    settings.skip =
        options.existing.isEmpty() ? values.skip : options.existing == QLatin1String("skip");
    settings.probeLimit = values.simultaneousProbes;
    settings.probeWithEncoder = options.probeWithEncoder || values.probeWithEncoderOnly;
    // Sources go to the Trash only when the command line asks for it.
    settings.trashSource = options.trashSource;
    settings.verify =
        options.verify >= 0 ? options.verify == 1 : values.verifyOutputs || options.trashSource;
    return {};
}
