#pragma once

#include "consolereporter.h"
#include "engine/watchfolders.h"
#include "platform/folderevents.h"
#include "platform/writercheck.h"
#include "settings/profilegrids.h"

#include <QObject>
#include <QStringList>

class CliRun;
class OutputRecords;
class TaskIntake;
class TaskStore;

// quivercast-cli --watch: the files that settle in the watched folder
// become tasks, and the run starts, or goes on, by itself. Each run's tasks
// leave the list once it has ended (a later run would convert them again)
// and are counted for the summary; their outputs are files like any other
// for the runs after.
// A file changed while its earlier task is still listed waits for the run
// to end.
class CliWatch : public QObject
{
    Q_OBJECT
public:
    struct Settings
    {
        WatchSettings watch;
        int settleMs = 10000;
        int rescanMs = 60000;
        QString profilePath;
        ProfileGrids grids;
    };

    CliWatch(TaskStore &tasks, TaskIntake &intake, CliRun &run, ConsoleReporter &reporter,
             OutputRecords *records, std::function<QString(const QString &)> recordsFolder,
             const Settings &settings, QObject *parent = nullptr);

    void start();
    // The run has ended (not interrupted): its tasks leave the list, and
    // files that waited for it start the next.
    void runEnded();
    // Adds the tasks that left the list to the summary.
    void addTo(ConsoleReporter::Summary &summary) const;

private:
    void fileReady(const QString &path);
    // A task for the file, in its subfolder of the output directory.
    void add(const QString &path);
    void convert();

    TaskStore &m_tasks;
    TaskIntake &m_intake;
    CliRun &m_run;
    ConsoleReporter &m_reporter;
    Settings m_settings;
    SystemFolderEvents m_events;
    ProcWriterCheck m_writers;
    WatchFolders m_watches;
    QStringList m_waiting; // changed while their earlier task is listed
    ConsoleReporter::Summary m_tally;
};
