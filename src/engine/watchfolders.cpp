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
    for (FolderWatch *folder : starting)
        folder->start();
}

int WatchFolders::watchOf(const QString &path) const
{
    for (int i = 0; i < count(); ++i)
        if (m_watches[i].folder->handedOut(path))
            return i;
    return -1;
}

bool WatchFolders::conversionStarting(const QString &path, QString *error)
{
    const int w = watchOf(path);
    return w < 0 || m_watches[w].folder->conversionStarting(path, error);
}

void WatchFolders::conversionEnded(const QString &path, const QString &status)
{
    const int w = watchOf(path);
    if (w < 0)
        return;
    WatchRecords::Result result = WatchRecords::Result::None;
    if (status == TaskStatus::Complete)
        result = WatchRecords::Result::Converted;
    else if (status == TaskStatus::Skipped)
        result = WatchRecords::Result::Skipped;
    else if (status == TaskStatus::Failed)
        result = WatchRecords::Result::Failed;
    m_watches[w].folder->conversionEnded(path, result);
}
