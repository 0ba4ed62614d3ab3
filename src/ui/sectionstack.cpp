#include "sectionstack.h"

#include "gridsection.h"
#include "valuelisteditor.h"

#include <QVBoxLayout>

TSectionStack::TSectionStack(QWidget *parent)
    : QScrollArea(parent), m_content(new QWidget), m_layout(new QVBoxLayout(m_content))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
    m_content->setObjectName(QStringLiteral("sectionStackContent"));
    setWidget(m_content);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    // Tab goes to the sections' toggles and grids, not to the area itself.
    setFocusPolicy(Qt::NoFocus);
}

void TSectionStack::addSection(TGridSection *section)
{
    m_layout->insertWidget(m_layout->count() - 1, section);
    m_sections.append(section);
}

void TSectionStack::repaintGrids()
{
    for (TGridSection *section : std::as_const(m_sections))
        section->grid()->repaintGrid();
}
