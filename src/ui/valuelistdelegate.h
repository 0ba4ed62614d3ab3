#pragma once

#include <QStyledItemDelegate>

class TValueListEditor;

// Paints and edits the cells of a TValueListEditor: key cells in the button
// face colour (the current row's key as the focus marker), value cells in the
// window colour, locked values grey; a drop-down of captions for pick-list
// rows and a plain line edit for text rows.
class TValueListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // The focus marker's background.
    static QColor markerColor() { return QColor(49, 106, 197); }
    // Text colour of locked values.
    static QColor lockedColor() { return QColor(192, 192, 192); }

    // Dynamic property of an editor: the row it edits.
    static constexpr const char *EditorRowProperty = "valueListRow";

    explicit TValueListDelegate(TValueListEditor *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

    // Background and text colour of a cell as the painting rules give them.
    struct CellColors
    {
        QColor background;
        QColor text;
    };
    CellColors cellColors(const QModelIndex &index) const;

private:
    TValueListEditor *m_grid;
};
