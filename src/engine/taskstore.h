#pragma once

#include "itemdata.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <array>
#include <functional>
#include <utility>

// The task list: one row per source file, in conversion order. Each row has
// a caption (the source path) and exactly ten cells; the view shows the
// caption and cells 0 to 2 as the columns "Input File", "Length", "Size" and
// "Status". The rows are the only store of the tasks' records.
class TaskStore : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int CellCount = 10;
    static constexpr int ColumnCount = 4;

    // A task's identity: given when its row is appended, moved with its
    // record, never reused. Results that arrive later (a probe, a log) find
    // their task by it, wherever the row has moved meanwhile.
    using TaskId = quint64;

    // One task as the list holds it: its record's texts, its identity and
    // its output subfolder.
    struct Row
    {
        QString caption;
        std::array<QString, CellCount> cells;
        TaskId id = 0;
        QString subfolder;
        int percent = -1; // shown only (see setShownPercent)
    };

    explicit TaskStore(QObject *parent = nullptr);

    int count() const { return int(m_rows.size()); }
    // Appends a row with the given caption and ten empty cells; returns the
    // new task's identity.
    TaskId appendRow(const QString &caption);
    void removeRowAt(int index) { removeRowsAt(index, 1); }
    // Removes n neighbouring rows from first on, in one change of the model.
    void removeRowsAt(int first, int n);
    void clearRows();
    // Exchanges the whole records of two rows, identities included.
    void swapRecords(int a, int b);
    // The rows as they stand (a cheap copy).
    QList<Row> rows() const { return m_rows; }
    // Puts rows taken off the list back, each at its index (ascending, as
    // they will stand afterwards; an index beyond the end appends), with
    // their identities: whatever is found by a task's identity finds it
    // again. Returns the rows they stand in.
    QList<int> restoreRows(const QList<std::pair<int, Row>> &rows);

    // Identity of the task in row index (0 for no such row).
    TaskId taskId(int index) const;
    // Row of the task with that identity, or -1 when it is no longer listed.
    int rowOf(TaskId id) const;

    QString caption(int index) const;
    QString cell(int index, int cell) const;
    // Index of the first row whose caption equals path exactly, or -1.
    int findCaption(const QString &path) const;
    // True when a row's caption equals path exactly; quick at any size.
    bool hasCaption(const QString &path) const { return m_captions.contains(path); }

    // The folder, relative to the output directory, that the task's output
    // goes into ("/"-separated; empty for the output directory itself). It
    // is part of the task but not of its record: set when the task is added
    // from a folder tree, moved with the record.
    QString outputSubfolder(int index) const;
    void setOutputSubfolder(int index, const QString &subfolder);

    // Copies the fields the selector names from row index into data and
    // derives the seconds fields that go with them.
    void GetItemData(int index, int field, ltvItemData &data) const;
    // Writes the texts the selector names from data into row index.
    void SetItemData(int index, int field, const ltvItemData &data);

    // How far the conversion of the task in row index has come: shown in the
    // Status column of a "Converting" task ("Converting 42%"), never stored
    // in the record; -1 for none. Gone with the next status written.
    void setShownPercent(int index, int percent);

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // A tooltip for a row beyond its texts (why a task failed, say): shown
    // on every column of the row when the source gives a text for it.
    using ToolTipSource = std::function<QString(int index)>;
    void setToolTipSource(ToolTipSource source) { m_toolTipSource = std::move(source); }

signals:
    // A text of row index changed, shown in a column or not.
    void recordChanged(int index);

private:
    void setText(int index, int field, const QString &text);
    void countCaption(const QString &caption, int change);

    QList<Row> m_rows;
    TaskId m_lastId = 0;
    // Row of each identity; rebuilt when rows were removed since.
    mutable QHash<TaskId, int> m_rowOfId;
    mutable bool m_rowOfIdStale = false;
    QHash<QString, int> m_captions; // how many rows have each caption
    ToolTipSource m_toolTipSource;
};
