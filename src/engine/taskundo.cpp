#include "taskundo.h"

#include <algorithm>

void TaskUndo::remove(const QList<int> &rows, Kind kind)
{
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const QList<TaskStore::Row> all = m_store.rows();
    Removal removal{kind, {}};
    for (int row : std::as_const(sorted))
        if (row >= 0 && row < all.size())
            removal.rows.append({row, all[row]});
    if (removal.rows.isEmpty())
        return;
    // From the last to the first, so that the indexes stay true; each run of
    // neighbouring rows in one removal.
    for (qsizetype end = removal.rows.size(); end > 0;) {
        qsizetype begin = end - 1;
        while (begin > 0 && removal.rows[begin - 1].first == removal.rows[begin].first - 1)
            --begin;
        m_store.removeRowsAt(removal.rows[begin].first, int(end - begin));
        end = begin;
    }
    keep(std::move(removal));
}

void TaskUndo::clear()
{
    const QList<TaskStore::Row> all = m_store.rows();
    m_store.clearRows();
    if (all.isEmpty())
        return;
    Removal removal{Kind::Clear, {}};
    removal.rows.reserve(all.size());
    for (qsizetype i = 0; i < all.size(); ++i)
        removal.rows.append({int(i), all[i]});
    keep(std::move(removal));
}

void TaskUndo::keep(Removal removal)
{
    m_removals.push_back(std::move(removal));
    while (m_removals.size() > size_t(Depth))
        m_removals.pop_front();
}

QList<int> TaskUndo::undo()
{
    if (m_removals.empty())
        return {};
    const Removal removal = std::move(m_removals.back());
    m_removals.pop_back();
    QList<std::pair<int, TaskStore::Row>> back;
    int left = 0;
    for (const auto &[index, row] : removal.rows) {
        if (m_store.hasCaption(row.caption)) {
            ++left; // the tasks after it take its place
            continue;
        }
        back.append({index - left, row});
    }
    return m_store.restoreRows(back);
}
