#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

#include <sys/types.h>

class OutputRecords;

// The output file of every task of a task list, named once for the whole
// list, so that a run with one encoder or several, a dry run and every share
// of a list (--shard) name each task alike, whenever they run.
//
// Names are chosen in list order. A task's plain name is its NewFilename
// with the output extension in its output folder; when that cannot be used,
// the name takes the task's position in the list, counted from 1
// (NewFilename_3), then NewFilename_3_2, _3_3, ... A name cannot be used
// when it is:
// - the output of a task before it in the list (outputs never collide,
//   whatever the mode),
// - a source of any task of the list, under any spelling (links, "..", hard
//   links),
// - a folder, or a folder the run makes for the tasks' subfolders,
// - an unfinished output (see OutputRecords) of another source of the list,
//   or one that another program is writing now,
// - with Rename: any other existing file; a link, dangling or not, counts
//   as an existing file.
// With Overwrite and Skip no other existing file changes a name, so their
// names depend only on the list. Skip then keeps an existing file of the
// task's name, unless it is an unfinished output. The task's own unfinished
// output (of its source) is converted over in every mode.
class OutputPlan
{
public:
    enum class Existing
    {
        Overwrite,
        Rename,
        Skip
    };
    struct Settings
    {
        QString outputDir;
        // "." + the profile's type; when empty, the task's own extension,
        // and ".mp4" when it has none either.
        QString outputExt;
        Existing existing = Existing::Overwrite;
        bool operator==(const Settings &) const = default;
    };
    struct Task
    {
        QString source;    // InputFile
        QString name;      // NewFilename
        QString ext;       // NewFileExt
        QString subfolder; // of the output folder, "/"-separated
        // Named already (its conversion has begun): it keeps this output,
        // which no other task takes. Empty: named by the plan.
        QString output;
        // The task's own settings (a watch folder's), else the list's.
        std::optional<Settings> own = std::nullopt;
        bool operator==(const Task &) const = default;
    };
    // What a task does at its turn.
    struct Turn
    {
        QString output;
        // Skip: the existing file is kept and nothing is converted.
        bool keep = false;
        // What is in the output's place is not a plain file of its own (a
        // link, a pipe, a file with other names): it is removed before the
        // encoder starts, so that the encoder never writes through it.
        bool replace = false;
    };

    // Names every task (records may be null: no outputs are known).
    // refused: keys (OutputRecords::keyOf) of existing files Skip was not to
    // keep (they did not pass the output check): never used, never touched.
    OutputPlan(const Settings &settings, const QList<Task> &tasks, const OutputRecords *records,
               const QSet<QString> &refused = {});

    int count() const { return int(m_tasks.size()); }
    // The output of the task at index in the list, as planned.
    QString output(int index) const;
    // The task at index is about to be converted: its output is checked
    // again against the disk as it is now. Should its name have become
    // unusable meanwhile (a folder or, with Rename, a file put there), the
    // task takes its next free name.
    Turn turn(int index);

private:
    enum class Verdict
    {
        Taken,   // another name is needed
        Free,    // convert into it
        Replace, // convert into it once its entry is removed
        Keep     // Skip: keep it
    };
    struct Planned
    {
        QString folder;    // as spelled: the output folder or its subfolder
        QString folderKey; // canonical
        QString sourceKey;
        int attempt = 0; // 0 plain, 1 indexed, 2 and on indexed with _2, ...
        Verdict verdict = Verdict::Free;
        QString fixedKey; // of a task named already
    };
    using FileId = QPair<dev_t, ino_t>;

    const Settings &settingsOf(int index) const
    {
        return m_tasks[index].own ? *m_tasks[index].own : m_settings;
    }
    QString fileName(int index, int attempt) const;
    QString key(int index, int attempt) const;
    Verdict judge(int index, int attempt) const;
    void choose(int index, int firstAttempt);
    QString canonicalFolder(const QString &folder);

    Settings m_settings;
    QList<Task> m_tasks;
    QList<Planned> m_planned;
    const OutputRecords *m_records;
    QSet<QString> m_refused;
    QHash<QString, int> m_claimed; // key of an output -> its task
    QSet<QString> m_sourceKeys;
    QSet<FileId> m_sourceIds;
    QSet<QString> m_folderKeys; // folders the run makes
    QHash<QString, QString> m_canonical;
};
