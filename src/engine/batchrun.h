#pragma once

#include "outputplan.h"
#include "outputrecords.h"
#include "settings/profilegrids.h"
#include "tasklogs.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class EncoderOptions;
class EncoderProcess;
class Platform;
class RunHost;
class TaskIntake;
class TaskStore;
struct ltvItemData;

// The batch run: converts every task of the task list in list order, one
// encoder at a time (the window) or up to jobs() side by side, and reports
// its progress through signals. The run is one long call (RunBatch) that
// waits for the encoders' output in a local event loop, so the window stays
// responsive and Stop works meanwhile. Each encoder is a process of its own;
// no thread is involved.
class BatchRun : public QObject
{
    Q_OBJECT
public:
    enum State
    {
        Idle = 0,
        Running = 1,
        StopRequested = 2
    };

    // What Start did.
    enum class StartResult
    {
        OutputPathMissing, // the message was shown; focus the output path box
        NoTasks,           // empty task list: nothing happened
        OptionsFailed,     // the profile could not be read: reported, back to idle
        Ran                // the run took place (it may have been stopped or failed)
    };

    // The caption of the closing message of a run in which tasks failed.
    static inline const QString FinishedWithErrorsCaption = QStringLiteral("Finished with errors");
    // The notice before the computer is turned off after a run.
    static constexpr int PowerOffNoticeSecs = 60;
    // The messages of a failed start: the encoder's channels could not be
    // set up, or the encoder could not be started.
    static inline const QString CreatePipeError = QStringLiteral("Error On CreatePipe()");
    static inline const QString CreateProcessError = QStringLiteral("Error on CreateProcess()");

    BatchRun(TaskStore &tasks, EncoderProcess &encoder, Platform &platform, RunHost &host,
             const QString &encoderPath, QObject *parent = nullptr);
    ~BatchRun() override;

    // The intake whose work may still be under way when a run starts: each
    // task's conversion waits for its probe (its length is needed for the
    // progress), and the run goes on with the tasks that are still being
    // added.
    void setIntake(TaskIntake *intake);

    // The record of the outputs being written and written (see
    // OutputRecords), shared with other runs and programs. Without one the
    // run keeps its own, in memory.
    void setOutputRecords(OutputRecords *records) { m_records = records ? records : &m_ownRecords; }

    // How many encoders may run at once (at least 1, the default). With more
    // than one, the tasks still start in list order, each as soon as an
    // encoder is free; an encoder is made when a task needs one. The bars
    // and the memo follow the encoder that wrote last.
    void setJobs(int jobs) { m_jobs = jobs < 1 ? 1 : jobs; }
    int jobs() const { return m_jobs; }

    // Whether a task's conversion waits for its probe (the default). When
    // not, the encoder starts at once and its progress counts from the
    // moment the length is known; a task to be skipped still waits, as its
    // length counts as done.
    void setWaitForProbes(bool wait) { m_waitForProbes = wait; }

    // The Start command after its focus step: checks the output directory and
    // the task list, then enterRunMode, the profile options, RunBatch and
    // leaveRunMode (also when the options cannot be built).
    StartResult Start(const QString &profilePath, const ProfileGrids &grids,
                      const std::function<void()> &enterRunMode,
                      const std::function<void()> &leaveRunMode);
    static bool outputDirectoryExists(const QString &path);

    // Converts all tasks with the profile option string; returns when the run
    // has ended in any way.
    void RunBatch(const EncoderOptions &options);
    // The Stop command: only while running, asks the encoder to end.
    void requestStop();
    // The same, and a stop already under way, with the encoders killed at
    // once rather than asked to end.
    void stopNow();
    // Closing the main window during a run: the encoder is ended, the task in
    // progress becomes "Stop" at once, and the run ends without a message.
    void stopForClose();
    // One tick of timerTime.
    void timerTimeTimer();

    // The output files of the whole task list as a run would name them now
    // (see OutputPlan): the host's output directory (a task's subfolder of
    // it, when it has one), extension and overwrite choice; the tasks of the
    // list that another run converts (RunHost::otherTasks) count as well.
    // The plan is indexed by the position in the whole list
    // (RunHost::listIndex).
    OutputPlan planOutputs() const;
    // The output the run named for the task in row index; empty before the
    // run has named any.
    QString outputOf(int index) const;

    int RunState() const { return m_runState; }
    int ElapsedSecs() const { return m_elapsedSecs; }
    int RemainingSecs() const { return m_remainingSecs; }
    QTimer *timerTime() { return &m_timerTime; }
    int currentPosition() const { return m_currentBar; }
    int totalPosition() const { return m_totalBar; }
    QString memoText() const { return m_memo; }
    // The row of the task the bars and the memo tell about, -1 for none.
    int currentTask() const { return m_currentTask; }

