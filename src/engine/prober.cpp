#include "prober.h"

#include "platform/childprocess.h"
#include "probe.h"

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
    EndProcessesOf(this, std::move(m_process));
}

namespace {

// Where the line that opens the report on input k ("Input #k, ...") starts,
// searching from `from`; -1 while it has not come.
qsizetype headerAt(const QByteArray &report, int k, qsizetype from)
{
    const QByteArray header = "Input #" + QByteArray::number(k) + ", ";
    for (qsizetype at = report.indexOf(header, from); at >= 0; at = report.indexOf(header, at + 1))
        if (at == 0 || report.at(at - 1) == '\n')
            return at;
    return -1;
}

// End of the report on an input whose opening line starts at header: its
// lines are indented, and the first line that is not belongs to the next
// input. At most limit.
qsizetype blockEnd(const QByteArray &report, qsizetype header, qsizetype limit)
{
    for (qsizetype eol = report.indexOf('\n', header); eol >= 0 && eol + 1 < limit;
         eol = report.indexOf('\n', eol + 1)) {
        const char c = report.at(eol + 1);
        if (c != ' ' && c != '\t')
            return eol + 1;
    }
    return limit;
}

} // namespace

bool Prober::batchable(const QString &path)
{
    return !path.contains(u'\n') && !path.contains(u'\r');
}

void Prober::start(const QString &path)
{
    start(QStringList{path});
}

void Prober::start(const QStringList &paths)
{
    cancel();
    // Results of an earlier file never leak into this one.
    m_paths = paths.size() > 1 ? paths : QStringList();
    m_path = paths.size() == 1 ? paths.first() : QString();
    m_answered = 0;
    m_segmentStart = 0;
    m_prefixEnd = 0;
    m_unansweredFrom = -1;
    m_startFailed = false;
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
    EndWithThisProgram(*p);
    connect(p, &QProcess::readyRead, this, &Prober::takeOutput);
    connect(p, &QProcess::finished, this, [this] { ended(true); });
    connect(p, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(false);
    });
    QStringList args;
    for (const QString &path : paths)
        args << QStringLiteral("-i") << path;
    m_starting = true;
    p->start(m_encoderPath, args, QIODevice::ReadOnly);
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
        if (!m_paths.isEmpty()) {
            takeBatchReports(false);
            if (!m_running)
                return; // cancelled by whoever took the results
        }
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
        if (!m_running)
            return; // cancelled by whoever took the results
        m_crashed = !m_endedByUs && m_process->exitStatus() == QProcess::CrashExit;
        m_lastReport = QString::fromUtf8(m_report.bytes());
        if (m_paths.isEmpty()) {
            m_results = ProbeResultsFromReport(m_lastReport, m_path);
        } else {
            takeBatchReports(!m_endedByUs && m_process->exitStatus() == QProcess::NormalExit);
            if (!m_running)
                return;
        }
    } else {
        m_startFailed = true;
    }
    if (!m_paths.isEmpty() && m_answered < m_paths.size())
        m_unansweredFrom = m_answered;
    m_report.clear();
    m_running = false;
    if (m_starting) {
        // Inside start(): the caller hears of the end from the event loop.
        QMetaObject::invokeMethod(this, &Prober::finished, Qt::QueuedConnection);
        return;
    }
    emit finished();
}

void Prober::takeBatchReports(bool complete)
{
    // Each input's report is read as a single probe would have read it: the
    // encoder's opening lines, then the lines on that input alone.
    const QByteArray &bytes = m_report.bytes();
    while (m_answered < m_paths.size()) {
        const int k = m_answered;
        const qsizetype header = headerAt(bytes, k, m_segmentStart);
        if (header < 0)
            return;
        const qsizetype next = k + 1 < m_paths.size() ? headerAt(bytes, k + 1, header + 1) : -1;
        qsizetype end = -1;
        if (next >= 0)
            end = blockEnd(bytes, header, next);
        else if (complete)
            // The encoder ended by itself: it reported on this input in full
            // and went on to the next, if any, which it could not open.
            end = k + 1 == m_paths.size() ? bytes.size() : blockEnd(bytes, header, bytes.size());
        else
            return;
        if (k == 0)
            m_prefixEnd = header;
        const QByteArray text =
            k == 0 ? bytes.left(end)
                   : bytes.left(m_prefixEnd) + bytes.mid(m_segmentStart, end - m_segmentStart);
        m_segmentStart = end;
        ++m_answered;
        emit inputProbed(k, ProbeResultsFromReport(QString::fromUtf8(text), m_paths.at(k)));
        if (!m_running)
            return;
    }
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
    LetGoOfProcess(std::move(m_process), this);
}
