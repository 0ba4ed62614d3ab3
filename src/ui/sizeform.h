#pragma once

#include <QDialog>
#include <QPointer>

class Platform;
class QLabel;
class QLineEdit;
class QPushButton;
class ValueListModel;

// "Video Size of output files": asks for a custom width and height and
// writes "<width>x<height>" into the "Video Size" row of the main window's
// video grid. Closing it in any other way puts "Original Size" back in place
// of "Custom Size". It is a window of its own (not a child of the main
// window, which it disables while it is shown).
class TSizeForm : public QDialog
{
    Q_OBJECT
public:
    // The dialog is deleted with parent when one is given.
    TSizeForm(QWidget *mainWindow, Platform &platform, QWidget *parent = nullptr);

    void setVideoGrid(ValueListModel *grid);
    // Shows the dialog centred on the main window (without a modal loop).
    void open() override;

    QLabel *labWidth;
    QLineEdit *edtWidth;
    QLabel *labHeight;
    QLineEdit *edtHeight;
    QPushButton *btnOK;
    QPushButton *btnCancel;

    void btnOKClick();
    void btnCancelClick();

    // True when text is a whole decimal number (optional sign, digits only)
    // that fits in an int.
    static bool IsIntegerText(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void FormClose();

    QPointer<QWidget> m_mainWindow;
    Platform &m_platform;
    QPointer<ValueListModel> m_videoGrid;
    bool m_closing = false;
};
