#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class ProbeHelper;
struct ltvItemData;

// Tells a finished output from a bad one: after an encoder has ended with
// success (or before Skip keeps an existing file), the file is read the way
// a source is probed, with the media reader (see ProbeHelper), or with the
// encoder where the reader cannot answer or is not to be used. The output
// passes when it exists, is not empty and opens; has a video stream unless
// the profile drops the picture; has an audio stream when the source has one
// and the profile keeps the sound; and is as long as the clip, within
// max(1 s, 2 %), when the clip's length is known. Every check ends with
// checked(), from the event loop; nothing waits for a reader or an encoder.
class OutputCheck : public QObject
{
    Q_OBJECT
public:
    using TaskId = quint64;

    // What the output of a task should be.
    struct Expectation
    {
        QString source;      // asked about when the output lacks a stream
        double seconds = -1; // the clip's length; no length check when unknown
        bool video = true;   // false: the profile makes audio only
        bool audio = true;   // false: the profile drops the sound
    };

    // What a check found.
    struct Verdict
    {
        bool passed = false;
        QString reason;       // why it did not pass
        double measured = -1; // the output's length; -1 when unknown
        double expected = -1; // the length checked against; -1 for none
        bool video = false;
        bool audio = false;
        // A line for the task's log: what was found, or why it failed.
        QString report() const;
    };

    explicit OutputCheck(const QString &encoderPath, QObject *parent = nullptr);
    ~OutputCheck() override;

    // The media reader (quivercast-probe); empty: the encoder reads every
    // output. encoderOnly, asked at each read, may turn the reader off.
    void setReader(const QString &program, std::function<bool()> encoderOnly = {});

    // The expectation of a task converted with these encoder arguments.
    static Expectation expectationFor(const ltvItemData &task, const QStringList &arguments);
    // How far the output's length may be off the clip's.
    static double tolerance(double seconds);

    // Checks output; a check of the same task still under way is dropped.
    void check(TaskId id, const QString &output, const Expectation &expectation);
    // The task's check goes away without a report.
    void cancel(TaskId id) { m_jobs.remove(id); }
    bool isChecking(TaskId id) const { return m_jobs.contains(id); }

signals:
    void checked(OutputCheck::TaskId id, const OutputCheck::Verdict &verdict);

private:
    // What a read of one file found.
    struct Facts
    {
        bool opened = false;
        QString failure;
        double seconds = -1;
        bool video = false;
        bool audio = false;
    };
    using Done = std::function<void(const Facts &)>;

    struct Job
    {
        quint64 generation = 0;
        QString output;
        Expectation expectation;
        Facts facts; // the output's
    };

    // Reads path; done is called from the event loop.
    void read(const QString &path, Done done);
    void readByEncoder(const QString &path, Done done);
    bool readerUsable() const;
    ProbeHelper *reader();
    // Calls f when the task's check is still the one of generation.
    Done forJob(TaskId id, std::function<void(Job &, const Facts &)> f);
    void outputRead(TaskId id, Job &job);
    void sourceRead(TaskId id, Job &job, const Facts &source);
    void finish(TaskId id, Verdict verdict);

    QString m_encoderPath;
    QString m_readerProgram;
    std::function<bool()> m_encoderOnly;
    bool m_readerUnavailable = false;
    ProbeHelper *m_reader = nullptr;
    std::deque<std::pair<QString, Done>> m_inReader; // in flight, oldest first
    QHash<TaskId, Job> m_jobs;
    quint64 m_generation = 0;
};
