#include "folderwatch.h"

#include "outputrecords.h"
#include "platform/directoryreader.h"
#include "platform/folderevents.h"
#include "platform/writercheck.h"
#include "sourceformats.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <vector>

namespace {

// Events come in bursts (a copy creates, renames, sets times): one read
// after the burst.
constexpr int EventDelayMs = 200;

bool statOf(const QString &path, struct stat &st)
{
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

FolderWatch::Stamp stampOf(const struct stat &st)
{
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000};
}

} // namespace

FolderWatch::FolderWatch(const Settings &settings, FolderEvents &events, WriterCheck &writers,
                         QObject *parent)
    : QObject(parent), m_settings(settings),
      m_root(QDir::cleanPath(QDir(settings.folder).absolutePath())), m_events(events),
      m_writers(writers), m_records(settings.recordsFolder)
{
    m_rescan.setInterval(qMax(1, settings.rescanMs));
    connect(&m_rescan, &QTimer::timeout, this, &FolderWatch::rescan);
    m_settle.setInterval(qBound(20, settings.settleMs / 4, 1000));
    connect(&m_settle, &QTimer::timeout, this, &FolderWatch::settleCheck);
    m_eventDelay.setSingleShot(true);
    m_eventDelay.setInterval(EventDelayMs);
    connect(&m_eventDelay, &QTimer::timeout, this, [this] {
        const QSet<QString> folders = std::exchange(m_changed, {});
        if (folders.contains(m_root))
            return rescan();
        for (const QString &folder : folders)
            scan(folder);
    });
    connect(&m_events, &FolderEvents::folderChanged, this, &FolderWatch::onFolderChanged);
}

FolderWatch::~FolderWatch()
{
    m_events.removeFolders(m_folders.values());
}

void FolderWatch::start()
{
    m_started = true;
    if (m_paused)
        return;
    m_rescan.start();
    rescan();
}

void FolderWatch::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused) {
        m_rescan.stop();
        m_settle.stop();
        m_eventDelay.stop();
        m_pending.clear();
        m_changed.clear();
    } else if (m_started) {
        start();
    }
}

QString FolderWatch::relative(const QString &path) const
{
    return path.mid(m_root.size() + 1);
}

void FolderWatch::rescan()
{
    if (m_paused)
        return;
    m_records.refresh();
    scan(m_root);
}

void FolderWatch::onFolderChanged(const QString &folder)
{
    if (m_paused || !(folder == m_root || m_folders.contains(folder)))
        return;
    m_changed.insert(folder);
    m_eventDelay.start();
}

void FolderWatch::scan(const QString &dir)
{
    const bool whole = dir == m_root;
    struct stat st = {};
    dev_t skippedDevice = 0;
    ino_t skippedInode = 0;
    const bool skipping = !m_settings.outputFolder.isEmpty() && statOf(m_settings.outputFolder, st);
    if (skipping) {
        skippedDevice = st.st_dev;
        skippedInode = st.st_ino;
    }

    QSet<QString> folders;
    QSet<QString> files;
    const QStringList extensions = SupportedExtensions();
    std::vector<QString> toRead{dir};
    bool rootMissing = false;
    if (m_outputs)
        m_outputs->beginLookups();
    while (!toRead.empty()) {
        const QString folder = toRead.back();
        toRead.pop_back();
        DirectoryReader reader(folder);
        if (!reader.isOpen()) {
            rootMissing = rootMissing || folder == m_root;
            continue;
        }
        folders.insert(folder);
        QList<DirectoryReader::Entry> entries;
        while (reader.read(1024, entries)) {
        }
        for (const DirectoryReader::Entry &entry : entries) {
            const QString path = folder + u'/' + entry.name;
            if (entry.kind == DirectoryReader::Kind::Directory) {
                if (!m_settings.subfolders || !statOf(path, st) ||
                    (skipping && st.st_dev == skippedDevice && st.st_ino == skippedInode))
                    continue;
                toRead.push_back(path);
            } else if (HasSupportedExt(entry.name, extensions) && statOf(path, st)) {
                files.insert(path);
                consider(path, stampOf(st));
            }
        }
    }
    if (m_outputs)
        m_outputs->endLookups();

    if (rootMissing) {
        setAvailable(false);
        return;
    }
    setAvailable(true);
    // Folders new to the events; after a whole scan, those gone leave them.
    QStringList added;
    for (const QString &folder : std::as_const(folders))
        if (!m_folders.contains(folder))
            added << folder;
    m_events.addFolders(added);
    m_folders.unite(folders);
    if (!whole)
        return;
    QStringList gone;
    for (const QString &folder : std::as_const(m_folders))
        if (!folders.contains(folder))
            gone << folder;
    m_events.removeFolders(gone);
    for (const QString &folder : gone)
        m_folders.remove(folder);
    for (auto it = m_pending.begin(); it != m_pending.end();)
        it = files.contains(it.key()) ? std::next(it) : m_pending.erase(it);
    m_fileCount = int(files.size());
    emit scanned(m_fileCount);
}

