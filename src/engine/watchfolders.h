#pragma once

#include "folderwatch.h"
#include "settings/watchlist.h"

#include <QList>
#include <QObject>
#include <functional>
#include <memory>

class FolderEvents;
class OutputRecords;
class WriterCheck;

// The watch folders of a program: one FolderWatch for each watch, sharing
// the file-change events, the check for writers and the record of outputs.
// Tells which files are ready, and of which watch; the run tells back when
// their conversions start and end, so that each watch records them.
class WatchFolders : public QObject
{
    Q_OBJECT
public:
    // recordsFolder gives the folder of a watch's records from its id.
    WatchFolders(FolderEvents &events, WriterCheck &writers,
                 std::function<QString(const QString &id)> recordsFolder,
                 QObject *parent = nullptr);
    ~WatchFolders() override;

    void setOutputRecords(OutputRecords *records) { m_outputs = records; }
    // Replaces the watches with these and starts them (a watch without an
    // id gets that of its folder, WatchRecords::idOf). Times in
    // milliseconds.
    void setWatches(const QList<WatchSettings> &watches, int settleMs, int rescanMs);
    int count() const { return int(m_watches.size()); }
    const WatchSettings &settings(int watch) const { return m_watches[watch].settings; }
    FolderWatch &watch(int watch) { return *m_watches[watch].folder; }

    // The run takes and ends a task of a watched file (status: the task's
    // final status, "Complete", "Skipped", "Failed" or "Stop"). False, with
    // the reason, when its record cannot be written: it must not start.
    bool conversionStarting(const QString &path, QString *error = nullptr);
    void conversionEnded(const QString &path, const QString &status);

signals:
    void fileSeen(int watch, const QString &path);
    void fileReady(int watch, const QString &path);
    void availableChanged(int watch, bool available);

private:
    // The watch that told path ready, also a removed one; null for none.
    FolderWatch *watchOf(const QString &path) const;

    struct Watch
    {
        WatchSettings settings;
        std::unique_ptr<FolderWatch> folder;
    };

    FolderEvents &m_events;
    WriterCheck &m_writers;
    std::function<QString(const QString &)> m_recordsFolder;
    OutputRecords *m_outputs = nullptr;
    std::vector<Watch> m_watches;
    // Removed while files of theirs convert: kept, paused, to record those
    // conversions' ends.
    std::vector<std::unique_ptr<FolderWatch>> m_removed;
};
