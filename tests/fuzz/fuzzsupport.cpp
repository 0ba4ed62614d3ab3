#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

namespace fuzzsupport {

QString scratchFile(const QString &name)
{
    static QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    return dir.filePath(name);
}

void putFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(data) == data.size());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

FileAndScript splitInput(const QByteArray &input)
{
    FileAndScript parts;
    const qsizetype marker = input.lastIndexOf("\n%%\n");
    if (marker < 0) {
        parts.file = input;
        return parts;
    }
    parts.file = input.left(marker + 1);
    for (const QByteArray &line : input.mid(marker + 4).split('\n'))
        if (!line.isEmpty())
            parts.script.append(line.split('|'));
    return parts;
}

} // namespace fuzzsupport
