#include "recordingprocesscontrol.h"

bool RecordingProcessControl::suspend(qint64 pid)
{
    calls.append({QStringLiteral("suspend"), pid});
    return true;
}

bool RecordingProcessControl::resume(qint64 pid)
{
    calls.append({QStringLiteral("resume"), pid});
    return true;
}
