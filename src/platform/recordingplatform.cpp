#include "recordingplatform.h"

Platform::Answer RecordingPlatform::messageBox(const QString &text, const QString &caption,
                                               Icon icon, Buttons buttons)
{
    messages.append(Message{text, caption, icon, buttons});
    if (onMessage)
        onMessage(messages.last());
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

QStringList RecordingPlatform::openFileNames(const QString &filter, const QString &directory)
{
    fileDialogDirectories.append(directory);
    fileDialogFilters.append(filter);
    return fileAnswers.isEmpty() ? QStringList() : fileAnswers.takeFirst();
}

QString RecordingPlatform::saveFileName(const QString &filter, const QString &,
                                        const QString &directory)
{
    fileDialogFilters.append(filter);
    saveDirectories.append(directory);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

bool RecordingPlatform::browseForDirectory(const QString &title, QString &path,
                                           const QString &directory)
{
    browseDirectories.append(directory);
    browseTitles.append(title);
    if (browseAnswers.isEmpty())
        return false;
    path = browseAnswers.takeFirst();
    return !path.isEmpty();
}

void RecordingPlatform::shellOpen(const QString &target)
{
    opened.append(target);
}

void RecordingPlatform::powerOffNotice(int seconds, std::function<void(bool turnOff)> answered)
{
    powerOffNotices.append(seconds);
    if (noticeAnswers.isEmpty())
        pendingNotice = std::move(answered);
    else
        answered(noticeAnswers.takeFirst());
}

void RecordingPlatform::powerOff(std::function<void(const QString &refusal)> done)
{
    ++powerOffCount;
    done(powerOffRefusals.isEmpty() ? QString() : powerOffRefusals.takeFirst());
}

void RecordingPlatform::notify(const QString &summary, const QString &body)
{
    notifications.append(Notification{summary, body});
}

void RecordingPlatform::setTaskbarProgress(int percent, bool visible)
{
    taskbarProgress.append(visible ? percent : -1);
}
