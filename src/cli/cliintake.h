#pragma once

#include "engine/intake.h"
#include "engine/outputplan.h"
#include "engine/probequeue.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

class Platform;
class TaskStore;
struct ltvItemData;

// The command-line program's intake, all of it in this one place: source
// paths and list files become probed tasks by the window's rules (accepted
// extensions, duplicates, hidden files, folder walks), in the window's
// order, and probed side by side; then only the tasks of one share of that
// list stay.
class CliIntake : public QObject
{
    Q_OBJECT
public:
    // At most probeLimit probes run at once, by the media reader
    // helperPath, and by the encoder where the reader gives no answer (and
    // for every file when helperPath is empty).
    CliIntake(TaskStore &tasks, const QString &encoderPath, const QString &helperPath,
              int probeLimit, Platform &platform, QObject *parent = nullptr);

    // New tasks take this output extension (".mp4").
    void setOutputExtension(const QString &ext);
    // Keep share index (from 1) of count: task i of the list belongs to share
    // (i mod count) + 1.
    void setShare(int index, int count);
    // Folders with their subfolders (recursive), each output in the same
    // subfolder of the output directory; walks never enter outputFolder.
    void setFolders(bool recursive, const QString &outputFolder);

    // Reads the list files, then adds paths followed by the listed paths;
    // collected() follows once the task list is complete. The probes of the
    // share's tasks go on (the run waits for each task's probe). False, with
    // a one-line message and no task added, when a list file cannot be read.
    bool collect(const QStringList &paths, const QStringList &listFiles, QString &error);
    // Ends the probes: every task is told of (taskAdded) without what its
    // probe would have found.
    void skipProbes();
    // The run has begun: probes go one at a time.
    void setConverting() { m_converting = true; }
    TaskIntake &taskIntake() { return m_intake; }
    // Rows are still to come or probes have not ended.
    bool isBusy() const { return m_intake.isBusy(); }
    // Ends the intake and every probe under way; collected() does not
    // follow.
    void cancel();

    // For each task left in the store, its position in the whole list.
    QList<int> listIndexes() const { return m_listIndexes; }
    // The tasks of the other shares, by their positions in the whole list.
    QMap<int, OutputPlan::Task> otherTasks() const { return m_otherTasks; }

signals:
    // The task list is complete and only the share's tasks are left.
    void collected();
    // For the log (see ProbeQueue::helperUnavailable).
    void notice(const QString &text);
    // A task of this share was added and probed (task: its position in the
    // whole list); in list order.
    void taskAdded(int task, const ltvItemData &record);

private:
    bool inShare(int task) const { return task % m_shareCount == m_shareIndex - 1; }
    void keepShare();
    void announceProbed();
    // Intake has added everything it was asked for.
    void addedAll();

    TaskStore &m_tasks;
    ProbeQueue m_probes;
    TaskIntake m_intake;
    bool m_collecting = false;
    bool m_kept = false; // only the share's tasks are left
    int m_announced = 0; // rows told of by taskAdded
    bool m_converting = false;
    int m_shareIndex = 1;
    int m_shareCount = 1;
    QList<int> m_listIndexes;
    QMap<int, OutputPlan::Task> m_otherTasks;
};
