#include "taskstore.h"

#include "displaytext.h"
#include "tasktext.h"

#include <algorithm>

TaskStore::TaskStore(QObject *parent) : QAbstractTableModel(parent) {}

TaskStore::TaskId TaskStore::appendRow(const QString &caption)
{
    const int row = count();
    beginInsertRows({}, row, row);
    m_rows.append(Row{caption, {}, ++m_lastId, {}});
    if (!m_rowOfIdStale)
        m_rowOfId.insert(m_lastId, row);
    countCaption(caption, 1);
    endInsertRows();
    return m_lastId;
}

void TaskStore::swapRecords(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= count() || b >= count())
        return;
    m_rows.swapItemsAt(a, b);
    if (!m_rowOfIdStale) {
        m_rowOfId.insert(m_rows[a].id, a);
        m_rowOfId.insert(m_rows[b].id, b);
    }
    emit dataChanged(index(a, 0), index(a, ColumnCount - 1));
    emit dataChanged(index(b, 0), index(b, ColumnCount - 1));
}

QList<int> TaskStore::restoreRows(const QList<std::pair<int, Row>> &rows)
{
    QList<int> placed;
    // Neighbouring rows go back in one insertion.
    for (qsizetype i = 0; i < rows.size();) {
        const int first = std::clamp(rows[i].first, 0, count());
        qsizetype j = i + 1;
        while (j < rows.size() && rows[j].first == first + int(j - i))
            ++j;
        beginInsertRows({}, first, first + int(j - i) - 1);
        for (qsizetype k = i; k < j; ++k) {
            m_rows.insert(first + int(k - i), rows[k].second);
            countCaption(rows[k].second.caption, 1);
            placed.append(first + int(k - i));
        }
        // The rows after them have moved.
        m_rowOfIdStale = true;
        endInsertRows();
        i = j;
    }
    return placed;
}

TaskStore::TaskId TaskStore::taskId(int index) const
{
    return index >= 0 && index < count() ? m_rows[index].id : 0;
}

int TaskStore::rowOf(TaskId id) const
{
    if (id == 0)
        return -1;
    if (m_rowOfIdStale) {
        m_rowOfId.clear();
        for (int i = 0; i < count(); ++i)
            m_rowOfId.insert(m_rows[i].id, i);
        m_rowOfIdStale = false;
    }
    return m_rowOfId.value(id, -1);
}

void TaskStore::removeRowsAt(int first, int n)
{
    if (first < 0 || n <= 0 || first + n > count())
        return;
    beginRemoveRows({}, first, first + n - 1);
    for (int i = first; i < first + n; ++i)
        countCaption(m_rows[i].caption, -1);
    m_rows.remove(first, n);
    m_rowOfIdStale = true;
    endRemoveRows();
}

void TaskStore::clearRows()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    m_captions.clear();
    m_rowOfId.clear();
    m_rowOfIdStale = false;
    endResetModel();
}

QString TaskStore::caption(int index) const
{
    return index >= 0 && index < count() ? m_rows[index].caption : QString();
}

QString TaskStore::cell(int index, int cell) const
{
    if (index < 0 || index >= count() || cell < 0 || cell >= CellCount)
        return {};
    return m_rows[index].cells[size_t(cell)];
}

int TaskStore::findCaption(const QString &path) const
{
    if (!hasCaption(path))
        return -1;
    for (int i = 0; i < count(); ++i)
        if (m_rows[i].caption == path)
            return i;
    return -1;
}

void TaskStore::GetItemData(int index, int field, ltvItemData &d) const
{
    if (index < 0 || index >= count())
        return;
    const Row &r = m_rows[index];
    auto c = [&](int n) { return r.cells[size_t(n)]; };
    switch (field) {
    case ItemField::All:
        d.InputFile = r.caption;
        d.Length = c(0);
        d.Size = c(1);
        d.Status = c(2);
        d.NewFilename = c(3);
        d.NewFileExt = c(4);
        d.OrigStartTime = c(5);
        d.OrigEndTime = c(6);
        d.ClipLength = c(7);
        d.StartTime = c(8);
        d.EndTime = c(9);
        d.LengthSecs = StrToSeconds(d.Length);
        d.OrigStartSecs = StrToSeconds(d.OrigStartTime);
        d.OrigEndSecs = StrToSeconds(d.OrigEndTime);
        d.ClipLengthSecs = StrToSeconds(d.ClipLength);
        d.StartSecs = StrToSeconds(d.StartTime);
        d.EndSecs = StrToSeconds(d.EndTime);
        break;
    case ItemField::Caption:
        d.InputFile = r.caption;
        break;
    case 0:
        d.Length = c(0);
        d.LengthSecs = StrToSeconds(d.Length);
        break;
    case 1:
        d.Size = c(1);
        break;
    case 2:
        d.Status = c(2);
        break;
    case 3:
        d.NewFilename = c(3);
        break;
    case 4:
        d.NewFileExt = c(4);
        break;
    case 5:
        d.OrigStartTime = c(5);
        d.OrigStartSecs = StrToSeconds(d.OrigStartTime);
        break;
    case 6:
        d.OrigEndTime = c(6);
        d.OrigEndSecs = StrToSeconds(d.OrigEndTime);
        break;
    case 7:
        d.ClipLength = c(7);
        d.ClipLengthSecs = StrToSeconds(d.ClipLength);
        break;
    case 8:
        d.StartTime = c(8);
        d.StartSecs = StrToSeconds(d.StartTime);
        break;
    case 9:
        d.EndTime = c(9);
        d.EndSecs = StrToSeconds(d.EndTime);
        break;
    default:
        break;
    }
}

