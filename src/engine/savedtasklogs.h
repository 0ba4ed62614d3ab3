#pragma once

#include "tasklogs.h"

#include <QHash>
#include <QSet>
#include <QString>

// The logs of failed and stopped tasks kept beside the saved task list, so
// that a task restored at the next start still tells why it failed: one
// file a log, in a folder of their own, written through the safe writer
// once the task's conversion has ended, named by the task's record in the
// saved list. Only the logs the program still holds are kept, so the files
// stay within the bounds of TaskLogs.
class SavedTaskLogs
{
public:
    using TaskId = TaskLogs::TaskId;

    // A log file larger than this is not one of ours and is not read.
    static constexpr qint64 MaxFileBytes = 2 * TaskLogs::TaskLimit;

    // folder empty: nothing is written or read.
    SavedTaskLogs(TaskLogs &logs, const QString &folder);

    // The name of the file, in the folder, that keeps the task's log, written
    // now if it is not yet; empty when the task keeps none (it neither failed
    // nor was stopped, it has no log, or the file cannot be written). Every
    // name given out stays until the next sweep().
    QString fileFor(TaskId id, const QString &status);
    // After the saved list was written: the files it no longer names go.
    void sweep();
    // A restored task's log, read back from its file.
    void restore(TaskId id, const QString &fileName);
    // At start, once the saved list's tasks are restored or declined: the
    // files no task took go.
    void removeUnclaimed();

    static QByteArray Format(const TaskLogs &logs, TaskId id);

private:
    struct Kept
    {
        QString fileName;
        quint64 generation = 0;
    };

    TaskLogs &m_logs;
    QString m_folder;
    QHash<TaskId, Kept> m_kept;
    QSet<TaskId> m_named; // since the last sweep
};
