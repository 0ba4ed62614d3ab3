#pragma once

#include <QSet>
#include <QString>
#include <functional>

class TaskStore;

// A run's view of the task list, by the tasks' identities: the tasks it has
// taken, the one it takes next (the first of the list it has not taken,
// whatever was added, removed or moved meanwhile), what the tasks' lengths
// add up to, and the statuses it writes.
class RunQueue
{
public:
    using TaskId = quint64;

    // probePending tells whether a task's length is still to come.
    RunQueue(TaskStore &tasks, std::function<bool(TaskId)> probePending);

    // A run begins: no task has been taken.
    void clear() { m_taken.clear(); }
    void take(TaskId id) { m_taken.insert(id); }
    // The task may be taken again.
    void giveBack(TaskId id) { m_taken.remove(id); }
    bool taken(TaskId id) const { return m_taken.contains(id); }
    // The row of the first task not taken; -1 when none.
    int next() const;
    // Sum of the tasks' clip lengths; a task still being probed counts 0.
    double totalSecs() const;
    // Writes the status of the task; its row, -1 when it is gone.
    int setStatus(TaskId id, const QString &status);

private:
    TaskStore &m_tasks;
    std::function<bool(TaskId)> m_probePending;
    QSet<TaskId> m_taken;
};
