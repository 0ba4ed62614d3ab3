#pragma once

class QProcess;

// Makes the process, when it is started, end together with this program:
// the system kills it as soon as this program ends in any way, killed or
// crashed included, so no encoder is left running without the program that
// reads its output.
void EndWithThisProgram(QProcess &process);
