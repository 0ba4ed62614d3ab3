#include "outputplan.h"

#include "outputrecords.h"
#include "platform/filenames.h"
#include "platform/pathtext.h"

#include <sys/stat.h>

OutputPlan::OutputPlan(const Settings &settings, const QList<Task> &tasks,
                       const OutputRecords *records, const QSet<QString> &refused)
    : m_settings(settings), m_tasks(tasks), m_records(records), m_refused(refused)
{
    // Every source of the list, by the name of its folder entry and, when
    // it exists, by the file it is (a link's target, another hard link).
    QHash<QString, QString> folders;
    for (const Task &task : std::as_const(m_tasks)) {
        m_sourceKeys.insert(OutputRecords::keyOf(task.source, &folders));
        struct stat st = {};
        if (::stat(EncodeFileName(task.source).constData(), &st) == 0 && !S_ISDIR(st.st_mode))
            m_sourceIds.insert({st.st_dev, st.st_ino});
    }

    const QString listKey = OutputRecords::folderKey(m_settings.outputDir, &folders);
    m_planned.resize(m_tasks.size());
    for (qsizetype i = 0; i < m_tasks.size(); ++i) {
        Planned &p = m_planned[i];
        const QString &subfolder = m_tasks[i].subfolder;
        const QString &outputDir = settingsOf(int(i)).outputDir;
        const QString outputKey =
            m_tasks[i].own ? OutputRecords::folderKey(outputDir, &folders) : listKey;
        p.folder = subfolder.isEmpty() ? outputDir : AddBackslash(outputDir) + subfolder;
        p.folderKey = subfolder.isEmpty()
                          ? outputKey
                          : OutputRecords::folderKey(AddBackslash(outputKey) + subfolder, &folders);
        p.sourceKey = OutputRecords::keyOf(m_tasks[i].source, &folders);
        // The folders the run makes on the way to this one.
        for (qsizetype slash = subfolder.indexOf(u'/'); !subfolder.isEmpty();
             slash = subfolder.indexOf(u'/', slash + 1)) {
            m_folderKeys.insert(AddBackslash(outputKey) +
                                (slash < 0 ? subfolder : subfolder.left(slash)));
            if (slash < 0)
                break;
        }
    }
    // Outputs named already are claimed before the others are chosen.
    for (qsizetype i = 0; i < m_tasks.size(); ++i)
        if (!m_tasks[i].output.isEmpty()) {
            m_planned[i].fixedKey = OutputRecords::keyOf(m_tasks[i].output, &folders);
            m_claimed.insert(m_planned[i].fixedKey, int(i));
        }
    for (int i = 0; i < count(); ++i)
        if (m_planned[i].fixedKey.isEmpty())
            choose(i, 0);
}

QString OutputPlan::fileName(int index, int attempt) const
{
    const Task &task = m_tasks[index];
    QString ext = settingsOf(index).outputExt;
    if (ext.isEmpty())
        ext = task.ext;
    if (ext.isEmpty())
        ext = QStringLiteral(".mp4");
    if (attempt == 0)
        return task.name + ext;
    const QString indexed = task.name + u'_' + QString::number(index + 1);
    return attempt == 1 ? indexed + ext : indexed + u'_' + QString::number(attempt) + ext;
}

QString OutputPlan::key(int index, int attempt) const
{
    return AddBackslash(m_planned[index].folderKey) + fileName(index, attempt);
}

OutputPlan::Verdict OutputPlan::judge(int index, int attempt) const
{
    const QString name = key(index, attempt);
    const auto claim = m_claimed.constFind(name);
    if ((claim != m_claimed.cend() && *claim != index) || m_sourceKeys.contains(name) ||
        m_folderKeys.contains(name) || m_refused.contains(name))
        return Verdict::Taken;

    struct stat st = {};
    const bool exists = ::lstat(EncodeFileName(name).constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return Verdict::Taken;
    // A plain file of its own is written over; anything else is replaced.
    const bool plain = exists && S_ISREG(st.st_mode) && st.st_nlink == 1;
    const Verdict convert = !exists || plain ? Verdict::Free : Verdict::Replace;
    if (exists && S_ISREG(st.st_mode) && m_sourceIds.contains({st.st_dev, st.st_ino}))
        return Verdict::Taken;

    const OutputRecords::Record record =
        m_records ? m_records->lookup(name) : OutputRecords::Record{};
    if (record.state == OutputRecords::State::Unfinished) {
        if (record.running)
            return Verdict::Taken;
        if (record.source == m_planned[index].sourceKey)
            return convert; // this task's own, cut off
        // Another source's: reserved for it when it is in the list.
        if (m_sourceKeys.contains(record.source) || settingsOf(index).existing == Existing::Rename)
            return Verdict::Taken;
        return convert; // never taken for a finished file
    }
    if (!exists)
        return Verdict::Free;
    switch (settingsOf(index).existing) {
    case Existing::Overwrite:
        return convert;
    case Existing::Skip:
        return Verdict::Keep;
    case Existing::Rename:
        break;
    }
    return Verdict::Taken;
}

void OutputPlan::choose(int index, int firstAttempt)
{
    Planned &p = m_planned[index];
    const QString before = key(index, p.attempt);
    if (m_claimed.value(before, -1) == index)
        m_claimed.remove(before);
    int attempt = firstAttempt;
    Verdict verdict = judge(index, attempt);
    while (verdict == Verdict::Taken)
        verdict = judge(index, ++attempt);
    p.attempt = attempt;
    p.verdict = verdict;
    m_claimed.insert(key(index, attempt), index);
}

QString OutputPlan::output(int index) const
{
    if (index < 0 || index >= count())
        return {};
    if (!m_tasks[index].output.isEmpty())
        return m_tasks[index].output;
    return AddBackslash(m_planned[index].folder) + fileName(index, m_planned[index].attempt);
}

OutputPlan::Turn OutputPlan::turn(int index)
{
    if (index < 0 || index >= count() || !m_planned[index].fixedKey.isEmpty())
        return {output(index)};
    choose(index, m_planned[index].attempt);
    const Verdict verdict = m_planned[index].verdict;
    return {output(index), verdict == Verdict::Keep, verdict == Verdict::Replace};
}
