#include "childprocess.h"

#include <QList>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// A process that was suspended is continued before it is killed, so that
// nothing of it stays stopped.
void killContinued(QProcess &process)
{
    if (const qint64 pid = process.processId(); pid > 0)
        ::kill(pid_t(pid), SIGCONT);
    process.kill();
}

} // namespace

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

void LetGoOfProcess(std::unique_ptr<QProcess> process, QObject *owner)
{
    if (!process)
        return;
    QProcess *p = process.release();
    p->disconnect(owner);
    if (p->state() == QProcess::NotRunning) {
        p->deleteLater();
        return;
    }
    p->setParent(owner);
    QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
    killContinued(*p);
}

void EndProcessesOf(QObject *owner, std::unique_ptr<QProcess> current)
{
    QList<QProcess *> processes = owner->findChildren<QProcess *>(Qt::FindDirectChildrenOnly);
    if (current)
        processes.append(current.release());
    // Nothing waits here: a killed process ends at once, and its object
    // goes once the event loop has seen that (or with the program).
    for (QProcess *p : processes) {
        p->disconnect(owner);
        if (p->state() == QProcess::NotRunning) {
            delete p;
            continue;
        }
        p->setParent(nullptr);
        QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
        killContinued(*p);
    }
}
