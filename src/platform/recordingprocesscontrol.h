#pragma once

#include "processcontrol.h"

#include <QList>
#include <QString>

// A ProcessControl for tests: every call is recorded, no process is touched.
class RecordingProcessControl final : public ProcessControl
{
public:
    struct Call
    {
        QString action; // "suspend" or "resume"
        qint64 pid = 0;
        bool operator==(const Call &) const = default;
    };

    bool suspend(qint64 pid) override;
    bool resume(qint64 pid) override;

    QList<Call> calls;
};
