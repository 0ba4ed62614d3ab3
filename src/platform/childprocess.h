#pragma once

#include <memory>

class QObject;
class QProcess;

// Makes the process, when it is started, end together with this program:
// the system kills it as soon as this program ends in any way, killed or
// crashed included, so no encoder is left running without the program that
// reads its output.
void EndWithThisProgram(QProcess &process);

// Lets the process go without waiting for it: killed if it still runs, and
// deleted once the system has reaped it. Until then it is owner's child, so
// that it dies with owner at the latest. It tells its owner nothing more.
void LetGoOfProcess(std::unique_ptr<QProcess> process, QObject *owner);

// Ends the processes owner has let go of and current, if given: each is
// killed and let go of for good (deleted once the system has reaped it,
// which nothing waits for). For owner's destructor.
void EndProcessesOf(QObject *owner, std::unique_ptr<QProcess> current);
