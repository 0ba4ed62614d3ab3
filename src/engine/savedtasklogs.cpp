#include "savedtasklogs.h"

#include "itemdata.h"
#include "savedtasklist.h"
#include "settings/newinifiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace {

const QByteArray kHeading("Heading=");
const QByteArray kReason("Reason=");
const QByteArray kTruncated("Truncated=");
const QByteArray kOutput("[Output]\n");

} // namespace

SavedTaskLogs::SavedTaskLogs(TaskLogs &logs, const QString &folder) : m_logs(logs), m_folder(folder)
{}

QByteArray SavedTaskLogs::Format(const TaskLogs &logs, TaskId id)
{
    return kHeading + SavedTaskList::EscapeValue(logs.heading(id)) + '\n' + kReason +
           SavedTaskList::EscapeValue(logs.reason(id)) + '\n' + kTruncated +
           (logs.truncated(id) ? '1' : '0') + '\n' + kOutput + logs.output(id);
}

QString SavedTaskLogs::fileFor(TaskId id, const QString &status)
{
    if (m_folder.isEmpty() || (status != TaskStatus::Failed && status != TaskStatus::Stop) ||
        !m_logs.contains(id))
        return {};
    const quint64 generation = m_logs.generation(id);
    auto kept = m_kept.find(id);
    if (kept == m_kept.end() || kept->generation != generation) {
        // A log that changed gets a file of its own: the list on disk names
        // the earlier one until it is written again.
        const QString name =
            QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".log");
        try {
            QDir().mkpath(m_folder);
            WriteFileAtomically(m_folder + name, Format(m_logs, id));
        } catch (const TIniFileError &) {
            return {}; // the saved list tells of its own failure to be written
        }
        if (kept != m_kept.end())
            QFile::remove(m_folder + kept->fileName);
        kept = m_kept.insert(id, {name, generation});
    }
    m_named.insert(id);
    return kept->fileName;
}

void SavedTaskLogs::sweep()
{
    for (auto it = m_kept.begin(); it != m_kept.end();) {
        if (m_named.contains(it.key())) {
            ++it;
            continue;
        }
        QFile::remove(m_folder + it->fileName);
        it = m_kept.erase(it);
    }
    m_named.clear();
}

void SavedTaskLogs::restore(TaskId id, const QString &fileName)
{
    // Only a plain name of this folder.
    if (m_folder.isEmpty() || fileName.isEmpty() || fileName.contains(u'/') ||
        fileName.startsWith(u'.'))
        return;
    const QFileInfo info(m_folder + fileName);
    QFile file(info.filePath());
    if (!info.isFile() || info.size() > MaxFileBytes || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    const qsizetype outputAt = bytes.indexOf(kOutput);
    if (outputAt < 0)
        return;
    QString heading, reason;
    bool truncated = false;
    for (const QByteArray &line : bytes.left(outputAt).split('\n')) {
        if (line.startsWith(kHeading))
            heading = SavedTaskList::UnescapeValue(line.mid(kHeading.size()));
        else if (line.startsWith(kReason))
            reason = SavedTaskList::UnescapeValue(line.mid(kReason.size()));
        else if (line.startsWith(kTruncated))
            truncated = line.mid(kTruncated.size()) == "1";
    }
    m_logs.restore(id, heading, bytes.mid(outputAt + kOutput.size()), truncated, reason);
    m_kept.insert(id, {fileName, m_logs.generation(id)});
}

void SavedTaskLogs::removeUnclaimed()
{
    if (m_folder.isEmpty())
        return;
    QSet<QString> claimed;
    for (const Kept &kept : std::as_const(m_kept))
        claimed.insert(kept.fileName);
    const QStringList files =
        QDir(m_folder).entryList({QStringLiteral("*.log")}, QDir::Files | QDir::Hidden);
    for (const QString &name : files)
        if (!claimed.contains(name))
            QFile::remove(m_folder + name);
}
