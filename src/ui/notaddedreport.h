#pragma once

#include <QStringList>
#include <QToolButton>

// The bottom bar's word on what an intake left out: "3 items were not
// added", with a tooltip that names each item and why. It never asks for
// anything, so a scripted start goes on; it stays until the next intake's
// report replaces it or the user clicks it away.
class TNotAddedReport : public QToolButton
{
    Q_OBJECT
public:
    // The tooltip names at most this many items, then how many more.
    static constexpr int MaxListed = 30;

    explicit TNotAddedReport(QWidget *parent = nullptr);

    // One line per item left out ("<path>: not found"); none hides the
    // report.
    void showItems(const QStringList &lines);
    QStringList items() const { return m_items; }

signals:
    // Shown or taken away: the bar around it may change its height.
    void visibilityChanged();

private:
    QStringList m_items;
};
