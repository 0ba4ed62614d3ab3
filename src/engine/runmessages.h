#pragma once

#include <QString>

class Platform;
class RunHost;

// What a run tells in message boxes, and the completion actions chosen in
// the host: why it cannot start, the cancellation message, the message of
// an encoder that failed to start, and after the last task either the
// completion message (then the output directory opened) or the window
// closed (the computer turned off first).
class RunMessages
{
public:
    // How the tasks of a run ended.
    struct Tally
    {
        int converted = 0;
        int skipped = 0;
        int failed = 0;
    };

    RunMessages(Platform &platform, RunHost &host) : m_platform(platform), m_host(host) {}

    void outputPathMissing();
    void profileUnreadable(const QString &error);
    void cancelled();
    void startFailed(const QString &message);
    // After the last task of a list of taskCount tasks. True: the window is
    // to close once the run is over (RunHost::closeMainWindow).
    bool completed(const Tally &tally, int taskCount);

    static QString completionText(const Tally &tally, int taskCount);

private:
    Platform &m_platform;
    RunHost &m_host;
};
