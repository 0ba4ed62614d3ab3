#include "preferences.h"

#include "newinifiles.h"

#include <QThread>
#include <algorithm>

namespace {

const QString kMain = QStringLiteral("Main");
const QString kOutputPath = QStringLiteral("Output Path");
const QString kSynMode = QStringLiteral("Syn Mode");
const QString kAutoOpenDir = QStringLiteral("Auto Open Dir");
const QString kAutoExit = QStringLiteral("Auto Exit");
const QString kAutoTurnOff = QStringLiteral("Auto Turn Off");
const QString kOverwrite = QStringLiteral("Overwrite");
const QString kSkip = QStringLiteral("Skip");
const QString kProfile = QStringLiteral("Profile");
const QString kSimultaneousProbes = QStringLiteral("Simultaneous Probes");
const QString kIncludeSubfolders = QStringLiteral("Include Subfolders");
const QString kKeepFolderStructure = QStringLiteral("Keep Folder Structure");
const QString kProbeWithEncoderOnly = QStringLiteral("Probe With Encoder Only");
const QString kLastFolder = QStringLiteral("Last Folder");
const QString kSimultaneousConversions = QStringLiteral("Simultaneous Conversions");
const QString kLanguage = QStringLiteral("Language");
const QString kCheckOutputs = QStringLiteral("Check Outputs");
const QString kTrashSources = QStringLiteral("Trash Sources");

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
    const bool skip = v.skip && !v.overwrite;
    ini.WriteBool(kMain, kOverwrite, v.overwrite && !v.skip);
    // The store cannot delete a key: once written, "Skip" is kept up to date.
    if (skip || ini.ValueExists(kMain, kSkip))
        ini.WriteBool(kMain, kSkip, skip);
    // Newer settings: absent from a file that never had them, as long as
    // they keep their defaults.
    const PreferenceValues defaults;
    if (v.simultaneousProbes != defaults.simultaneousProbes ||
        ini.ValueExists(kMain, kSimultaneousProbes))
        ini.WriteInteger(kMain, kSimultaneousProbes, v.simultaneousProbes);
    if (v.includeSubfolders != defaults.includeSubfolders ||
        ini.ValueExists(kMain, kIncludeSubfolders))
        ini.WriteBool(kMain, kIncludeSubfolders, v.includeSubfolders);
    if (v.keepFolderStructure != defaults.keepFolderStructure ||
        ini.ValueExists(kMain, kKeepFolderStructure))
        ini.WriteBool(kMain, kKeepFolderStructure, v.keepFolderStructure);
    if (v.probeWithEncoderOnly != defaults.probeWithEncoderOnly ||
        ini.ValueExists(kMain, kProbeWithEncoderOnly))
        ini.WriteBool(kMain, kProbeWithEncoderOnly, v.probeWithEncoderOnly);
    if (v.simultaneousConversions != defaults.simultaneousConversions ||
        ini.ValueExists(kMain, kSimultaneousConversions))
        ini.WriteInteger(kMain, kSimultaneousConversions, v.simultaneousConversions);
    if (!v.language.isEmpty() || ini.ValueExists(kMain, kLanguage))
        ini.WriteString(kMain, kLanguage, v.language);
    if (v.verifyOutputs != defaults.verifyOutputs || ini.ValueExists(kMain, kCheckOutputs))
        ini.WriteBool(kMain, kCheckOutputs, v.verifyOutputs);
    if (v.trashSources != defaults.trashSources || ini.ValueExists(kMain, kTrashSources))
        ini.WriteBool(kMain, kTrashSources, v.trashSources);
    if (!v.lastFolder.isEmpty())
        ini.WriteString(kMain, kLastFolder, encodePath(v.lastFolder));
}

// One store over iniPath: read fills value (which holds the defaults), then
// the store is released (unless rewrite is false: a file that came with the
// program is read as it stands). With errors given, a file error is appended
// to it and value keeps what was read before it; without, the error is
// thrown.
template <typename T, typename Read>
T readStore(const QString &iniPath, T value, bool rewrite, QStringList *errors, Read read)
{
    try {
        TNewInifile ini(iniPath);
        read(ini, value);
        if (rewrite)
            ini.Release();
    } catch (const TIniFileError &e) {
        if (!errors)
            throw;
        errors->append(e.text());
    }
    return value;
}

} // namespace

