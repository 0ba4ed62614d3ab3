#pragma once

#include "platform/platform.h"

#include <functional>

// The Platform of the command-line program: no window, no dialog. A message
// box becomes one line ("<caption>: <text>") for the standard error output;
// a question is answered No, a dialog is cancelled, and nothing is opened,
// notified on the desktop or powered off.
class ConsolePlatform : public Platform
{
public:
    using LineSink = std::function<void(const QString &line)>;
    explicit ConsolePlatform(LineSink sink);

    // Messages with these captions are left out: the run's own endings
    // ("Complete", "Finished with errors", "Cancel"), which the program's
    // summary tells instead.
    void setQuietCaptions(const QStringList &captions) { m_quietCaptions = captions; }
    // Messages with these texts are left out too.
    void setQuietTexts(const QStringList &texts) { m_quietTexts = texts; }

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

private:
    LineSink m_sink;
    QStringList m_quietCaptions;
    QStringList m_quietTexts;
};
