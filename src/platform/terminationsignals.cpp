#include "terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end of the pipe, for the handler, which may use nothing else.
volatile sig_atomic_t g_writeFd = -1;
// Signals received so far, from how many the handler itself ends the
// program, and with which exit status (-1: never).
volatile sig_atomic_t g_received = 0;
volatile sig_atomic_t g_exitFrom = 0;
volatile sig_atomic_t g_exitStatus = -1;

constexpr int kSignals[] = {SIGTERM, SIGINT};

extern "C" void onTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    g_received = g_received + 1;
    if (g_exitStatus >= 0 && g_received >= g_exitFrom)
        ::_exit(g_exitStatus);
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (g_writeFd >= 0 && ::write(g_writeFd, &byte, 1) < 0) {
        // The pipe is full: signals are already waiting to be handled.
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (g_writeFd >= 0 || ::pipe2(m_fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_writeFd = m_fds[1];
    g_received = 0;
    g_exitStatus = -1;
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    // The handler is never interrupted by the other signal.
    sigemptyset(&action.sa_mask);
    for (int s : kSignals)
        sigaddset(&action.sa_mask, s);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
    m_notifier = new QSocketNotifier(m_fds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (int s : kSignals)
        ::signal(s, SIG_DFL);
    g_writeFd = -1;
    g_exitStatus = -1;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void TerminationSignals::setExitFromSignal(int count, int exitStatus)
{
    g_exitStatus = -1;
    g_exitFrom = count;
    g_exitStatus = exitStatus < 0 ? -1 : exitStatus;
}

void TerminationSignals::readPipe()
{
    unsigned char bytes[16];
    ssize_t n;
    while ((n = ::read(m_fds[0], bytes, sizeof bytes)) > 0)
        for (ssize_t i = 0; i < n; ++i)
            emit received(bytes[i]);
}
