#include "windowsession.h"

#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/outputrecords.h"
#include "engine/probequeue.h"
#include "engine/savedtasklist.h"
#include "engine/savedtasklogs.h"
#include "engine/taskundo.h"

WindowSession::WindowSession(const AppPaths &paths, Platform &platform, RunHost &host,
                             QObject *parent)
    : QObject(parent)
{
    m_undo = std::make_unique<TaskUndo>(m_tasks);
    // The outputs written by this program, known to every run and session.
    m_outputRecords = std::make_unique<OutputRecords>(paths.outputRecordsDir());
    m_probes = std::make_unique<ProbeQueue>(paths.encoderPath());
    m_probes->setHelperProgram(paths.probeHelperPath());
    connect(m_probes.get(), &ProbeQueue::helperUnavailable, this,
            [](const QString &message) { qWarning("%s", qUtf8Printable(message)); });
    m_intake = std::make_unique<TaskIntake>(m_tasks, *m_probes, platform);
    m_intake->setOutputRecords(m_outputRecords.get());
    m_batch = std::make_unique<BatchRun>(m_tasks, m_encoder, platform, host, paths.encoderPath());
    m_batch->setIntake(m_intake.get());
    m_batch->setOutputRecords(m_outputRecords.get());
    // Outputs are checked with the reader the probes use.
    m_batch->setOutputReader(paths.probeHelperPath(),
                             [this] { return m_encoderOnly && m_encoderOnly(); });
    // The task list is kept beside the user's settings; not where those
    // cannot be saved either.
    m_savedList = std::make_unique<SavedTaskList>(
        m_tasks, platform,
        paths.isShipped(paths.preferencesFile()) ? QString() : paths.taskListFile());
    m_savedList->setUnfinishedOutputSource(
        [this](TaskStore::TaskId id) { return m_batch->unfinishedOutput(id); });
    // So do the logs of its failed and stopped tasks.
    m_savedLogs = std::make_unique<SavedTaskLogs>(
        m_batch->logs(), m_savedList->path().isEmpty() ? QString() : paths.taskLogFolder());
    m_savedList->setLogFiles(
        [this](TaskStore::TaskId id, const QString &status) {
            return m_savedLogs->fileFor(id, status);
        },
        [this](TaskStore::TaskId id, const QString &file) { m_savedLogs->restore(id, file); });
    connect(m_savedList.get(), &SavedTaskList::saved, this, [this] { m_savedLogs->sweep(); });
    // The task about to be converted is on disk before its encoder starts.
    connect(m_batch.get(), &BatchRun::conversionStarting, m_savedList.get(),
            &SavedTaskList::saveNow);
    // A failed task tells why when the pointer rests on it.
    m_tasks.setToolTipSource([this](int row) {
        if (m_tasks.cell(row, ItemField::Status) != TaskStatus::Failed)
            return QString();
        return m_batch->logs().failureSummary(m_tasks.taskId(row));
    });
}

WindowSession::~WindowSession() = default;

void WindowSession::setEncoderOnlySource(std::function<bool()> source)
{
    m_probes->setEncoderOnlySource(source);
    m_encoderOnly = std::move(source);
}

bool WindowSession::started() const
{
    return m_savedList->started();
}

void WindowSession::start(bool restore)
{
    if (restore)
        m_savedList->offerRestore(
            [this](TaskStore::TaskId id, const QString &output) {
                m_batch->setUnfinishedOutput(id, output);
            },
            [this](TaskStore::TaskId id) { m_intake->probeAgain(id); });
    m_savedLogs->removeUnclaimed();
    m_savedList->start();
    m_savedList->saveNow();
}
