#pragma once

#include "settings/watchlist.h"

#include <QDialog>

class Platform;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Watch Folder": the folder a watch takes new videos from, the profile and
// output directory they are converted with, whether its subfolders count,
// and what becomes of an output file that exists already. Shown without a
// modal loop; "&OK" with a folder and an output directory emits watchAccepted.
class TWatchEditForm : public QDialog
{
    Q_OBJECT
public:
    TWatchEditForm(Platform &platform, const QStringList &profiles, QWidget *parent = nullptr);

    // Shows the dialog with the watch's values (a new watch: the defaults).
    void edit(const WatchSettings &watch);
    WatchSettings watch() const;

    QLineEdit *edtFolder;
    QPushButton *bbtnFolder;
    QComboBox *cmbProfile;
    QLineEdit *edtOutputDir;
    QPushButton *bbtnOutputDir;
    QCheckBox *chkSubfolders;
    QComboBox *cmbExisting;
    QPushButton *btnOK;
    QPushButton *btnCancel;

    void bbtnFolderClick();
    void bbtnOutputDirClick();
    void btnOKClick();

signals:
    void watchAccepted();

private:
    Platform &m_platform;
    WatchSettings m_watch;
};
