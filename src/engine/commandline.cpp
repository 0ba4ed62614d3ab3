#include "commandline.h"

#include "settings/newinifiles.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "tasktext.h"

#include <QFileInfo>
#include <cmath>

namespace {

// The command value of one parameter, or an empty text when it contributes
// nothing.
QString parameterValue(const ProfileParameter &p, const QString &shown)
{
    if (p.list) {
        for (int j = 0; j < p.displayItems.size(); ++j) {
            if (p.displayItems[j].compare(shown, Qt::CaseInsensitive) == 0) {
                // A display item without a command value is a fault of the
                // profile file: the parameter is left out rather than passing
                // a display text to the encoder.
                return j < p.commandValues.size() ? p.commandValues[j] : QString();
            }
        }
        // Not one of the items (a custom size typed by the user, say): the
        // text goes to the encoder as it is.
        return shown;
    }
    return p.readOnly ? p.value : shown;
}

bool sameFile(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    // One of them does not exist: compare the cleaned absolute spellings.
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// A name the encoder may write: not the source nor another task's source, not
// a directory, and not an existing file unless overwriting is allowed.
bool usable(const QString &path, const QString &source, const QStringList &otherSources,
            bool overwrite)
{
    if (sameFile(path, source))
        return false;
    for (const QString &other : otherSources)
        if (sameFile(path, other))
            return false;
    const QFileInfo info(path);
    if (info.isDir())
        return false;
    return overwrite || !info.exists();
}

} // namespace

QString BuildProfileOptions(const QString &profilePath, const ProfileGrids &grids)
{
    QString result;
    if (!QFileInfo(profilePath).isFile())
        return result;
    TNewInifile ini(profilePath);
    ValueListModel *grid = nullptr;
    for (const ProfileParameter &p : ReadProfileParameters(ini)) {
        grid = ChooseProfileGrid(grids, p.sort, grid);
        // Before any parameter has named a grid, a parameter is shown
        // nowhere; what the user cannot see does not reach the encoder.
        if (!grid)
            continue;
        QString v = parameterValue(p, grid->valueOf(p.name));
        if (p.cmd.isEmpty() || v.isEmpty())
            continue;
        if (v == QStringLiteral("\\"))
            v.clear();
        result += u' ' + p.cmd + u' ' + v;
    }
    ini.Release();
    return result;
}

QString OutputPath(const QString &outputDir, const ltvItemData &task, int index,
                   const QString &outputExt, bool overwrite, const QStringList &otherSources)
{
    const QString dir = AddBackslash(outputDir);
    // Both the plain and the indexed name take the profile's extension; the
    // task's own one stands in when no profile has been loaded, and the
    // encoder's default container when neither is known.
    QString ext = outputExt;
    if (ext.isEmpty())
        ext = task.NewFileExt;
    if (ext.isEmpty())
        ext = QStringLiteral(".mp4");

    const QString plain = dir + task.NewFilename + ext;
    if (usable(plain, task.InputFile, otherSources, overwrite))
        return plain;
    const QString indexed = dir + task.NewFilename + u'_' + QString::number(index + 1);
    if (usable(indexed + ext, task.InputFile, otherSources, overwrite))
        return indexed + ext;
    for (int k = 2;; ++k) {
        const QString candidate = indexed + u'_' + QString::number(k) + ext;
        if (usable(candidate, task.InputFile, otherSources, overwrite))
            return candidate;
    }
}

QString TaskOptions(const QString &options, const ltvItemData &task)
{
    QString result = options;
    if (task.StartSecs != task.OrigStartSecs && task.StartSecs >= 0)
        result += QStringLiteral(" -ss ") + task.StartTime;
    if (task.ClipLengthSecs != task.LengthSecs && task.ClipLengthSecs >= 0)
        // Written from the rounded double: a length typed with a huge hour
        // does not fit a 64-bit integer.
        result +=
            QStringLiteral(" -t ") + QString::number(std::nearbyint(task.ClipLengthSecs), 'f', 0);
    return result;
}

QString CommandLineText(const ltvItemData &task, const QString &taskOptions,
                        const QString &outputPath)
{
    return QStringLiteral(" -y -i \"") + task.InputFile + u'"' + taskOptions +
           QStringLiteral(" \"") + outputPath + u'"';
}

QStringList EncoderArguments(const ltvItemData &task, const QString &options,
                             const QString &outputPath)
{
    QStringList args{QStringLiteral("-y"), QStringLiteral("-i"), task.InputFile};
    // The option pieces: " <cmd> <value>" each; a flag leaves an empty value,
    // which splitting drops.
    args += TaskOptions(options, task).split(u' ', Qt::SkipEmptyParts);
    args.append(outputPath);
    return args;
}
