#include "idlepanel.h"

#include "platform/pathtext.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A push button of the bar: at least its designed width, wider when its
// text needs it.
QPushButton *BarButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(std::max(75, button->sizeHint().width()));
    return button;
}

} // namespace

TIdlePanel::TIdlePanel(Platform &platform, QWidget *parent) : QWidget(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("panBottomCenter"));
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(4, 9, 15, 9);
    m_grid->setHorizontalSpacing(9);
    m_grid->setVerticalSpacing(6);
    m_grid->setColumnStretch(1, 1);
    labProfile = new QLabel(tr("Profile:"), this);
    cmbProfile = new QComboBox(this);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->setAccessibleName(tr("Profile"));
    cmbProfile->setEditable(false);
    // Long profile names do not widen the window.
    cmbProfile->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbProfile->setMinimumContentsLength(8);
    labProfile->setBuddy(cmbProfile);
    bbtnSetting = BarButton(tr("&Setting"), "bbtnSetting", this);
    labOutputPath = new QLabel(tr("Output Path:"), this);
    edtOutputdir = new QLineEdit(this);
    edtOutputdir->setObjectName(QStringLiteral("edtOutputdir"));
    edtOutputdir->setAccessibleName(tr("Output Path"));
    labOutputPath->setBuddy(edtOutputdir);
    bbtnBrowser = BarButton(tr("&Browse"), "bbtnBrowser", this);
    connect(bbtnBrowser, &QPushButton::clicked, this, &TIdlePanel::bbtnBrowserClick);
    bbtnOpen = BarButton(tr("&Open"), "bbtnOpen", this);
    connect(bbtnOpen, &QPushButton::clicked, this, &TIdlePanel::bbtnOpenClick);
    m_grid->addWidget(labProfile, 0, 0);
    m_grid->addWidget(cmbProfile, 0, 1, 1, 2);
    m_grid->addWidget(bbtnSetting, 0, 3);
    m_grid->addWidget(labOutputPath, 1, 0);
    m_grid->addWidget(edtOutputdir, 1, 1);
    m_grid->addWidget(bbtnBrowser, 1, 2);
    m_grid->addWidget(bbtnOpen, 1, 3);
}

void TIdlePanel::addIntakeRows(QWidget *label, QWidget *bar, QWidget *report)
{
    m_grid->addWidget(label, 2, 0, 1, 1);
    m_grid->addWidget(bar, 2, 1, 1, 3);
    m_grid->addWidget(report, 3, 0, 1, 4, Qt::AlignLeft);
}

void TIdlePanel::bbtnBrowserClick()
{
    QString dir;
    if (m_platform.browseForDirectory(tr("Select the output directory."), dir))
        edtOutputdir->setText(AddBackslash(dir));
}

void TIdlePanel::bbtnOpenClick()
{
    const QString dir = edtOutputdir->text();
    if (!dir.isEmpty() && QFileInfo(dir).isDir())
        m_platform.shellOpen(dir);
}
