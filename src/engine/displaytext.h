#pragma once

#include <QString>

// Texts that the engine keeps in English, because they are stored (the task
// list's statuses, the reasons in the kept logs) or read by scripts, shown
// in the language of the window. Without a translation loaded, as in the
// command-line program, each text is shown as it is.

// A task's status ("Complete", "Failed", ...).
QString DisplayStatus(const QString &status);

// Why a conversion failed or was stopped, as the run recorded it; a reason
// the program does not know (one written by a later version) stays as it is.
QString DisplayReason(const QString &reason);
