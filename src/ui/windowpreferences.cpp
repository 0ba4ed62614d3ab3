#include "windowpreferences.h"

#include "settings/apppaths.h"
#include "settings/preferences.h"
#include "ui/idlepanel.h"
#include "ui/intakecontroller.h"
#include "ui/profilechooser.h"
#include "ui/settingform.h"

#include <QComboBox>
#include <QLineEdit>

TWindowPreferences::TWindowPreferences(const AppPaths &paths, TIdlePanel &idle,
                                       TProfileChooser &profiles, TIntakeController &intake)
    : m_paths(paths), m_idle(idle), m_profiles(profiles), m_intake(intake)
{}

void TWindowPreferences::restore(QStringList &errors)
{
    const QString file = m_paths.preferencesFile();
    const bool rewrite = !m_paths.isShipped(file);
    m_idle.edtOutputdir->setText(
        ReadOutputPath(file, m_paths.factoryOutputPath(), rewrite, &errors));
    m_intake.setLastFolder(ReadLastFolder(file, rewrite, &errors));
    if (m_idle.cmbProfile->count() == 0)
        return;
    m_profiles.restore(ReadProfileIndex(file, rewrite, &errors), errors);
}

void TWindowPreferences::store() const
{
    const QString file = m_paths.preferencesFile();
    if (m_paths.isShipped(file))
        return; // the user was told at start-up that settings are not saved
    PreferenceValues values;
    if (m_settingForm)
        values = m_settingForm->preferences();
    else
        values = ReadPreferences(file, QStringLiteral("Main"), m_paths.factoryOutputPath());
    values.outputPath = m_idle.edtOutputdir->text();
    values.lastFolder = m_intake.lastFolder();
    StorePreferences(file, m_idle.cmbProfile->currentIndex(), values);
}
