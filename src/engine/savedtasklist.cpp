#include "savedtasklist.h"

#include "outputvalidation.h"
#include "platform/pathtext.h"
#include "platform/platform.h"
#include "probe.h"
#include "settings/newinifiles.h"
#include "tasktext.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace {

const QByteArray kHeader("[Task List]");
const QByteArray kTask("[Task]");
const QByteArray kEnd("[End]");
// The lines before the tasks and after them.
const QByteArray kOpening = kHeader + "\nFormat=1\n";
const QByteArray kClosing = kEnd + '\n';
const char *const kUnfinishedOutput = "UnfinishedOutput";
const char *const kOutputSubfolder = "OutputSubfolder";
const char *const kLog = "Log";
// A task's own choices.
const struct
{
    const char *key;
    QString TaskChoices::*text;
} kChoices[] = {{"Profile", &TaskChoices::profile},
                {"OutputDirectory", &TaskChoices::outputDir},
                {"Existing", &TaskChoices::existing}};

// The record's texts and their keys, in the record's order.
struct Field
{
    const char *key;
    QString ltvItemData::*text;
};
const Field kFields[] = {{"InputFile", &ltvItemData::InputFile},
                         {"Length", &ltvItemData::Length},
                         {"Size", &ltvItemData::Size},
                         {"Status", &ltvItemData::Status},
                         {"NewFilename", &ltvItemData::NewFilename},
                         {"NewFileExt", &ltvItemData::NewFileExt},
                         {"OrigStartTime", &ltvItemData::OrigStartTime},
                         {"OrigEndTime", &ltvItemData::OrigEndTime},
                         {"ClipLength", &ltvItemData::ClipLength},
                         {"StartTime", &ltvItemData::StartTime},
                         {"EndTime", &ltvItemData::EndTime}};

QByteArray escape(const QString &value)
{
    QByteArray out = value.toUtf8();
    if (out.contains('%') || out.contains('\r') || out.contains('\n')) {
        out.replace('%', "%25");
        out.replace('\r', "%0D");
        out.replace('\n', "%0A");
    }
    return out;
}

QString unescape(const QByteArray &value)
{
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QByteArray code = value.mid(i, 3).toUpper();
        if (code == "%25" || code == "%0D" || code == "%0A") {
            out += code == "%25" ? '%' : code == "%0D" ? '\r' : '\n';
            i += 2;
        } else {
            out += value[i];
        }
    }
    return QString::fromUtf8(out);
}

} // namespace

SavedTaskList::SavedTaskList(TaskStore &tasks, Platform &platform, const QString &path,
                             QObject *parent)
    : QObject(parent), m_tasks(tasks), m_platform(platform), m_path(path), m_writer(path)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(SaveDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &SavedTaskList::saveInBackground);
    connect(&m_writer, &BackgroundWriter::written, this, &SavedTaskList::written);
    // Changed tasks are formatted a slice at a time while the program is
    // idle, so that a save has little left to do.
    m_formatSlice.setSingleShot(true);
    m_formatSlice.setInterval(0);
    connect(&m_formatSlice, &QTimer::timeout, this, &SavedTaskList::formatChanged);
    connect(&tasks, &TaskStore::recordChanged, this, [this](int index) {
        m_changed.insert(m_tasks.taskId(index));
        if (m_started && !m_path.isEmpty() && !m_formatSlice.isActive())
            m_formatSlice.start();
    });
    // Rows added, removed or moved, and every text of a record.
    connect(&tasks, &TaskStore::rowsInserted, this, &SavedTaskList::scheduleSave);
    connect(&tasks, &TaskStore::rowsRemoved, this, &SavedTaskList::scheduleSave);
    connect(&tasks, &TaskStore::modelReset, this, &SavedTaskList::scheduleSave);
    connect(&tasks, &TaskStore::dataChanged, this, &SavedTaskList::scheduleSave);
    connect(&tasks, &TaskStore::recordChanged, this, &SavedTaskList::scheduleSave);
}

QByteArray SavedTaskList::EscapeValue(const QString &value)
{
    return escape(value);
}

QString SavedTaskList::UnescapeValue(const QByteArray &value)
{
    return unescape(value);
}

bool SavedTaskList::IsUnfinished(const QString &status)
{
    return status != TaskStatus::Complete && status != TaskStatus::Skipped;
}

void SavedTaskList::scheduleSave()
{
    if (m_started && !m_path.isEmpty() && !m_timer.isActive())
        m_timer.start();
}