void FolderWatch::consider(const QString &path, const Stamp &stamp)
{
    if (const auto handed = m_handed.constFind(path); handed != m_handed.cend() && *handed == stamp)
        return;
    const WatchRecords::Record record = m_records.lookup(relative(path));
    // A conversion that never ended (the program was cut off) is done again.
    if (record.stamp == stamp && record.result != WatchRecords::Result::None &&
        record.result != WatchRecords::Result::Pending)
        return;
    if (m_outputs && m_outputs->isOutput(path))
        return;
    auto pending = m_pending.find(path);
    if (pending == m_pending.end()) {
        pending = m_pending.insert(path, {stamp, {}});
        pending->since.start();
        emit fileSeen(path);
    } else if (pending->stamp != stamp) {
        pending->stamp = stamp;
        pending->since.start();
    }
    if (!m_settle.isActive())
        m_settle.start();
}

void FolderWatch::settleCheck()
{
    QStringList due;
    struct stat st = {};
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (!statOf(it.key(), st)) {
            it = m_pending.erase(it);
            continue;
        }
        if (const Stamp now = stampOf(st); now != it->stamp) {
            it->stamp = now;
            it->since.start();
        } else if (it->since.hasExpired(m_settings.settleMs)) {
            due << it.key();
        }
        ++it;
    }
    if (!due.isEmpty()) {
        const QSet<QString> writing = m_writers.openForWriting(due);
        for (const QString &path : std::as_const(due)) {
            if (writing.contains(path)) {
                m_pending[path].since.start();
                continue;
            }
            m_handed.insert(path, m_pending.take(path).stamp);
            emit fileReady(path);
        }
    }
    if (m_pending.isEmpty())
        m_settle.stop();
}

void FolderWatch::setAvailable(bool available)
{
    if (available == m_available)
        return;
    m_available = available;
    if (!available) {
        // Watched again, from the start, when the folder is back.
        m_events.removeFolders(m_folders.values());
        m_folders.clear();
        m_pending.clear();
        m_settle.stop();
    }
    emit availableChanged(available);
}

void FolderWatch::takeOver(const FolderWatch &earlier)
{
    if (earlier.m_root != m_root)
        return;
    m_handed.insert(earlier.m_handed);
    m_converting.insert(earlier.m_converting);
}

bool FolderWatch::conversionStarting(const QString &path, QString *error)
{
    const auto handed = m_handed.constFind(path);
    if (handed == m_handed.cend())
        return true;
    m_converting.insert(path, *handed);
    return m_records.write(relative(path), *handed, WatchRecords::Result::Pending, error);
}

void FolderWatch::conversionEnded(const QString &path, WatchRecords::Result result)
{
    const auto handed = m_handed.constFind(path);
    if (handed == m_handed.cend())
        return;
    // The file as its conversion found it.
    const Stamp stamp = m_converting.contains(path) ? m_converting.take(path) : *handed;
    if (result == WatchRecords::Result::None)
        m_records.remove(relative(path));
    else
        m_records.write(relative(path), stamp, result);
    // Changed while it was converted: taken again once it has settled.
    struct stat st = {};
    if (result != WatchRecords::Result::None && statOf(path, st) && stampOf(st) != stamp) {
        m_handed.remove(path);
        if (!m_paused)
            consider(path, stampOf(st));
    }
}

int FolderWatch::retryFailed()
{
    const QStringList failed = m_records.failed();
    for (const QString &rel : failed)
        m_handed.remove(m_root + u'/' + rel);
    const int count = m_records.retryFailed();
    if (count > 0)
        rescan();
    return count;
}
