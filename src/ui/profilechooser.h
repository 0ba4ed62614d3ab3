#pragma once

#include "settings/apppaths.h"

#include <QObject>
#include <QSet>
#include <QStringList>

class Platform;
class QComboBox;
class TProfilePanel;

// The idle panel's profile chooser and what it chooses: it lists the
// profile catalogue, each name in the user's language, and loads the
// profile chosen into the profile panel's grids, which gives the output
// extension. A profile whose file could not be written back (loading and
// Start rewrite it) is told once per file while the program runs, since a
// read-only profile would otherwise bring the same message every time.
class TProfileChooser : public QObject
{
    Q_OBJECT
public:
    TProfileChooser(const AppPaths &paths, Platform &platform, QComboBox &chooser,
                    TProfilePanel &panel, QObject *parent = nullptr);

    // Lists the catalogue, none of it chosen.
    void fillCatalogue();
    // The catalogue's names as the chooser shows them.
    QStringList shownNames() const;
    // The file name (without ".apf") of the profile chosen.
    QString profileName() const;
    // The file of the named profile (the user's, else the shipped one); the
    // extension is matched ignoring case, as the catalogue lists it.
    QString profilePath(const QString &name) const;
    // Loads the profile chosen, when there is one and its file exists.
    void load();
    // Part of the start: chooses the profile at index (none when out of
    // range) and loads it; its errors are added to errors instead of being
    // shown.
    void restore(int index, QStringList &errors);

public slots:
    void reportNotSaved(const QString &path, const QString &error);

signals:
    // A profile was loaded; extension is "." + its type.
    void loaded(const QString &extension);

private:
    const AppPaths &m_paths;
    Platform &m_platform;
    QComboBox &m_chooser;
    TProfilePanel &m_panel;
    QSet<QString> m_notSavedReported; // profile paths
    // While the start restores the profile: errors wait for its message.
    QStringList *m_startupErrors = nullptr;
};
