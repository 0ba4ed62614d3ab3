#include "skin.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace {

constexpr int UnskinnedTag = 9999;

// Gives every widget tagged 9999 the plain palette when it is polished or
// tagged later.
class UnskinnedFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Polish || type == QEvent::DynamicPropertyChange) {
            if (auto *w = qobject_cast<QWidget *>(watched);
                w && IsUnskinned(w) && !w->property("quivercastPlain").toBool()) {
                w->setProperty("quivercastPlain", true);
                // Colours the widget set itself (the black video area) stay.
                w->setPalette(w->palette().resolve(PlainPalette()));
                w->setAutoFillBackground(true);
                w->style()->unpolish(w);
                w->style()->polish(w);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

bool IsUnskinned(const QWidget *widget)
{
    bool ok = false;
    return widget && widget->property("tag").toInt(&ok) == UnskinnedTag && ok;
}

QPalette SkinPalette()
{
    QPalette p;
    const QColor window(240, 242, 245);
    const QColor text(0, 0, 0);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(246, 248, 251));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(228, 233, 240));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(227, 227, 227));
    p.setColor(QPalette::Mid, QColor(190, 196, 204));
    p.setColor(QPalette::Dark, QColor(160, 160, 160)); // the button-shadow colour
    p.setColor(QPalette::Shadow, QColor(105, 105, 105));
    p.setColor(QPalette::Highlight, QColor(49, 106, 197));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 240));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Link, Qt::blue);
    p.setColor(QPalette::PlaceholderText, QColor(96, 96, 96));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(150, 155, 162));
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

QColor ErrorColour(const QPalette &palette)
{
    // A dark red on a light background, a light one on a dark background.
    return palette.color(QPalette::Base).lightness() >= 128 ? QColor(192, 28, 40)
                                                            : QColor(255, 123, 114);
}

QPalette PlainPalette()
{
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QPalette p = fusion->standardPalette();
    delete fusion;
    p.setColor(QPalette::Window, Qt::white);
    return p;
}

void ApplySkin(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(SkinPalette());
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/app-quivercast.svg")));
    app.installEventFilter(new UnskinnedFilter(&app));
    QFile sheet(QStringLiteral(":/skin/quivercast.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
