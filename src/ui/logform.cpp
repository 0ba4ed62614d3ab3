#include "logform.h"

#include "fixeddialog.h"
#include "platform/platform.h"
#include "settings/newinifiles.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

TLogForm::TLogForm(Platform &platform, QWidget *mainWindow)
    : QDialog(nullptr, Qt::Window), m_platform(platform), m_mainWindow(mainWindow)
{
    // Not a child of the main window, which a run disables.
    setObjectName(QStringLiteral("LogForm"));
    setModal(false);
    auto *column = new QVBoxLayout(this);
    labSource = new QLabel(this);
    labSource->setObjectName(QStringLiteral("labSource"));
    labSource->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(labSource);
    memLog = new QPlainTextEdit(this);
    memLog->setObjectName(QStringLiteral("memLog"));
    memLog->setReadOnly(true);
    memLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    memLog->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    column->addWidget(memLog, 1);
    auto *buttons = new QHBoxLayout;
    btnCopy = new QPushButton(tr("&Copy"), this);
    btnCopy->setObjectName(QStringLiteral("btnCopy"));
    btnSaveAs = new QPushButton(tr("Save &As..."), this);
    btnSaveAs->setObjectName(QStringLiteral("btnSaveAs"));
    btnClose = new QPushButton(tr("C&lose"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    buttons->addWidget(btnCopy);
    buttons->addWidget(btnSaveAs);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    column->addLayout(buttons);
    connect(btnCopy, &QPushButton::clicked, this, &TLogForm::btnCopyClick);
    connect(btnSaveAs, &QPushButton::clicked, this, &TLogForm::btnSaveAsClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    resize(680, 440);
}

void TLogForm::showLog(const QString &sourceFile, const QString &text)
{
    setWindowTitle(tr("Log - %1").arg(QFileInfo(sourceFile).fileName()));
    labSource->setText(QDir::toNativeSeparators(sourceFile));
    memLog->setPlainText(text);
    // The end is where an encoder says what went wrong; shown from the
    // left, where its lines begin.
    memLog->moveCursor(QTextCursor::End);
    memLog->moveCursor(QTextCursor::StartOfBlock);
    if (!isVisible() && m_mainWindow)
        CentreOnWindow(this, m_mainWindow);
    show();
    raise();
    activateWindow();
}

void TLogForm::btnCopyClick()
{
    const QString selected = memLog->textCursor().selection().toPlainText();
    QGuiApplication::clipboard()->setText(selected.isEmpty() ? memLog->toPlainText() : selected);
}

void TLogForm::btnSaveAsClick()
{
    const QString path = m_platform.saveFileName(
        tr("Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*"),
        QStringLiteral(".log"));
    if (path.isEmpty())
        return;
    try {
        WriteFileAtomically(path, memLog->toPlainText().toUtf8() + '\n');
    } catch (const TIniFileError &e) {
        m_platform.messageBox(e.text(), tr("Log Not Saved"), Platform::Icon::Warning);
    }
}