void SavedTaskList::saveNow()
{
    m_timer.stop();
    if (!m_started || m_path.isEmpty())
        return;
    try {
        m_writer.writeNow(current());
        written({});
    } catch (const TIniFileError &e) {
        written(e.text());
    }
}

void SavedTaskList::saveInBackground()
{
    if (m_started && !m_path.isEmpty())
        m_writer.write(current());
}

void SavedTaskList::written(const QString &error)
{
    // A failure is told once, not at every change, until a write succeeds
    // again.
    if (error.isEmpty()) {
        m_failureReported = false;
        emit saved();
        return;
    }
    if (m_failureReported)
        return;
    m_failureReported = true;
    m_platform.messageBox(
        error + QCoreApplication::translate("SavedTaskList",
                                            ". The task list is not saved, so unfinished "
                                            "tasks cannot be restored at the next start."),
        QCoreApplication::translate("SavedTaskList", "Task List Not Saved"),
        Platform::Icon::Warning);
}

const SavedTaskList::Formatted &SavedTaskList::formatted(int row)
{
    const TaskStore::TaskId id = m_tasks.taskId(row);
    Formatted &f = m_formatted[id];
    Task t;
    t.unfinishedOutput = m_unfinishedSource ? m_unfinishedSource(id) : QString();
    t.outputSubfolder = m_tasks.outputSubfolder(row);
    t.choices = m_tasks.choices(row);
    // Asked every time: the log files named are those the list keeps.
    t.logFile = m_logSource ? m_logSource(id, m_tasks.cell(row, ItemField::Status)) : QString();
    const bool changed = m_changed.remove(id);
    if (changed || f.lines.isEmpty() || f.unfinishedOutput != t.unfinishedOutput ||
        f.outputSubfolder != t.outputSubfolder || f.choices != t.choices ||
        f.logFile != t.logFile) {
        // The texts as they stand (kFields is in the row's order).
        t.record.InputFile = m_tasks.caption(row);
        for (int n = 0; n < TaskStore::CellCount; ++n)
            t.record.*kFields[n + 1].text = m_tasks.cell(row, n);
        f = {FormatTask(t), t.unfinishedOutput, t.outputSubfolder, t.choices, t.logFile};
    }
    return f;
}

void SavedTaskList::formatChanged()
{
    const QDeadlineTimer deadline(FormatSliceMs);
    while (!m_changed.isEmpty() && !deadline.hasExpired()) {
        const int row = m_tasks.rowOf(*m_changed.cbegin());
        if (row >= 0)
            formatted(row);
        else
            m_changed.erase(m_changed.cbegin());
    }
    if (!m_changed.isEmpty())
        m_formatSlice.start();
}

QByteArrayList SavedTaskList::current()
{
    // Tasks no longer listed are forgotten now and then.
    if (m_formatted.size() > 2 * m_tasks.count() + 64)
        m_formatted.clear();
    // The parts are joined by the writer: the window's thread only gathers
    // them (each shares the bytes of its task's lines).
    QByteArrayList parts;
    parts.reserve(m_tasks.count() + 2);
    parts += kOpening;
    for (int i = 0; i < m_tasks.count(); ++i)
        parts += formatted(i).lines;
    parts += kClosing;
    m_changed.clear();
    return parts;
}

QByteArray SavedTaskList::FormatTask(const Task &t)
{
    QByteArray out;
    out.reserve(512);
    out += kTask;
    out += '\n';
    const auto line = [&out](const char *key, const QString &value) {
        out += key;
        out += '=';
        out += escape(value);
        out += '\n';
    };
    for (const Field &f : kFields)
        line(f.key, t.record.*f.text);
    if (!t.unfinishedOutput.isEmpty())
        line(kUnfinishedOutput, t.unfinishedOutput);
    if (!t.outputSubfolder.isEmpty())
        line(kOutputSubfolder, t.outputSubfolder);
    for (const auto &c : kChoices)
        if (!(t.choices.*c.text).isEmpty())
            line(c.key, t.choices.*c.text);
    if (!t.logFile.isEmpty())
        line(kLog, t.logFile);
    return out;
}

QByteArray SavedTaskList::Format(const QList<Task> &tasks)
{
    QByteArray out = kOpening;
    for (const Task &t : tasks)
        out += FormatTask(t);
    out += kClosing;
    return out;
}