void TaskStore::SetItemData(int index, int field, const ltvItemData &d)
{
    if (index < 0 || index >= count())
        return;
    const QString *texts[] = {&d.Length,     &d.Size,          &d.Status,      &d.NewFilename,
                              &d.NewFileExt, &d.OrigStartTime, &d.OrigEndTime, &d.ClipLength,
                              &d.StartTime,  &d.EndTime};
    if (field == ItemField::All) {
        setText(index, ItemField::Caption, d.InputFile);
        for (int n = 0; n < CellCount; ++n)
            setText(index, n, *texts[n]);
    } else if (field == ItemField::Caption) {
        setText(index, field, d.InputFile);
    } else if (field >= 0 && field < CellCount) {
        setText(index, field, *texts[field]);
    }
}

QString TaskStore::outputSubfolder(int index) const
{
    return index >= 0 && index < count() ? m_rows[index].subfolder : QString();
}

void TaskStore::setOutputSubfolder(int index, const QString &subfolder)
{
    if (index >= 0 && index < count())
        m_rows[index].subfolder = subfolder;
}

TaskChoices TaskStore::choices(int index) const
{
    return index >= 0 && index < count() ? m_rows[index].choices : TaskChoices();
}

void TaskStore::setChoices(int index, const TaskChoices &choices)
{
    if (index >= 0 && index < count())
        m_rows[index].choices = choices;
}

void TaskStore::countCaption(const QString &caption, int change)
{
    auto it = m_captions.find(caption);
    if (it == m_captions.end())
        it = m_captions.insert(caption, 0);
    *it += change;
    if (*it <= 0)
        m_captions.erase(it);
}

void TaskStore::setShownPercent(int index, int percent)
{
    if (index < 0 || index >= count() || m_rows[index].percent == percent)
        return;
    m_rows[index].percent = percent;
    const QModelIndex status = this->index(index, ItemField::Status + 1);
    emit dataChanged(status, status, {Qt::DisplayRole});
}

void TaskStore::setText(int index, int field, const QString &text)
{
    Row &r = m_rows[index];
    if (field == ItemField::Status)
        r.percent = -1;
    QString &target = field == ItemField::Caption ? r.caption : r.cells[size_t(field)];
    if (target == text)
        return;
    if (field == ItemField::Caption) {
        countCaption(target, -1);
        countCaption(text, 1);
    }
    target = text;
    emit recordChanged(index);
    const int column = field == ItemField::Caption ? 0 : field + 1;
    if (column < ColumnCount)
        emit dataChanged(this->index(index, column), this->index(index, column));
}

int TaskStore::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int TaskStore::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TaskStore::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const Row &r = m_rows[index.row()];
        const QString text = index.column() == 0 ? r.caption : r.cells[size_t(index.column() - 1)];
        const bool status = index.column() == ItemField::Status + 1;
        if (role == Qt::DisplayRole && status && r.percent >= 0 && text == TaskStatus::Converting)
            return tr("Converting %1%").arg(r.percent);
        if (role == Qt::ToolTipRole && m_toolTipSource) {
            const QString extra = m_toolTipSource(index.row());
            if (!extra.isEmpty())
                return index.column() == 0 ? text + u'\n' + extra : extra;
        }
        // The status is stored as it is, and shown in the user's language.
        return status ? DisplayStatus(text) : text;
    }
    return {};
}

QVariant TaskStore::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const names[] = {QT_TR_NOOP("Input File"), QT_TR_NOOP("Length"),
                                        QT_TR_NOOP("Size"), QT_TR_NOOP("Status")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}

Qt::ItemFlags TaskStore::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
