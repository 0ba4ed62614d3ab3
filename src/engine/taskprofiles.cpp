#include "taskprofiles.h"

#include "settings/newinifiles.h"
#include "settings/profilegrids.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"

#include <QFileInfo>

const TaskProfiles::Profile &TaskProfiles::of(const QString &path) const
{
    if (const auto it = m_profiles.constFind(path); it != m_profiles.cend())
        return *it;
    Profile &p = m_profiles[path];
    if (!QFileInfo(path).isFile()) {
        p.error = QStringLiteral("The profile \"%1\" does not exist.").arg(path);
        return p;
    }
    // Read only: the file is the user's, not a grid's working values.
    ValueListModel video, audio, advanced;
    const ProfileGrids grids{&video, &audio, &advanced};
    try {
        LoadProfile(path, grids, &p.outputExt, false);
        p.options = BuildProfileOptions(path, grids, nullptr, false);
    } catch (const TIniFileError &e) {
        p.error = e.text();
    }
    return p;
}