int DefaultSimultaneousProbes()
{
    return std::clamp(QThread::idealThreadCount(), 1, MaxSimultaneousProbes);
}

int MaxSimultaneousConversions()
{
    return std::max(QThread::idealThreadCount(), 1);
}

QStringList SynModeNames()
{
    return {QStringLiteral("Auto"), QStringLiteral("Force Mode"),
            QStringLiteral("Progressive Mode")};
}

PreferenceValues ReadPreferences(const QString &iniPath, const QString &section,
                                 const QString &defaultOutputPath, bool rewrite,
                                 QStringList *errors)
{
    const bool isMain = section.compare(kMain, Qt::CaseInsensitive) == 0;
    PreferenceValues defaults;
    defaults.outputPath = defaultOutputPath;
    defaults.autoOpenDir = isMain;
    return readStore(
        iniPath, defaults, rewrite, errors, [&section](const TNewInifile &ini, auto &v) {
            v.outputPath =
                decodePath(ini.ReadString(section, kOutputPath, encodePath(v.outputPath)));
            v.synMode = ini.ReadInteger(section, kSynMode, v.synMode);
            if (v.synMode < 0 || v.synMode >= SynModeNames().size())
                v.synMode = -1;
            v.autoOpenDir = ini.ReadBool(section, kAutoOpenDir, v.autoOpenDir);
            v.autoExit = ini.ReadBool(section, kAutoExit, v.autoExit);
            v.autoTurnOff = ini.ReadBool(section, kAutoTurnOff, v.autoTurnOff);
            v.overwrite = ini.ReadBool(section, kOverwrite, v.overwrite);
            v.simultaneousProbes =
                std::clamp(ini.ReadInteger(section, kSimultaneousProbes, v.simultaneousProbes), 1,
                           MaxSimultaneousProbes);
            v.includeSubfolders = ini.ReadBool(section, kIncludeSubfolders, v.includeSubfolders);
            v.keepFolderStructure =
                ini.ReadBool(section, kKeepFolderStructure, v.keepFolderStructure);
            v.probeWithEncoderOnly =
                ini.ReadBool(section, kProbeWithEncoderOnly, v.probeWithEncoderOnly);
            v.skip = !v.overwrite && ini.ReadBool(section, kSkip, v.skip);
            v.simultaneousConversions = std::clamp(
                ini.ReadInteger(section, kSimultaneousConversions, v.simultaneousConversions), 1,
                MaxSimultaneousConversions());
            v.verifyOutputs = ini.ReadBool(section, kCheckOutputs, v.verifyOutputs);
            v.trashSources = ini.ReadBool(section, kTrashSources, v.trashSources);
            v.lastFolder = decodePath(ini.ReadString(section, kLastFolder, QString()));
            v.language = ini.ReadString(section, kLanguage, QString()).trimmed();
        });
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

int ReadProfileIndex(const QString &iniPath, bool rewrite, QStringList *errors)
{
    return readStore(iniPath, 0, rewrite, errors, [](const TNewInifile &ini, int &index) {
        index = ini.ReadInteger(kMain, kProfile, index);
    });
}

QString ReadOutputPath(const QString &iniPath, const QString &defaultOutputPath, bool rewrite,
                       QStringList *errors)
{
    return readStore(iniPath, defaultOutputPath, rewrite, errors,
                     [](const TNewInifile &ini, QString &path) {
                         path = decodePath(ini.ReadString(kMain, kOutputPath, encodePath(path)));
                     });
}

QString ReadLastFolder(const QString &iniPath, bool rewrite, QStringList *errors)
{
    return readStore(iniPath, QString(), rewrite, errors, [](const TNewInifile &ini, QString &f) {
        f = decodePath(ini.ReadString(kMain, kLastFolder, f));
    });
}

QString ReadLanguage(const QString &iniPath, bool rewrite, QStringList *errors)
{
    return readStore(iniPath, QString(), rewrite, errors, [](const TNewInifile &ini, QString &l) {
        l = ini.ReadString(kMain, kLanguage, l).trimmed();
    });
}

QString ReadVersion(const QString &iniPath, bool rewrite, QStringList *errors)
{
    return readStore(iniPath, QStringLiteral("1.8"), rewrite, errors,
                     [](const TNewInifile &ini, QString &version) {
                         version = ini.ReadString(kMain, QStringLiteral("Version"), version);
                     });
}
