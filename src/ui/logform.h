#pragma once

#include <QDialog>
#include <QPointer>

class Platform;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The log of one task's conversion: what its encoder printed (as much as is
// kept), read-only, to be copied or saved as a text file. A window of its
// own beside the main window, which stays usable.
class TLogForm : public QDialog
{
    Q_OBJECT
public:
    explicit TLogForm(Platform &platform, QWidget *mainWindow = nullptr);

    // Shows the log of the task whose source is sourceFile.
    void showLog(const QString &sourceFile, const QString &text);

    QLabel *labSource;
    QPlainTextEdit *memLog;
    QPushButton *btnCopy;
    QPushButton *btnSaveAs;
    QPushButton *btnClose;

    // Copies the selected text, or all of it when nothing is selected.
    void btnCopyClick();
    void btnSaveAsClick();

private:
    Platform &m_platform;
    QPointer<QWidget> m_mainWindow;
};
