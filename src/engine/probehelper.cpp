#include "probehelper.h"

#include "platform/childprocess.h"

#include <QFile>
#include <QList>

namespace {

// An answer is a few hundred bytes; a "line" this long is not one.
constexpr qsizetype MaxLineBytes = 64 * 1024;

} // namespace

ProbeHelper::ProbeHelper(const QString &program, int deadlineMs, QObject *parent)
    : QObject(parent), m_program(program), m_deadlineMs(deadlineMs)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        if (m_greeted)
            dropReader(QStringLiteral("the media reader gave no answer in time"));
        else
            giveUp(QStringLiteral("it did not start in time"));
    });
}

ProbeHelper::~ProbeHelper()
{
    // The reader in use and those let go but not yet reaped. A killed
    // process ends at once.
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

qint64 ProbeHelper::processId() const
{
    return m_process ? m_process->processId() : 0;
}

void ProbeHelper::probe(const QString &path)
{
    m_busy = true;
    if (!m_unavailable.isEmpty()) {
        giveUp(m_unavailable, true); // known not to start
        return;
    }
    if (!m_process)
        startReader();
    if (!m_process)
        return; // could not start: said from the event loop
    m_process->write(EscapeProbeText(QFile::encodeName(path)) + '\n');
    armWatchdog();
}

void ProbeHelper::armWatchdog()
{
    // Until the reader has greeted, the time it may take to start.
    if (m_deadlineMs >= 0)
        m_watchdog.start(m_greeted ? m_deadlineMs + GraceMs : StartAllowanceMs);
}

void ProbeHelper::startReader()
{
    m_greeted = false;
    m_pending.clear();
    m_process = std::make_unique<QProcess>();
    QProcess *p = m_process.get();
    // What the reader itself says on its error output goes to ours, the
    // program's log.
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    EndWithThisProgram(*p);
    connect(p, &QProcess::readyReadStandardOutput, this, &ProbeHelper::takeLines);
    connect(p, &QProcess::finished, this, &ProbeHelper::readerEnded);
    connect(p, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            readerEnded();
    });
    QStringList args;
    if (m_deadlineMs >= 0)
        args << QStringLiteral("--deadline-ms") << QString::number(m_deadlineMs);
    m_starting = true;
    p->start(m_program, args);
    m_starting = false;
}

void ProbeHelper::takeLines()
{
    QProcess *p = m_process.get();
    if (!p)
        return;
    m_pending += p->readAllStandardOutput();
    qsizetype eol;
    while (m_process.get() == p && (eol = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(eol);
        m_pending.remove(0, eol + 1);
        if (m_greeted) {
            answer(line);
        } else if (line == ProbeGreeting) {
            m_greeted = true;
            if (m_busy)
                armWatchdog(); // the file's own deadline from now on
        } else {
            // Built without the media libraries, or not our reader at all.
            QByteArray reason;
            giveUp(line.startsWith("unavailable\t") && UnescapeProbeText(line.mid(12), reason)
                       ? QString::fromUtf8(reason)
                       : QStringLiteral("it did not greet as a media reader"));
            return;
        }
    }
    if (m_process.get() == p && m_pending.size() > MaxLineBytes)
        dropReader(QStringLiteral("the media reader answered nonsense"));
}

void ProbeHelper::answer(const QByteArray &line)
{
    const ProbeAnswer a = ParseProbeAnswer(line);
    if (!m_busy || a.kind == ProbeAnswer::Kind::Nonsense) {
        dropReader(QStringLiteral("the media reader answered nonsense"));
        return;
    }
    finish();
    if (a.kind == ProbeAnswer::Kind::Facts)
        emit answered(a.facts);
    else
        emit failed(a.reason);
}

void ProbeHelper::readerEnded()
{
    QProcess *p = m_process.get();
    if (!p)
        return;
    takeLines(); // what it wrote before it ended
    if (m_process.get() != p)
        return;
    if (!m_greeted) {
        // Inside probe() the caller hears of it from the event loop.
        giveUp(p->error() == QProcess::FailedToStart
                   ? p->errorString()
                   : QStringLiteral("it ended before it was ready"),
               m_starting);
        return;
    }
    dropReader(p->exitStatus() == QProcess::CrashExit
                   ? QStringLiteral("the media reader crashed")
                   : QStringLiteral("the media reader ended unexpectedly"));
}

void ProbeHelper::dropReader(const QString &reason)
{
    if (m_process) {
        QProcess *p = m_process.release();
        p->disconnect(this);
        if (p->state() == QProcess::NotRunning) {
            p->deleteLater();
        } else {
            // Kept as our child until it has ended, so that it dies with us
            // at the latest.
            p->setParent(this);
            connect(p, &QProcess::finished, p, &QObject::deleteLater);
            p->kill();
        }
    }
    m_greeted = false;
    if (!m_busy || reason.isEmpty())
        return;
    finish();
    emit failed(reason);
}

void ProbeHelper::giveUp(const QString &reason, bool later)
{
    m_unavailable = reason;
    dropReader({});
    if (!later) {
        finish();
        emit unavailable(reason);
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            finish();
            emit unavailable(m_unavailable);
        },
        Qt::QueuedConnection);
}

void ProbeHelper::finish()
{
    m_busy = false;
    m_watchdog.stop();
}
