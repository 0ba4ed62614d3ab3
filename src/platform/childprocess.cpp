#include "childprocess.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

void EndWithThisProgram(QProcess &process)
{
    const pid_t parent = ::getpid();
    // Runs in the child between fork and exec: async-signal-safe calls only.
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The program ended before the request was in place.
        if (::getppid() != parent)
            ::_exit(127);
    });
}

void LetGo(std::unique_ptr<QProcess> process)
{
    if (!process)
        return;
    QProcess *p = process.release();
    // Nothing it does from here on reaches its former owner.
    p->disconnect();
    p->setParent(nullptr);
    if (p->state() == QProcess::NotRunning) {
        p->deleteLater();
        return;
    }
    QObject::connect(p, &QProcess::stateChanged, p, [p](QProcess::ProcessState state) {
        if (state == QProcess::NotRunning)
            p->deleteLater();
    });
    if (const qint64 pid = p->processId(); pid > 0)
        ::kill(pid_t(pid), SIGCONT);
    p->kill();
}
