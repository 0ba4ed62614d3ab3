#include "welcomepanel.h"

#include "platform/branding.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

// The panel was designed for an 11-pixel window font.
constexpr double DesignFontPixels = 11.0;

void SetTextColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

// A label of the panel: "Tahoma" where there is one, in the given colour;
// its size comes from applyFonts.
QLabel *PanelLabel(const QString &text, QWidget *parent, const QColor &colour, int designPixels,
                   bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("designPixels", designPixels);
    label->setProperty("designBold", bold);
    SetTextColour(label, colour);
    return label;
}

} // namespace

TWelcomePanel::TWelcomePanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("panbg"));
    // The panel keeps the plain window colour under the skin.
    setProperty("tag", 9999);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    labProductName = PanelLabel(Branding::ProductName, this, Qt::black, 31, true);
    labProductName->setObjectName(QStringLiteral("labProductName"));
    auto *start = PanelLabel(tr("Getting Start:"), this, QColor(19, 157, 217), 16, true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(32, 20, 24, 12);
    column->setSpacing(6);
    column->addWidget(labProductName);
    column->addSpacing(14);
    column->addWidget(start);
    const char *const lines[] = {QT_TR_NOOP("1. Add multiple videos to the Task List."),
                                 QT_TR_NOOP("2. Select a profile and output path."),
                                 QT_TR_NOOP("3. Click on the \"Start\" button.")};
    for (const char *line : lines) {
        QLabel *l = PanelLabel(tr(line), this, QColor(112, 112, 112), 15, true);
        l->setIndent(16);
        column->addWidget(l);
    }
    column->addStretch(1);

    imgWelcome = new QLabel(this);
    imgWelcome->setObjectName(QStringLiteral("imgWelcome"));
    imgWelcome->setPixmap(QIcon(QStringLiteral(":/icons/welcome.svg")).pixmap(QSize(150, 105)));
    labLink = PanelLabel(QStringLiteral("%1  -  %2").arg(Branding::MakerName, Branding::WebSite),
                         this, QColor(194, 194, 194), 12, false);
    labLink->setObjectName(QStringLiteral("labLink"));
    labLink->setCursor(Qt::PointingHandCursor);
    labLink->installEventFilter(this);
    column->addWidget(imgWelcome, 0, Qt::AlignRight);
    column->addWidget(labLink);
    fit();
}

void TWelcomePanel::applyFonts(double scale)
{
    for (QLabel *label : findChildren<QLabel *>()) {
        const int design = label->property("designPixels").toInt();
        if (design <= 0)
            continue;
        QFont f(QStringLiteral("Tahoma"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(std::max(1, int(design * scale + 0.5)));
        f.setBold(label->property("designBold").toBool());
        label->setFont(f);
    }
}

void TWelcomePanel::fit()
{
    // The texts in the window font's proportions where they fit; where the
    // panel is too small, first without the picture, then smaller.
    double scale = QFontInfo(font()).pixelSize() / DesignFontPixels;
    imgWelcome->show();
    for (;;) {
        applyFonts(scale);
        layout()->invalidate();
        const QSize needed = layout()->minimumSize();
        if (needed.width() <= width() && needed.height() <= height())
            return;
        if (!imgWelcome->isHidden())
            imgWelcome->hide();
        else if (scale > 0.5)
            scale *= 0.9;
        else
            return;
    }
}

void TWelcomePanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fit();
}

void TWelcomePanel::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

bool TWelcomePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == labLink) {
        if (event->type() == QEvent::MouseButtonPress) {
            SetTextColour(labLink, QColor(128, 165, 253));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            SetTextColour(labLink, QColor(194, 194, 194));
            const auto *me = static_cast<QMouseEvent *>(event);
            if (labLink->rect().contains(me->position().toPoint()))
                emit linkClicked();
        }
    }
    return QFrame::eventFilter(watched, event);
}
