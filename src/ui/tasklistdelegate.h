#pragma once

#include <QHash>
#include <QIcon>
#include <QStyledItemDelegate>

// How the task list paints its rows: each status beside an icon from the
// desktop's icon theme (a picture of ours where the theme has none): a check
// mark for "Complete", an error sign for "Failed", a neutral sign for
// "Skipped", a stop sign for "Stop" and a busy sign for "Probing" and
// "Converting"; the texts of a failed task's row in the error colour.
class TTaskListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // The column that shows the status.
    static constexpr int StatusColumn = 3;

    explicit TTaskListDelegate(QObject *parent = nullptr);

    // The icon shown beside a status; a null icon for "OK".
    QIcon statusIcon(const QString &status) const;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    mutable QHash<QString, QIcon> m_icons;
};
