#include "childprocess.h"

#include <QList>
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
    p->kill();
}

void EndProcessesOf(QObject *owner, QProcess *current)
{
    QList<QProcess *> processes = owner->findChildren<QProcess *>(Qt::FindDirectChildrenOnly);
    if (current)
        processes.append(current);
    for (QProcess *p : processes) {
        p->disconnect(owner);
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished();
        }
    }
}
