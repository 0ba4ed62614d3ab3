// The batch run's starts: Start and RunBatch begin a run, and
// beginConversion begins each task's conversion once it may (its probe and
// intake waited for, its output named, with its own profile's options when
// it has one).
#include "batchrun.h"

#include "intake.h"
#include "itemdata.h"
#include "platform/filenames.h"
#include "runhost.h"
#include "settings/newinifiles.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

bool BatchRun::outputDirectoryExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

BatchRun::StartResult BatchRun::Start(const QString &profilePath, const ProfileGrids &grids,
                                      const std::function<void()> &enterRunMode,
                                      const std::function<void()> &leaveRunMode)
{
    if (m_runState != Idle)
        return StartResult::Ran;
    auto takes = std::exchange(m_nextRunTakes, nullptr);
    if (!takes && !outputDirectoryExists(m_host.outputDirectory())) {
        m_messages.outputPathMissing();
        return StartResult::OutputPathMissing;
    }
    if (m_tasks.count() == 0)
        return StartResult::NoTasks;

    if (enterRunMode)
        enterRunMode();
    EncoderOptions options;
    QString notSaved;
    try {
        options =
            BuildProfileOptions(profilePath, grids, &notSaved, m_host.rewritesProfile(profilePath));
    } catch (const TIniFileError &e) {
        // The profile could not be read: nothing is converted.
        m_messages.profileUnreadable(e.text());
        if (leaveRunMode)
            leaveRunMode();
        return StartResult::OptionsFailed;
    }
    if (!notSaved.isEmpty())
        emit profileNotSaved(profilePath, notSaved);
    m_nextRunTakes = std::move(takes);
    RunBatch(options);
    m_leaveRunMode = leaveRunMode;
    return StartResult::Ran;
}

void BatchRun::RunBatch(const EncoderOptions &options)
{
    if (m_runState != Idle)
        return;

    // Preparing the run.
    emit convertingFileChanged(QString());
    m_progress.prepare();
    emit progressPanelShown(true);
    m_options = options;
    m_profiles.clear();
    m_leaveRunMode = nullptr;
    m_tally = {};
    m_closing = false;
    m_queue.clear();
    m_unattended = static_cast<bool>(m_nextRunTakes);
    if (const auto takes = std::exchange(m_nextRunTakes, nullptr))
        for (int row = 0; row < m_tasks.count(); ++row)
            if (!takes(row))
                m_queue.take(m_tasks.taskId(row));
    m_outputs.begin();
    setRunState(Running);
    // The first task takes its encoder now; the encoder starts from the
    // event loop, so that a Stop given meanwhile still finds the task at
    // its turn.
    takeTasks();
    scheduleAdvance();
}

void BatchRun::beginConversion(Slot &slot)
{
    const int row = m_tasks.rowOf(slot.id);
    if (row < 0) {
        releaseWaiting(slot, false);
        return;
    }
    if (!slot.keptFile.isEmpty())
        return; // the file Skip would keep is being checked
    // Its length is needed for the progress: its probe goes first.
    if (m_waitForProbes && m_intake && m_intake->probePending(slot.id)) {
        if (!slot.held) {
            slot.held = true;
            m_intake->probeNext(slot.id);
            emit convertingFileChanged(FileNamePart(m_tasks.caption(row)));
        }
        return;
    }
    // A source that intake has yet to add may bear the name an output
    // would take: the names wait until every one is known.
    if (m_intake && m_intake->isAdding()) {
        slot.held = true;
        return;
    }
    if (!m_waitForProbes && m_intake)
        m_intake->probeNext(slot.id);

    ltvItemData task;
    m_tasks.GetItemData(row, ItemField::All, task);
    // The name as planned, checked against the disk as it is now.
    const OutputPlan::Turn turn = m_outputs.turn(row);
    if (turn.keep && m_intake && m_intake->probePending(slot.id)) {
        // Kept as it is, the task counts as done with its length.
        slot.held = true;
        return;
    }
    if (turn.keep && m_host.verifyOutputs()) {
        // Kept only when it is a finished output of this task.
        slot.held = true;
        slot.keptFile = turn.output;
        m_check.check(
            slot.id, turn.output,
            OutputCheck::expectationFor(task, EncoderArguments(task, m_options, turn.output)));
        return;
    }
    m_outputs.name(slot.id, turn.output);
    if (turn.keep) {
        skipTask(slot, row, task.ClipLengthSecs);
        return;
    }
    slot.held = false;
    slot.percent = -1;
    slot.conversion.setTaskSecs(task.ClipLengthSecs);
    m_queue.setStatus(slot.id, TaskStatus::Converting);
    emit convertingFileChanged(FileNamePart(task.InputFile));
    m_progress.showStart(slot.id);
    // A task with a profile of its own converts with that profile's options.
    const QString ownProfile = m_tasks.choices(row).profile;
    const TaskProfiles::Profile *own = ownProfile.isEmpty() ? nullptr : &m_profiles.of(ownProfile);
    const EncoderOptions &options = own ? own->options : m_options;
    QString reason = own ? own->error : QString();
    if (reason.isEmpty())
        reason = m_outputs.prepare(slot.id, row, turn, slot.conversion);
    if (!reason.isEmpty()) {
        // The task fails, the run goes on.
        m_logs.begin(slot.id, QString());
        endTask(slot, reason, -1);
        return;
    }
    const QString &output = turn.output;
    emit conversionStarting(row);
    m_logs.begin(slot.id, QStringLiteral("%1%2").arg(
                              QDir::toNativeSeparators(m_encoderPath),
                              CommandLineText(task, TaskOptions(options, task), output)));
    m_slots.start(slot, m_encoderPath, EncoderArguments(task, options, output), m_logs);
}
