#pragma once

#include "commandline.h"
#include "conversion.h"
#include "encoderslots.h"
#include "outputcheck.h"
#include "outputplan.h"
#include "runmessages.h"
#include "runoutputs.h"
#include "runprogress.h"
#include "runqueue.h"
#include "settings/profilegrids.h"
#include "tasklogs.h"
#include "taskprofiles.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class EncoderProcess;
class Platform;
class ProcessControl;
class RunHost;
class TaskIntake;
class TaskStore;
struct ltvItemData;

// The batch run: converts the tasks of the task list in list order, one
// encoder at a time (the default) or up to jobs() side by side, and reports
// its progress through signals. The run is driven by events: Start checks,
// takes the first tasks and returns; from then on each event (an encoder
// started, wrote, ended or could not start; a probe ended; intake or the
// task list changed; a tick of the timer; a command) moves the run on in a
// handler of its own, and the run tells its end through its signals
// (runStateChanged() to Idle comes last). Each encoder is a process of its
// own; nothing waits for one, and no thread is involved.
//
// The run works on the tasks' identities, never on their rows: tasks may be
// added, removed, moved and edited while it goes on. Whenever an encoder is
// free, the first task of the list that this run has not taken yet takes
// it, so a task added by any intake joins the run, and a task removed
// before its turn is never converted.
class BatchRun : public QObject
{
    Q_OBJECT
public:
    using TaskId = quint64;

    // The run's states.
    enum State
    {
        Idle = 0,          // no run
        Running = 1,       // free encoders take the next tasks
        StopRequested = 2, // Stop: the encoders are asked to end; the run ends once they have
        Paused = 3,        // the encoders are suspended; no task starts; the time stands still
        Finishing = 4,     // Stop After Current Task: the running tasks finish, none starts
        Ending = 5         // the run tells its end (messages, completion actions)
    };

    // What Start did.
    enum class StartResult
    {
        OutputPathMissing, // the message was shown; focus the output path box
        NoTasks,           // empty task list: nothing happened
        OptionsFailed,     // the profile could not be read: reported, back to idle
        Ran                // the run has begun (it ends later, in any way)
    };

    // The caption of the closing message of a run in which tasks failed.
    static inline const QString &FinishedWithErrorsCaption = RunMessages::FinishedWithErrorsCaption;
    // The notice before the computer is turned off after a run.
    static constexpr int PowerOffNoticeSecs = RunMessages::PowerOffNoticeSecs;
    // The messages of a failed start: the encoder's channels could not be
    // set up, or the encoder could not be started.
    static inline const QString CreatePipeError =
        QStringLiteral(QT_TRANSLATE_NOOP("BatchRun", "Error On CreatePipe()"));
    static inline const QString CreateProcessError =
        QStringLiteral(QT_TRANSLATE_NOOP("BatchRun", "Error on CreateProcess()"));

    BatchRun(TaskStore &tasks, EncoderProcess &encoder, Platform &platform, RunHost &host,
             const QString &encoderPath, QObject *parent = nullptr);
    // A run still going on ends at once: its encoders are killed.
    ~BatchRun() override;

    // The intake whose work may still be under way when a run starts or
    // while it goes on: a conversion waits for its task's probe (its length
    // is needed for the progress), the outputs are named once intake has
    // added what it is adding, and every task it adds joins the run.
    void setIntake(TaskIntake *intake);

    // The record of the outputs being written and written (see
    // OutputRecords), shared with other runs and programs. Without one the
    // run keeps its own, in memory.
    void setOutputRecords(OutputRecords *records) { m_outputs.setRecords(records); }

    // The media reader that checks the outputs (see OutputCheck); without
    // one the encoder reads them. encoderOnly, asked at each check, may turn
    // the reader off.
    void setOutputReader(const QString &program, std::function<bool()> encoderOnly = {})
    {
        m_check.setReader(program, std::move(encoderOnly));
    }

    // What suspends and continues the encoders (pause()); without one the
    // run cannot be paused.
    void setProcessControl(ProcessControl *control);

    // How many encoders may run at once (at least 1, the default), read
    // whenever a task could start. With more than one, the bars and the
    // memo tell of the task that started last.
    void setJobs(int jobs) { m_jobs = jobs < 1 ? 1 : jobs; }
    int jobs() const { return m_jobs; }

    // Whether a task's conversion waits for its probe (the default). When
    // not, the encoder starts at once and its progress counts from the
    // moment the length is known; a task to be skipped still waits, as its
    // length counts as done.
    void setWaitForProbes(bool wait) { m_waitForProbes = wait; }

    // The Start command after its focus step: checks the output directory and
    // the task list, then enterRunMode, the profile options and RunBatch;
    // returns as soon as the run has begun. leaveRunMode runs once the run
    // has ended, however it ended (at once when the options cannot be
    // built).
    StartResult Start(const QString &profilePath, const ProfileGrids &grids,
                      const std::function<void()> &enterRunMode,
                      const std::function<void()> &leaveRunMode);
    static bool outputDirectoryExists(const QString &path);

