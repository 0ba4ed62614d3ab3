#pragma once

#include "balloontip.h"

#include "settings/valuelistmodel.h"

#include <QPointer>
#include <QTableView>
#include <functional>

class TValueListDelegate;

// Our name/value grid: a fixed key column and an editable value column over a
// ValueListModel. Row kinds follow the model's rows: a pick-list row offers a
// drop-down of its captions and cannot be typed in, a locked row (read-only,
// no pick list) cannot be changed and is painted grey, a text row takes any
// text. The current cell is always a value cell and never shows the selection
// highlight; while the grid has the focus, the key cell of the current row is
// the focus marker.
class TValueListEditor : public QTableView
{
    Q_OBJECT
public:
    // Rows are 17 pixels high plus a one-pixel line below each, higher
    // where the font needs it (rowPitch()).
    static constexpr int RowHeight = 17;
    static constexpr int LineWidth = 1;
    static constexpr int RowPitch = RowHeight + LineWidth;
    // The height of a row with its line in the grid's font.
    int rowPitch() const;

    explicit TValueListEditor(ValueListModel *model, QWidget *parent = nullptr);
    ~TValueListEditor() override;

    ValueListModel *values() const { return m_values; }

    // Width of the key column and the initial width of the value column, at
    // the design font (wider for a wider font); the value column always
    // fills what is left.
    void setColumnWidths(int keyWidth, int valueWidth);
    // Locked rows' values in grey (on by default; the Output grid has no
    // grey rule).
    void setGreyLockedRows(bool grey);
    bool greyLockedRows() const { return m_greyLocked; }

    // The Output grid's guard: while the value of guardKey is empty, a mouse
    // press shows the balloon tip (title, text, information icon) on the
    // grid and no cell can be edited. An empty guardKey turns the guard off.
    void setEditGuard(const QString &guardKey, const QString &tipTitle, const QString &tipText);
    // The guard of the main window's Output grid: "New Filename" must hold a
    // value, else "Tip:" / "Please select a file in Task List.".
    void setNoTaskGuard();
    // True while the guard refuses edits.
    bool editRefused() const;
    // Asked whenever an editor is about to open: true refuses the edit (the
    // veto tells why itself). None by default.
    void setEditVeto(std::function<bool()> veto) { m_editVeto = std::move(veto); }
    // The balloon tip attached to this grid by the guard, or nullptr.
    TBalloonTip *balloonTip() const { return m_balloon; }

    // Re-lays-out the rows and redraws the grid and its open editor; changes
    // no value.
    void repaintGrid();
    // Commits an open editor, which raises validate() when its text changed,
    // and closes it.
    void endEdit();
    // The editor open on the current cell, or nullptr.
    QWidget *openEditor() const;

    // Height that shows rows rows with their lines and the top line.
    int openHeight(int rows) const { return rows * rowPitch() + 1; }

signals:
    // An edited value cell was left and its text changed.
    void validate(int row);
    void mousePressed();
    void clicked();
    // The guard refused a press and showed its tip.
    void editRefusedTipShown();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

protected slots:
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool nearColumnBorder(int x) const;
    void fitValueColumn();

    QPointer<ValueListModel> m_values;
    TValueListDelegate *m_delegate;
    bool m_greyLocked = true;
    QString m_guardKey;
    QString m_tipTitle;
    QString m_tipText;
    std::function<bool()> m_editVeto;
    QPointer<TBalloonTip> m_balloon;
    int m_keyWidth = 95;
    bool m_keyWidthSet = false; // by the user, dragging the border
    bool m_resizing = false;
    bool m_pressed = false;
    QMetaObject::Connection m_focusWatch;
};
