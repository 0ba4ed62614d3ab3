#include "videowindow.h"

#include "platform/branding.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QVideoWidget>

namespace {

constexpr int ImageWidth = 136;
constexpr int ImageHeight = 63;

// The still picture: a film frame with the program's name, drawn here so the
// pane carries no image file of its own.
QPixmap stillPicture()
{
    QPixmap pixmap(ImageWidth, ImageHeight);
    pixmap.fill(Qt::black);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, ImageHeight);
    shade.setColorAt(0, QColor(70, 70, 78));
    shade.setColorAt(1, QColor(30, 30, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0.5, 0.5, ImageWidth - 1, ImageHeight - 1), 6, 6);
    p.setBrush(QColor(10, 10, 12));
    for (int x = 6; x < ImageWidth - 6; x += 12) {
        p.drawRect(x, 4, 7, 5);
        p.drawRect(x, ImageHeight - 9, 7, 5);
    }
    p.setPen(QColor(200, 200, 210));
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 12, ImageWidth, ImageHeight - 24), Qt::AlignCenter, Branding::ProductName);
    return pixmap;
}

} // namespace

TVideoWindow::TVideoWindow(QWidget *parent) : QWidget(parent), m_image(new QLabel(this))
{
    setObjectName(QStringLiteral("VideoWindow1"));
    // Black whatever the palette and the skin say: painted, not filled.
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setFixedSize(ImageWidth, ImageHeight);
    m_image->setPixmap(stillPicture());
    placeChildren();
}

QVideoWidget *TVideoWindow::renderer()
{
    if (!m_renderer) {
        m_renderer = new QVideoWidget(this);
        m_renderer->setObjectName(QStringLiteral("VideoWindow1Renderer"));
        m_renderer->hide();
        placeChildren();
    }
    return m_renderer;
}

void TVideoWindow::showVideo(bool show)
{
    if (!m_renderer)
        return;
    m_renderer->setVisible(show);
    if (show)
        m_renderer->raise();
}

bool TVideoWindow::videoShown() const
{
    return m_renderer && !m_renderer->isHidden();
}

void TVideoWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}

void TVideoWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeChildren();
}

void TVideoWindow::placeChildren()
{
    m_image->move((width() - ImageWidth) / 2, (height() - ImageHeight) / 2);
    if (m_renderer)
        m_renderer->setGeometry(rect());
}
