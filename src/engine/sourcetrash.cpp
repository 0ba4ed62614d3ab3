#include "sourcetrash.h"

#include "platform/filenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa = {};
    struct stat sb = {};
    if (::stat(EncodeFileName(a).constData(), &sa) != 0 ||
        ::stat(EncodeFileName(b).constData(), &sb) != 0)
        return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// The user's own trash can be set up: without it, a file on a file system
// without a trash of its own has nowhere to go.
bool homeTrashUsable()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return false;
    const QString trash = QDir(data).filePath(QStringLiteral("Trash"));
    return QFileInfo(trash).isDir() || QDir().mkpath(trash);
}

} // namespace

SourceTrash::Result SourceTrash::moveToTrash(const QString &source, const QString &output)
{
    const QString shown = QDir::toNativeSeparators(source);
    if (sameFile(source, output))
        return {
            false,
            QStringLiteral("The source \"%1\" stays: it is the output file itself.").arg(shown)};
    if (!QFileInfo::exists(source))
        return {false, QStringLiteral("The source \"%1\" is no longer there.").arg(shown)};
    QFile file(source);
    if (!homeTrashUsable() || !file.moveToTrash())
        return {false, QStringLiteral("The source \"%1\" stays where it is: there is no trash on "
                                      "its file system%2.")
                           .arg(shown, file.error() == QFile::NoError
                                           ? QString()
                                           : QStringLiteral(" (%1)").arg(file.errorString()))};
    return {true, QStringLiteral("The source \"%1\" was moved to the Trash.").arg(shown)};
}
