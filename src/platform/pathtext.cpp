#include "pathtext.h"

#include <QDir>
#include <algorithm>

QString FileNamePart(const QString &path)
{
    const qsizetype sep = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(QDir::separator()));
    return path.mid(sep + 1);
}

QString StripFileExt(const QString &name)
{
    const int dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString AddBackslash(const QString &path)
{
    const QChar sep = QDir::separator();
    if (path.isEmpty() || path.endsWith(sep) || path.endsWith(u'/'))
        return path;
    return path + sep;
}
