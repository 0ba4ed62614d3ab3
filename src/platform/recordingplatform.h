#pragma once

#include "platform.h"

#include <QList>
#include <functional>

// A Platform for tests: every call is recorded; answers come from queues the
// test fills (or the defaults below when a queue is empty). Never opens a
// window, never opens anything, never sends a notification, never powers the
// machine off.
class RecordingPlatform : public Platform
{
public:
    struct Message
    {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };

    Answer messageBox(const QString &text, const QString &caption, Icon icon,
                      Buttons buttons = Buttons::Ok) override;
    QStringList openFileNames(const QString &filter, const QString &directory = QString()) override;
    QString saveFileName(const QString &filter, const QString &defaultExt,
                         const QString &directory = QString()) override;
    bool browseForDirectory(const QString &title, QString &path,
                            const QString &directory = QString()) override;
    void shellOpen(const QString &target) override;
    void powerOffNotice(int seconds, std::function<void(bool turnOff)> answered) override;
    void powerOff(std::function<void(const QString &refusal)> done) override;
    void notify(const QString &summary, const QString &body) override;
    void setTaskbarProgress(int percent, bool visible) override;

    // Recorded calls.
    QList<Message> messages;
    QStringList fileDialogFilters;
    QStringList fileDialogDirectories;
    QStringList saveDirectories;
    QStringList browseTitles;
    QStringList browseDirectories;
    QStringList opened;
    int powerOffCount = 0;
    QList<int> powerOffNotices; // their seconds
    // The answer of the notice shown last, until the test gives it.
    std::function<void(bool turnOff)> pendingNotice;
    struct Notification
    {
        QString summary;
        QString body;
    };
    QList<Notification> notifications;
    // Every change of the taskbar progress; -1 for "not shown".
    QList<int> taskbarProgress;

    // Scripted answers. Empty queues give: Ok / Yes, no files, cancel.
    QList<Answer> answers;
    QList<QStringList> fileAnswers;
    QStringList saveAnswers;
    QStringList browseAnswers; // an empty text means "cancelled"
    // Answers to power-off notices, given at once; none: the notice waits
    // in pendingNotice.
    QList<bool> noticeAnswers;
    // The system's answers to power-off requests; none: it agrees.
    QStringList powerOffRefusals;
    // Called inside messageBox, after recording, for tests that act while a
    // message is "on screen".
    std::function<void(const Message &)> onMessage;
};
