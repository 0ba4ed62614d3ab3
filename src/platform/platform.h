#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Every message box, file or folder dialog, shell "open", desktop
// notification, taskbar progress and power-off of the program goes through
// this interface, so that the windows can be
// driven by tests without a modal window and without side effects.
// The program's implementation lives with the windows (WidgetPlatform);
// RecordingPlatform records calls and answers from a script.
class Platform
{
public:
    enum class Icon
    {
        None,
        Information,
        Question,
        Warning,
        Error
    };
    enum class Buttons
    {
        Ok,
        YesNo
    };
    enum class Answer
    {
        Ok,
        Yes,
        No
    };

    virtual ~Platform() = default;

    // A message box with the given text and caption.
    virtual Answer messageBox(const QString &text, const QString &caption, Icon icon,
                              Buttons buttons = Buttons::Ok) = 0;
    // The open-files dialog, opened in directory (the toolkit's choice when
    // empty). filter uses the "Name|*.a;*.b|Name|*.c" form; several files
    // may be chosen and must exist. Empty when cancelled. The files are
    // added as tasks in the order given here; a platform whose dialog
    // returns the focused file first puts it back in its place.
    virtual QStringList openFileNames(const QString &filter,
                                      const QString &directory = QString()) = 0;
    // The save-file dialog, opened in directory (the toolkit's choice when
    // empty); empty when cancelled.
    virtual QString saveFileName(const QString &filter, const QString &defaultExt,
                                 const QString &directory = QString()) = 0;
    // The folder chooser with a title, file-system folders only, starting at
    // directory, or at the user's desktop folder when none is given. False
    // when cancelled.
    virtual bool browseForDirectory(const QString &title, QString &path,
                                    const QString &directory = QString()) = 0;
    // Opens a folder, a file or an address ("mailto:...", "https://...")
    // with the desktop's program for it.
    virtual void shellOpen(const QString &target) = 0;
    // The notice before the computer is turned off, which holds nothing up:
    // "The computer will turn off in <seconds> seconds.", a countdown, "Turn
    // Off Now" and "Cancel". answered(true) when the time is up or "Turn Off
    // Now" is pressed, answered(false) on "Cancel" or when the notice is
    // closed; once.
    virtual void powerOffNotice(int seconds, std::function<void(bool turnOff)> answered) = 0;
    // Asks the system to power the computer off; done gets the system's
    // refusal, or an empty text when it agreed, once it has answered.
    virtual void powerOff(std::function<void(const QString &refusal)> done) = 0;
    // A notification on the desktop (a summary line and a text), for the
    // user who is not looking at the program.
    virtual void notify(const QString &summary, const QString &body) = 0;
    // The progress (0 to 100) shown on the program's taskbar or dock entry
    // where the desktop supports it; visible false takes it away.
    virtual void setTaskbarProgress(int percent, bool visible) = 0;
};
