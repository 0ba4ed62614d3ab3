#pragma once

#include <QString>
#include <functional>

class Platform;
class QObject;
class RunHost;

// What a run tells in message boxes, and the completion actions chosen in
// the host: why it cannot start, the cancellation message, the message of
// an encoder that failed to start, and after the last task either the
// completion message (then the output directory opened), or the window
// closed, or the computer turned off after a notice.
class RunMessages
{
public:
    // How the tasks of a run ended.
    struct Tally
    {
        int converted = 0;
        int skipped = 0;
        int failed = 0;
        int trashed = 0; // sources moved to the Trash
    };

    // What is to follow the end of a run.
    enum class Completion
    {
        Stay,    // the completion message was shown
        Close,   // the window closes (RunHost::closeMainWindow)
        TurnOff, // the computer is to be turned off (turnOffAfterNotice)
    };

    // The caption of the closing message of a run in which tasks failed.
    static inline const QString FinishedWithErrorsCaption =
        QStringLiteral(QT_TRANSLATE_NOOP("RunMessages", "Finished with errors"));
    // The notice before the computer is turned off after a run.
    static constexpr int PowerOffNoticeSecs = 60;

    RunMessages(Platform &platform, RunHost &host) : m_platform(platform), m_host(host) {}

    void outputPathMissing();
    void profileUnreadable(const QString &error);
    void cancelled();
    void startFailed(const QString &message);
    // After the last task of a list of taskCount tasks: the completion
    // message, unless the window is to close or the computer to be turned
    // off once the run is over.
    Completion completed(const Tally &tally, int taskCount);
    // A minute's notice first; cancelled, or with a new run begun meanwhile
    // (idle() false), the program goes on with the results on screen. The
    // window closes once the system has agreed to power off. Nothing
    // happens once guard is gone.
    void turnOffAfterNotice(QObject *guard, std::function<bool()> idle);

    static QString completionText(const Tally &tally, int taskCount);

private:
    Platform &m_platform;
    RunHost &m_host;
};
