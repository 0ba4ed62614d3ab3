#include "filenames.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

#include <sys/stat.h>

namespace {

bool isValidUtf8(const QByteArray &bytes, QString *text = nullptr)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder(bytes);
    if (decoder.hasError())
        return false;
    if (text)
        *text = std::move(decoded);
    return true;
}

// Length of the UTF-8 sequence that a lead byte announces, 0 for a byte that
// cannot begin one.
int sequenceLength(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

QString DecodeFileName(const QByteArray &bytes)
{
    // Most names are plain ASCII: no decoder needed.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QString text;
    if (isValidUtf8(bytes, &text))
        return text;
    text.clear();
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes[i]);
        const int length = sequenceLength(lead);
        QString sequence;
        if (length > 0 && i + length <= bytes.size() &&
            isValidUtf8(bytes.mid(i, length), &sequence)) {
            text += sequence;
            i += length;
        } else {
            text += QChar(char16_t(0xDC00 + lead));
            ++i;
        }
    }
    return text;
}

bool IsUndecodableName(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            ++i; // a pair: a letter beyond the basic plane
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

QByteArray EncodeFileName(const QString &name)
{
    if (!IsUndecodableName(name))
        return name.toUtf8();
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && name[i - 1].isHighSurrogate())) {
            bytes += name.mid(from, i - from).toUtf8();
            bytes += char(c - 0xDC00);
            from = i + 1;
        }
    }
    bytes += name.mid(from).toUtf8();
    return bytes;
}

FileKind KindOfFile(const QString &path)
{
    struct stat st
    {
    };
    if (path.isEmpty() || ::stat(EncodeFileName(path).constData(), &st) != 0)
        return FileKind::None;
    if (S_ISREG(st.st_mode))
        return FileKind::File;
    return S_ISDIR(st.st_mode) ? FileKind::Directory : FileKind::None;
}
