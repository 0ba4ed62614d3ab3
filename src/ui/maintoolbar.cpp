#include "maintoolbar.h"

#include <QAction>
#include <QFrame>
#include <QImage>
#include <QToolButton>

namespace {

// The toolbar's buttons and their pictures; smaller in a narrow window.
constexpr QSize ToolButtonSize(56, 54);
constexpr QSize ToolIconSize(48, 48);
constexpr QSize CompactToolButtonSize(46, 54);
constexpr QSize CompactToolIconSize(38, 38);
// The toolbar's margins and separators.
constexpr int ToolBarExtra = 5 + 8 + 8 + 12 + 8 + 5;

// A toolbar picture with a greyed variant for the disabled button.
QIcon ToolIcon(const QString &name)
{
    const QString file = QStringLiteral(":/icons/%1.svg").arg(name);
    QIcon icon(file);
    QImage image = icon.pixmap(ToolIconSize).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int grey = 128 + qGray(c) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(c) * 3 / 5);
        }
    }
    icon.addPixmap(QPixmap::fromImage(image), QIcon::Disabled);
    return icon;
}

} // namespace

TMainToolBar::TMainToolBar(QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar1"));
    setMovable(false);
    setFloatable(false);
    setFixedHeight(75);
    setIconSize(ToolIconSize);
    setContentsMargins(5, 5, 5, 5);
    setContextMenuPolicy(Qt::PreventContextMenu);

    auto button = [this](const QString &name, const QString &hint) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("tbtn") + name);
        b->setIcon(ToolIcon(name.toLower()));
        b->setIconSize(ToolIconSize);
        b->setFixedSize(ToolButtonSize);
        b->setAutoRaise(true);
        b->setToolTip(hint);
        // A screen reader names the button by its hint.
        b->setAccessibleName(hint);
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        addWidget(b);
        return b;
    };
    auto separator = [this](int width) {
        auto *s = new QFrame(this);
        s->setFrameShape(QFrame::VLine);
        s->setFrameShadow(QFrame::Sunken);
        s->setFixedSize(width, 44);
        addWidget(s);
    };
    tbtnAddFile = button(QStringLiteral("AddFile"), tr("Add Video Files"));
    tbtnAddDir = button(QStringLiteral("AddDir"), tr("Add Directory"));
    separator(8);
    tbtnUp = button(QStringLiteral("Up"), tr("Move Up"));
    tbtnDown = button(QStringLiteral("Down"), tr("Move Down"));
    tbtnRemove = button(QStringLiteral("Remove"), tr("Remove"));
    tbtnClear = button(QStringLiteral("Clear"), tr("Clear"));
    separator(8);
    tbtnStart = button(QStringLiteral("Start"), tr("Start"));
    tbtnStop = button(QStringLiteral("Stop"), tr("Stop"));
    tbtnPause = button(QStringLiteral("Pause"), tr("Pause"));
    separator(12);
    tbtnSetting = button(QStringLiteral("Setting"), tr("Settings"));
    tbtnWatch = button(QStringLiteral("Watch"), tr("Watch Folders..."));
    separator(8);
    tbtnAbout = button(QStringLiteral("About"), tr("About"));
    tbtnHelp = button(QStringLiteral("Help"), tr("Help"));
}

QList<QToolButton *> TMainToolBar::buttons() const
{
    return {tbtnAddFile, tbtnAddDir, tbtnUp,      tbtnDown,  tbtnRemove, tbtnClear, tbtnStart,
            tbtnStop,    tbtnPause,  tbtnSetting, tbtnWatch, tbtnAbout,  tbtnHelp};
}

void TMainToolBar::fitToWidth(int width)
{
    const QList<QToolButton *> all = buttons();
    const int designed = int(all.size()) * ToolButtonSize.width() + ToolBarExtra;
    const bool compact = width < designed;
    const QSize size = compact ? CompactToolButtonSize : ToolButtonSize;
    for (QToolButton *b : all) {
        b->setFixedSize(size);
        b->setIconSize(compact ? CompactToolIconSize : ToolIconSize);
    }
}

QAction *TMainToolBar::addKey(QWidget *window, QToolButton *button, const QKeySequence &keys)
{
    auto *action = new QAction(button->accessibleName(), window);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, button, [button] {
        if (button->isEnabled())
            button->click();
    });
    window->addAction(action);
    showKey(button, keys);
    return action;
}

void TMainToolBar::showKey(QToolButton *button, const QKeySequence &keys)
{
    button->setToolTip(QStringLiteral("%1 (%2)").arg(button->accessibleName(),
                                                     keys.toString(QKeySequence::NativeText)));
}