SavedTaskList::Content SavedTaskList::Parse(const QByteArray &bytes)
{
    Content c;
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (lines.isEmpty() || lines.first() != kHeader) {
        c.error = QCoreApplication::translate("SavedTaskList", "it is not a task list.");
        return c;
    }
    bool inTask = false;
    bool ended = false;
    for (qsizetype n = 1; n < lines.size() && !ended; ++n) {
        const QByteArray &line = lines[n];
        if (line.isEmpty())
            continue;
        if (line.startsWith('[')) {
            if (line == kEnd)
                ended = true;
            inTask = line == kTask;
            if (inTask)
                c.tasks.append(Task{});
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) {
            c.error =
                QCoreApplication::translate("SavedTaskList", "line %1 cannot be read.").arg(n + 1);
            break;
        }
        if (!inTask)
            continue; // a field of the list itself, or of a section unknown here
        const QByteArray key = line.left(eq);
        const QString value = unescape(line.mid(eq + 1));
        Task &t = c.tasks.last();
        if (key == kUnfinishedOutput)
            t.unfinishedOutput = value;
        if (key == kOutputSubfolder)
            t.outputSubfolder = value;
        if (key == kLog)
            t.logFile = value;
        for (const auto &choice : kChoices)
            if (key == choice.key)
                t.choices.*choice.text = value;
        for (const Field &f : kFields)
            if (key == f.key)
                t.record.*f.text = value;
    }
    if (c.error.isEmpty() && !ended)
        c.error = QCoreApplication::translate("SavedTaskList", "it was cut short.");
    for (qsizetype i = 0; i < c.tasks.size() && c.error.isEmpty(); ++i) {
        if (c.tasks[i].record.InputFile.isEmpty())
            c.error = QCoreApplication::translate("SavedTaskList", "task %1 names no source file.")
                          .arg(i + 1);
        else if (c.tasks[i].record.Status.isEmpty())
            c.tasks[i].record.Status = TaskStatus::OK;
    }
    if (!c.error.isEmpty())
        c.tasks.clear();
    return c;
}

QString SavedTaskList::repair(ltvItemData &d)
{
    QStringList faults;
    // The output's name, as a typed one is checked: a plain file name in the
    // output folder.
    if (!IsAcceptableOutputName(d.NewFilename, d.NewFileExt)) {
        faults << QCoreApplication::translate("SavedTaskList", "names its output \"%1\"")
                      .arg(d.NewFilename + d.NewFileExt);
        d.NewFilename = StripFileExt(FileNamePart(d.InputFile));
        d.NewFileExt.clear();
    }
    // The times: as the task was added, or as an edit sets them (an edit
    // of a record without times of its own keeps only what passes).
    ltvItemData bare = d;
    bare.StartSecs = bare.EndSecs = -1;
    bare.OrigStartSecs = StrToSeconds(d.OrigStartTime);
    bare.OrigEndSecs = StrToSeconds(d.OrigEndTime);
    const ltvItemData edit = ValidateOutputEdit(bare, QString(), d.StartTime, d.EndTime);
    const bool asAdded =
        d.StartTime == d.OrigStartTime && d.EndTime == d.OrigEndTime && d.ClipLength == d.Length;
    const bool asEdited = edit.StartSecs >= 0 && edit.StartSecs == StrToSeconds(d.StartTime) &&
                          edit.EndSecs >= 0 && edit.EndSecs == StrToSeconds(d.EndTime) &&
                          std::abs(edit.ClipLengthSecs - StrToSeconds(d.ClipLength)) < 0.05;
    if (!asAdded && !asEdited) {
        faults << QCoreApplication::translate("SavedTaskList", "has the times %1 to %2")
                      .arg(d.StartTime, d.EndTime);
        d.StartTime = d.OrigStartTime;
        d.EndTime = d.OrigEndTime;
        d.ClipLength = d.Length;
    }
    return faults.join(QCoreApplication::translate("SavedTaskList", " and "));
}

SavedTaskList::Content SavedTaskList::read() const
{
    const QFileInfo info(m_path);
    if (m_path.isEmpty() || !info.exists())
        return {};
    Content c;
    // Neither a pipe, which would hold up the start until someone writes
    // into it, nor a file far beyond any task list is read.
    if (!info.isFile())
        c.error = QCoreApplication::translate("SavedTaskList", "it is not a file.");
    else if (info.size() > MaxFileBytes)
        c.error = QCoreApplication::translate("SavedTaskList", "it is too large.");
    if (!c.error.isEmpty())
        return c;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        c.error = file.errorString() + u'.';
        return c;
    }
    return Parse(file.readAll());
}

