#include "balloontip.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int TipShowMs = 8000;
const char *const TipProperty = "quivercastBalloonTip";
} // namespace

TBalloonTip::TBalloonTip(QWidget *target, Icon icon, const QString &title, const QString &text)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint), m_target(target), m_icon(icon),
      m_title(new QLabel(title, this)), m_text(new QLabel(text, this)),
      m_hideTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("balloonTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 8, 10, 8);
    outer->setSpacing(4);
    auto *head = new QHBoxLayout;
    head->setSpacing(6);
    if (icon != Icon::None) {
        QStyle::StandardPixmap sp = QStyle::SP_MessageBoxInformation;
        if (icon == Icon::Warning)
            sp = QStyle::SP_MessageBoxWarning;
        else if (icon == Icon::Error)
            sp = QStyle::SP_MessageBoxCritical;
        auto *iconLabel = new QLabel(this);
        iconLabel->setPixmap(style()->standardIcon(sp).pixmap(16, 16));
        head->addWidget(iconLabel);
    }
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setTextFormat(Qt::PlainText);
    m_text->setTextFormat(Qt::PlainText);
    m_title->setForegroundRole(QPalette::ToolTipText);
    m_text->setForegroundRole(QPalette::ToolTipText);
    head->addWidget(m_title, 1);
    outer->addLayout(head);
    outer->addWidget(m_text);

    m_hideTimer->setSingleShot(true);
    connect(m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
    if (target) {
        target->installEventFilter(this);
        connect(target, &QObject::destroyed, this, &QObject::deleteLater);
        target->setProperty(TipProperty, QVariant::fromValue(static_cast<QObject *>(this)));
    }
}

TBalloonTip::~TBalloonTip()
{
    if (m_target) {
        m_target->removeEventFilter(this);
        m_target->setProperty(TipProperty, QVariant());
    }
}

QString TBalloonTip::title() const
{
    return m_title->text();
}

QString TBalloonTip::text() const
{
    return m_text->text();
}

void TBalloonTip::popup(const QPoint &globalPos)
{
    adjustSize();
    QPoint pos = globalPos + QPoint(-16, 18);
    if (const QScreen *screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        pos.setX(qBound(area.left(), pos.x(), qMax(area.left(), area.right() - width())));
        if (pos.y() + height() > area.bottom())
            pos.setY(globalPos.y() - height() - 4);
    }
    move(pos);
    show();
    raise();
    m_hideTimer->start(TipShowMs);
}

bool TBalloonTip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::ToolTip:
            if (!m_condition || m_condition()) {
                popup(static_cast<QHelpEvent *>(event)->globalPos());
                return true;
            }
            break;
        case QEvent::Leave:
        case QEvent::Hide:
        case QEvent::KeyPress:
            hide();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TBalloonTip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.fillPath(path, palette().color(QPalette::ToolTipBase));
    p.setPen(palette().color(QPalette::Dark));
    p.drawPath(path);
}

TBalloonTip *ShowBalloonTip(QWidget *target, TBalloonTip::Icon icon, const QString &title,
                            const QString &text)
{
    if (!target)
        return nullptr;
    auto *tip = qobject_cast<TBalloonTip *>(target->property(TipProperty).value<QObject *>());
    if (tip && (tip->icon() != icon || tip->title() != title || tip->text() != text)) {
        delete tip;
        tip = nullptr;
    }
    if (!tip)
        tip = new TBalloonTip(target, icon, title, text);
    tip->popup(QCursor::pos());
    return tip;
}
