#include "preferences.h"

#include "newinifiles.h"

namespace {

const QString kMain = QStringLiteral("Main");
const QString kOutputPath = QStringLiteral("Output Path");
const QString kSynMode = QStringLiteral("Syn Mode");
const QString kAutoOpenDir = QStringLiteral("Auto Open Dir");
const QString kAutoExit = QStringLiteral("Auto Exit");
const QString kAutoTurnOff = QStringLiteral("Auto Turn Off");
const QString kOverwrite = QStringLiteral("Overwrite");
const QString kProfile = QStringLiteral("Profile");

// In the file a "[" ends a section wherever it stands, a line break ends the
// line, and a key name followed by "=" anywhere in a line is found by that
// key's lookup: a directory name holding one of them would be cut short when
// read back, or replaced by the next write of that key. The output path is
// stored escaped (EscapeIniText); any other text reads back unchanged.
QString encodePath(const QString &path)
{
    return EscapeIniText(path);
}

QString decodePath(const QString &text)
{
    return UnescapeIniText(text);
}

void writeGeneral(TNewInifile &ini, const PreferenceValues &v)
{
    ini.WriteString(kMain, kOutputPath, encodePath(v.outputPath));
    ini.WriteInteger(kMain, kSynMode, v.synMode);
    ini.WriteBool(kMain, kAutoOpenDir, v.autoOpenDir);
    ini.WriteBool(kMain, kAutoExit, v.autoExit);
    ini.WriteBool(kMain, kAutoTurnOff, v.autoTurnOff);
    ini.WriteBool(kMain, kOverwrite, v.overwrite);
}

} // namespace

QStringList SynModeNames()
{
    return {QStringLiteral("Auto"), QStringLiteral("Force Mode"),
            QStringLiteral("Progressive Mode")};
}

QString PreferencesPath(const QString &appDir)
{
    return appDir + QStringLiteral("Preferences.ini");
}

PreferenceValues ReadPreferences(const QString &iniPath, const QString &section,
                                 const QString &appDir)
{
    TNewInifile ini(iniPath);
    PreferenceValues v;
    v.outputPath = decodePath(ini.ReadString(section, kOutputPath, encodePath(appDir)));
    v.synMode = ini.ReadInteger(section, kSynMode, 0);
    if (v.synMode < 0 || v.synMode >= SynModeNames().size())
        v.synMode = -1;
    const bool isMain = section.compare(kMain, Qt::CaseInsensitive) == 0;
    v.autoOpenDir = ini.ReadBool(section, kAutoOpenDir, isMain);
    v.autoExit = ini.ReadBool(section, kAutoExit, false);
    v.autoTurnOff = ini.ReadBool(section, kAutoTurnOff, false);
    v.overwrite = ini.ReadBool(section, kOverwrite, true);
    ini.Release();
    return v;
}

void SavePreferences(const QString &iniPath, const PreferenceValues &values)
{
    TNewInifile ini(iniPath);
    writeGeneral(ini, values);
    ini.Release();
}

void StorePreferences(const QString &iniPath, int profileIndex, const PreferenceValues &values)
{
    TNewInifile ini(iniPath);
    ini.WriteInteger(kMain, kProfile, profileIndex);
    writeGeneral(ini, values);
    ini.Release();
}

int ReadProfileIndex(const QString &iniPath)
{
    TNewInifile ini(iniPath);
    const int index = ini.ReadInteger(kMain, kProfile, 0);
    ini.Release();
    return index;
}

QString ReadOutputPath(const QString &iniPath, const QString &appDir)
{
    TNewInifile ini(iniPath);
    const QString path = decodePath(ini.ReadString(kMain, kOutputPath, encodePath(appDir)));
    ini.Release();
    return path;
}

QString ReadVersion(const QString &iniPath)
{
    TNewInifile ini(iniPath);
    const QString version = ini.ReadString(kMain, QStringLiteral("Version"), QStringLiteral("1.8"));
    ini.Release();
    return version;
}
