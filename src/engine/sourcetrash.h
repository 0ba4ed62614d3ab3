#pragma once

#include <QString>

// Moves a source whose output has been checked to the desktop's Trash (the
// freedesktop Trash of its file system, or the user's own), from where the
// user can put it back. Nothing is ever deleted outright: when no trash
// takes the file, it stays where it is.
class SourceTrash
{
public:
    struct Result
    {
        bool moved = false;
        QString line; // for the task's log
    };

    // Moves source to the Trash, unless output is the source itself or the
    // same file under another name (a link, another hard link).
    static Result moveToTrash(const QString &source, const QString &output);
};