int SavedTaskList::offerRestore(
    const std::function<void(TaskStore::TaskId, const QString &)> &setUnfinished,
    const std::function<void(TaskStore::TaskId)> &probeAgain)
{
    const Content content = read();
    if (!content.error.isEmpty()) {
        // Set aside, so that it is neither lost nor read again.
        const QString aside = m_path + QStringLiteral(".damaged");
        QFile::remove(aside);
        QString text =
            QCoreApplication::translate(
                "SavedTaskList", "The task list of the last session \"%1\" cannot be used: %2")
                .arg(QDir::toNativeSeparators(m_path), content.error);
        if (QFile::rename(m_path, aside))
            text += QCoreApplication::translate("SavedTaskList", " It was set aside as \"%1\".")
                        .arg(QDir::toNativeSeparators(aside));
        text += QCoreApplication::translate("SavedTaskList", " The task list starts empty.");
        m_platform.messageBox(
            text, QCoreApplication::translate("SavedTaskList", DamagedCaption.toUtf8().constData()),
            Platform::Icon::Warning);
        return 0;
    }
    QList<Task> unfinished;
    for (const Task &t : content.tasks)
        if (IsUnfinished(t.record.Status))
            unfinished.append(t);
    if (unfinished.isEmpty())
        return 0;
    const QString question =
        unfinished.size() == 1
            ? QCoreApplication::translate("SavedTaskList",
                                          "Restore the 1 unfinished task of the last session?")
            : QCoreApplication::translate("SavedTaskList",
                                          "Restore the %1 unfinished tasks of the last session?")
                  .arg(unfinished.size());
    if (m_platform.messageBox(
            question, QCoreApplication::translate("SavedTaskList", "Restore Tasks"),
            Platform::Icon::Question, Platform::Buttons::YesNo) != Platform::Answer::Yes)
        return 0;

    int restored = 0;
    QStringList damage;
    for (const Task &t : unfinished) {
        if (m_tasks.findCaption(t.record.InputFile) >= 0)
            continue;
        ltvItemData d = t.record;
        if (const QString fault = repair(d); !fault.isEmpty())
            damage << QCoreApplication::translate("SavedTaskList", "task %1 (%2) %3")
                          .arg(restored + 1)
                          .arg(QDir::toNativeSeparators(FileNamePart(d.InputFile)), fault);
        // Its conversion was cut off: it waits for the next run.
        if (d.Status == TaskStatus::Converting)
            d.Status = TaskStatus::OK;
        if (!QFileInfo(d.InputFile).isFile()) {
            // The source is gone: as a probe that found nothing leaves it.
            d.Length.clear();
            d.Size.clear();
            d.Status = TaskStatus::OK;
            d.OrigStartTime = ProbedRangeStart;
            d.OrigEndTime.clear();
            d.ClipLength.clear();
            d.StartTime = ProbedRangeStart;
            d.EndTime.clear();
        }
        const TaskStore::TaskId id = m_tasks.appendRow(d.InputFile);
        const int row = m_tasks.count() - 1;
        m_tasks.SetItemData(row, ItemField::All, d);
        // Only a folder below the output directory.
        const QString subfolder = QDir::cleanPath(t.outputSubfolder);
        if (!t.outputSubfolder.isEmpty() && QDir::isRelativePath(subfolder) &&
            subfolder != QLatin1String("..") && !subfolder.startsWith(QLatin1String("../")))
            m_tasks.setOutputSubfolder(row, subfolder);
        m_tasks.setChoices(row, t.choices);
        if (setUnfinished && !t.unfinishedOutput.isEmpty())
            setUnfinished(id, t.unfinishedOutput);
        if (probeAgain && d.Status == TaskStatus::Probing)
            probeAgain(id);
        if (m_logRestore && !t.logFile.isEmpty())
            m_logRestore(id, t.logFile);
        ++restored;
    }
    if (!damage.isEmpty())
        m_platform.messageBox(
            QCoreApplication::translate(
                "SavedTaskList",
                "The task list of the last session \"%1\" holds damaged values: %2. "
                "These tasks were restored with the name and the times of their "
                "source.")
                .arg(QDir::toNativeSeparators(m_path), damage.join(QStringLiteral("; "))),
            QCoreApplication::translate("SavedTaskList", DamagedCaption.toUtf8().constData()),
            Platform::Icon::Warning);
    return restored;
}
