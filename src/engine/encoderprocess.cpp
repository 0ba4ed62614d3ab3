#include "encoderprocess.h"

#include "platform/childprocess.h"
#include "platform/processcontrol.h"

#include <QTimer>

EncoderProcess::EncoderProcess(QObject *parent) : QObject(parent) {}

EncoderProcess::~EncoderProcess()
{
    // No encoder outlives its owner, and no late output reaches a sink whose
    // owner may be gone.
    end();
}

void EncoderProcess::start(const QString &program, const QStringList &args, qint64 chunkBytes,
                           OutputSink sink)
{
    end();
    m_process = std::make_unique<QProcess>();
    QProcess *p = m_process.get();
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->setStandardInputFile(QProcess::nullDevice());
    EndWithThisProgram(*p);
    m_sink = std::move(sink);
    m_chunkBytes = chunkBytes > 0 ? chunkBytes : 4096;
    m_paused = false;
    m_startError.clear();
    // Read as it comes: the process reads the pipe whenever it has data and
    // this takes all of it at once.
    connect(p, &QProcess::readyRead, this, &EncoderProcess::drain);
    connect(p, &QProcess::started, this, &EncoderProcess::started);
    connect(p, &QProcess::finished, this, [this] {
        drain();
        m_paused = false;
        emit finished();
    });
    // A start that fails inside QProcess::start() (no channels) is told from
    // the event loop like any other.
    const quint64 generation = ++m_generation;
    connect(
        p, &QProcess::errorOccurred, this,
        [this, generation](QProcess::ProcessError error) { takeError(generation, error); },
        Qt::QueuedConnection);
    p->start(program, args, QIODevice::ReadOnly);
}

void EncoderProcess::takeError(quint64 generation, QProcess::ProcessError error)
{
    // Only a failed start ends the encoder without finished(); the other
    // errors (a crash) come with it. An encoder let go meanwhile is past
    // telling.
    if (generation != m_generation || !m_process || error != QProcess::FailedToStart)
        return;
    m_startError = m_process->errorString();
    emit failedToStart(m_startError);
}

void EncoderProcess::drain()
{
    QProcess *p = m_process.get();
    if (!p)
        return;
    bool read = false;
    while (p->bytesAvailable() > 0) {
        const QByteArray chunk = p->read(m_chunkBytes);
        if (chunk.isEmpty())
            break;
        read = true;
        if (m_sink)
            m_sink(chunk);
        if (m_process.get() != p)
            return; // the sink ended this encoder
    }
    if (read)
        emit outputRead();
}

void EncoderProcess::requestEnd()
{
    if (!isRunning())
        return;
    resume();
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
    if (!isRunning())
        return;
    resume();
    m_process->kill();
}

void EncoderProcess::end()
{
    m_sink = nullptr;
    resume();
    LetGoOfProcess(std::move(m_process), this);
}

bool EncoderProcess::pause()
{
    if (m_paused || !m_control || !isRunning() || processId() <= 0)
        return false;
    m_paused = m_control->suspend(processId());
    return m_paused;
}

bool EncoderProcess::resume()
{
    if (!m_paused)
        return false;
    m_paused = false;
    return m_control && isRunning() && m_control->resume(processId());
}

bool EncoderProcess::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

qint64 EncoderProcess::processId() const
{
    return m_process ? m_process->processId() : 0;
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
