#include "encoderprocess.h"

#include "platform/childprocess.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

EncoderProcess::EncoderProcess(QObject *parent) : QObject(parent) {}

EncoderProcess::~EncoderProcess()
{
    // No encoder outlives its owner, and no late output reaches a sink whose
    // owner may be gone.
    m_sink = nullptr;
    TerminateEncoder();
}

bool EncoderProcess::start(const QString &program, const QStringList &args, qint64 chunkBytes,
                           OutputSink sink)
{
    if (m_process && m_process->state() != QProcess::NotRunning)
        TerminateEncoder();
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardInputFile(QProcess::nullDevice());
    EndWithThisProgram(*m_process);
    m_sink = std::move(sink);
    m_chunkBytes = chunkBytes > 0 ? chunkBytes : 4096;
    m_fresh = 0;
    m_timedOut = false;
    m_startError.clear();
    // Read as it comes: the process reads the pipe whenever it has data, in
    // whatever event loop runs, and this takes all of it at once.
    connect(m_process.get(), &QProcess::readyRead, this, &EncoderProcess::drain);
    connect(m_process.get(), &QProcess::finished, this, &EncoderProcess::activity);
    m_process->start(program, args, QIODevice::ReadOnly);
    if (!m_process->waitForStarted(-1)) {
        m_startError = m_process->errorString();
        return false;
    }
    return true;
}

void EncoderProcess::drain()
{
    if (!m_process)
        return;
    QProcess *p = m_process.get();
    while (p->bytesAvailable() > 0) {
        const QByteArray chunk = p->read(m_chunkBytes);
        if (chunk.isEmpty())
            break;
        ++m_fresh;
        if (m_sink)
            m_sink(chunk);
        if (m_process.get() != p)
            return; // the sink started another encoder
    }
    if (m_fresh > 0)
        emit activity();
}

bool EncoderProcess::takeFresh()
{
    drain();
    if (m_fresh == 0)
        return false;
    m_fresh = 0;
    return true;
}

bool EncoderProcess::waitForOutput(int timeoutMs)
{
    m_timedOut = false;
    if (!m_process)
        return false;
    // No timeout: wait as long as the encoder runs. (Forever must be passed
    // as such; as an int it would be a deadline of 0 ms.)
    const QDeadlineTimer deadline =
        timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    for (;;) {
        if (takeFresh())
            return true;
        if (m_process->state() == QProcess::NotRunning)
            return false;
        const int left = deadline.isForever() ? -1 : int(deadline.remainingTime());
        if (left == 0) {
            m_timedOut = true;
            return false;
        }
        // What the process reads meanwhile goes to the sink through drain().
        m_process->waitForReadyRead(left);
    }
}

bool EncoderProcess::waitForOutputProcessingEvents()
{
    m_timedOut = false;
    if (!m_process)
        return false;
    // Handlers run during the wait may destroy this object or start another
    // encoder; either ends the output being waited for.
    const QPointer<EncoderProcess> alive(this);
    for (;;) {
        if (takeFresh())
            return true;
        if (m_process->state() == QProcess::NotRunning)
            return false;
        // Sleep in the event loop until the encoder writes or ends.
        QEventLoop loop;
        QProcess *p = m_process.get();
        connect(p, &QProcess::readyRead, &loop, &QEventLoop::quit);
        connect(p, &QProcess::finished, &loop, &QEventLoop::quit);
        connect(p, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        connect(p, &QObject::destroyed, &loop, &QEventLoop::quit);
        if (m_fresh > 0 || p->bytesAvailable() > 0 || p->state() == QProcess::NotRunning)
            continue;
        const int result = loop.exec();
        if (!alive || m_process.get() != p)
            return false;
        if (result < 0) {
            // The application is quitting and refuses to run event loops:
            // wait for the encoder directly, or its output and its end would
            // never be noticed and this would spin for ever.
            p->waitForReadyRead(100);
        }
    }
}

void EncoderProcess::TerminateEncoder()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(KillAfterMs)) {
        m_process->kill();
        m_process->waitForFinished(-1);
    }
}

void EncoderProcess::requestEnd()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    QProcess *p = m_process.get();
    p->terminate();
    // Bound to the process: a later start, which replaces it, drops the timer.
    QTimer::singleShot(KillAfterMs, Qt::PreciseTimer, p, [p] {
        if (p->state() != QProcess::NotRunning)
            p->kill();
    });
}

void EncoderProcess::kill()
{
    if (m_process && m_process->state() != QProcess::NotRunning)
        m_process->kill();
}

bool EncoderProcess::hasNews() const
{
    return m_fresh > 0 || (m_process && (m_process->bytesAvailable() > 0 ||
                                         m_process->state() == QProcess::NotRunning));
}

bool EncoderProcess::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

int EncoderProcess::exitCode() const
{
    return m_process ? m_process->exitCode() : -1;
}

bool EncoderProcess::crashed() const
{
    return m_process && m_process->exitStatus() == QProcess::CrashExit;
}

QString EncoderProcess::errorString() const
{
    if (!m_startError.isEmpty())
        return m_startError;
    return m_process ? m_process->errorString() : QString();
}
