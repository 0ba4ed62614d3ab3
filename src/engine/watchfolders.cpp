#include "watchfolders.h"

#include "itemdata.h"

#include <algorithm>

WatchFolders::WatchFolders(FolderEvents &events, WriterCheck &writers,
                           std::function<QString(const QString &)> recordsFolder, QObject *parent)
    : QObject(parent), m_events(events), m_writers(writers),
      m_recordsFolder(std::move(recordsFolder))
{}

WatchFolders::~WatchFolders() = default;

void WatchFolders::setWatches(const QList<WatchSettings> &watches, int settleMs, int rescanMs)
{
    // A watch whose folder and choices stay goes on as it is, so files that
    // settle or convert meanwhile are neither lost nor taken twice.
    std::vector<Watch> earlier = std::exchange(m_watches, {});
    std::vector<FolderWatch *> starting;
    for (WatchSettings settings : watches) {
        if (settings.id.isEmpty())
            settings.id = WatchRecords::idOf(settings.folder);
        FolderWatch::Settings s{settings.folder, settings.outputDir, settings.subfolders,
                                settleMs,        rescanMs,           m_recordsFolder(settings.id)};
        const auto same = std::find_if(earlier.begin(), earlier.end(), [&](const Watch &w) {
            return w.folder && w.settings.id == settings.id;
        });
        if (same != earlier.end() && same->folder->settings() == s) {
            same->folder->setPaused(settings.paused);
            m_watches.push_back({settings, std::move(same->folder)});
            continue;
        }
        auto folder = std::make_unique<FolderWatch>(s, m_events, m_writers);
        if (same != earlier.end())
            folder->takeOver(*same->folder);
        folder->setOutputRecords(m_outputs);
        FolderWatch *f = folder.get();
        const auto index = [this, f] {
            for (int i = 0; i < count(); ++i)
                if (m_watches[i].folder.get() == f)
                    return i;
            return -1;
        };
        connect(f, &FolderWatch::fileSeen, this,
                [this, index](const QString &path) { emit fileSeen(index(), path); });
        connect(f, &FolderWatch::fileReady, this,
                [this, index](const QString &path) { emit fileReady(index(), path); });
        connect(f, &FolderWatch::availableChanged, this,
                [this, index](bool available) { emit availableChanged(index(), available); });
        folder->setPaused(settings.paused);
        starting.push_back(folder.get());
        m_watches.push_back({settings, std::move(folder)});
    }
    for (Watch &w : earlier) {
        const auto successor =
            std::find_if(m_watches.begin(), m_watches.end(),
                         [&](const Watch &now) { return now.settings.id == w.settings.id; });
        if (w.folder && w.folder->isConverting() && successor == m_watches.end()) {
            w.folder->setPaused(true);
            m_removed.push_back(std::move(w.folder));
        }
    }
    for (FolderWatch *folder : starting)
        folder->start();
}

FolderWatch *WatchFolders::watchOf(const QString &path) const
{
    for (const Watch &w : m_watches)
        if (w.folder->handedOut(path))
            return w.folder.get();
    for (const auto &removed : m_removed)
        if (removed->handedOut(path))
            return removed.get();
    return nullptr;
}

bool WatchFolders::conversionStarting(const QString &path, QString *error)
{
    FolderWatch *w = watchOf(path);
    return !w || w->conversionStarting(path, error);
}

void WatchFolders::conversionEnded(const QString &path, const QString &status)
{
    FolderWatch *w = watchOf(path);
    if (!w)
        return;
    WatchRecords::Result result = WatchRecords::Result::None;
    if (status == TaskStatus::Complete)
        result = WatchRecords::Result::Converted;
    else if (status == TaskStatus::Skipped)
        result = WatchRecords::Result::Skipped;
    else if (status == TaskStatus::Failed)
        result = WatchRecords::Result::Failed;
    w->conversionEnded(path, result);
    std::erase_if(m_removed, [](const auto &removed) { return !removed->isConverting(); });
}
