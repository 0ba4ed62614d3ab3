#include "watchlist.h"

#include "newinifiles.h"

namespace {

const QString kMain = QStringLiteral("Watch Folders");

QString section(int n)
{
    return QStringLiteral("Watch %1").arg(n);
}

QString existingChoice(const QString &text)
{
    return text == QLatin1String("rename") || text == QLatin1String("skip")
               ? text
               : QStringLiteral("overwrite");
}

} // namespace

WatchList WatchList::read(const QString &fileName)
{
    const TNewInifile ini(fileName);
    WatchList list;
    list.settleSecs =
        qMax(0, ini.ReadInteger(kMain, QStringLiteral("Settle Seconds"), DefaultSettleSecs));
    list.rescanSecs =
        qMax(1, ini.ReadInteger(kMain, QStringLiteral("Rescan Seconds"), DefaultRescanSecs));
    const int count = ini.ReadInteger(kMain, QStringLiteral("Count"), 0);
    for (int n = 1; n <= count; ++n) {
        const QString s = section(n);
        WatchSettings w;
        w.folder = UnescapeIniText(ini.ReadString(s, QStringLiteral("Folder"), {}));
        if (w.folder.isEmpty())
            continue;
        w.profile = UnescapeIniText(ini.ReadString(s, QStringLiteral("Profile"), {}));
        w.outputDir = UnescapeIniText(ini.ReadString(s, QStringLiteral("Output Directory"), {}));
        w.subfolders = ini.ReadBool(s, QStringLiteral("Include Subfolders"), false);
        w.existing = existingChoice(ini.ReadString(s, QStringLiteral("Existing"), {}));
        w.paused = ini.ReadBool(s, QStringLiteral("Paused"), false);
        w.id = ini.ReadString(s, QStringLiteral("Id"), {});
        list.watches << w;
    }
    return list;
}

void WatchList::write(const QString &fileName) const
{
    TNewInifile ini(fileName);
    const int before = ini.ReadInteger(kMain, QStringLiteral("Count"), 0);
    ini.WriteInteger(kMain, QStringLiteral("Count"), int(watches.size()));
    ini.WriteInteger(kMain, QStringLiteral("Settle Seconds"), settleSecs);
    ini.WriteInteger(kMain, QStringLiteral("Rescan Seconds"), rescanSecs);
    for (int n = 1; n <= watches.size(); ++n) {
        const WatchSettings &w = watches[n - 1];
        const QString s = section(n);
        ini.WriteString(s, QStringLiteral("Folder"), EscapeIniText(w.folder));
        ini.WriteString(s, QStringLiteral("Profile"), EscapeIniText(w.profile));
        ini.WriteString(s, QStringLiteral("Output Directory"), EscapeIniText(w.outputDir));
        ini.WriteBool(s, QStringLiteral("Include Subfolders"), w.subfolders);
        ini.WriteString(s, QStringLiteral("Existing"), existingChoice(w.existing));
        ini.WriteBool(s, QStringLiteral("Paused"), w.paused);
        ini.WriteString(s, QStringLiteral("Id"), w.id);
    }
    // The store cannot drop a section: those of removed watches are emptied.
    for (int n = int(watches.size()) + 1; n <= before; ++n)
        ini.WriteString(section(n), QStringLiteral("Folder"), {});
    ini.Release();
}
