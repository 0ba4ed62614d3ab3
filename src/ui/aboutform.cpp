#include "aboutform.h"

#include "fixeddialog.h"
#include "platform/branding.h"
#include "platform/platform.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

namespace {
const char *const LinkTarget = "linkTarget";
constexpr int TextLeft = 136;
constexpr int UpperHeight = 167;
} // namespace

TAboutForm::TAboutForm(QWidget *mainWindow, Platform &platform, const QString &version,
                       QWidget *parent)
    : QDialog(nullptr, FixedDialogFlags), m_mainWindow(mainWindow), m_platform(platform)
{
    // Not a child of the main window: disabling that must not disable us.
    if (parent)
        connect(parent, &QObject::destroyed, this, [this] { delete this; });
    setWindowTitle(tr("About"));
    setFixedSize(503, 290);
    setModal(false);

    // Upper part: a picture on the left and a banner behind the texts.
    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("imgBanner"));
    banner->setGeometry(0, 0, width(), UpperHeight);
    banner->setPixmap(QPixmap(QStringLiteral(":/icons/about-banner.svg")));
    banner->setScaledContents(true);
    auto *side = new QLabel(this);
    side->setObjectName(QStringLiteral("imgSide"));
    side->setGeometry(0, 0, 117, UpperHeight);
    side->setPixmap(QPixmap(QStringLiteral(":/icons/about-side.svg")));
    side->setScaledContents(true);

    auto text = [this](const QString &t, const QRect &g) {
        auto *label = new QLabel(t, this);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(g);
        return label;
    };
    labProduct = text(Branding::ProductName, QRect(TextLeft, 14, 350, 30));
    QFont big = labProduct->font();
    big.setPixelSize(22);
    big.setBold(true);
    labProduct->setFont(big);
    labVersion = text(tr("Version ") + version, QRect(TextLeft, 48, 350, 17));
    labNotice = text(tr("Copyright (C) %1 %2").arg(Branding::Year, Branding::MakerName),
                     QRect(TextLeft, 68, 350, 17));
    labRights = text(tr("All rights reserved."), QRect(TextLeft, 88, 350, 17));
    labVisit = text(tr("Visit our website"), QRect(TextLeft, 116, 350, 17));
    labWebsite = makeLink(Branding::WebSite, QRect(TextLeft, 134, 350, 17), true);
    labWebsite->setObjectName(QStringLiteral("labWebsite"));
    // The address shown is the address opened.
    labWebsite->setProperty(LinkTarget, labWebsite->text());

    // Lower part.
    labMoreHeading = text(tr("More video converting softwares"), QRect(16, 178, 230, 17));
    QFont bold = labMoreHeading->font();
    bold.setBold(true);
    labMoreHeading->setFont(bold);
    labMoreHeading->adjustSize();
    labMore =
        makeLink(tr("(More)"), QRect(labMoreHeading->geometry().right() + 8, 178, 60, 17), false);
    labMore->setObjectName(QStringLiteral("labMore"));
    labMore->setProperty(LinkTarget, Branding::WebSite);
    QLabel **products[3] = {&labProduct1, &labProduct2, &labProduct3};
    for (int i = 0; i < 3; ++i) {
        *products[i] =
            makeLink(Branding::OtherProducts[i].name, QRect(32, 200 + i * 18, 300, 17), false);
        (*products[i])->setObjectName(QStringLiteral("labProduct%1").arg(i + 1));
        (*products[i])->setProperty(LinkTarget, Branding::OtherProducts[i].page);
    }

    btnTech = new QPushButton(tr("Tech Support"), this);
    btnTech->setObjectName(QStringLiteral("btnTech"));
    btnTech->setGeometry(16, 256, 116, 27);
    btnSales = new QPushButton(tr("Sales Support"), this);
    btnSales->setObjectName(QStringLiteral("btnSales"));
    btnSales->setGeometry(140, 256, 116, 27);
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(404, 256, 83, 27);
    btnOK->setDefault(true);
    connect(btnTech, &QPushButton::clicked, this, &TAboutForm::btnTechClick);
    connect(btnSales, &QPushButton::clicked, this, &TAboutForm::btnSalesClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    ScaleToFont(this);
    FitButtonRow({btnTech, btnSales}, false);
    FitButtonRow({btnOK}, true);
}

QLabel *TAboutForm::makeLink(const QString &text, const QRect &geometry, bool underline)
{
    auto *label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setCursor(Qt::PointingHandCursor);
    QFont f = label->font();
    f.setUnderline(underline);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(pal);
    label->setProperty("link", true);
    label->installEventFilter(this);
    return label;
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *label = qobject_cast<QLabel *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (label && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (label == labWebsite)
                labWebsiteClick();
            else if (label == labMore)
                labMoreClick();
            else if (label == labProduct1)
                labProductClick(0);
            else if (label == labProduct2)
                labProductClick(1);
            else if (label == labProduct3)
                labProductClick(2);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::labWebsiteClick()
{
    m_platform.shellOpen(labWebsite->text());
}

void TAboutForm::labMoreClick()
{
    m_platform.shellOpen(Branding::WebSite);
}

void TAboutForm::labProductClick(int index)
{
    if (index >= 0 && index < 3)
        m_platform.shellOpen(Branding::OtherProducts[index].page);
}

void TAboutForm::btnTechClick()
{
    m_platform.shellOpen(QStringLiteral("mailto:") + Branding::TechSupportMail);
}

void TAboutForm::btnSalesClick()
{
    m_platform.shellOpen(QStringLiteral("mailto:") + Branding::SalesMail);
}

void TAboutForm::open()
{
    show();
    raise();
    activateWindow();
}

void TAboutForm::showEvent(QShowEvent *event)
{
    // Kept above the main window, which it disables while shown.
    if (m_mainWindow && windowHandle() && m_mainWindow->windowHandle())
        windowHandle()->setTransientParent(m_mainWindow->windowHandle());
    // Centred on the main window however it is shown.
    if (m_mainWindow && !event->spontaneous())
        CentreOnWindow(this, m_mainWindow);
    QDialog::showEvent(event);
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
}

void TAboutForm::done(int result)
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    QDialog::done(result);
}
