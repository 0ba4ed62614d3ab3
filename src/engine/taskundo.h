#pragma once

#include "taskstore.h"

#include <QList>
#include <deque>

// Remove and Clear with a way back: the tasks they take off the list are
// kept, for the last Depth removals, and Undo puts the latest ones back at
// their places with their identities, so that everything found by a task's
// identity (its log, its unfinished output) is theirs again. A task whose
// source has been added to the list again meanwhile stays out: the list
// never holds one path twice.
class TaskUndo
{
public:
    static constexpr int Depth = 10;

    enum class Kind
    {
        Remove,
        Clear
    };

    explicit TaskUndo(TaskStore &store) : m_store(store) {}

    // Takes the rows off the list (any order), to be undone as kind says
    // (during a run, Clear takes only the tasks the run has not started).
    void remove(const QList<int> &rows, Kind kind = Kind::Remove);
    // Takes every row off the list, to be undone as Clear. An empty list
    // leaves nothing to undo.
    void clear();

    bool canUndo() const { return !m_removals.empty(); }
    // What the next Undo undoes (only when canUndo()).
    Kind nextKind() const { return m_removals.back().kind; }
    // Puts the latest removal's tasks back; returns the rows they stand in
    // now, ascending.
    QList<int> undo();

private:
    struct Removal
    {
        Kind kind;
        QList<std::pair<int, TaskStore::Row>> rows; // each with its index, ascending
    };
    void keep(Removal removal);

    TaskStore &m_store;
    std::deque<Removal> m_removals; // the latest at the back
};
