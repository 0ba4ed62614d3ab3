#pragma once

#include "itemdata.h"

#include <QString>
#include <QStringList>

// Applies an edit of the Output grid ("New Filename", "Start Time" and
// "End Time" texts) to a task's record and returns the record to store. Only
// NewFilename, NewFileExt, ClipLength, StartTime and EndTime change; the
// caller writes those five fields back into the task's row.
//
// Times: a text that is not a time keeps the record's value; a start that is
// negative, not before the end or not before the original end keeps the old
// start; an end that is not positive, not after the (checked) start or not
// after the original start keeps the old end. The end is not bounded by the
// duration.
//
// File name: when the text ends in a known extension (an accepted source
// extension or one of outputExtensions, ".mp4" say, compared ignoring case),
// the text before it becomes the new name and the extension, as typed, the
// new NewFileExt; otherwise the whole text is the name and NewFileExt is
// empty, so that "Party 2024.06.01" keeps its date. A text whose name part is
// empty, or that contains a directory separator or a NUL character, keeps the
// record's name and extension: the output must stay a plain file in the
// output directory.
ltvItemData ValidateOutputEdit(const ltvItemData &record, const QString &newFilenameText,
                               const QString &startText, const QString &endText,
                               const QStringList &outputExtensions = {});

// True when name, followed by ext, can serve as the name of an output file
// in the output directory: the name is not empty, "." or "..", and neither
// holds a directory separator or a NUL character.
bool IsAcceptableOutputName(const QString &name, const QString &ext = {});
