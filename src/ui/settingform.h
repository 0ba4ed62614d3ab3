#pragma once

#include "settings/apppaths.h"
#include "settings/preferences.h"
#include "settings/profilegrids.h"
#include "settings/valuelistmodel.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class Platform;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;
class TGridSection;
class TSectionStack;
class TValueListEditor;

// The settings dialog. The General page's controls are the live
// preferences (output path aside, which the main window holds); the Profiles
// page shows any profile of the catalogue in its own three grids and saves
// them into the profile or a copy. Created once and kept; closing hides it.
// It is a window of its own and disables the main window while shown.
class TSettingForm : public QDialog
{
    Q_OBJECT
public:
    // catalogue: the profile names in the main window's chooser, in order.
    // The dialog is deleted with parent when one is given.
    TSettingForm(QWidget *mainWindow, const AppPaths &paths, Platform &platform,
                 const QStringList &catalogue, QWidget *parent = nullptr);
    ~TSettingForm() override;

    // The texts of the settings errors met while the dialog was created (it
    // goes on with the defaults); emptied by the call.
    QStringList takeStartupErrors();

    // Where FormShow reads the main window's output path from.
    void setMainOutputDirSource(std::function<QString()> source);
    // Shows the dialog (centred on the main window) on the given page.
    void showPage(int page);
    // Shows the dialog on the Profiles page with the profile at index of the
    // catalogue loaded into its grids.
    void showProfile(int index);

    // Handlers.
    void btnCancelClick();
    void btnOKClick();
    void btnDefaultClick();
    void cmbProfileChange();
    void btnSaveAsClick();
    void sbtnBrowseClick();

    // Path of the profile the Profiles page's chooser names (the user's
    // file, else the shipped one).
    QString profilePath() const;
    // The file name of the profile the chooser shows.
    QString profileName() const;
    // The General page's values as they stand (the live preferences; the
    // output path is the dialog's box).
    PreferenceValues preferences() const;
    void setPreferences(const PreferenceValues &values);
    // The Profiles page's three grids.
    ProfileGrids grids();

    QTabWidget *pgcSetting;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QLabel *labOutputDir;
    QLineEdit *edtOutputDir;
    QToolButton *sbtnBrowse;
    QLabel *Label1;
    QComboBox *cmbSyn;
    QCheckBox *chkOpenDir;
    QCheckBox *chkExit;
    QCheckBox *chkTurnoff;
    QCheckBox *chkVerify;
    QCheckBox *chkTrash;
    QGroupBox *gpbOverWrite;
    QRadioButton *rdbOverWrite;
    QRadioButton *rdbRename;
    QGroupBox *gpbAdding;
    QCheckBox *chkSubfolders;
    QCheckBox *chkKeepStructure;
    QLabel *labProbes;
    QSpinBox *spnProbes;
    QLabel *labConversions;
    QSpinBox *spnConversions;
    QCheckBox *chkProbeEncoder;
    // The window's language ("System default" first), taken at the next
    // start, as the note below it says.
    QLabel *labLanguage;
    QComboBox *cmbLanguage;
    QLabel *labLanguageNote;
    QRadioButton *rdbSkip;
    QComboBox *cmbProfile;
    QPushButton *btnSaveAs;
    TSectionStack *ScrollBox1;
    TValueListEditor *vleVideo;
    TValueListEditor *vleAudio;
    TValueListEditor *vleAdvanced;
    TGridSection *panVideo;
    TGridSection *panAudio;
    TGridSection *panAdvanced;
    QPushButton *btnDefault;
    QPushButton *btnOK;
    QPushButton *btnCancel;

signals:
    // OK, first step: the main window's output path box takes this text.
    void outputPathApplied(const QString &path);
    // OK, after the profile was written: the main window reloads its grids
    // when its chooser shows this profile.
    void profileSaved(const QString &profileName);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void FormCreate(const QStringList &catalogue);
    void FormShow();
    void FormClose();
    void LoadPreferences();
    void ReadPreferencesFrom(const QString &section, QStringList *errors = nullptr);
    void SavePreferences();
    void buildGeneralPage();
    void buildProfilesPage();
    void centreOnMainWindow();

    QPointer<QWidget> m_mainWindow;
    AppPaths m_paths;
    Platform &m_platform;
    std::function<QString()> m_mainOutputDir;
    ValueListModel m_video;
    ValueListModel m_audio;
    ValueListModel m_advanced;
    QStringList m_startupErrors;
};
