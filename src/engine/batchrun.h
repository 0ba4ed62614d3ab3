#pragma once

#include "commandline.h"
#include "outputplan.h"
#include "outputrecords.h"
#include "settings/profilegrids.h"
#include "tasklogs.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

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

    // The messages of a failed start: the encoder's channels could not be
    // set up, or the encoder could not be started.
    static inline const QString CreatePipeError = QStringLiteral("Error On CreatePipe()");
    static inline const QString CreateProcessError = QStringLiteral("Error on CreateProcess()");

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
    void setOutputRecords(OutputRecords *records) { m_records = records ? records : &m_ownRecords; }

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
    // Resume: the encoders go on. False when the run is not paused.
    bool resume();
    // Stop After Current Task: the tasks being converted finish, no other
    // starts, and the run ends with the cancellation message; the tasks not
    // started keep their status. Off again: the run goes on as before.
    void setStopAfterCurrent(bool on);
    bool stopsAfterCurrent() const;
    // One tick of timerTime.
    void timerTimeTimer();

    // The output files of the whole task list as a run would name them now
    // (see OutputPlan): the host's output directory (a task's subfolder of
    // it, when it has one), extension and overwrite choice; the tasks of the
    // list that another run converts (RunHost::otherTasks) count as well,
    // and during a run the tasks it has named keep their names. The plan is
    // indexed by the position in the whole list (RunHost::listIndex).
    OutputPlan planOutputs() const;
    // The output the run named for the task in row index; empty before the
    // run has named any.
    QString outputOf(int index) const;

    int RunState() const { return m_runState; }
    bool isRunning() const { return m_runState != Idle; }
    int ElapsedSecs() const { return m_elapsedSecs; }
    int RemainingSecs() const { return m_remainingSecs; }
    QTimer *timerTime() { return &m_timerTime; }
    int currentPosition() const { return m_currentBar; }
    int totalPosition() const { return m_totalBar; }
    QString memoText() const { return m_memo; }
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
    QString unfinishedOutput(TaskId taskId) const { return m_unfinishedOutputs.value(taskId); }
    void setUnfinishedOutput(TaskId taskId, const QString &path);

    // Remaining seconds after elapsed ticks with the total bar at percent
    // (not 0): elapsed / (percent / 100) - elapsed, rounded half to even.
    static int EstimateRemaining(int elapsed, int percent);
    // The output position a chunk reports: the last "time" in it whose value
    // (after one character, up to the next blank) is a time text or a plain
    // decimal number. False when there is none.
    static bool ReportedTime(const QString &chunk, double &seconds);

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
    // of its part (every task being converted, whichever is on show).
    void taskProgress(int index, int percent);
    // The task in row index got its final status of this run ("Complete",
    // "Failed", "Skipped" or "Stop"); exitCode is the encoder's, -1 when it
    // did not end by itself (stopped, crashed, or never started).
    void taskEnded(int index, const QString &status, int exitCode);
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
    // The output file of a conversion, as it was before its encoder
    // started (a link is not followed).
    struct OutputState
    {
        bool exists = false;
        bool regular = false;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const OutputState &) const = default;
    };
    static OutputState outputState(const QString &path);

    // One encoder and the task it has taken.
    struct Slot
    {
        enum class Phase
        {
            Free,       // no task
            Waiting,    // a task has taken it; its encoder starts at the next step
            Starting,   // its encoder is being started
            Converting, // its encoder runs
        };
        Phase phase = Phase::Free;
        EncoderProcess *encoder = nullptr;
        std::unique_ptr<EncoderProcess> own; // all but the first slot's
        TaskId id = 0;
        // Waiting for the task's probe or for intake: a stop then leaves
        // the task as it is.
        bool held = false;
        quint64 startOrder = 0; // when its encoder was started
        QStringList arguments;
        double taskSecs = 0;
        double positionSecs = 0;
        int percent = -1; // last told by taskProgress
        int chunkCount = 0;
        QByteArray latestChunk;
        bool evaluated = false;   // a chunk was evaluated since the last showOutput
        bool writeFailed = false; // the encoder told that the output could not be written
        QString output;           // the output its encoder writes
        QString source;
        OutputState outputBefore;
        bool partialBefore = false; // what was there is a cut-off output
    };

    // Its encoder has been started and has not ended.
    static bool encoding(const Slot &slot)
    {
        return slot.phase == Slot::Phase::Starting || slot.phase == Slot::Phase::Converting;
    }

    // Events. Each moves the run on from the state it is in.
    void onEncoderStarted(Slot &slot);
    void onEncoderNotStarted(Slot &slot, const QString &reason);
    void onEncoderOutput(Slot &slot);
    void onEncoderFinished(Slot &slot);
    void onTaskProbed(int row);
    void onTasksChanged();
    // The run's step, from the event loop after the events that may let it
    // on: waiting tasks start, and the run ends once nothing is left to do.
    void advance();
    void scheduleAdvance();

    // Free encoders take the next tasks of the list (while Running).
    void takeTasks();
    // The first task of the list the run has not taken; -1 when none.
    int nextTask() const;
    // A free slot, made when all are busy.
    Slot *freeSlot();
    // A slot for the encoder given (null: the one handed in).
    Slot *addSlot(std::unique_ptr<EncoderProcess> own);
    Slot *slotOf(TaskId id);
    int busyCount() const;
    // Starts the conversion of the slot's task, or ends the task without an
    // encoder (skipped, its output unusable). False when it has to wait.
    bool beginConversion(Slot &slot);
    // Names the outputs of the tasks not named yet, once every source that
    // intake is taking in is known; false until then.
    bool namesReady();
    QList<OutputPlan::Task> planTasks() const;
    // A slot's task leaves it without having been converted: "Stop" when
    // it was at its turn (stopped), else it keeps its status (it is given
    // back to the list).
    void releaseWaiting(Slot &slot, bool stopped);
    void freeSlot(Slot &slot);
    // The task of slot after the end of its encoder.
    void finishTask(Slot &slot);
    // The task's status, bars and report once it has ended; reason: why it
    // failed, empty when it was converted; exitCode is the encoder's, -1
    // when it did not end by itself or was never started.
    void endTask(Slot &slot, const QString &reason, int exitCode);
    // A task ended without a stop: the bars tell of it, then of what goes on.
    void showTaskEnd(Slot &slot, bool converted);
    // The task being converted that started last, on show; null when none.
    Slot *latestConverting();
    bool moreToCome(const Slot &ending) const;
    // The task in row index has been stopped.
    void markStopped(const Slot &slot);
    // Ends every encoder at once; their tasks become "Stop".
    void killAll();
    // Checks whether the run has come to its end, and ends it.
    void endIfDone();

    // Sum of the tasks' clip lengths; a task still being probed counts 0.
    double totalSecs() const;
    double currentTotalSecs();
    // The output directory of a task: the output path, or the task's
    // subfolder of it.
    QString taskOutputDirectory(int index) const;
    // Creates the task's subfolder of the output directory when it has one;
    // false when that cannot be done.
    bool makeTaskOutputDirectory(int index) const;
    // The sink of the task's encoder: every chunk as it is read.
    void takeOutput(Slot &slot, const QByteArray &chunk);
    // The latest chunk and the progress it brought.
    void showOutput(Slot &slot);
    void setBars(int current, int total);
    int totalBarNow();
    void setRunState(State state);
    void endAfterStop();
    void endAfterStartFailure(int index, const QString &message);
    void complete();
    // The run is over: panels, state, the window's run mode.
    void finishRun();
    // Writes the status of the task; its row, -1 when it is gone.
    int setStatus(TaskId id, const QString &status);
    // The output of the slot's conversion, removed when its conversion made
    // it and did not finish it; the task's unfinishedOutput() is cleared.
    void discardOutput(Slot &slot);
    // The conversion of the slot's task has ended; finished: its output is
    // whole.
    void forgetOutput(Slot &slot, bool finished);
    QString completionText() const;

    TaskStore &m_tasks;
    EncoderProcess &m_encoder;
    Platform &m_platform;
    RunHost &m_host;
    QString m_encoderPath;
    ProcessControl *m_control = nullptr;

    QTimer m_timerTime;
    QTimer m_step; // runs advance() from the event loop
    State m_runState = Idle;
    State m_resumeTo = Running; // while paused: the state Resume returns to
    int m_elapsedSecs = 0;
    int m_remainingSecs = 0;
    int m_currentBar = 0;
    int m_totalBar = 0;
    QString m_memo;

    // Per run.
    EncoderOptions m_options;
    std::function<void()> m_leaveRunMode;
    double m_totalSecs = 0;
    double m_doneSecs = 0;
    bool m_totalStale = false; // the list changed since TotalSecs was summed
    int m_failedCount = 0;
    int m_skippedCount = 0;
    int m_convertedCount = 0;
    bool m_closing = false;
    QPointer<TaskIntake> m_intake;
    int m_jobs = 1;
    bool m_waitForProbes = true;
    // The first slot drives the encoder handed in; more are made as tasks
    // need them.
    std::vector<std::unique_ptr<Slot>> m_slots;
    QSet<TaskId> m_taken;           // tasks this run has taken
    QHash<TaskId, QString> m_named; // their outputs, once their turn has come
    TaskId m_shown = 0;             // the task on show (bars, memo)
    quint64 m_starts = 0;           // encoders started in this run
    // The outputs of this run's tasks not named yet, and the list it was
    // made for.
    std::optional<OutputPlan> m_plan;
    QList<OutputPlan::Task> m_planTasks;
    OutputRecords m_ownRecords;
    OutputRecords *m_records = &m_ownRecords;

    TaskLogs m_logs;
    QHash<TaskId, QString> m_unfinishedOutputs;
};
