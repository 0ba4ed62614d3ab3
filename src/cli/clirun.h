#pragma once

#include "consolereporter.h"
#include "engine/batchrun.h"
#include "engine/runhost.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

class EncoderProcess;
class ProcessControl;
class Platform;
class TaskIntake;
class TaskStore;

// The command-line program's use of the batch run, all of it in this one
// place: the window's run converts the tasks, with this object standing in
// for the main window (output directory, extension, overwrite choice; no
// completion actions), and what the run reports goes to the console. The run
// may convert several tasks side by side.
class CliRun : public QObject, public RunHost
{
    Q_OBJECT
public:
    struct Settings
    {
        QString encoderPath;
        QString outputDir;
        QString outputExt; // "." + the profile's type
        bool overwrite = true;
        bool skip = false;  // existing outputs are kept, their tasks skipped
        int jobs = 1;       // encoders side by side
        bool verify = true; // each output is checked
        bool trash = false; // each checked output's source goes to the Trash
        QString reader;     // the media reader that checks the outputs; empty: the encoder
    };

    CliRun(TaskStore &tasks, EncoderProcess &encoder, Platform &platform, ConsoleReporter &reporter,
           const Settings &settings, QObject *parent = nullptr);

    // Where each task stands in the whole list, and the tasks that other
    // shares convert.
    void setShare(const QList<int> &listIndexes, const QMap<int, OutputPlan::Task> &otherTasks);
    // The record of outputs, shared with the window and other runs.
    void setOutputRecords(OutputRecords *records) { m_batch.setOutputRecords(records); }
    // The intake whose probes may still be under way: each task waits for
    // its own.
    void setIntake(TaskIntake *intake) { m_batch.setIntake(intake); }
    // What suspends and continues the encoders (pause()).
    void setProcessControl(ProcessControl *control) { m_batch.setProcessControl(control); }

    // Prints each task's command line as the run would build it now.
    void printCommandLines(const QString &profilePath, const ProfileGrids &grids);
    // Begins converting every task; ended() follows once the run has ended
    // in any way (not when it could not begin).
    BatchRun::StartResult convert(const QString &profilePath, const ProfileGrids &grids);
    // Ends the run: the running encoders are asked to end and killed when
    // they do not (as the window's Stop does); their tasks become "Stop" and
    // their partial outputs are removed.
    void stop();
    // The same with the encoders killed at once.
    void stopNow();
    // Suspends the running encoders, and lets them go on.
    void pause() { m_batch.pause(); }
    void resume() { m_batch.resume(); }

    // RunHost
    QString outputDirectory() const override { return m_settings.outputDir; }
    QString outputExtension() const override { return m_settings.outputExt; }
    bool overwrite() const override { return m_settings.overwrite; }
    bool skipExisting() const override { return m_settings.skip; }
    bool verifyOutputs() const override { return m_settings.verify; }
    bool trashSources() const override { return m_settings.verify && m_settings.trash; }
    // Sources moved to the Trash so far.
    int trashedCount() const { return m_trashed; }
    bool autoOpenDir() const override { return false; }
    bool autoExit() const override { return false; }
    bool autoTurnOff() const override { return false; }
    bool rewritesProfile(const QString &) const override { return false; }
    void closeMainWindow() override {}
    int listIndex(int row) const override;
    QMap<int, OutputPlan::Task> otherTasks() const override { return m_otherTasks; }

    // Tasks are told of by their place in the list from base on: a program
    // that empties the list between runs numbers every task once.
    void setTaskNumberBase(int base) { m_numberBase = base; }
    int taskNumber(int row) const { return m_numberBase + listIndex(row); }
    // The output the run named for the task in row; empty before it named one.
    QString outputOf(int row) const { return m_batch.outputOf(row); }
    bool isRunning() const { return m_batch.isRunning(); }

signals:
    void ended();
    // The task in row is about to be converted (its encoder starts once the
    // connected slots have returned).
    void conversionStarting(int row);
    // The task in row got its final status of this run.
    void taskFinished(int row, const QString &status);

private:
    void taskStarted(int row, const QStringList &arguments);
    void takeMemo(const QString &text);
    void taskEnded(int row, const QString &status, int exitCode);
    // The last lines the task's encoder wrote, progress lines left out.
    QStringList errorLines(int row) const;

    TaskStore &m_tasks;
    ConsoleReporter &m_reporter;
    Settings m_settings;
    BatchRun m_batch;
    QList<int> m_listIndexes;
    int m_numberBase = 0;
    QMap<int, OutputPlan::Task> m_otherTasks;

    // The tasks in progress, by row.
    struct Running
    {
        QDateTime begin;
        QString output;
    };
    QHash<int, Running> m_running;
    // What the check of each task's output found, by row, until it ends.
    QHash<int, ConsoleReporter::Check> m_checks;
    int m_trashed = 0;
};
