#pragma once

#include <QDialog>

class QPushButton;

// The small "Process" dialog: created with the other windows and kept, but
// the batch run shows its progress in the main window and never opens it.
// While shown it disables the main window.
class TProcessForm : public QDialog
{
    Q_OBJECT
public:
    explicit TProcessForm(QWidget *mainWindow, QWidget *parent = nullptr);

    QPushButton *btnStop = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *m_mainWindow;
};
