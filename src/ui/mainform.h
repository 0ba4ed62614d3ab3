#pragma once

#include <QMainWindow>

class Platform;

// The program's main window.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(const QString &appDir, Platform &platform, QWidget *parent = nullptr);

private:
    QString m_appDir;
    Platform &m_platform;
};
