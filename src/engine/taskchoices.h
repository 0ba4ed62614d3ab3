#pragma once

#include <QString>

// The profile, output directory and choice for an existing output that a
// task converts with when they are its own (a task taken from a watch
// folder); empty, the window's.
struct TaskChoices
{
    QString profile;   // path of the profile file
    QString outputDir; // the output directory
    QString existing;  // "overwrite", "rename" or "skip"

    bool isEmpty() const { return profile.isEmpty() && outputDir.isEmpty() && existing.isEmpty(); }
    bool operator==(const TaskChoices &) const = default;
};
