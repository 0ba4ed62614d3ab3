#include "valuelistdelegate.h"

#include "settings/profiletexts.h"
#include "settings/valuelistmodel.h"
#include "skin.h"
#include "valuelisteditor.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

namespace {

// base with share of tint.
QColor Mixed(const QColor &base, const QColor &tint, double share)
{
    return QColor::fromRgbF(float(base.redF() * (1 - share) + tint.redF() * share),
                            float(base.greenF() * (1 - share) + tint.greenF() * share),
                            float(base.blueF() * (1 - share) + tint.blueF() * share));
}

} // namespace

TValueListDelegate::TValueListDelegate(TValueListEditor *grid)
    : QStyledItemDelegate(grid), m_grid(grid)
{}

TValueListDelegate::CellColors TValueListDelegate::cellColors(const QModelIndex &index) const
{
    const QPalette pal = m_grid->palette();
    const ValueListModel *model = m_grid->values();
    const bool validRow = model && index.row() >= 0 && index.row() < model->count();
    const QModelIndex current = m_grid->currentIndex();
    const bool currentRow = current.isValid() && current.row() == index.row();

    // A disabled grid (during a run, under a dialog) shows no live cell.
    if (!m_grid->isEnabled()) {
        const bool key = index.column() == 0;
        return {pal.color(QPalette::Disabled, key ? QPalette::Button : QPalette::Base),
                pal.color(QPalette::Disabled, key ? QPalette::ButtonText : QPalette::Text)};
    }

    if (index.column() == 0) {
        if (!currentRow)
            return {pal.color(QPalette::Button), pal.color(QPalette::ButtonText)};
        const QWidget *focus = QApplication::focusWidget();
        const bool focused = focus && (focus == m_grid || m_grid->isAncestorOf(focus));
        if (focused)
            return {markerColor(), pal.color(QPalette::Text)};
        return {pal.color(QPalette::Base), QColor(Qt::black)};
    }

    // Value cells never show the selection highlight.
    bool locked = false;
    if (validRow && m_grid->greyLockedRows()) {
        const ValueListModel::Row &row = model->row(index.row());
        locked = row.readOnly && row.editStyle != ValueListModel::EditStyle::PickList;
    }
    if (locked)
        return {pal.color(QPalette::Base), lockedColor()};
    // A value that was not taken.
    if (validRow && !model->row(index.row()).note.isEmpty())
        return {Mixed(pal.color(QPalette::Base), ErrorColour(pal), 0.2), ErrorColour(pal)};
    return {pal.color(QPalette::Base), currentRow ? QColor(Qt::black) : pal.color(QPalette::Text)};
}

void TValueListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const CellColors colors = cellColors(index);
    painter->save();
    painter->fillRect(option.rect, colors.background);
    painter->setPen(colors.text);
    painter->setFont(option.font);
    const QRect textRect = option.rect.adjusted(2, 0, -2, 0);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QString shown = option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
}

QWidget *TValueListDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                          const QModelIndex &index) const
{
    const ValueListModel *model = m_grid->values();
    if (!model || index.column() != 1 || index.row() < 0 || index.row() >= model->count())
        return nullptr;
    const ValueListModel::Row &row = model->row(index.row());
    if (row.editStyle == ValueListModel::EditStyle::PickList) {
        auto *combo = new QComboBox(parent);
        combo->setEditable(false);
        combo->setFrame(false);
        // The items in the user's language; the value chosen is the item itself.
        for (const QString &item : row.pickList)
            combo->addItem(DisplayProfileText(item), item);
        // A choice takes effect at once, as in a drop-down list.
        combo->setProperty(EditorRowProperty, index.row());
        connect(combo, &QComboBox::activated, this, [this, combo](int) {
            emit const_cast<TValueListDelegate *>(this)->commitData(combo);
        });
        return combo;
    }
    if (row.readOnly)
        return nullptr;
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setProperty(EditorRowProperty, index.row());
    return edit;
}

void TValueListDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString value = index.data(Qt::EditRole).toString();
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int i = combo->findData(value, Qt::UserRole, Qt::MatchExactly);
        // A value that is none of the captions (a custom size, say) is shown
        // as it is, with no item chosen.
        combo->setPlaceholderText(i < 0 ? DisplayProfileText(value) : QString());
        combo->setCurrentIndex(i);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        if (edit->text() != value) {
            edit->setText(value);
            // Typing replaces the value; a click into the text places the caret.
            edit->selectAll();
        }
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void TValueListDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentData(), Qt::EditRole);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, edit->text(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void TValueListDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
