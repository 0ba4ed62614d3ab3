#pragma once

#include <QString>
#include <QStringList>

// The source files the program takes in, by extension: the file dialog's
// filter, folder walks, drops, the command line and list files all read
// them here.

// Accepted source extensions, lower case with their dot, in filter order:
// ".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf", then
// today's formats ".mkv", ".webm", ".m4v", ".ts", ".m2ts", ".mts", ".flv",
// ".3gp", ".ogv", ".mxf", ".dv".
QStringList SupportedExtensions();
// The add-files dialog's filter ("Name|*.a;*.b|..." form), first entry all
// supported files, last entry all files.
QString FileDialogFilter();
// The directory mask "*.avi;*.mpg;...;", every pattern ending in ";".
QString DirectoryMask();
// The lower-cased extension of path's file name, from its last "." on, dot
// included; empty when the name has no ".".
QString LowerExtension(const QString &path);
// True when LowerExtension(path) is one of extensions exactly.
bool HasSupportedExt(const QString &path, const QStringList &extensions);
