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
const QString kSkip = QStringLiteral("Skip");
const QString kProfile = QStringLiteral("Profile");

// In the file a "[" ends a section wherever it stands and a line break ends
// the line, so a directory name holding one would be cut short when read
// back. The output path is stored with "%", "[", CR and LF escaped; any other
// text reads back unchanged.
QString encodePath(const QString &path)
{
    QString out = path;
    out.replace(u'%', QStringLiteral("%25"));
    out.replace(u'[', QStringLiteral("%5B"));
    out.replace(u'\r', QStringLiteral("%0D"));
    out.replace(u'\n', QStringLiteral("%0A"));
    return out;
}

QString decodePath(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView rest = QStringView(text).mid(i, 3);
        if (rest.compare(u"%5B", Qt::CaseInsensitive) == 0) {
            out += u'[';
            i += 2;
        } else if (rest.compare(u"%0D", Qt::CaseInsensitive) == 0) {
            out += u'\r';
            i += 2;
        } else if (rest.compare(u"%0A", Qt::CaseInsensitive) == 0) {
            out += u'\n';
            i += 2;
        } else if (rest == u"%25") {
            out += u'%';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
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
    // A line holds no line break, so a read that returns one found no key.
    const QString absent = QStringLiteral("\n");
    if (skip || ini.ReadString(kMain, kSkip, absent) != absent)
        ini.WriteBool(kMain, kSkip, skip);
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
            v.skip = !v.overwrite && ini.ReadBool(section, kSkip, v.skip);
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

QString ReadVersion(const QString &iniPath, bool rewrite, QStringList *errors)
{
    return readStore(iniPath, QStringLiteral("1.8"), rewrite, errors,
                     [](const TNewInifile &ini, QString &version) {
                         version = ini.ReadString(kMain, QStringLiteral("Version"), version);
                     });
}
