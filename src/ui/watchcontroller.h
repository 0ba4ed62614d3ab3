#pragma once

#include "engine/watchfolders.h"
#include "platform/folderevents.h"
#include "platform/writercheck.h"
#include "settings/watchlist.h"

#include <QObject>
#include <functional>

class AppPaths;
class BatchRun;
class OutputRecords;
class TaskIntake;
class TaskStore;

// The watch folders of the window: started from Watches.ini, each file that
// settles becomes a task with its watch's profile, output directory and
// choice for an existing output, and the run starts by itself, or the task
// joins the run going on. The run tells back when each task starts and ends,
// so that the watch records it.
class TWatchController : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        TaskStore &tasks;
        TaskIntake &intake;
        BatchRun &batch;
        OutputRecords &records;
        // The file of a profile of the catalogue, by its name.
        std::function<QString(const QString &name)> profilePath;
        // Starts a run as the Start command does.
        std::function<void()> startRun;
    };

    TWatchController(const AppPaths &paths, const Services &services, QObject *parent = nullptr);

    // Reads Watches.ini and starts its watches; empty, or why the file could
    // not be read (no watch runs then).
    QString start();
    const WatchList &list() const { return m_list; }
    // Keeps the watches in Watches.ini and starts them anew; empty, or why
    // the file could not be written (nothing changes then).
    QString setList(const WatchList &list);
    // Pauses or resumes one watch and keeps that; empty, or the error.
    QString setPaused(int watch, bool paused);
    // Failed files of the watch are taken again; how many.
    int retryFailed(int watch);
    // "Watching", "Paused" or "Folder not available".
    QString stateText(int watch);
    static QStringList stateTexts(); // all of them, for sizing

signals:
    // A watch was added, changed or removed, or its state changed.
    void changed();

private:
    void fileReady(int watch, const QString &path);

    QString m_file;
    Services m_services;
    SystemFolderEvents m_events;
    ProcWriterCheck m_writers;
    WatchFolders m_watches;
    WatchList m_list;
};
