#pragma once

#include <QApplication>

class Platform;

// The program's application object. An exception that escapes an event
// handler ends that action only: its text is shown in a message box through
// the Platform and the program keeps running.
class TApplication : public QApplication
{
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);

    void setPlatform(Platform *platform) { m_platform = platform; }
    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the text of an error that ended a user action, and writes it to
    // the standard error output.
    void ShowException(const QString &text);

private:
    Platform *m_platform = nullptr;
    bool m_showing = false;
};
