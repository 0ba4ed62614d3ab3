#include "cliintake.h"

#include "engine/itemdata.h"
#include "engine/taskstore.h"

#include <QDir>

namespace {

constexpr int ProbeBatchLimit = 16;

} // namespace

CliIntake::CliIntake(TaskStore &tasks, const QString &encoderPath, const QString &helperPath,
                     int probeLimit, Platform &platform, QObject *parent)
    : QObject(parent), m_tasks(tasks), m_probes(encoderPath), m_intake(tasks, m_probes, platform)
{
    m_probes.setHelperProgram(helperPath);
    connect(&m_probes, &ProbeQueue::helperUnavailable, this, &CliIntake::notice);
    // Each encoder started for probes is asked about many files: starting
    // one costs more than reading a file's header.
    m_probes.setBatchLimit(ProbeBatchLimit);
    // During the run one probe at a time, beside the encoders, as in the
    // window.
    m_probes.setLimitSource([this, probeLimit] { return m_converting ? 1 : probeLimit; });
    connect(&m_intake, &TaskIntake::taskProbed, this, &CliIntake::announceProbed);
    connect(&m_intake, &TaskIntake::addingChanged, this, [this](bool adding) {
        if (!adding)
            addedAll();
    });
}

void CliIntake::announceProbed()
{
    // In list order, each task once its probe has ended.
    if (!m_kept)
        return;
    for (; m_announced < m_tasks.count(); ++m_announced) {
        if (m_intake.probePending(m_tasks.taskId(m_announced)))
            return;
        ltvItemData record;
        m_tasks.GetItemData(m_announced, ItemField::All, record);
        // As the intake left it: its conversion may have begun meanwhile.
        record.Status = TaskStatus::OK;
        emit taskAdded(m_listIndexes.value(m_announced, m_announced), record);
    }
}

void CliIntake::skipProbes()
{
    m_intake.cancel();
    announceProbed();
}

void CliIntake::setOutputExtension(const QString &ext)
{
    m_intake.setOutputExtension(ext);
}

void CliIntake::setFolders(bool recursive, const QString &outputFolder)
{
    m_intake.setFolderOptionsSource([recursive, outputFolder] {
        TaskIntake::FolderOptions options;
        options.subfolders = recursive;
        options.keepStructure = true;
        options.outputFolder = outputFolder;
        return options;
    });
}

void CliIntake::setShare(int index, int count)
{
    m_shareIndex = index;
    m_shareCount = count;
}

bool CliIntake::collect(const QStringList &paths, const QStringList &listFiles, QString &error)
{
    QStringList all = paths;
    for (const QString &listFile : listFiles) {
        QStringList listed;
        QString reason;
        if (!ReadPathList(listFile, listed, reason)) {
            error = QStringLiteral("--list: the list file \"%1\" cannot be read: %2.")
                        .arg(QDir::toNativeSeparators(listFile), reason);
            return false;
        }
        all += listed;
    }
    m_collecting = true;
    m_intake.AddPaths(all);
    return true;
}

void CliIntake::addedAll()
{
    if (!m_collecting)
        return;
    m_collecting = false;
    // The whole list first, in the window's order, so that every share
    // holds the same tasks on every machine; then the other shares' tasks
    // go, and with them their probes. The probes of the share go on.
    keepShare();
    m_kept = true;
    announceProbed();
    emit collected();
}

void CliIntake::cancel()
{
    m_collecting = false;
    m_intake.cancel();
}

void CliIntake::keepShare()
{
    m_listIndexes.clear();
    m_otherTasks.clear();
    for (int i = 0; i < m_tasks.count(); ++i) {
        if (inShare(i))
            m_listIndexes.append(i);
        else
            m_otherTasks.insert(i, {m_tasks.caption(i), m_tasks.cell(i, ItemField::NewFilename),
                                    m_tasks.cell(i, ItemField::NewFileExt),
                                    m_tasks.outputSubfolder(i), QString()});
    }
    for (int i = m_tasks.count() - 1; i >= 0; --i)
        if (!inShare(i))
            m_tasks.removeRowAt(i);
}
