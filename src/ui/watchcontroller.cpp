#include "watchcontroller.h"

#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/itemdata.h"
#include "engine/taskstore.h"
#include "settings/apppaths.h"
#include "settings/newinifiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool finished(const QString &status)
{
    return status == TaskStatus::Complete || status == TaskStatus::Failed ||
           status == TaskStatus::Skipped || status == TaskStatus::Stop;
}

} // namespace

TWatchController::TWatchController(const AppPaths &paths, const Services &services, QObject *parent)
    : QObject(parent), m_file(paths.watchListFile()), m_services(services),
      m_watches(m_events, m_writers,
                [paths](const QString &id) { return paths.watchRecordsDir(id); })
{
    m_watches.setOutputRecords(&m_services.records);
    connect(&m_watches, &WatchFolders::fileReady, this, &TWatchController::fileReady);
    connect(&m_watches, &WatchFolders::availableChanged, this, &TWatchController::changed);
    // Each watched file's record is written before its encoder starts and
    // when its task ends.
    BatchRun &batch = m_services.batch;
    connect(&batch, &BatchRun::conversionStarting, this, [this](int row) {
        QString error;
        if (!m_watches.conversionStarting(m_services.tasks.caption(row), &error))
            qWarning("The record of the watch folder cannot be written: %s", qUtf8Printable(error));
    });
    connect(&batch, &BatchRun::taskEnded, this, [this](int row, const QString &status, int) {
        m_watches.conversionEnded(m_services.tasks.caption(row), status);
    });
}

QString TWatchController::start()
{
    try {
        m_list = WatchList::read(m_file);
    } catch (const TIniFileError &e) {
        return e.text();
    }
    m_watches.setWatches(m_list.watches, m_list.settleSecs * 1000, m_list.rescanSecs * 1000);
    emit changed();
    return {};
}

QString TWatchController::setList(const WatchList &list)
{
    try {
        list.write(m_file);
    } catch (const TIniFileError &e) {
        return e.text();
    }
    m_list = list;
    m_watches.setWatches(m_list.watches, m_list.settleSecs * 1000, m_list.rescanSecs * 1000);
    emit changed();
    return {};
}

QString TWatchController::setPaused(int watch, bool paused)
{
    if (watch < 0 || watch >= m_watches.count())
        return {};
    WatchList list = m_list;
    list.watches[watch].paused = paused;
    try {
        list.write(m_file);
    } catch (const TIniFileError &e) {
        return e.text();
    }
    m_list = list;
    m_watches.watch(watch).setPaused(paused);
    emit changed();
    return {};
}

int TWatchController::retryFailed(int watch)
{
    return watch >= 0 && watch < m_watches.count() ? m_watches.watch(watch).retryFailed() : 0;
}

QStringList TWatchController::stateTexts()
{
    return {tr("Watching"), tr("Paused"), tr("Folder not available")};
}

QString TWatchController::stateText(int watch)
{
    if (watch < 0 || watch >= m_watches.count())
        return {};
    const FolderWatch &w = m_watches.watch(watch);
    if (w.isPaused())
        return tr("Paused");
    return w.isAvailable() ? tr("Watching") : tr("Folder not available");
}

void TWatchController::fileReady(int watch, const QString &path)
{
    TaskStore &tasks = m_services.tasks;
    const int listed = tasks.findCaption(path);
    if (listed >= 0) {
        // Still to be converted: it converts the file as it is then.
        if (!finished(tasks.cell(listed, ItemField::Status)))
            return;
        // Changed since its conversion: its earlier task gives way to a new.
        tasks.removeRowAt(listed);
    }
    if (!m_services.intake.AddFile(path))
        return;
    const WatchSettings &w = m_watches.settings(watch);
    const int row = tasks.count() - 1;
    tasks.setChoices(row, {m_services.profilePath(w.profile), w.outputDir, w.existing});
    // A file of a subfolder writes into the same subfolder of the output
    // directory.
    const QString folder = QDir(w.folder).relativeFilePath(QFileInfo(path).path());
    if (w.subfolders && folder != QLatin1String("."))
        tasks.setOutputSubfolder(row, folder);
    if (!m_services.batch.isRunning()) {
        // The run converts the watches' files that wait; the user's own
        // tasks, and files converted or failed before, wait for Start.
        m_services.batch.setNextRunUnattended([&tasks](int row) {
            return !tasks.choices(row).isEmpty() && !finished(tasks.cell(row, ItemField::Status));
        });
        m_services.startRun();
    }
}
