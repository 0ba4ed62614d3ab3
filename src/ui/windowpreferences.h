#pragma once

#include <QStringList>

class AppPaths;
class TIdlePanel;
class TIntakeController;
class TProfileChooser;
class TSettingForm;

// The main window's values kept in Preferences.ini beside the settings
// dialog's: the output path, the profile chosen and the folder files were
// last added from. Restored at the first showing, stored when the window
// closes.
class TWindowPreferences
{
public:
    TWindowPreferences(const AppPaths &paths, TIdlePanel &idle, TProfileChooser &profiles,
                       TIntakeController &intake);

    // The dialog whose values are stored with the window's; without it, the
    // file's own are kept.
    void setSettingForm(const TSettingForm *form) { m_settingForm = form; }

    // Part of the start: a settings file that cannot be used leaves what was
    // read, the defaults for the rest, and its error in errors for the
    // message shown once the windows are up.
    void restore(QStringList &errors);
    void store() const;

private:
    const AppPaths &m_paths;
    TIdlePanel &m_idle;
    TProfileChooser &m_profiles;
    TIntakeController &m_intake;
    const TSettingForm *m_settingForm = nullptr;
};
