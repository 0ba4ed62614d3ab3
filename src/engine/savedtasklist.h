#pragma once

#include "backgroundwriter.h"
#include "itemdata.h"
#include "taskstore.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>

class Platform;

// The task list kept between sessions, so that unfinished work survives the
// end of the program, a crash or a power cut. Every change of the list is
// written within SaveDelayMs (at most once a second) by a thread of its own,
// so that the window never waits for the disk, and at once through
// saveNow() (the run does so before each encoder starts). The file is
// replaced atomically. Only the tasks that changed are formatted again.
//
// The file is plain UTF-8 text, one record per task:
//   [Task List]
//   Format=1
//   [Task]
//   InputFile=/videos/clip.avi
//   Length=00:02:05.40
//   ... one Key=Value line for every text of the task's record ...
//   UnfinishedOutput=/out/clip.mp4      (only while a conversion was cut off)
//   OutputSubfolder=holiday/day 1       (only for a task found in a subfolder)
//   Log=6f1c....log                     (only for a failed or stopped task's log)
//   Profile=/.../Profiles/MP4.apf       (these three only for a task with
//   OutputDirectory=/videos/converted    choices of its own, see
//   Existing=rename                      TaskChoices)
//   [End]
// Keys a reader does not know, and sections other than these, are ignored,
// so later versions can add fields; a missing key reads as empty. "%", CR
// and LF in values are written as %25, %0D and %0A. A file without its
// closing [End] was cut short and counts as damaged.
class SavedTaskList : public QObject
{
    Q_OBJECT
public:
    static constexpr int SaveDelayMs = 1000;
    static inline const QString DamagedCaption =
        QStringLiteral(QT_TRANSLATE_NOOP("SavedTaskList", "Task List Damaged"));
    // A list of a thousand tasks takes about half a megabyte.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
    // The longest stretch of formatting between two turns of the event loop.
    static constexpr int FormatSliceMs = 5;

    struct Task
    {
        ltvItemData record;
        // The output file a conversion of the task was writing when the
        // program ended (see BatchRun::unfinishedOutput).
        QString unfinishedOutput;
        // The subfolder of the output directory the task writes into (see
        // TaskStore::outputSubfolder).
        QString outputSubfolder;
        // The file that keeps the task's log (see SavedTaskLogs).
        QString logFile;
        TaskChoices choices = {};
    };
    struct Content
    {
        QList<Task> tasks;
        QString error; // why the file cannot be used; empty when it can
    };

    // path empty: nothing is ever written or read.
    SavedTaskList(TaskStore &tasks, Platform &platform, const QString &path,
                  QObject *parent = nullptr);

    QString path() const { return m_path; }
    // Where a task's unfinished output is read when the list is written.
    void setUnfinishedOutputSource(std::function<QString(TaskStore::TaskId)> source)
    {
        m_unfinishedSource = std::move(source);
    }
    // Where a task's log file is asked for when the list is written (given
    // the task's status), and where a restored task's goes.
    void setLogFiles(std::function<QString(TaskStore::TaskId, const QString &)> source,
                     std::function<void(TaskStore::TaskId, const QString &)> restore)
    {
        m_logSource = std::move(source);
        m_logRestore = std::move(restore);
    }

    // At start-up: when the file holds tasks that were not converted, asks
    // whether to restore them; on Yes they are appended to the task list as
    // they were (a task that was converting as "OK", a task whose source is
    // gone as after a failed probe, each into its output subfolder) and
    // setUnfinished gets each restored task's unfinished output; a task whose
    // probe had not ended goes to probeAgain. A damaged file is reported and
    // set aside. Returns the number of tasks restored.
    int offerRestore(const std::function<void(TaskStore::TaskId, const QString &)> &setUnfinished,
                     const std::function<void(TaskStore::TaskId)> &probeAgain = {});

    // From now on changes are written (until then the file still holds the
    // list of the last session).
    void start() { m_started = true; }
    bool started() const { return m_started; }
    void scheduleSave();
    void saveNow();

    // Not converted yet: any status but "Complete" and "Skipped".
    static bool IsUnfinished(const QString &status);
    // A restored task passes the checks a typed edit passes (a plain output
    // name, times within the source): what fails them takes the source's
    // name, or the whole source's times. Says what was wrong ("names its
    // output ..."), empty when nothing was.
    static QString repair(ltvItemData &task);
    static QByteArray Format(const QList<Task> &tasks);
    // The lines of one task in the file.
    static QByteArray FormatTask(const Task &task);
    // A value as a line keeps it: "%", CR and LF written as %25, %0D, %0A.
    static QByteArray EscapeValue(const QString &value);
    static QString UnescapeValue(const QByteArray &value);
    static Content Parse(const QByteArray &bytes);
    // The file's content; a missing file is an empty list.
    Content read() const;

signals:
    // The list was written.
    void saved();

private:
    // A task's lines as last formatted, and what they were formatted from
    // beyond its record.
    struct Formatted
    {
        QByteArray lines;
        QString unfinishedOutput;
        QString outputSubfolder;
        TaskChoices choices;
        QString logFile;
    };

    // The task's lines in the file, formatted again when it changed.
    const Formatted &formatted(int row);
    // Formats changed tasks for at most FormatSliceMs.
    void formatChanged();
    // The file's content for the task list as it stands, in parts.
    QByteArrayList current();
    void saveInBackground();
    // A write has ended; error empty when it succeeded.
    void written(const QString &error);

    TaskStore &m_tasks;
    Platform &m_platform;
    QString m_path;
    std::function<QString(TaskStore::TaskId)> m_unfinishedSource;
    QHash<TaskStore::TaskId, Formatted> m_formatted;
    QSet<TaskStore::TaskId> m_changed; // records changed since they were formatted
    QTimer m_formatSlice;
    BackgroundWriter m_writer;
    std::function<QString(TaskStore::TaskId, const QString &)> m_logSource;
    std::function<void(TaskStore::TaskId, const QString &)> m_logRestore;
    QTimer m_timer;
    bool m_started = false;
    bool m_failureReported = false;
};
