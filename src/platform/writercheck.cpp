#include "writercheck.h"

#include <QByteArray>
#include <QFile>
#include <QHash>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The names of a directory's entries that are numbers (processes, fds).
QList<QByteArray> numberedEntries(const QByteArray &dir)
{
    QList<QByteArray> names;
    DIR *d = ::opendir(dir.constData());
    if (!d)
        return names;
    while (const dirent *entry = ::readdir(d))
        if (entry->d_name[0] >= '0' && entry->d_name[0] <= '9')
            names << QByteArray(entry->d_name);
    ::closedir(d);
    return names;
}

// Whether the open file fd of a process is open for writing: the flags
// line of its fdinfo, in octal.
bool openedForWriting(const QByteArray &fdInfo)
{
    QFile file(QString::fromLocal8Bit(fdInfo));
    if (!file.open(QIODevice::ReadOnly))
        return true; // cannot tell: the safe answer
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith("flags:")) {
            bool ok = false;
            const int flags = line.mid(6).trimmed().toInt(&ok, 8);
            return !ok || (flags & O_ACCMODE) != O_RDONLY;
        }
    return true;
}

} // namespace

QSet<QString> ProcWriterCheck::openForWriting(const QStringList &paths)
{
    QSet<QString> writing;
    if (paths.isEmpty())
        return writing;
    QHash<QByteArray, QString> wanted;
    for (const QString &path : paths)
        wanted.insert(QFile::encodeName(path), path);
    const QByteArray proc = QFile::encodeName(m_procDir);
    char target[4096];
    for (const QByteArray &pid : numberedEntries(proc)) {
        const QByteArray fdDir = proc + '/' + pid + "/fd";
        for (const QByteArray &fd : numberedEntries(fdDir)) {
            const ssize_t n = ::readlink((fdDir + '/' + fd).constData(), target, sizeof target - 1);
            if (n <= 0)
                continue;
            const auto found = wanted.constFind(QByteArray(target, int(n)));
            if (found == wanted.constEnd() || writing.contains(*found))
                continue;
            if (openedForWriting(proc + '/' + pid + "/fdinfo/" + fd))
                writing.insert(*found);
        }
    }
    return writing;
}

QSet<QString> RecordingWriterCheck::openForWriting(const QStringList &paths)
{
    ++asked;
    QSet<QString> open;
    for (const QString &path : paths)
        if (writing.contains(path))
            open.insert(path);
    return open;
}
