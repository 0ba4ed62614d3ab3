#include "outputrecords.h"

#include "platform/filenames.h"
#include "platform/pathtext.h"

#include <QDir>
#include <QSysInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kState("State");
const QByteArray kSource("Source");
const QByteArray kProcess("Process");
const QByteArray kHost("Host");
const QByteArray kModified("Modified");
const QString kUnfinished = QStringLiteral("Unfinished");
const QString kFinished = QStringLiteral("Finished");

// The canonical form of a folder: the deepest part of it that exists with
// its links resolved, and the rest as spelled.
QString canonicalFolder(const QString &folder)
{
    QString rest;
    for (QString part = folder; !part.isEmpty();) {
        char resolved[PATH_MAX];
        if (::realpath(EncodeFileName(part).constData(), resolved))
            return QDir::cleanPath(DecodeFileName(QByteArray(resolved)) + rest);
        const qsizetype slash = part.lastIndexOf(u'/');
        if (slash < 0)
            break;
        rest.prepend(part.mid(slash));
        part.truncate(slash);
    }
    return folder;
}

// The size and modification time of a file as one text; empty when there
// is no such file.
QString stamp(const QString &path)
{
    struct stat st = {};
    if (::lstat(EncodeFileName(path).constData(), &st) != 0)
        return {};
    return QStringLiteral("%1 %2.%3")
        .arg(qint64(st.st_size))
        .arg(qint64(st.st_mtim.tv_sec))
        .arg(qint64(st.st_mtim.tv_nsec));
}

bool exists(const QString &path)
{
    struct stat st = {};
    return ::lstat(EncodeFileName(path).constData(), &st) == 0;
}

// The process that wrote an unfinished record still runs, elsewhere than
// in this program. A record of another machine (a shared home folder) is
// taken as running: there is no way to tell.
bool writerRunning(const RecordFolder::Fields &fields)
{
    if (fields.value(kHost) != QSysInfo::machineHostName())
        return true;
    bool ok = false;
    const qint64 pid = fields.value(kProcess).toLongLong(&ok);
    if (!ok || pid <= 0 || pid == qint64(::getpid()))
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

OutputRecords::OutputRecords(const QString &folder) : m_folder(folder) {}

QString OutputRecords::keyOf(const QString &path, QHash<QString, QString> *folders)
{
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::current().filePath(path);
    const QString clean = QDir::cleanPath(absolute);
    const qsizetype slash = clean.lastIndexOf(u'/');
    if (slash <= 0)
        return clean;
    return AddBackslash(folderKey(clean.left(slash), folders)) + clean.mid(slash + 1);
}

QString OutputRecords::folderKey(const QString &folder, QHash<QString, QString> *folders)
{
    const QString clean = QDir::cleanPath(folder);
    if (!folders)
        return canonicalFolder(clean);
    auto it = folders->find(clean);
    if (it == folders->end())
        it = folders->insert(clean, canonicalFolder(clean));
    return *it;
}

bool OutputRecords::markUnfinished(const QString &output, const QString &source, QString *error)
{
    return m_folder.write(keyOf(output),
                          {{kState, kUnfinished},
                           {kSource, keyOf(source)},
                           {kProcess, QString::number(::getpid())},
                           {kHost, QSysInfo::machineHostName()}},
                          error);
}

void OutputRecords::markFinished(const QString &output, const QString &source)
{
    const QString key = keyOf(output);
    // Should this fail, the unfinished record stays: the file is converted
    // again rather than taken for finished.
    m_folder.write(key, {{kState, kFinished}, {kSource, keyOf(source)}, {kModified, stamp(key)}});
}

void OutputRecords::forget(const QString &output)
{
    m_folder.remove(keyOf(output));
}

OutputRecords::Record OutputRecords::lookup(const QString &key) const
{
    const std::optional<RecordFolder::Fields> fields = m_folder.read(key);
    if (!fields)
        return {};
    Record record;
    record.source = fields->value(kSource);
    const QString state = fields->value(kState);
    if (state == kUnfinished) {
        record.state = State::Unfinished;
        record.running = writerRunning(*fields);
        // An encoder that was cut off before it made the file left nothing.
        if (record.running || exists(key))
            return record;
    } else if (state == kFinished && fields->value(kModified) == stamp(key)) {
        record.state = State::Finished;
        return record;
    }
    // The file is gone or is no longer the one written: the record is of
    // no use.
    m_folder.remove(key);
    return {};
}

bool OutputRecords::isOutput(const QString &path) const
{
    // A walk asks of one folder's files after another's: the folder last
    // met is known.
    if (m_folders.size() > 1)
        m_folders.clear();
    return lookup(keyOf(path, &m_folders)).state != State::None;
}
