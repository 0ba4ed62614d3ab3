#pragma once

#include "commandline.h"

#include <QHash>
#include <QString>

// The profiles that tasks with a profile of their own (TaskChoices) convert
// with, each read once from its file: the options and the output
// extension, as the window's grids would give them once the profile is
// loaded. Forgotten with clear(), so that the next run reads them anew.
class TaskProfiles
{
public:
    struct Profile
    {
        EncoderOptions options;
        QString outputExt; // "." + the profile's type
        QString error;     // why it could not be read; empty when it was
    };

    const Profile &of(const QString &path) const;
    void clear() { m_profiles.clear(); }

private:
    mutable QHash<QString, Profile> m_profiles;
};
