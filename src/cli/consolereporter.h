#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdio>

struct ltvItemData;

// Everything the command-line program tells while it works, in one of three
// forms:
// - Terminal (standard output is a terminal): a finished task gets a line;
//   the file being converted (name, percent, encoder speed, time left) and
//   the whole run have a line each, redrawn in place;
// - Lines: one line a task when it ends;
// - Json: one JSON object a line for each event.
// Quiet keeps only failures and the summary. Failures and messages go to the
// standard error output, the rest to the standard output.
class ConsoleReporter
{
public:
    enum class Mode
    {
        Terminal,
        Lines,
        Json
    };

    struct Summary
    {
        int tasks = 0;
        int complete = 0;
        int failed = 0;
        int skipped = 0;
        int stopped = 0;
        int notConverted = 0;
        int trashed = 0; // sources moved to the Trash
        double seconds = 0;
        bool interrupted = false;
        int exitStatus = 0;
    };

    // What the check of a task's output found.
    struct Check
    {
        bool checked = false;
        bool verified = false;
        double measured = -1; // the output's length; -1 unknown
        double expected = -1; // the length checked against; -1 none
        bool trashed = false; // the source was moved to the Trash
    };

    ConsoleReporter(Mode mode, bool quiet, FILE *out = stdout, FILE *err = stderr);
    ~ConsoleReporter();

    // The task numbers are positions in the whole task list, from 0.
    void taskAdded(int task, const ltvItemData &record);
    // --dry-run: the command line of a task, as one text and as arguments.
    void commandLine(int task, const QString &input, const QString &text,
                     const QStringList &arguments);
    void taskStarted(int task, const QString &input, const QString &program,
                     const QStringList &arguments);
    // The progress of task (the one whose encoder reported last when
    // several run) and of the whole run.
    void progress(int task, int currentPercent, int totalPercent);
    void speed(const QString &speed);
    void elapsed(const QString &text);
    void remaining(const QString &text);
    void taskEnded(int task, const QString &input, const QString &output, const QString &status,
                   int exitCode, double seconds, const QStringList &errorLines,
                   const Check &check);
    void summary(const Summary &summary);
    // How many tasks the run converts, for the total line.
    void setTaskCount(int count) { m_taskCount = count; }

    // A line for the standard error output ("quivercast-cli: " is put in
    // front); shown also when quiet.
    void error(const QString &text);
    // A note for the standard error output; left out when quiet.
    void notice(const QString &text);
    // An event of the watched folder ("watching", "seen", "ready",
    // "unavailable", "available") about path: a JSON object; in the other
    // modes a notice for the watch's own state only.
    void watchEvent(const QString &event, const QString &path);

private:
    void writeOut(const QByteArray &line);
    void writeErr(const QByteArray &line);
    void json(const class QJsonObject &object);
    void drawProgress();
    void clearProgress();

    Mode m_mode;
    bool m_quiet;
    FILE *m_out;
    FILE *m_err;

    // The task shown in progress, for the lines drawn in place.
    int m_taskCount = 0;
    int m_ended = 0;
    int m_task = -1;
    QString m_name;
    QHash<int, QString> m_started; // the names of the tasks in progress
    // JSON: a task's events follow its "added" event (a conversion may start
    // before its probe has ended); those that come earlier wait here.
    QSet<int> m_added;
    QMap<int, QList<QByteArray>> m_held;
    QString m_speed;
    QString m_elapsed;
    QString m_remaining;
    int m_current = 0;
    int m_total = 0;
    QElapsedTimer m_taskClock;
    bool m_drawn = false;
};