    // What each task's encoder printed (see TaskLogs).
    TaskLogs &logs() { return m_logs; }
    const TaskLogs &logs() const { return m_logs; }
    // The output file a task's conversion is writing, or was writing when it
    // was cut off (the program ended meanwhile): the task's next conversion
    // writes over it, also when existing files are kept. Set, and recorded
    // in the output records, before the encoder starts; empty once the
    // conversion has ended.
    QString unfinishedOutput(quint64 taskId) const { return m_unfinishedOutputs.value(taskId); }
    void setUnfinishedOutput(quint64 taskId, const QString &path);

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
    // Text of the last chunk read from the encoder.
    void memoChanged(const QString &text);
    void runStateChanged(int state);
    // Start built the options from the profile, but the store could not
    // write the file back (a read-only profile): error is the store's
    // message. The run goes ahead with the values shown.
    void profileNotSaved(const QString &profilePath, const QString &error);
    // The encoder of the task in row index was started with these arguments
    // (the output file last).
    void taskStarted(int index, const QStringList &arguments);
    // The task in row index got its final status of this run ("Complete",
    // "Failed", "Skipped" or "Stop"); exitCode is the encoder's, -1 when it did not end
    // by itself (stopped, crashed, or never started).
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
    enum class TaskEnd
    {
        Complete,
        Failed,
        Skipped,
        Stopped,
        StoppedWaiting, // stopped while the task waited for its probe
        StartFailed,
        Started // its encoder runs
    };

    // The output file of the task in progress, as it was before its encoder
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

    // One encoder and the task it converts.
    struct Slot
    {
        EncoderProcess *encoder = nullptr;
        std::unique_ptr<EncoderProcess> own; // all but the first slot's
        int task = -1;                       // its row; -1 while free
        quint64 id = 0;
        double taskSecs = 0;
        double positionSecs = 0;
        int chunkCount = 0;
        QByteArray latestChunk;
        bool evaluated = false;   // a chunk was evaluated since the last showOutput
        bool writeFailed = false; // the encoder told that the output could not be written
        QString output;           // the output its encoder writes
        QString source;
        OutputState outputBefore;
        bool partialBefore = false; // what was there is a cut-off output
    };

    // One encoder at a time: the task's conversion from start to end.
    TaskEnd runTask(int index, const EncoderOptions &options);
    // Several encoders: free slots take the next tasks while others run.
    void runSideBySide(const EncoderOptions &options);
    // Starts the task's conversion in slot: Started, or how it ended
    // without an encoder (Skipped, Failed, Stopped before its turn, ...).
    TaskEnd beginTask(Slot &slot, int index, const EncoderOptions &options);
    // The task of slot after the end of its encoder's output.
    TaskEnd finishTask(Slot &slot);
    // Waits in the event loop until one of the busy slots' encoders has
    // news, or the run state changes.
    void waitForAnySlot();
    // The run ends after a start failure: the encoders of the other slots
    // are ended and their tasks become "Stop".
    void abandonOtherSlots(const Slot &failed);
    // A free slot for the next task: one made before, or a new one while
    // there are fewer than jobs(); null when all are busy.
    Slot *freeSlot();
    void freeSlots();
    // Names the outputs of the run once every source that intake is still
    // taking in is known (until then the run waits); false when the run was
    // stopped meanwhile.
    bool planRun();
    // Waits in the event loop until the task's probe has ended or the run
    // is stopped; false when it was stopped.
    bool waitForProbe(int index);
    // Waits in the event loop until a task comes at index or intake has no
    // more to add; false when there is none to come.
    bool waitForTask(int index);
    // Waits in the event loop for news of the intake or of the run state.
    bool waitForIntake();
    // True when no further task is to come after index.
    bool isLastTask(int index) const;
    // Sum of the tasks' clip lengths; a task still being probed counts 0.
    double totalSecs() const;
    // The output directory of a task: the output path, or the task's
    // subfolder of it.
    QString taskOutputDirectory(int index) const;
    // Creates the task's subfolder of the output directory when it has one;
    // false when that cannot be done.
    bool makeTaskOutputDirectory(int index) const;
    // The task's status, bars and report once it has ended; reason: why it
    // failed, empty when it was converted; exitCode is the encoder's, -1
    // when it did not end by itself or was never started.
    TaskEnd endTask(Slot &slot, const QString &reason, int exitCode);
    // The sink of the task's encoder: every chunk as it is read.
    void takeOutput(Slot &slot, const QByteArray &chunk);
    // The latest chunk and the progress it brought, once after each wait.
    void showOutput(Slot &slot);
    void setBars(int current, int total);
    void setRunState(State state);
    void endAfterStop(int index);
    void endAfterStartFailure(int index, const QString &message);
    void complete();
    void turnOffAfterNotice();
    void setStatus(int index, const QString &status);
    // The output of the task in progress, removed when its conversion made
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

    QTimer m_timerTime;
    State m_runState = Idle;
    int m_elapsedSecs = 0;
    int m_remainingSecs = 0;
    int m_currentBar = 0;
    int m_totalBar = 0;
    QString m_memo;

    // Per run.
    double m_totalSecs = 0;
    double m_doneSecs = 0;
    int m_failedCount = 0;
    int m_skippedCount = 0;
    int m_convertedCount = 0;
    int m_taskCount = 0;
    TaskIntake *m_intake = nullptr;
    bool m_totalStale = false; // a probe ended since TotalSecs was summed
    bool m_closing = false;
    int m_currentTask = -1;
    int m_jobs = 1;
    bool m_waitForProbes = true;
    // The first slot drives the encoder handed in; more are made as tasks
    // need them.
    std::vector<std::unique_ptr<Slot>> m_slots;
    // The outputs of this run, named once every source is known.
    std::optional<OutputPlan> m_plan;
    OutputRecords m_ownRecords;
    OutputRecords *m_records = &m_ownRecords;

    TaskLogs m_logs;
    QHash<quint64, QString> m_unfinishedOutputs;
};
