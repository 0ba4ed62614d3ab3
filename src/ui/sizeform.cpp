#include "sizeform.h"

#include "fixeddialog.h"
#include "platform/platform.h"
#include "settings/valuelistmodel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

namespace {
const QString VideoSizeKey = QStringLiteral("Video Size");
const QString CustomSize = QStringLiteral("Custom Size");
const QString OriginalSize = QStringLiteral("Original Size");
} // namespace

TSizeForm::TSizeForm(QWidget *mainWindow, Platform &platform, QWidget *parent)
    : QDialog(nullptr, FixedDialogFlags), m_mainWindow(mainWindow), m_platform(platform)
{
    // Not a child of the main window: disabling that must not disable us.
    if (parent)
        connect(parent, &QObject::destroyed, this, [this] { delete this; });
    setWindowTitle(tr("Video Size of output files"));
    setFixedSize(336, 106);
    setModal(false);

    labWidth = new QLabel(tr("Width:"), this);
    labWidth->setGeometry(24, 24, 40, 21);
    edtWidth = new QLineEdit(this);
    edtWidth->setObjectName(QStringLiteral("edtWidth"));
    edtWidth->setGeometry(66, 22, 81, 23);
    labHeight = new QLabel(tr("Height:"), this);
    labHeight->setGeometry(170, 24, 44, 21);
    edtHeight = new QLineEdit(this);
    edtHeight->setObjectName(QStringLiteral("edtHeight"));
    edtHeight->setGeometry(216, 22, 97, 23);
    labWidth->setBuddy(edtWidth);
    labHeight->setBuddy(edtHeight);

    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(152, 66, 75, 25);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(238, 66, 75, 25);
    connect(btnOK, &QPushButton::clicked, this, &TSizeForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSizeForm::btnCancelClick);
    ScaleToFont(this);
    FitButtonRow({btnOK, btnCancel}, true);
}

void TSizeForm::setVideoGrid(ValueListModel *grid)
{
    m_videoGrid = grid;
}

bool TSizeForm::IsIntegerText(const QString &text)
{
    int i = 0;
    if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-'))
        i = 1;
    if (i >= text.size())
        return false;
    for (int k = i; k < text.size(); ++k)
        if (text[k] < u'0' || text[k] > u'9')
            return false;
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

void TSizeForm::open()
{
    show();
    raise();
    activateWindow();
}

void TSizeForm::showEvent(QShowEvent *event)
{
    // Kept above the main window, which it disables while shown.
    if (m_mainWindow && windowHandle() && m_mainWindow->windowHandle())
        windowHandle()->setTransientParent(m_mainWindow->windowHandle());
    // Centred on the main window however it is shown.
    if (m_mainWindow && !event->spontaneous())
        CentreOnWindow(this, m_mainWindow);
    QDialog::showEvent(event);
    m_closing = false;
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
}

void TSizeForm::btnOKClick()
{
    if (!IsIntegerText(edtWidth->text())) {
        m_platform.messageBox(tr("Please specify a proper width for output videos."),
                              tr("Incorrect Width"), Platform::Icon::Information);
        edtWidth->setFocus();
        return;
    }
    if (!IsIntegerText(edtHeight->text())) {
        m_platform.messageBox(tr("Please specify a proper height for output videos."),
                              tr("Incorrect Height"), Platform::Icon::Information);
        edtHeight->setFocus();
        return;
    }
    if (m_videoGrid) {
        const int row = m_videoGrid->findRow(VideoSizeKey);
        if (row >= 0)
            m_videoGrid->setValue(row, edtWidth->text() + u'x' + edtHeight->text());
    }
    accept();
}

void TSizeForm::btnCancelClick()
{
    reject();
}

void TSizeForm::FormClose()
{
    if (m_closing)
        return;
    m_closing = true;
    if (m_videoGrid) {
        const int row = m_videoGrid->findRow(VideoSizeKey);
        if (row >= 0 && m_videoGrid->value(row) == CustomSize)
            m_videoGrid->setValue(row, OriginalSize);
    }
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
}

void TSizeForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TSizeForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}