    // Begins a run with the profile option string: prepares the progress
    // panel and takes the first task; its encoder starts from the event
    // loop. Nothing happens unless the run is idle.
    void RunBatch(const EncoderOptions &options);
    // The next run converts only the tasks of the list for which takes says
    // so (and those added while it goes on), and nobody started it: a run
    // for a watch folder's new files leaves the others as they are, needs
    // no output path of the window (its tasks carry their own), and ends
    // without the closing message, closing the window or turning the
    // computer off.
    void setNextRunUnattended(std::function<bool(int row)> takes)
    {
        m_nextRunTakes = std::move(takes);
    }

    // Commands.
    // Stop: while a run goes on, asks the encoders to end (killed when they
    // do not); their tasks become "Stop" and the run ends with the
    // cancellation message.
    void requestStop();
    // The same, and a stop already under way, with the encoders killed at
    // once rather than asked to end.
    void stopNow();
    // Closing the main window during a run: the encoders are killed, their
    // tasks become "Stop" at once, and the run ends at once without a
    // message.
    void stopForClose();
    // Pause: every running encoder is suspended, no task starts, and the
    // elapsed time stands still; Stop and closing work as ever. False when
    // there is no running run to pause (or nothing to suspend them with).
    bool pause();
    // There is something to suspend the encoders with (setProcessControl).
    bool canPause() const { return m_canPause; }
    // Resume: the encoders go on. False when the run is not paused.
    bool resume();
    // Stop After Current Task: the tasks being converted finish, no other
    // starts, and the run ends with the cancellation message; the tasks not
    // started keep their status. Off again: the run goes on as before.
    void setStopAfterCurrent(bool on);
    bool stopsAfterCurrent() const;
    // One tick of timerTime.
    void timerTimeTimer() { m_progress.tick(); }

    // The output files of the whole task list as a run would name them now
    // (see OutputPlan): the host's output directory (a task's subfolder of
    // it, when it has one), extension and overwrite choice; the tasks of the
    // list that another run converts (RunHost::otherTasks) count as well,
    // and during a run the tasks it has named keep their names. The plan is
    // indexed by the position in the whole list (RunHost::listIndex).
    OutputPlan planOutputs() const { return m_outputs.plan(); }
    // The output the run named for the task in row index; empty before the
    // run has named any.
    QString outputOf(int index) const { return m_outputs.outputOf(index); }

    int RunState() const { return m_runState; }
    bool isRunning() const { return m_runState != Idle; }
    int ElapsedSecs() const { return m_progress.elapsedSecs(); }
    int RemainingSecs() const { return m_progress.remainingSecs(); }
    QTimer *timerTime() { return m_progress.timer(); }
    int currentPosition() const { return m_progress.current(); }
    int totalPosition() const { return m_progress.total(); }
    QString memoText() const { return m_progress.memo(); }
    // The row of the task the bars and the memo tell about, -1 for none.
    int currentTask() const;
    // Whether the task's conversion has begun in this run (it is being
    // converted or has ended): such a task is no longer to be removed or
    // edited while the run goes on.
    bool hasTaken(TaskId id) const;

    // What each task's encoder printed (see TaskLogs).
    TaskLogs &logs() { return m_logs; }
    const TaskLogs &logs() const { return m_logs; }
    // The output file a task's conversion is writing, or was writing when it
    // was cut off (the program ended meanwhile): the task's next conversion
    // writes over it, also when existing files are kept. Set, and recorded
    // in the output records, before the encoder starts; empty once the
    // conversion has ended.
    QString unfinishedOutput(TaskId taskId) const { return m_outputs.unfinished(taskId); }
    void setUnfinishedOutput(TaskId taskId, const QString &path)
    {
        m_outputs.setUnfinished(taskId, path);
    }

    // Remaining seconds after elapsed ticks with the total bar at percent
    // (see RunProgress).
    static int EstimateRemaining(int elapsed, int percent)
    {
        return RunProgress::EstimateRemaining(elapsed, percent);
    }
    // The output position a chunk reports (see Conversion).
    static bool ReportedTime(const QString &chunk, double &seconds)
    {
        return Conversion::ReportedTime(chunk, seconds);
    }

signals:
    void convertingFileChanged(const QString &fileName);
    void elapsedChanged(const QString &text);
    void remainingChanged(const QString &text);
    // Bar positions, already within 0..100; the labels show "<n>%".
    void currentProgressChanged(int percent);
    void totalProgressChanged(int percent);
    // true: the progress panel replaces the idle panel; false: the reverse.
    void progressPanelShown(bool shown);
    // Text of the last chunk read from the encoder on show.
    void memoChanged(const QString &text);
    void runStateChanged(int state);
    // Start built the options from the profile, but the store could not
    // write the file back (a read-only profile): error is the store's
    // message. The run goes ahead with the values shown.
    void profileNotSaved(const QString &profilePath, const QString &error);
    // The encoder of the task in row index was started with these arguments
    // (the output file last).
    void taskStarted(int index, const QStringList &arguments);
    // How far the conversion of the task in row index has come, in percent
    // of its part (every task being converted, whichever is on show); its
    // Status cell shows it (TaskStore::setShownPercent).
    void taskProgress(int index, int percent);
    // The task in row index got its final status of this run ("Complete",
    // "Failed", "Skipped" or "Stop"); exitCode is the encoder's, -1 when it
    // did not end by itself (stopped, crashed, or never started).
    void taskEnded(int index, const QString &status, int exitCode);
    // The output of the task in row index was checked (RunHost::verifyOutputs),
    // before the task ends; sourceTrashed: its source was moved to the Trash.
    void taskChecked(int index, const OutputCheck::Verdict &verdict, bool sourceTrashed);
    // The task in row index is "Converting" and its unfinishedOutput() is
    // set; its encoder starts when the connected slots have returned.
    void conversionStarting(int index);
    // The encoder of the task in row index could not be started (the
    // system's reason); the run ends, telling so in a message.
    void encoderNotStarted(int index, const QString &reason);
    // The last task has ended without a stop; emitted before the
    // completion actions.
    void runCompleted(int converted, int skipped, int failed);

private:
    using Slot = EncoderSlots::Slot;

