#include "profiles.h"

#include "apppaths.h"
#include "newinifiles.h"
#include "platform/pathtext.h"
#include "settings/valuelistmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

const QString kMain = QStringLiteral("Main");
const QString kProfileExt = QStringLiteral(".apf");

// A free value typed by the user, as stored in "Caption" and "Value". It is
// written as it stands, so that anything that read profiles before still
// reads it, unless the store's loose lookup would not read it back: a "["
// begins a section, a line break ends the line, a key name followed by "="
// is found by that key's lookup, and a text that reads as an escape would be
// changed. Such a value is stored escaped.
QString storedFreeValue(const QString &value)
{
    static const QStringList keys{
        "sort=", "readonly=", "list=", "caption=", "value=", "cmd=", "index="};
    bool escape = value.contains(u'[') || value.contains(u'\r') || value.contains(u'\n') ||
                  UnescapeIniText(value) != value;
    for (const QString &key : keys)
        escape = escape || value.contains(key, Qt::CaseInsensitive);
    return escape ? EscapeIniText(value) : value;
}

bool hasExtension(const QString &fileName, const QString &ext)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 && fileName.mid(dot).compare(ext, Qt::CaseInsensitive) == 0;
}

// By name ignoring case, then exactly, so the order (and a stored index into
// it) is the same on every machine.
bool fileNameLess(const QString &a, const QString &b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

} // namespace

int ProfileGridHeight(int rowCount)
{
    return std::max(rowCount, 1) * kProfileRowHeight;
}

QStringList SplitCommaList(const QString &text)
{
    QStringList items = text.split(u',');
    items.removeLast(); // the text after the last comma is not an item
    return items;
}

QStringList ListFilesByExt(const QString &dir, const QString &ext)
{
    const QDir d(dir);
    const QFileInfoList entries =
        d.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList names;
    for (const QFileInfo &info : entries) {
        if (!info.exists() || info.isDir())
            continue; // a dangling link or a link to a directory
        if (hasExtension(info.fileName(), ext))
            names.append(info.fileName());
    }
    std::sort(names.begin(), names.end(), fileNameLess);
    return names;
}

