#include "systemprocesscontrol.h"

#include <csignal>

namespace {

bool sendSignal(qint64 pid, int signalNumber)
{
    // Never a process group or every process: only a child's own id.
    return pid > 0 && ::kill(pid_t(pid), signalNumber) == 0;
}

} // namespace

bool SystemProcessControl::suspend(qint64 pid)
{
    return sendSignal(pid, SIGSTOP);
}

bool SystemProcessControl::resume(qint64 pid)
{
    return sendSignal(pid, SIGCONT);
}
