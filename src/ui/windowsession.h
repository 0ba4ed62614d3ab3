#pragma once

#include "engine/encoderprocess.h"
#include "engine/taskstore.h"
#include "settings/apppaths.h"

#include <QObject>
#include <functional>
#include <memory>

class BatchRun;
class OutputRecords;
class Platform;
class ProbeQueue;
class RunHost;
class SavedTaskList;
class SavedTaskLogs;
class TaskIntake;
class TaskUndo;

// What the main window converts with, wired together: the task list and its
// undo, the encoder, the probes and intake, the batch run, the record of
// the outputs written, and the task list and logs kept for the next start.
// The window owns it and is the run's host.
class WindowSession : public QObject
{
    Q_OBJECT
public:
    WindowSession(const AppPaths &paths, Platform &platform, RunHost &host,
                  QObject *parent = nullptr);
    ~WindowSession() override;

    // Whether files are probed by the encoder only, read before each probe.
    void setEncoderOnlySource(std::function<bool()> source);

    // The last step of the start: restore offers the unfinished tasks of the
    // last session (false: the command line named files, nothing is offered);
    // from then on the task list is saved after every change.
    void start(bool restore);
    bool started() const;

    TaskStore &tasks() { return m_tasks; }
    TaskUndo &undo() { return *m_undo; }
    EncoderProcess &encoder() { return m_encoder; }
    ProbeQueue &probes() { return *m_probes; }
    TaskIntake &intake() { return *m_intake; }
    BatchRun &batch() { return *m_batch; }
    SavedTaskList &savedList() { return *m_savedList; }
    OutputRecords &outputRecords() { return *m_outputRecords; }

private:
    TaskStore m_tasks;
    std::unique_ptr<TaskUndo> m_undo;
    EncoderProcess m_encoder;
    std::unique_ptr<OutputRecords> m_outputRecords;
    std::unique_ptr<ProbeQueue> m_probes;
    std::unique_ptr<TaskIntake> m_intake;
    std::unique_ptr<BatchRun> m_batch;
    std::function<bool()> m_encoderOnly; // probe with the encoder only
    std::unique_ptr<SavedTaskList> m_savedList;
    std::unique_ptr<SavedTaskLogs> m_savedLogs;
};
