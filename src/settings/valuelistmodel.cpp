#include "valuelistmodel.h"

#include "profiletexts.h"

ValueListModel::ValueListModel(QObject *parent) : QAbstractTableModel(parent) {}

QString ValueListModel::key(int index) const
{
    return index >= 0 && index < count() ? m_rows[index].key : QString();
}

QString ValueListModel::value(int index) const
{
    return index >= 0 && index < count() ? m_rows[index].value : QString();
}

int ValueListModel::findRow(const QString &key) const
{
    if (count() <= 16) {
        for (int i = 0; i < count(); ++i)
            if (m_rows[i].key.compare(key, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    // Comparing ignoring case is comparing the case-folded texts.
    if (m_rowOfKey.isEmpty())
        for (int i = count() - 1; i >= 0; --i) // the first row of a key stays
            m_rowOfKey.insert(m_rows[i].key.toCaseFolded(), i);
    return m_rowOfKey.value(key.toCaseFolded(), -1);
}

QString ValueListModel::valueOf(const QString &key) const
{
    return value(findRow(key));
}

int ValueListModel::appendRow(const QString &key, const QString &value)
{
    const int r = count();
    beginInsertRows({}, r, r);
    m_rows.append(Row{key, value, false, EditStyle::Simple, {}, {}});
    if (!m_rowOfKey.isEmpty() && !m_rowOfKey.contains(key.toCaseFolded()))
        m_rowOfKey.insert(key.toCaseFolded(), r);
    endInsertRows();
    emit stringsChanged();
    return r;
}

void ValueListModel::setValue(int index, const QString &value)
{
    if (index < 0 || index >= count() || m_rows[index].value == value)
        return;
    m_rows[index].value = value;
    m_rows[index].note.clear();
    emit dataChanged(this->index(index, 1), this->index(index, 1));
    emit stringsChanged();
}

void ValueListModel::setValueNote(int index, const QString &note)
{
    if (index < 0 || index >= count() || m_rows[index].note == note)
        return;
    m_rows[index].note = note;
    emit dataChanged(this->index(index, 1), this->index(index, 1));
}

void ValueListModel::setReadOnly(int index, bool readOnly)
{
    if (index < 0 || index >= count())
        return;
    m_rows[index].readOnly = readOnly;
    emit dataChanged(this->index(index, 0), this->index(index, 1));
}

void ValueListModel::setPickList(int index, const QStringList &items)
{
    if (index < 0 || index >= count())
        return;
    m_rows[index].pickList = items;
    m_rows[index].editStyle = EditStyle::PickList;
    emit dataChanged(this->index(index, 0), this->index(index, 1));
}

void ValueListModel::clearRows()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    m_rowOfKey.clear();
    endResetModel();
    emit stringsChanged();
}

void ValueListModel::setRows(const QList<Row> &rows)
{
    beginResetModel();
    m_rows = rows;
    m_rowOfKey.clear();
    endResetModel();
    emit stringsChanged();
}

void ValueListModel::setGridValue(const QString &key, const QString &value)
{
    const int r = findRow(key);
    if (r < 0)
        appendRow(key, value);
    else
        setValue(r, value);
}

int ValueListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int ValueListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ValueListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Row &r = m_rows[index.row()];
    if (role == Qt::EditRole)
        return index.column() == 0 ? r.key : r.value;
    // Keys and pick-list items are shown in the user's language; a typed
    // value as it is.
    if (role == Qt::DisplayRole) {
        if (index.column() == 0)
            return DisplayProfileText(r.key);
        return r.editStyle == EditStyle::PickList ? DisplayProfileText(r.value) : r.value;
    }
    if (role == Qt::ToolTipRole && index.column() == 1 && !r.note.isEmpty())
        return r.note;
    return {};
}

QVariant ValueListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1)
        return {};
    return section == 0 ? tr("Name") : tr("Value");
}

bool ValueListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != 1 || role != Qt::EditRole)
        return false;
    setValue(index.row(), value.toString());
    return true;
}

Qt::ItemFlags ValueListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    const Row &r = m_rows[index.row()];
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!r.readOnly || r.editStyle == EditStyle::PickList)
        f |= Qt::ItemIsEditable;
    return f;
}