    // Events. Each moves the run on from the state it is in.
    void onEncoderStarted(Slot &slot);
    void onEncoderNotStarted(Slot &slot, const QString &reason);
    void onEncoderOutput(Slot &slot);
    void onEncoderFinished(Slot &slot);
    void onTaskProbed(int row);
    void onOutputChecked(TaskId id, const OutputCheck::Verdict &verdict);
    void onTasksChanged();
    // The run's step, from the event loop after the events that may let it
    // on: waiting tasks start, and the run ends once nothing is left to do.
    void advance();
    void scheduleAdvance();

    // Free encoders take the next tasks of the list (while Running).
    void takeTasks();
    // Starts the conversion of the slot's task, or ends the task without an
    // encoder (skipped, its output unusable); nothing while it has to wait.
    void beginConversion(Slot &slot);
    // A slot's task leaves it without having been converted: "Stop" when
    // it was at its turn (stopped), else it keeps its status and goes back
    // to the list.
    void releaseWaiting(Slot &slot, bool stopped);
    // giveBack: the slot's task may be taken again (see RunQueue).
    void freeSlot(Slot &slot, bool giveBack = false);
    // The task of slot after the end of its encoder.
    void finishTask(Slot &slot);
    // The output of slot's task is checked once its length is known.
    void beginCheck(Slot &slot);
    // The checked task ends, its source moved to the Trash when asked for.
    void endChecked(Slot &slot, const OutputCheck::Verdict &verdict);
    // The existing file Skip would keep was checked: kept, or left alone
    // with the task converted under another name.
    void keptChecked(Slot &slot, const OutputCheck::Verdict &verdict);
    // Another task of the list still to end converts this source too.
    bool sourceStillNeeded(TaskId id, const QString &source) const;
    // The task keeps its existing output: "Skipped", its length done.
    void skipTask(Slot &slot, int row, double taskSecs);
    // The task's status, bars and report once it has ended; reason: why it
    // failed, empty when it was converted; exitCode is the encoder's, -1
    // when it did not end by itself or was never started. report: what
    // the check of its output found (the output then stays when it failed).
    void endTask(Slot &slot, const QString &reason, int exitCode, const QString &report = {});
    // A task ended without a stop: the bars tell of it, then of what goes on.
    void showTaskEnd(Slot &slot, bool converted);
    // Another task is being converted or is still to come.
    bool moreToCome() const;
    void markStopped(const Slot &slot);
    // The slot's conversion was stopped: its task becomes "Stop".
    void stopTask(Slot &slot);
    // Ends every encoder at once; their tasks become "Stop".
    void killAll();
    // Checks whether the run has come to its end, and ends it.
    void endIfDone();

    void setRunState(State state);
    void endAfterStop();
    void endAfterStartFailure(int index, const QString &message);
    void complete();
    // The run is over: panels, state, the window's run mode.
    void finishRun();

    TaskStore &m_tasks;
    RunHost &m_host;
    QString m_encoderPath;
    bool m_canPause = false;

    QTimer m_step; // runs advance() from the event loop
    State m_runState = Idle;
    State m_resumeTo = Running; // while paused: the state Resume returns to

    // Per run.
    EncoderOptions m_options;
    std::function<void()> m_leaveRunMode;
    RunMessages::Tally m_tally;
    bool m_closing = false;
    std::function<bool(int row)> m_nextRunTakes;
    bool m_unattended = false;
    QPointer<TaskIntake> m_intake;
    int m_jobs = 1;
    bool m_waitForProbes = true;
    EncoderSlots m_slots;
    RunMessages m_messages;
    // Declared before the outputs, which name by them.
    TaskProfiles m_profiles;
    RunOutputs m_outputs;
    RunQueue m_queue;
    RunProgress m_progress;
    TaskLogs m_logs;
    OutputCheck m_check;
};
