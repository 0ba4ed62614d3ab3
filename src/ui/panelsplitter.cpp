#include "panelsplitter.h"

#include <QMouseEvent>
#include <QPainter>

TPanelSplitter::TPanelSplitter(QWidget *parent) : QSplitter(Qt::Horizontal, parent)
{
    setHandleWidth(StripWidth);
    setOpaqueResize(true);
}

QSplitterHandle *TPanelSplitter::createHandle()
{
    return new Strip(this);
}

TPanelSplitter::Strip::Strip(TPanelSplitter *splitter)
    : QSplitterHandle(Qt::Horizontal, splitter), m_splitter(splitter)
{
    setObjectName(QStringLiteral("panSplitter"));
    setCursor(Qt::SizeHorCursor);
    setAccessibleName(TPanelSplitter::tr("Panel width"));
}

void TPanelSplitter::Strip::mouseMoveEvent(QMouseEvent *event)
{
    emit m_splitter->stripDragged(int(event->position().x()), event->buttons(), event->modifiers());
    event->accept();
}

void TPanelSplitter::Strip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("<>"));
}
