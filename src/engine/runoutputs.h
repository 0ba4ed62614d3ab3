#pragma once

#include "outputplan.h"
#include "outputrecords.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

class Conversion;
class RunHost;
class TaskProfiles;
class TaskStore;

// The output files of a run's tasks. They are named for the whole list in
// list order (see OutputPlan), named anew whenever the list has changed,
// and a task keeps the output it was given at its turn. Before a task's
// encoder starts, its output is made ready (its folder made, an entry in its
// place that must go removed) and recorded as unfinished.
class RunOutputs
{
public:
    using TaskId = quint64;

    // profiles: those of the tasks with choices of their own.
    RunOutputs(TaskStore &tasks, RunHost &host, const TaskProfiles &profiles);

    // The record of the outputs being written and written, shared with
    // other runs and programs; null: one of its own, in memory.
    void setRecords(OutputRecords *records) { m_records = records ? records : &m_ownRecords; }
    OutputRecords &records() { return *m_records; }

    // A run begins: no task has its output yet. Its end: the outputs given
    // stay known (outputOf) but no longer hold names.
    void begin();
    void end() { m_running = false; }

    // The outputs of the whole list as a run would name them now; during a
    // run the tasks named already keep their outputs.
    OutputPlan plan() const;
    // Names the outputs anew when the list has changed since they were
    // named. Only once every source is known: a source still to come may
    // bear the name an output would take.
    void update();
    // The turn of the task in row: its output, checked against the disk as
    // it is now.
    OutputPlan::Turn turn(int row);
    // An existing file Skip would have kept did not pass the output check:
    // it is left as it is, and no task of this run takes its name.
    void refuse(const QString &output);
    // The task keeps this output from now on (converted or kept as it is).
    void name(TaskId id, const QString &output) { m_named.insert(id, output); }
    // The output given to the task in row, or planned for it.
    QString outputOf(int row) const;

    // Makes the output of the task in row ready for its conversion and
    // records it as unfinished (conversion notes what was there before).
    // Empty, or why the conversion cannot begin.
    QString prepare(TaskId id, int row, const OutputPlan::Turn &turn, Conversion &conversion);
    // See BatchRun::unfinishedOutput.
    QString unfinished(TaskId id) const { return m_unfinished.value(id); }
    void setUnfinished(TaskId id, const QString &path);
    // The conversion of the task has ended; finished: its output is whole,
    // else it goes when the conversion made it.
    void conversionEnded(TaskId id, Conversion &conversion, bool finished);
    // The encoder ended well but its output did not pass the check: the
    // file stays, still recorded as unfinished, so that it is never taken
    // for a finished output and the task's next conversion replaces it.
    void outputRejected(TaskId id, Conversion &conversion);

private:
    QList<OutputPlan::Task> planTasks() const;
    OutputPlan::Settings listSettings() const;
    // The settings of a task with choices of its own.
    std::optional<OutputPlan::Settings> ownSettings(int row) const;
    // The output directory of a task: the output path (or the task's own),
    // or the task's subfolder of it.
    QString taskOutputDirectory(int row) const;

    TaskStore &m_tasks;
    RunHost &m_host;
    const TaskProfiles &m_profiles;
    OutputRecords m_ownRecords;
    OutputRecords *m_records = &m_ownRecords;
    bool m_running = false;
    QHash<TaskId, QString> m_named; // the outputs given
    // The outputs of the tasks not named yet, and the list they were named
    // for.
    std::optional<OutputPlan> m_plan;
    QList<OutputPlan::Task> m_planTasks;
    QHash<TaskId, QString> m_unfinished;
    QSet<QString> m_refused; // keys, see refuse()
};
