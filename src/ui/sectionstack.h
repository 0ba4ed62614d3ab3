#pragma once

#include <QList>
#include <QScrollArea>

class QVBoxLayout;
class TGridSection;

// A scrolling area holding grid sections stacked from the top: header, grid,
// header, grid. Folding a section moves everything below it up.
class TSectionStack : public QScrollArea
{
    Q_OBJECT
public:
    explicit TSectionStack(QWidget *parent = nullptr);

    void addSection(TGridSection *section);
    const QList<TGridSection *> &sections() const { return m_sections; }
    // Redraws every grid of the stack (a press in one grid moves the focus
    // marker, which the others do not notice by themselves).
    void repaintGrids();

private:
    QWidget *m_content;
    QVBoxLayout *m_layout;
    QList<TGridSection *> m_sections;
};
