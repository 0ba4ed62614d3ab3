#include "valuelisteditor.h"

#include "balloontip.h"
#include "fixeddialog.h"
#include "settings/valuelistmodel.h"
#include "valuelistdelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int BorderGrip = 3;
constexpr int MinColumnWidth = 8;
} // namespace

TValueListEditor::TValueListEditor(ValueListModel *model, QWidget *parent)
    : QTableView(parent), m_values(model), m_delegate(new TValueListDelegate(this))
{
    setModel(model);
    setItemDelegate(m_delegate);
    setFrameShape(QFrame::NoFrame);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowPitch());
    horizontalHeader()->setMinimumSectionSize(MinColumnWidth);
    horizontalHeader()->setStretchLastSection(true);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    setColumnWidths(95, 68);
    // New rows (a profile loaded) may bring longer keys.
    connect(model, &QAbstractItemModel::modelReset, this, [this] { fitValueColumn(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { fitValueColumn(); });

    // The focus marker follows the keyboard focus, also when it moves
    // between the grid and its editor or leaves for another window part.
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
            auto inside = [this](QWidget *w) { return w && (w == this || isAncestorOf(w)); };
            if (inside(old) || inside(now))
                viewport()->update();
        });
}

TValueListEditor::~TValueListEditor()
{
    // The widget destructors below move the focus; this grid is no longer
    // there to react.
    disconnect(m_focusWatch);
    delete m_balloon;
}

void TValueListEditor::setColumnWidths(int keyWidth, int valueWidth)
{
    const double scale = FontScale(font());
    m_keyWidth = int(keyWidth * scale);
    setColumnWidth(0, m_keyWidth);
    setColumnWidth(1, int(valueWidth * scale));
    fitValueColumn();
}

void TValueListEditor::setGreyLockedRows(bool grey)
{
    m_greyLocked = grey;
    viewport()->update();
}

void TValueListEditor::setEditGuard(const QString &guardKey, const QString &tipTitle,
                                    const QString &tipText)
{
    m_guardKey = guardKey;
    m_tipTitle = tipTitle;
    m_tipText = tipText;
}

void TValueListEditor::setNoTaskGuard()
{
    setEditGuard(QStringLiteral("New Filename"), tr("Tip:"),
                 tr("Please select a file in Task List."));
}

bool TValueListEditor::editRefused() const
{
    return !m_guardKey.isEmpty() && m_values && m_values->valueOf(m_guardKey).isEmpty();
}

void TValueListEditor::repaintGrid()
{
    doItemsLayout();
    viewport()->update();
    if (QWidget *editor = openEditor())
        editor->update();
}

QWidget *TValueListEditor::openEditor() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? indexWidget(current) : nullptr;
}

void TValueListEditor::endEdit()
{
    if (QWidget *editor = openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TValueListEditor::commitData(QWidget *editor)
{
    // The editor knows its row; the current cell may already have moved on.
    const QVariant editedRow = editor->property(TValueListDelegate::EditorRowProperty);
    const int row = editedRow.isValid() ? editedRow.toInt() : currentIndex().row();
    if (!m_values)
        return;
    const QString before = m_values->value(row);
    QTableView::commitData(editor);
    if (row >= 0 && m_values && m_values->value(row) != before)
        emit validate(row);
}

void TValueListEditor::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab and Shift+Tab in an editor leave the grid for the next or the
    // previous control, as from any other control; the arrow keys move
    // between the cells.
    const bool leave = hint == QAbstractItemDelegate::EditNextItem ||
                       hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, leave ? QAbstractItemDelegate::NoHint : hint);
    viewport()->update();
    if (leave && hasFocus())
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

void TValueListEditor::keyPressEvent(QKeyEvent *event)
{
    // Enter edits the current cell, as F2 does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState && currentIndex().isValid() &&
        edit(currentIndex(), EditKeyPressed, event))
        return;
    QTableView::keyPressEvent(event);
}

