#include "encoderprocess.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>

EncoderProcess::EncoderProcess(QObject *parent) : QObject(parent) {}

EncoderProcess::~EncoderProcess()
{
    // No encoder outlives its owner.
    TerminateEncoder();
}

bool EncoderProcess::start(const QString &program, const QStringList &args)
{
    if (m_process && m_process->state() != QProcess::NotRunning)
        TerminateEncoder();
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_timedOut = false;
    m_terminated = false;
    m_startError.clear();
    m_process->start(program, args, QIODevice::ReadOnly);
    if (!m_process->waitForStarted(-1)) {
        m_startError = m_process->errorString();
        return false;
    }
    return true;
}

bool EncoderProcess::takeAvailable(QByteArray &chunk, qint64 maxBytes)
{
    if (m_process->bytesAvailable() <= 0)
        return false;
    chunk = m_process->read(maxBytes);
    return !chunk.isEmpty();
}

bool EncoderProcess::readChunk(QByteArray &chunk, qint64 maxBytes, int timeoutMs)
{
    chunk.clear();
    m_timedOut = false;
    if (!m_process)
        return false;
    // No timeout: wait as long as the encoder runs. (Forever must be passed
    // as such; as an int it would be a deadline of 0 ms.)
    const QDeadlineTimer deadline =
        timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    for (;;) {
        if (takeAvailable(chunk, maxBytes))
            return true;
        if (m_process->state() == QProcess::NotRunning)
            return false;
        const int left = deadline.isForever() ? -1 : int(deadline.remainingTime());
        if (left == 0) {
            m_timedOut = true;
            return false;
        }
        m_process->waitForReadyRead(left);
    }
}

bool EncoderProcess::readChunkProcessingEvents(QByteArray &chunk, qint64 maxBytes)
{
    chunk.clear();
    m_timedOut = false;
    if (!m_process)
        return false;
    // Handlers run during the wait may destroy this object or start another
    // encoder; either ends the output being waited for.
    const QPointer<EncoderProcess> alive(this);
    for (;;) {
        if (takeAvailable(chunk, maxBytes))
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
        if (p->bytesAvailable() > 0 || p->state() == QProcess::NotRunning)
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
    m_terminated = true;
    m_process->terminate();
    if (!m_process->waitForFinished(3000)) {
        m_process->kill();
        m_process->waitForFinished(-1);
    }
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
