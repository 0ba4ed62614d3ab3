#pragma once

#include <QWidget>

class Platform;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// The bottom bar's panel while no run goes on: the profile chooser with
// "&Setting", the output path with "&Browse" and "&Open", and below them
// the rows an intake shows its progress and its report in. What the profile
// chooser and "&Setting" do is connected by the window.
class TIdlePanel : public QWidget
{
    Q_OBJECT
public:
    explicit TIdlePanel(Platform &platform, QWidget *parent = nullptr);

    // The intake's rows: its progress label and bar, and its report.
    void addIntakeRows(QWidget *label, QWidget *bar, QWidget *report);

    QLabel *labProfile = nullptr;
    QComboBox *cmbProfile = nullptr;
    QPushButton *bbtnSetting = nullptr;
    QLabel *labOutputPath = nullptr;
    QLineEdit *edtOutputdir = nullptr;
    QPushButton *bbtnBrowser = nullptr, *bbtnOpen = nullptr;

public slots:
    void bbtnBrowserClick();
    void bbtnOpenClick();

private:
    Platform &m_platform;
    QGridLayout *m_grid = nullptr;
};
