#include "cliwatch.h"

#include "clirun.h"
#include "engine/intake.h"
#include "engine/itemdata.h"
#include "engine/taskstore.h"

#include <QDir>
#include <QFileInfo>

CliWatch::CliWatch(TaskStore &tasks, TaskIntake &intake, CliRun &run, ConsoleReporter &reporter,
                   OutputRecords *records, std::function<QString(const QString &)> recordsFolder,
                   const Settings &settings, QObject *parent)
    : QObject(parent), m_tasks(tasks), m_intake(intake), m_run(run), m_reporter(reporter),
      m_settings(settings), m_watches(m_events, m_writers, std::move(recordsFolder))
{
    m_watches.setOutputRecords(records);
    connect(&m_watches, &WatchFolders::fileSeen, this,
            [this](int, const QString &path) { m_reporter.watchEvent("seen", path); });
    connect(&m_watches, &WatchFolders::fileReady, this,
            [this](int, const QString &path) { fileReady(path); });
    connect(&m_watches, &WatchFolders::availableChanged, this, [this](int, bool available) {
        m_reporter.watchEvent(available ? "available" : "unavailable", m_settings.watch.folder);
    });
    connect(&m_intake, &TaskIntake::taskProbed, this, [this](int row) {
        ltvItemData record;
        m_tasks.GetItemData(row, ItemField::All, record);
        record.Status = TaskStatus::OK;
        m_reporter.taskAdded(m_run.taskNumber(row), record);
    });
    // A conversion may end before its probe: its task leaves the list once
    // the probe has ended too.
    connect(&m_intake, &TaskIntake::busyChanged, this, [this](bool busy) {
        if (!busy && !m_run.isRunning() && m_tasks.count() > 0)
            runEnded();
    });
    connect(&m_run, &CliRun::conversionStarting, this, [this](int row) {
        QString error;
        if (!m_watches.conversionStarting(m_tasks.caption(row), &error))
            m_reporter.error(
                QStringLiteral("the record of the watch cannot be written: %1").arg(error));
    });
    connect(&m_run, &CliRun::taskFinished, this, [this](int row, const QString &status) {
        m_watches.conversionEnded(m_tasks.caption(row), status);
    });
}

void CliWatch::start()
{
    m_reporter.watchEvent("watching", m_settings.watch.folder);
    m_watches.setWatches({m_settings.watch}, m_settings.settleMs, m_settings.rescanMs);
}

void CliWatch::fileReady(const QString &path)
{
    m_reporter.watchEvent("ready", path);
    const int listed = m_tasks.findCaption(path);
    if (!m_run.isRunning() && m_tasks.count() > 0) {
        // The tasks of the run that just ended are still to leave the list.
        if (!m_waiting.contains(path))
            m_waiting << path;
        return;
    }
    if (listed >= 0) {
        // Its earlier task is still in the list: converted again after the
        // run, unless it has yet to start.
        const QString status = m_tasks.cell(listed, ItemField::Status);
        if (status == TaskStatus::Complete || status == TaskStatus::Failed ||
            status == TaskStatus::Skipped || status == TaskStatus::Stop)
            if (!m_waiting.contains(path))
                m_waiting << path;
        return;
    }
    add(path);
    convert();
}

void CliWatch::add(const QString &path)
{
    if (!m_intake.AddFile(path) || !m_settings.watch.subfolders)
        return;
    // A file of a subfolder writes into the same subfolder of the output
    // directory, as -r does.
    const QString folder = QDir(m_settings.watch.folder).relativeFilePath(QFileInfo(path).path());
    if (folder != QLatin1String("."))
        m_tasks.setOutputSubfolder(m_tasks.count() - 1, folder);
}

void CliWatch::convert()
{
    if (!m_run.isRunning() && m_tasks.count() > 0)
        m_run.convert(m_settings.profilePath, m_settings.grids);
}

void CliWatch::runEnded()
{
    if (m_intake.isBusy() || m_run.isRunning())
        return; // busyChanged() comes back here
    for (int row = 0; row < m_tasks.count(); ++row) {
        const QString status = m_tasks.cell(row, ItemField::Status);
        ++m_tally.tasks;
        if (status == TaskStatus::Complete)
            ++m_tally.complete;
        else if (status == TaskStatus::Failed)
            ++m_tally.failed;
        else if (status == TaskStatus::Skipped)
            ++m_tally.skipped;
        else if (status == TaskStatus::Stop)
            ++m_tally.stopped;
        else
            ++m_tally.notConverted;
    }
    // The outputs of the runs before are files like any other: a changed
    // source writes over its output, or gives way to it, as set.
    m_run.setTaskNumberBase(m_tally.tasks);
    m_tasks.clearRows();
    for (const QString &path : std::exchange(m_waiting, {}))
        add(path);
    convert();
}

void CliWatch::addTo(ConsoleReporter::Summary &summary) const
{
    summary.tasks += m_tally.tasks;
    summary.complete += m_tally.complete;
    summary.failed += m_tally.failed;
    summary.skipped += m_tally.skipped;
    summary.stopped += m_tally.stopped;
    summary.notConverted += m_tally.notConverted;
}
