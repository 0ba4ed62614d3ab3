#pragma once

#include <QtGlobal>

// Suspends and continues the program's child processes: a paused run stops
// its encoders where they are and lets them go on later.
class ProcessControl
{
public:
    virtual ~ProcessControl() = default;
    // False when the process could not be reached (it has ended meanwhile).
    virtual bool suspend(qint64 pid) = 0;
    virtual bool resume(qint64 pid) = 0;
};
