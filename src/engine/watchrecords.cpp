#include "watchrecords.h"

#include "outputrecords.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

namespace {

const QByteArray kPath("Path");
const QByteArray kSize("Size");
const QByteArray kModified("Modified");
const QByteArray kResult("Result");

constexpr const char *ResultNames[] = {"", "pending", "converted", "skipped", "failed"};

WatchRecords::Result resultOf(const QString &text)
{
    for (int i = 1; i < int(std::size(ResultNames)); ++i)
        if (text == QLatin1String(ResultNames[i]))
            return WatchRecords::Result(i);
    return WatchRecords::Result::None;
}

// The folder's modification time in nanoseconds, -1 when it is missing.
qint64 folderTime(const QString &folder)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return -1;
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

} // namespace

WatchRecords::WatchRecords(const QString &folder) : m_folder(folder), m_records(folder)
{
    refresh();
}

QString WatchRecords::idOf(const QString &watchedFolder)
{
    const QString key = OutputRecords::folderKey(watchedFolder);
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString WatchRecords::resultText(Result result)
{
    return QString::fromLatin1(ResultNames[int(result)]);
}

void WatchRecords::refresh()
{
    if (m_folder.isEmpty())
        return;
    const qint64 time = folderTime(m_folder);
    if (time == m_readAt)
        return;
    m_readAt = time;
    m_cache.clear();
    const auto all = m_records.readAll();
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        Record record;
        record.stamp.size = it->value(kSize).toLongLong();
        record.stamp.modified = it->value(kModified).toLongLong();
        record.result = resultOf(it->value(kResult));
        if (record.result != Result::None)
            m_cache.insert(it.key(), record);
    }
}

WatchRecords::Record WatchRecords::lookup(const QString &relPath) const
{
    return m_cache.value(relPath);
}

bool WatchRecords::write(const QString &relPath, const Stamp &stamp, Result result, QString *error)
{
    const RecordFolder::Fields fields{{kPath, relPath},
                                      {kSize, QString::number(stamp.size)},
                                      {kModified, QString::number(stamp.modified)},
                                      {kResult, resultText(result)}};
    if (!m_records.write(relPath, fields, error))
        return false;
    m_cache.insert(relPath, {stamp, result});
    // Our own write changes the folder's time: it need not be read again.
    m_readAt = m_folder.isEmpty() ? m_readAt : folderTime(m_folder);
    return true;
}

void WatchRecords::remove(const QString &relPath)
{
    m_records.remove(relPath);
    m_cache.remove(relPath);
    m_readAt = m_folder.isEmpty() ? m_readAt : folderTime(m_folder);
}

QStringList WatchRecords::failed() const
{
    QStringList paths;
    for (auto it = m_cache.cbegin(); it != m_cache.cend(); ++it)
        if (it->result == Result::Failed)
            paths << it.key();
    paths.sort();
    return paths;
}

int WatchRecords::retryFailed()
{
    const QStringList paths = failed();
    for (const QString &path : paths)
        remove(path);
    return int(paths.size());
}
