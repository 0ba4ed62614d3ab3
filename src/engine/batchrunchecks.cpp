// The batch run's checks of its outputs (RunHost::verifyOutputs): after an
// encoder has ended with success, and before Skip keeps an existing file.
#include "batchrun.h"

#include "commandline.h"
#include "intake.h"
#include "itemdata.h"
#include "runhost.h"
#include "sourcetrash.h"
#include "taskstore.h"

#include <QDir>
#include <utility>

void BatchRun::beginCheck(Slot &slot)
{
    slot.phase = Slot::Phase::Checking;
    // The clip's length comes with the task's probe.
    if (m_intake && m_intake->probePending(slot.id)) {
        slot.held = true;
        m_intake->probeNext(slot.id);
        return;
    }
    slot.held = false;
    ltvItemData task;
    if (const int row = m_tasks.rowOf(slot.id); row >= 0)
        m_tasks.GetItemData(row, ItemField::All, task);
    m_check.check(slot.id, slot.arguments.value(slot.arguments.size() - 1),
                  OutputCheck::expectationFor(task, slot.arguments));
}

void BatchRun::onOutputChecked(TaskId id, const OutputCheck::Verdict &verdict)
{
    Slot *slot = m_slots.find(id);
    if (!slot)
        return;
    if (!slot->keptFile.isEmpty())
        keptChecked(*slot, verdict);
    else if (slot->phase == Slot::Phase::Checking)
        endChecked(*slot, verdict);
    else
        return;
    takeTasks();
    scheduleAdvance();
}

bool BatchRun::sourceStillNeeded(TaskId id, const QString &source) const
{
    for (int row = 0; row < m_tasks.count(); ++row) {
        const TaskId other = m_tasks.taskId(row);
        if (other != id && m_tasks.caption(row) == source &&
            (!m_queue.taken(other) || m_slots.find(other)))
            return true;
    }
    return false;
}

void BatchRun::endChecked(Slot &slot, const OutputCheck::Verdict &verdict)
{
    const int row = m_tasks.rowOf(slot.id);
    const QString source = row >= 0 ? m_tasks.caption(row) : QString();
    QString report = verdict.report();
    bool trashed = false;
    // Only a source whose output is known good goes, and never one that
    // another task still needs.
    if (verdict.passed && m_host.trashSources() && !source.isEmpty()) {
        if (sourceStillNeeded(slot.id, source)) {
            report += QStringLiteral("\nThe source \"%1\" stays: another task of the list "
                                     "converts it too.")
                          .arg(QDir::toNativeSeparators(source));
        } else {
            const SourceTrash::Result moved =
                SourceTrash::moveToTrash(source, slot.arguments.value(slot.arguments.size() - 1));
            trashed = moved.moved;
            m_tally.trashed += trashed ? 1 : 0;
            report += u'\n' + moved.line;
        }
    }
    if (row >= 0)
        emit taskChecked(row, verdict, trashed);
    endTask(slot, verdict.passed ? QString() : verdict.reason, 0, report);
}

void BatchRun::keptChecked(Slot &slot, const OutputCheck::Verdict &verdict)
{
    const QString kept = std::exchange(slot.keptFile, QString());
    slot.held = false;
    const int row = m_tasks.rowOf(slot.id);
    if (row < 0) {
        releaseWaiting(slot, false);
        return;
    }
    if (verdict.passed) {
        emit taskChecked(row, verdict, false);
        ltvItemData task;
        m_tasks.GetItemData(row, ItemField::ClipLength, task);
        m_outputs.name(slot.id, kept);
        skipTask(slot, row, task.ClipLengthSecs);
        return;
    }
    // Perhaps a file of the user's that bears the name: it is never
    // written over. The task converts under its next name.
    slot.notes << QStringLiteral("The existing file \"%1\" was not kept: %2 It stays as it is, "
                                 "and the output takes another name.")
                      .arg(QDir::toNativeSeparators(kept), verdict.reason);
    m_outputs.refuse(kept);
}

void BatchRun::skipTask(Slot &slot, int row, double taskSecs)
{
    m_logs.remove(slot.id);
    m_queue.setStatus(slot.id, TaskStatus::Skipped);
    ++m_tally.skipped;
    m_progress.addDone(taskSecs);
    m_progress.showTotal();
    emit taskEnded(row, TaskStatus::Skipped, -1);
    freeSlot(slot);
}
