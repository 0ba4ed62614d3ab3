#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names as the system gives them: bytes. Qt takes every name as UTF-8,
// so a name that is not valid UTF-8 cannot be represented: Qt's directory
// listings leave it out, and decoding it with replacement characters can
// name another file or none. These helpers keep such names apart, so that
// they can be counted and reported instead of vanishing.

// The name as text: valid UTF-8 is decoded as Qt does; otherwise every byte
// that is not part of a valid sequence becomes a lone surrogate
// (U+DC80..U+DCFF), which no name decoded from valid UTF-8 contains.
QString DecodeFileName(const QByteArray &bytes);

// True for a name that DecodeFileName made from bytes that are not valid
// UTF-8 (it holds a lone surrogate).
bool IsUndecodableName(const QString &name);

// The bytes of a name made by DecodeFileName: its exact inverse.
QByteArray EncodeFileName(const QString &name);

// What a path (decoded by DecodeFileName, so possibly not representable for
// Qt) names: a regular file or a directory (links followed), or neither.
enum class FileKind
{
    None,
    File,
    Directory
};
FileKind KindOfFile(const QString &path);
