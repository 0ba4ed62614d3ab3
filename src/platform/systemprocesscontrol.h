#pragma once

#include "processcontrol.h"

// The system's process control: SIGSTOP to suspend, SIGCONT to continue.
class SystemProcessControl final : public ProcessControl
{
public:
    bool suspend(qint64 pid) override;
    bool resume(qint64 pid) override;
};
