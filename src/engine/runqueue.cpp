#include "runqueue.h"

#include "itemdata.h"
#include "taskstore.h"

RunQueue::RunQueue(TaskStore &tasks, std::function<bool(TaskId)> probePending)
    : m_tasks(tasks), m_probePending(std::move(probePending))
{}

int RunQueue::next() const
{
    for (int row = 0; row < m_tasks.count(); ++row)
        if (!m_taken.contains(m_tasks.taskId(row)))
            return row;
    return -1;
}

double RunQueue::totalSecs() const
{
    double total = 0;
    for (int i = 0; i < m_tasks.count(); ++i) {
        if (m_probePending(m_tasks.taskId(i)))
            continue;
        ltvItemData record;
        m_tasks.GetItemData(i, ItemField::ClipLength, record);
        total += record.ClipLengthSecs;
    }
    return total;
}

int RunQueue::setStatus(TaskId id, const QString &status)
{
    const int row = m_tasks.rowOf(id);
    if (row >= 0) {
        ltvItemData record;
        record.Status = status;
        m_tasks.SetItemData(row, ItemField::Status, record);
    }
    return row;
}
