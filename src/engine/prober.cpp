#include "prober.h"

#include "probe.h"

#include <QEventLoop>

Prober::Prober(const QString &encoderPath, QObject *parent)
    : QObject(parent), m_encoderPath(encoderPath)
{
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        // A source that never answers (a stalled mount, a FIFO).
        m_timedOut = true;
        m_endedByUs = true;
        if (m_process)
            m_process->kill();
    });
}

Prober::~Prober()
{
    // The encoder in progress and those let go but not yet reaped.
    QList<QProcess *> processes = findChildren<QProcess *>(Qt::FindDirectChildrenOnly);
    if (m_process)
        processes.append(m_process.get());
    for (QProcess *p : processes) {
        p->disconnect(this);
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished();
        }
    }
}

void Prober::start(const QString &path)
{
    cancel();
    // Results of an earlier file never leak into this one.
    m_path = path;
    m_results = ProbeResults();
    m_lastReport.clear();
    m_timedOut = false;
    m_crashed = false;
    m_endedByUs = false;
    m_report.clear();
    m_running = true;

    m_process = std::make_unique<QProcess>();
    QProcess *p = m_process.get();
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->setStandardInputFile(QProcess::nullDevice());
    connect(p, &QProcess::readyRead, this, &Prober::takeOutput);
    connect(p, &QProcess::finished, this, [this] { ended(true); });
    connect(p, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(false);
    });
    m_starting = true;
    p->start(m_encoderPath, {QStringLiteral("-i"), path}, QIODevice::ReadOnly);
    m_starting = false;
    if (!m_running)
        return; // could not even be started: finished() is on its way
    if (m_timeoutMs >= 0)
        m_limit.start(m_timeoutMs);
}

void Prober::takeOutput()
{
    QProcess *p = m_process.get();
    if (!p)
        return;
    // The report arrives in any number of reads, with lines cut anywhere, so
    // its bytes are joined (up to the report's cap) and parsed at the end.
    while (p->bytesAvailable() > 0) {
        const QByteArray chunk = p->read(ChunkBytes);
        if (chunk.isEmpty())
            break;
        if (m_report.full())
            continue;
        m_report.append(chunk);
        m_lastChunk = QString::fromUtf8(chunk);
        emit chunkRead(m_lastChunk);
        if (m_report.full() && !m_endedByUs) {
            // Everything a probe needs stands at the top; the rest is not
            // worth reading.
            m_endedByUs = true;
            p->kill();
        }
    }
}

void Prober::ended(bool started)
{
    if (!m_running)
        return;
    m_limit.stop();
    if (started) {
        takeOutput();
        m_crashed = !m_endedByUs && m_process->exitStatus() == QProcess::CrashExit;
        m_lastReport = QString::fromUtf8(m_report.bytes());
        const ProbeResult found = ParseProbeReport(m_lastReport, m_path);
        m_results = {found.duration, found.frameSize, RangeStartText, found.duration};
    }
    m_report.clear();
    m_running = false;
    if (m_starting) {
        // Inside start(): the caller hears of the end from the event loop.
        QMetaObject::invokeMethod(this, &Prober::finished, Qt::QueuedConnection);
        return;
    }
    emit finished();
}

void Prober::cancel()
{
    m_limit.stop();
    m_running = false;
    m_report.clear();
    release();
}

void Prober::release()
{
    if (!m_process)
        return;
    QProcess *p = m_process.release();
    p->disconnect(this);
    if (p->state() == QProcess::NotRunning) {
        p->deleteLater();
        return;
    }
    // Kept as our child until it has ended, so that it dies with us at the
    // latest.
    p->setParent(this);
    connect(p, &QProcess::finished, p, &QObject::deleteLater);
    p->kill();
}

void Prober::ProbeFile(const QString &path)
{
    QEventLoop loop;
    connect(this, &Prober::finished, &loop, &QEventLoop::quit);
    start(path);
    loop.exec();
}