bool TValueListEditor::nearColumnBorder(int x) const
{
    const int border = columnViewportPosition(1);
    return border > 0 && qAbs(x - border) <= BorderGrip;
}

void TValueListEditor::fitValueColumn()
{
    // Until the user sets its width, the key column shows whole keys where
    // the grid has room for them, up to half its width.
    if (!m_keyWidthSet && m_values) {
        int widest = 0;
        for (int i = 0; i < m_values->count(); ++i)
            widest = std::max(
                widest, fontMetrics().horizontalAdvance(m_values->index(i, 0).data().toString()));
        const int room = std::max(m_keyWidth, viewport()->width() / 2);
        setColumnWidth(0, std::clamp(widest + 10, m_keyWidth, room));
    }
    // The last section stretches over what the key column leaves.
    horizontalHeader()->setStretchLastSection(true);
    updateGeometries();
}

void TValueListEditor::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    if (editRefused()) {
        // No task is shown: explain instead of editing.
        if (QWidget *editor = openEditor())
            closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        setFocus(Qt::MouseFocusReason);
        QWidget *target = QApplication::widgetAt(event->globalPosition().toPoint());
        if (!target || !(target == this || isAncestorOf(target)))
            target = viewport();
        m_balloon = ShowBalloonTip(target, TBalloonTip::Icon::Information, m_tipTitle, m_tipText);
        if (m_balloon)
            m_balloon->setCondition([this] { return editRefused(); });
        event->accept();
        emit editRefusedTipShown();
        emit mousePressed();
        return;
    }
    if (event->button() == Qt::LeftButton && nearColumnBorder(event->position().toPoint().x())) {
        m_resizing = true;
        event->accept();
        emit mousePressed();
        return;
    }
    QTableView::mousePressEvent(event);
    emit mousePressed();
}

void TValueListEditor::mouseMoveEvent(QMouseEvent *event)
{
    const int x = event->position().toPoint().x();
    if (m_resizing) {
        const int maxWidth = qMax(MinColumnWidth, viewport()->width() - MinColumnWidth);
        m_keyWidth = qBound(MinColumnWidth, x, maxWidth);
        m_keyWidthSet = true;
        setColumnWidth(0, m_keyWidth);
        fitValueColumn();
        event->accept();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        if (nearColumnBorder(x))
            viewport()->setCursor(Qt::SplitHCursor);
        else
            viewport()->unsetCursor();
    }
    QTableView::mouseMoveEvent(event);
}

void TValueListEditor::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (m_resizing) {
        m_resizing = false;
        event->accept();
    } else {
        QTableView::mouseReleaseEvent(event);
        // A click on the current value cell opens its editor, also when the
        // cell was current already (after Enter, say).
        const QModelIndex index = indexAt(event->position().toPoint());
        if (wasPressed && index.isValid() && index == currentIndex() && !openEditor())
            edit(index, QAbstractItemView::AllEditTriggers, event);
    }
    if (wasPressed && rect().contains(mapFromGlobal(event->globalPosition().toPoint())))
        emit clicked();
}

void TValueListEditor::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void TValueListEditor::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

bool TValueListEditor::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (index.column() != 1 || editRefused())
        return false;
    const bool opens =
        trigger == AllEditTriggers || (trigger != NoEditTriggers && (editTriggers() & trigger));
    if (opens && state() != EditingState && m_editVeto && m_editVeto())
        return false;
    return QTableView::edit(index, trigger, event);
}

void TValueListEditor::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The current cell is always a value cell.
    QTableView::currentChanged(current, previous);
    if (current.isValid() && current.column() == 0) {
        setCurrentIndex(current.siblingAtColumn(1));
        return;
    }
    viewport()->update();
}

QModelIndex TValueListEditor::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    return next.isValid() ? next.siblingAtColumn(1) : next;
}

int TValueListEditor::rowPitch() const
{
    return std::max(RowPitch, fontMetrics().height() + 4);
}

void TValueListEditor::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(rowPitch());
}

void TValueListEditor::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitValueColumn();
}
