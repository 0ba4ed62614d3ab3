#include "profilechooser.h"

#include "platform/platform.h"
#include "settings/newinifiles.h"
#include "settings/profiles.h"
#include "settings/profiletexts.h"
#include "ui/profilepanel.h"

#include <QComboBox>
#include <QFileInfo>
#include <QScopeGuard>

TProfileChooser::TProfileChooser(const AppPaths &paths, Platform &platform, QComboBox &chooser,
                                 TProfilePanel &panel, QObject *parent)
    : QObject(parent), m_paths(paths), m_platform(platform), m_chooser(chooser), m_panel(panel)
{}

void TProfileChooser::fillCatalogue()
{
    for (const QString &name : ProfileCatalogue(m_paths))
        m_chooser.addItem(DisplayProfileName(name), name);
    m_chooser.setCurrentIndex(-1);
}

QStringList TProfileChooser::shownNames() const
{
    QStringList names;
    for (int i = 0; i < m_chooser.count(); ++i)
        names << m_chooser.itemText(i);
    return names;
}

QString TProfileChooser::profileName() const
{
    return m_chooser.currentData().toString();
}

QString TProfileChooser::profilePath(const QString &name) const
{
    return ProfilePath(m_paths, name);
}

void TProfileChooser::load()
{
    const QString name = profileName();
    if (name.isEmpty())
        return;
    const QString path = profilePath(name);
    if (!QFileInfo::exists(path))
        return;
    QString extension;
    QString notSaved;
    LoadProfile(path, m_panel.grids(), &extension, !m_paths.isShipped(path), &notSaved);
    emit loaded(extension);
    m_panel.fitSectionsToProfile();
    if (!notSaved.isEmpty())
        reportNotSaved(path, notSaved);
}

void TProfileChooser::restore(int index, QStringList &errors)
{
    m_chooser.setCurrentIndex(index >= 0 && index < m_chooser.count() ? index : -1);
    m_startupErrors = &errors;
    const auto restored = qScopeGuard([this] { m_startupErrors = nullptr; });
    try {
        load();
    } catch (const TIniFileError &e) {
        errors << e.text();
    }
}

void TProfileChooser::reportNotSaved(const QString &path, const QString &error)
{
    if (m_notSavedReported.contains(path))
        return;
    m_notSavedReported.insert(path);
    const QString text =
        error + tr(". The profile's values are used as shown, but it cannot be saved.");
    if (m_startupErrors)
        *m_startupErrors << text;
    else
        m_platform.messageBox(text, tr("Profile Not Saved"), Platform::Icon::Information);
}
