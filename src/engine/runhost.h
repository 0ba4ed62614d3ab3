#pragma once

#include "outputplan.h"

#include <QMap>
#include <QString>

// What the batch run needs from the main window. Every value is read at the
// moment the run needs it, so changes made while a run is going on (the
// settings dialog's live controls) take effect for the next task or for the
// completion actions.
class RunHost
{
public:
    virtual ~RunHost() = default;

    // Text of the output path box.
    virtual QString outputDirectory() const = 0;
    // "." + the type of the profile last loaded, or empty before the first load.
    virtual QString outputExtension() const = 0;
    // Overwrite existing output files (false: rename with an index).
    virtual bool overwrite() const = 0;
    // Keep an existing output file: its task is not converted but "Skipped".
    virtual bool skipExisting() const { return false; }
    // Check each output once its encoder has ended with success, and an
    // existing file before Skip keeps it (see OutputCheck).
    virtual bool verifyOutputs() const { return false; }
    // Move each source to the Trash once its output has passed the check.
    virtual bool trashSources() const { return false; }
    virtual bool autoOpenDir() const = 0;
    virtual bool autoExit() const = 0;
    virtual bool autoTurnOff() const = 0;
    // False for a profile that came with the program: it is read, never
    // rewritten.
    virtual bool rewritesProfile(const QString &profilePath) const
    {
        Q_UNUSED(profilePath);
        return true;
    }
    // Closes the main window (auto exit, and after the power-off request).
    virtual void closeMainWindow() = 0;

    // The position of the task in row in the whole task list, counted from
    // 0, which its indexed output name carries. A run that converts only a
    // share of the list names every task as a run of the whole list would.
    virtual int listIndex(int row) const { return row; }
    // The tasks of the list that another run converts (the other shares),
    // by their positions in the list: outputs are named for the whole list.
    // With the rows' positions they cover 0 to the list's size - 1.
    virtual QMap<int, OutputPlan::Task> otherTasks() const { return {}; }
};
