#include "windowrunhost.h"

#include "settings/apppaths.h"
#include "ui/settingform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <utility>

TWindowRunHost::TWindowRunHost(const AppPaths &paths, std::function<void()> closeWindow)
    : m_paths(paths), m_closeWindow(std::move(closeWindow))
{}

QString TWindowRunHost::outputDirectory() const
{
    return m_outputPath ? m_outputPath->text() : QString();
}

bool TWindowRunHost::overwrite() const
{
    return m_settingForm ? m_settingForm->rdbOverWrite->isChecked() : true;
}

bool TWindowRunHost::skipExisting() const
{
    return m_settingForm && m_settingForm->rdbSkip->isChecked();
}

bool TWindowRunHost::verifyOutputs() const
{
    return m_settingForm ? m_settingForm->chkVerify->isChecked() : true;
}

bool TWindowRunHost::trashSources() const
{
    return m_settingForm && m_settingForm->chkVerify->isChecked() &&
           m_settingForm->chkTrash->isChecked();
}

bool TWindowRunHost::autoOpenDir() const
{
    return m_settingForm ? m_settingForm->chkOpenDir->isChecked() : true;
}

bool TWindowRunHost::autoExit() const
{
    return m_settingForm ? m_settingForm->chkExit->isChecked() : false;
}

bool TWindowRunHost::autoTurnOff() const
{
    return m_settingForm ? m_settingForm->chkTurnoff->isChecked() : false;
}

bool TWindowRunHost::rewritesProfile(const QString &profilePath) const
{
    return !m_paths.isShipped(profilePath);
}

void TWindowRunHost::closeMainWindow()
{
    m_closeWindow();
}
