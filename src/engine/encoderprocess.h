#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <functional>
#include <memory>

class ProcessControl;

// The external encoder: started with an argument list, standard output and
// standard error merged into one channel, standard input the null device.
// Everything it does is told by signals from the event loop; nothing here
// ever waits for it. Its output is read as it comes: every time the pipe has
// something, all of it is read at once, in chunks of at most the size given
// at the start, and each chunk goes straight to the caller's sink, so an
// encoder that prints without pause costs no more memory than one read.
class EncoderProcess : public QObject
{
    Q_OBJECT
public:
    // Receives every chunk of the encoder's output, in order, as it is read.
    using OutputSink = std::function<void(const QByteArray &chunk)>;

    static constexpr int KillAfterMs = 3000;

    explicit EncoderProcess(QObject *parent = nullptr);
    // An encoder still running is ended (see end()).
    ~EncoderProcess() override;

    // What suspends and continues the encoder (pause()); without one it
    // cannot be paused.
    void setProcessControl(ProcessControl *control) { m_control = control; }

    // Starts program with args; its output goes to sink in chunks of at most
    // chunkBytes bytes. started() or failedToStart() follows from the event
    // loop, never from inside this call. An encoder this object still runs
    // is ended first.
    void start(const QString &program, const QStringList &args, qint64 chunkBytes, OutputSink sink);

    // Asks the encoder to end (continued first when paused) and kills it
    // when it has not ended within KillAfterMs; finished() follows.
    void requestEnd();
    // Kills it at once (continued first when paused); finished() follows.
    void kill();
    // Ends it at once without any signal to come: it is let go (see LetGo)
    // and this object is free for the next start.
    void end();

    // Suspends and continues the running encoder. False when it does not run
    // or there is no process control.
    bool pause();
    bool resume();
    bool isPaused() const { return m_paused; }

    // Started and not yet ended (also while being started).
    bool isRunning() const;
    qint64 processId() const;
    // Exit status of the encoder started last, once it has ended.
    int exitCode() const;
    bool crashed() const;
    QString errorString() const;

signals:
    void started();
    // It could not be started (missing, not executable, no channels);
    // reason is the system's.
    void failedToStart(const QString &reason);
    // Output went to the sink (once for everything read at one time).
    void outputRead();
    // It has ended and all of its output has gone to the sink.
    void finished();

private:
    // Hands everything the process has read on to the sink.
    void drain();
    void takeError(quint64 generation, QProcess::ProcessError error);

    std::unique_ptr<QProcess> m_process;
    ProcessControl *m_control = nullptr;
    OutputSink m_sink;
    qint64 m_chunkBytes = 4096;
    quint64 m_generation = 0; // of the process started last
    bool m_paused = false;
    QString m_startError;
};
