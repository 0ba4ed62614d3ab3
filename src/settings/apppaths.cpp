#include "apppaths.h"

#include "platform/pathtext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The name of the program's folders in the user's configuration and data
// folders.
const QString kFolderName = QStringLiteral("Quivercast");
const QString kPreferences = QStringLiteral("Preferences.ini");
const QString kProfiles = QStringLiteral("Profiles");

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString folderError(const QString &dir, const QString &reason)
{
    return QCoreApplication::translate("AppPaths", "Cannot create folder \"%1\". %2")
        .arg(QDir::toNativeSeparators(QDir::cleanPath(dir)), reason);
}

// Makes dir and its missing parents, new ones readable by the user only.
// Returns the reason of a failure, empty on success.
QString makeFolder(const QString &dir)
{
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    QStringList missing;
    for (QString d = clean; !QFileInfo(d).exists(); d = QFileInfo(d).path()) {
        missing.prepend(d);
        if (d == QFileInfo(d).path())
            break;
    }
    for (const QString &d : missing)
        if (::mkdir(QFile::encodeName(d).constData(), 0700) != 0 && errno != EEXIST)
            return systemReason(errno);
    return QFileInfo(clean).isDir() ? QString() : systemReason(ENOTDIR);
}

} // namespace

AppPaths AppPaths::portable(const QString &programDir)
{
    AppPaths p;
    p.m_mode = Mode::Portable;
    p.m_programDir = AddBackslash(programDir);
    p.m_userConfigDir = p.m_programDir;
    p.m_preferencesFile = p.m_programDir + kPreferences;
    p.m_userProfileDir = p.shippedProfileDir();
    p.m_factoryOutputPath = p.m_programDir;
    p.m_stateDir = p.m_programDir;
    return p;
}

AppPaths AppPaths::installed(const QString &programDir, const QString &configDir,
                             const QString &profileDir, const QString &factoryOutputDir,
                             const QString &stateDir)
{
    AppPaths p;
    p.m_mode = Mode::Installed;
    p.m_programDir = AddBackslash(programDir);
    p.m_userConfigDir = AddBackslash(configDir);
    p.m_preferencesFile = p.m_userConfigDir + kPreferences;
    p.m_userProfileDir = AddBackslash(profileDir);
    p.m_factoryOutputPath = AddBackslash(factoryOutputDir);
    p.m_stateDir = stateDir.isEmpty() ? p.m_userConfigDir : AddBackslash(stateDir);
    return p;
}

AppPaths AppPaths::forProgram(const QString &programDir)
{
    const bool writable = ::access(QFile::encodeName(programDir).constData(), W_OK) == 0;
    return forProgram(programDir, writable ? Mode::Portable : Mode::Installed);
}

AppPaths AppPaths::forProgram(const QString &programDir, Mode mode)
{
    if (mode == Mode::Portable)
        return portable(programDir);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // By the XDG base directory rules a relative $XDG_STATE_HOME is
    // ignored.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return installed(programDir, AddBackslash(config) + kFolderName,
                     AddBackslash(AddBackslash(data) + kFolderName) + kProfiles, VideosFolder(),
                     AddBackslash(state) + kFolderName);
}

QString AppPaths::VideosFolder()
{
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    return videos.isEmpty() || !QFileInfo(videos).isDir() ? QDir::homePath() : videos;
}

QString AppPaths::encoderPath() const
{
    return m_programDir + QStringLiteral("wmaspi.dll");
}

QString AppPaths::probeHelperPath() const
{
    return m_programDir + QStringLiteral("quivercast-probe");
}

QString AppPaths::helpFile() const
{
    return m_programDir + HelpFileName;
}

QString AppPaths::helpFile(const QString &language) const
{
    const QString translated = m_programDir + QStringLiteral("Quivercast.%1.html").arg(language);
    return !language.isEmpty() && QFileInfo(translated).isFile() ? translated : helpFile();
}

QString AppPaths::translationsDir() const
{
    const QString beside = m_programDir + QStringLiteral("translations/");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(m_programDir + QStringLiteral("../../share/quivercast/translations")) +
           u'/';
}

QString AppPaths::shippedPreferencesFile() const
{
    return m_programDir + kPreferences;
}

QString AppPaths::shippedProfileDir() const
{
    return AddBackslash(m_programDir + kProfiles);
}

bool AppPaths::isShipped(const QString &path) const
{
    if (m_mode == Mode::Portable)
        return false;
    const QString dir = QDir::cleanPath(QDir(m_programDir).absolutePath()) + u'/';
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath()).startsWith(dir);
}

QString AppPaths::profileSaveTarget(const QString &path) const
{
    return isShipped(path) ? m_userProfileDir + FileNamePart(path) : path;
}

QString AppPaths::saveAsFolder() const
{
    return m_mode == Mode::Installed ? m_userProfileDir : QString();
}

QStringList AppPaths::prepareUserFiles()
{
    QStringList problems;
    if (m_mode == Mode::Portable)
        return problems;
    const QString shipped = shippedPreferencesFile();
    const auto fallBack = [&](const QString &problem) {
        problems << problem +
                        QCoreApplication::translate(
                            "AppPaths", " Your settings are read from \"%1\" and are not saved.")
                            .arg(QDir::toNativeSeparators(shipped));
        m_preferencesFile = shipped;
    };

    const QString configDir = m_userConfigDir;
    const QFileInfo user(m_preferencesFile);
    if (const QString reason = makeFolder(configDir); !reason.isEmpty()) {
        fallBack(folderError(configDir, reason));
    } else if (user.isDir()) {
        fallBack(QCoreApplication::translate("AppPaths", "Cannot open file \"%1\". %2")
                     .arg(QDir::toNativeSeparators(m_preferencesFile), systemReason(EISDIR)));
    } else if (!user.exists() && !user.isSymLink() && QFileInfo(shipped).isFile()) {
        // The first start: the user's settings begin as the shipped ones.
        // When the shipped file cannot be read they begin empty.
        QFile source(shipped);
        QFile target(m_preferencesFile);
        QByteArray data;
        if (source.open(QIODevice::ReadOnly))
            data = source.readAll();
        if (source.error() != QFileDevice::NoError) {
            problems << QCoreApplication::translate("AppPaths", "Cannot open file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(shipped), source.errorString());
        } else if (!target.open(QIODevice::NewOnly)) {
            fallBack(QCoreApplication::translate("AppPaths", "Cannot create file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(m_preferencesFile), target.errorString()));
        } else if (target.write(data) != data.size() || !target.flush()) {
            // A part of the file would read as settings next time.
            const QString reason = target.errorString();
            target.remove();
            fallBack(QCoreApplication::translate("AppPaths", "Cannot create file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(m_preferencesFile), reason));
        }
    }

    if (const QString reason = makeFolder(m_userProfileDir); !reason.isEmpty())
        problems << folderError(m_userProfileDir, reason) +
                        QCoreApplication::translate("AppPaths",
                                                    " Changed profiles cannot be saved.");
    return problems;
}
