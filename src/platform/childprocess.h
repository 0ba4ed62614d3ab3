#pragma once

#include <memory>

class QProcess;

// Makes the process, when it is started, end together with this program:
// the system kills it as soon as this program ends in any way, killed or
// crashed included, so no encoder is left running without the program that
// reads its output.
void EndWithThisProgram(QProcess &process);

// Lets go of a child that its owner no longer waits for: it is continued
// (it may have been suspended) and killed at once, and its object is
// deleted once the event loop has seen it end. Nothing waits for that end:
// a child held up in the system (a stalled mount) cannot hold up its owner,
// and one that outlives this program is ended by the system with it.
void LetGo(std::unique_ptr<QProcess> process);
