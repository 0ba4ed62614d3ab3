#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>

// The rows of one name/value grid: a key, a value, a read-only flag, an edit
// style and the pick-list items of the row. Column 0 is the key, column 1 the
// value. The grid widget shows it; the command line and the profile writer
// read it without any widget.
class ValueListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class EditStyle
    {
        Simple,
        PickList
    };
    struct Row
    {
        QString key;
        QString value;
        bool readOnly = false;
        EditStyle editStyle = EditStyle::Simple;
        QStringList pickList;
        // Why the value shown was not taken (see setValueNote).
        QString note;
    };

    explicit ValueListModel(QObject *parent = nullptr);

    int count() const { return int(m_rows.size()); }
    const Row &row(int index) const { return m_rows[index]; }
    QString key(int index) const;
    QString value(int index) const;

    // Index of the first row whose key equals key, ignoring case, or -1.
    int findRow(const QString &key) const;
    // Value of the row with that key (ignoring case), or an empty text.
    QString valueOf(const QString &key) const;

    int appendRow(const QString &key, const QString &value = {});
    void setValue(int index, const QString &value);
    void setReadOnly(int index, bool readOnly);
    void setPickList(int index, const QStringList &items);
    // A word on a value that was not taken (a rejected time): the value's
    // tooltip, and its cell is marked while it has one. Any change of the
    // value takes it away; an empty note too.
    void setValueNote(int index, const QString &note);
    // Removes every row, the last one first.
    void clearRows();
    // Replaces all rows at once.
    void setRows(const QList<Row> &rows);
    // The row with that key (ignoring case) gets the value; without such a
    // row, a row key = value is appended.
    void setGridValue(const QString &key, const QString &value);

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // "Name" and "Value": not shown, but read out by screen readers.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // Any change of the rows' content (values, rows added or removed).
    void stringsChanged();

private:
    QList<Row> m_rows;
    // Case-folded key -> first row with it, built by findRow on a long grid
    // (a profile of thousands of parameters) and dropped when rows change.
    mutable QHash<QString, int> m_rowOfKey;
};
