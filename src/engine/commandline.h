#pragma once

#include "itemdata.h"
#include "settings/profilegrids.h"

#include <QString>
#include <QStringList>

// The profile's option string: for every parameter of the profile file, in
// the order of its "Main" keys, " <cmd> <value>" with the value the user sees
// in the grids (a pick-list item is translated into its command value). A
// value of "\" gives the option alone (" <cmd> "). Empty when the file does
// not exist. Errors of the INI store propagate as TIniFileError.
QString BuildProfileOptions(const QString &profilePath, const ProfileGrids &grids);

// The output file of task index (counted from 0) in outputDir. The plain name
// is NewFilename + the output extension; when it cannot be used (it is the
// source file under any spelling, it is a directory, or it exists and
// overwrite is off) the name takes the index: NewFilename_<index+1>, then
// NewFilename_<index+1>_2, _3, ... With overwrite off no existing file is
// ever chosen. The source files of the other tasks (otherSources) are never
// written over either, whatever overwrite says.
QString OutputPath(const QString &outputDir, const ltvItemData &task, int index,
                   const QString &outputExt, bool overwrite, const QStringList &otherSources = {});

// The task's own options appended to the profile's: " -ss <StartTime>" when
// the start was moved, " -t <whole seconds>" when the length was cut.
QString TaskOptions(const QString &options, const ltvItemData &task);

// The command line as one text (blank, -y, -i, the quoted source, the task
// options, blank, the quoted output), for diagnostics.
QString CommandLineText(const ltvItemData &task, const QString &taskOptions,
                        const QString &outputPath);

// The arguments the encoder is started with: -y, -i, the source, the pieces
// of the profile options, -ss/-t of the task, the output. Paths stay whole.
QStringList EncoderArguments(const ltvItemData &task, const QString &options,
                             const QString &outputPath);
