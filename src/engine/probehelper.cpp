#include "probehelper.h"

#include "platform/childprocess.h"

#include <QFile>
#include <algorithm>

namespace {

// An answer is a few hundred bytes; a "line" this long is not one.
constexpr qsizetype MaxLineBytes = 64 * 1024;

} // namespace

ProbeHelper::ProbeHelper(const QString &program, int deadlineMs, QObject *parent)
    : QObject(parent), m_program(program), m_deadlineMs(deadlineMs)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        // A reader that is slow to start on a busy machine is tried again
        // with the next file.
        dropReader(m_greeted ? QStringLiteral("the media reader gave no answer in time")
                             : QStringLiteral("the media reader did not start in time"));
    });
}

ProbeHelper::~ProbeHelper()
{
    // The reader in use and those let go but not yet reaped.
    EndProcessesOf(this, std::move(m_process));
}

void ProbeHelper::probe(const QString &path)
{
    m_files.push_back(path);
    if (!m_unavailable.isEmpty()) {
        giveUp(m_unavailable, true); // known not to start
    } else if (!m_process) {
        startReader(); // asks about every file in flight
    } else {
        send(path);
        if (m_files.size() == 1)
            armWatchdog();
    }
}

void ProbeHelper::send(const QString &path)
{
    m_process->write(EscapeProbeText(QFile::encodeName(path)) + '\n');
}

void ProbeHelper::armWatchdog()
{
    // The oldest file in flight is the one being read. Until the reader has
    // greeted, the time it may take to start.
    if (m_files.empty() || m_deadlineMs < 0)
        m_watchdog.stop();
    else
        m_watchdog.start(m_greeted ? m_deadlineMs : StartAllowanceMs);
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
    // The library gives up a little before the file's deadline, so that
    // the reader can still say so.
    QStringList args;
    if (m_deadlineMs >= 0)
        args << QStringLiteral("--deadline-ms")
             << QString::number(std::max(m_deadlineMs - GraceMs, m_deadlineMs / 2));
    m_starting = true;
    p->start(m_program, args);
    m_starting = false;
    if (m_process.get() != p)
        return; // could not start: said from the event loop
    for (const QString &path : m_files)
        send(path);
    armWatchdog();
}

void ProbeHelper::takeLines()
{
    QProcess *p = m_process.get();
    if (!p)
        return;
    m_pending += p->readAllStandardOutput();
    qsizetype from = 0;
    for (qsizetype eol; m_process.get() == p && (eol = m_pending.indexOf('\n', from)) >= 0;
         from = eol + 1) {
        const QByteArray line = m_pending.mid(from, eol - from);
        if (m_greeted) {
            answer(line);
        } else if (line == ProbeGreeting) {
            m_greeted = true;
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
    if (m_process.get() != p)
        return;
    m_pending.remove(0, from);
    if (m_pending.size() > MaxLineBytes)
        dropReader(QStringLiteral("the media reader answered nonsense"));
}

void ProbeHelper::answer(const QByteArray &line)
{
    const ProbeAnswer a = ParseProbeAnswer(line);
    if (m_files.empty() || a.kind == ProbeAnswer::Kind::Nonsense) {
        dropReader(QStringLiteral("the media reader answered nonsense"));
        return;
    }
    m_files.pop_front();
    armWatchdog();
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
        // Inside startReader() the caller hears of it from the event loop.
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
    letGo();
    if (m_files.empty()) {
        m_watchdog.stop();
        return;
    }
    m_files.pop_front();
    if (!m_files.empty())
        startReader();
    else
        m_watchdog.stop();
    emit failed(reason);
}

void ProbeHelper::letGo()
{
    m_greeted = false;
    LetGoOfProcess(std::move(m_process), this);
}

void ProbeHelper::giveUp(const QString &reason, bool later)
{
    m_unavailable = reason;
    letGo();
    m_watchdog.stop();
    if (later)
        QMetaObject::invokeMethod(this, &ProbeHelper::sayUnavailable, Qt::QueuedConnection);
    else
        sayUnavailable();
}

void ProbeHelper::sayUnavailable()
{
    while (!m_files.empty()) {
        m_files.pop_front();
        emit unavailable(m_unavailable);
    }
}
