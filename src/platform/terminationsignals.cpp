#include "terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's ends; the handler writes into the write end and may use
// nothing else.
volatile sig_atomic_t g_readFd = -1;
volatile sig_atomic_t g_writeFd = -1;
// Signals received so far, from how many the handler itself ends the
// program, and with which exit status (-1: never).
volatile sig_atomic_t g_received = 0;
volatile sig_atomic_t g_exitFrom = 0;
volatile sig_atomic_t g_exitStatus = -1;

constexpr int kSignals[] = {SIGTERM, SIGINT};

// An object has taken the pipe over.
bool g_owned = false;

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

bool TerminationSignals::installHandlers()
{
    if (g_writeFd >= 0)
        return true;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    g_readFd = fds[0];
    g_writeFd = fds[1];
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
    return true;
}

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    // One object at a time. Signals that came before it wait in the pipe
    // for the event loop.
    if (g_owned || !installHandlers())
        return;
    g_owned = true;
    m_notifier = new QSocketNotifier(g_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (int s : kSignals)
        ::signal(s, SIG_DFL);
    const int readFd = g_readFd;
    const int writeFd = g_writeFd;
    g_writeFd = -1;
    g_readFd = -1;
    g_exitStatus = -1;
    g_owned = false;
    ::close(readFd);
    ::close(writeFd);
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
    while ((n = ::read(g_readFd, bytes, sizeof bytes)) > 0)
        for (ssize_t i = 0; i < n; ++i)
            emit received(bytes[i]);
}