QStringList ProfileCatalogue(const AppPaths &paths)
{
    QStringList files = ListFilesByExt(paths.userProfileDir(), kProfileExt);
    if (paths.shippedProfileDir() != paths.userProfileDir()) {
        QSet<QString> hidden;
        for (const QString &file : files)
            hidden.insert(StripFileExt(file).toCaseFolded());
        for (const QString &file : ListFilesByExt(paths.shippedProfileDir(), kProfileExt))
            if (!hidden.contains(StripFileExt(file).toCaseFolded()))
                files.append(file);
        std::sort(files.begin(), files.end(), fileNameLess);
    }
    QStringList names;
    for (const QString &file : files) {
        const QString name = StripFileExt(file);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

QString ProfilePath(const AppPaths &paths, const QString &name)
{
    for (const QString &dir : {paths.userProfileDir(), paths.shippedProfileDir()}) {
        const QString path = dir + name + kProfileExt;
        if (QFileInfo(path).isFile())
            return path;
        for (const QString &file : ListFilesByExt(dir, kProfileExt))
            if (StripFileExt(file) == name)
                return dir + file;
    }
    return paths.userProfileDir() + name + kProfileExt;
}

QString ReadProfileType(const TNewInifile &ini)
{
    const QString type = ini.ReadString(kMain, QStringLiteral("Type"), QStringLiteral("mp4"));
    return type.isEmpty() ? QStringLiteral("mp4") : type;
}

QStringList ProfileExtensions(const AppPaths &paths)
{
    QStringList extensions;
    for (const QString &name : ProfileCatalogue(paths)) {
        try {
            const QString ext = u'.' + ReadProfileType(TNewInifile(ProfilePath(paths, name)));
            if (!extensions.contains(ext.toLower()))
                extensions.append(ext.toLower());
        } catch (const TIniFileError &) {
            // Told when the profile is chosen.
        }
    }
    return extensions;
}

QList<ProfileParameter> ReadProfileParameters(const TNewInifile &ini)
{
    QList<ProfileParameter> parameters;
    // Each parameter is named by a line of "Main", so a count beyond the
    // file's lines (a damaged file) is cut there: the parameters past it
    // could only be nameless, and the loop would otherwise run for billions
    // of them.
    const int count = std::min(ini.ReadInteger(kMain, QStringLiteral("Para"), 0), ini.LineCount());
    for (int i = 0; i < count; ++i) {
        ProfileParameter p;
        p.name = ini.ReadString(kMain, QString::number(i), QString());
        p.sort = ini.ReadInteger(p.name, QStringLiteral("Sort"), -1);
        p.readOnly = ini.ReadBool(p.name, QStringLiteral("ReadOnly"), false);
        p.list = ini.ReadBool(p.name, QStringLiteral("List"), true);
        p.caption = ini.ReadString(p.name, QStringLiteral("Caption"), QString());
        p.value = ini.ReadString(p.name, QStringLiteral("Value"), QString());
        p.cmd = ini.ReadString(p.name, QStringLiteral("cmd"), QString());
        if (!p.list && !p.readOnly) {
            // Written by SaveProfile, escaped where it had to be.
            p.caption = UnescapeIniText(p.caption);
            p.value = UnescapeIniText(p.value);
        }
        if (p.list) {
            p.index = ini.ReadInteger(p.name, QStringLiteral("Index"), 0);
            p.displayItems = SplitCommaList(p.caption);
            p.commandValues = SplitCommaList(p.value);
        }
        parameters.append(p);
    }
    return parameters;
}

ValueListModel *ChooseProfileGrid(const ProfileGrids &grids, int sort, ValueListModel *current)
{
    if (ValueListModel *grid = grids.bySort(sort))
        return grid;
    return current;
}

bool LoadProfile(const QString &path, const ProfileGrids &grids, QString *outputExt, bool rewrite,
                 QString *rewriteError)
{
    if (!QFileInfo(path).isFile())
        return false;
    TNewInifile ini(path);
    const QString type = ReadProfileType(ini);
    const QList<ProfileParameter> parameters = ReadProfileParameters(ini);

    QList<ValueListModel::Row> video, audio, advanced;
    ValueListModel *grid = nullptr;
    for (const ProfileParameter &p : parameters) {
        grid = ChooseProfileGrid(grids, p.sort, grid);
        if (!grid)
            continue; // no grid chosen yet: the parameter cannot be shown
        QList<ValueListModel::Row> *rows = grid == grids.video   ? &video
                                           : grid == grids.audio ? &audio
                                                                 : &advanced;
        ValueListModel::Row row;
        row.key = p.name;
        row.readOnly = p.readOnly;
        if (p.list) {
            // The value can only be chosen from the pick list.
            row.readOnly = true;
            row.editStyle = ValueListModel::EditStyle::PickList;
            row.pickList = p.displayItems;
            row.value = p.index >= 0 && p.index < p.displayItems.size() ? p.displayItems[p.index]
                                                                        : QString();
        } else {
            row.value = p.caption;
        }
        rows->append(row);
    }
    for (auto [model, rows] : {std::pair{grids.video, &video}, std::pair{grids.audio, &audio},
                               std::pair{grids.advanced, &advanced}})
        if (model)
            model->setRows(*rows);
    if (outputExt)
        *outputExt = u'.' + type;
    if (rewriteError)
        rewriteError->clear();
    if (!rewrite)
        return true;
    if (!rewriteError) {
        ini.Release();
        return true;
    }
    try {
        ini.Release();
    } catch (const TIniFileError &e) {
        *rewriteError = e.text();
    }
    return true;
}

void SaveProfile(const QString &path, const ProfileGrids &grids)
{
    TNewInifile ini(path);
    ValueListModel *grid = nullptr;
    for (const ProfileParameter &p : ReadProfileParameters(ini)) {
        grid = ChooseProfileGrid(grids, p.sort, grid);
        if (!grid || p.readOnly)
            continue;
        const int r = grid->findRow(p.name);
        if (r < 0)
            continue; // nothing shown for it, so nothing to save
        const ValueListModel::Row &row = grid->row(r);
        if (p.list) {
            int index = -1;
            for (int i = 0; i < row.pickList.size(); ++i)
                if (row.pickList[i].compare(row.value, Qt::CaseInsensitive) == 0) {
                    index = i;
                    break;
                }
            ini.WriteInteger(p.name, QStringLiteral("Index"), index);
        } else {
            const QString stored = storedFreeValue(row.value);
            ini.WriteString(p.name, QStringLiteral("Caption"), stored);
            ini.WriteString(p.name, QStringLiteral("Value"), stored);
        }
    }
    ini.Release();
}

void SaveProfileAs(const QString &source, const QString &target, const ProfileGrids &grids)
{
    if (!QFileInfo(source).isFile())
        return;
    const QFileInfo sourceInfo(source), targetInfo(target);
    const bool sameFile =
        targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath();
    if (!sameFile) {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            throw TIniFileError(
                QCoreApplication::translate("TNewInifile", "Cannot open file \"%1\". %2")
                    .arg(QDir::toNativeSeparators(source), in.errorString())
                    .toStdString());
        WriteFileAtomically(target, in.readAll());
    }
    SaveProfile(target, grids);
}
