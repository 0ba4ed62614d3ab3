#pragma once

#include <QString>

// Small helpers on paths and file names, shared by every layer.

// The file-name part of a path: the text after its last directory separator.
QString FileNamePart(const QString &path);
// The name without its extension (the text before its last ".").
QString StripFileExt(const QString &name);
// The path with a trailing directory separator.
QString AddBackslash(const QString &path);
