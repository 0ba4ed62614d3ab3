#include "watcheditform.h"

#include "fixeddialog.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {
// The choices for an existing output, as Watches.ini names them.
const char *const ExistingKeys[] = {"overwrite", "rename", "skip"};
} // namespace

TWatchEditForm::TWatchEditForm(Platform &platform, const QStringList &profiles, QWidget *parent)
    : QDialog(parent, FixedDialogFlags), m_platform(platform)
{
    setWindowTitle(tr("Watch Folder"));
    setModal(false);
    auto *form = new QFormLayout(this);
    // A label whose accelerator moves to its field.
    const auto addRow = [this, form](const QString &text, QWidget *field, QLayout *row = nullptr) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        if (row)
            form->addRow(label, row);
        else
            form->addRow(label, field);
    };
    const auto withBrowse = [this, addRow](const QString &label, QLineEdit *&edit,
                                           QPushButton *&browse, const QString &name) {
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("edt") + name);
        edit->setMinimumWidth(320);
        browse = new QPushButton(tr("&Browse..."), this);
        browse->setObjectName(QStringLiteral("bbtn") + name);
        auto *row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(browse);
        addRow(label, edit, row);
    };
    withBrowse(tr("&Folder:"), edtFolder, bbtnFolder, QStringLiteral("Folder"));
    cmbProfile = new QComboBox(this);
    cmbProfile->addItems(profiles);
    addRow(tr("&Profile:"), cmbProfile);
    withBrowse(tr("O&utput directory:"), edtOutputDir, bbtnOutputDir, QStringLiteral("OutputDir"));
    chkSubfolders = new QCheckBox(tr("Include subfolders"), this);
    form->addRow(QString(), chkSubfolders);
    cmbExisting = new QComboBox(this);
    cmbExisting->addItems(
        {tr("Overwrite it"), tr("Keep both: name the new one with a number"), tr("Skip the file")});
    addRow(tr("An output file that &exists:"), cmbExisting);
    auto *buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    form->addRow(buttons);

    connect(bbtnFolder, &QPushButton::clicked, this, &TWatchEditForm::bbtnFolderClick);
    connect(bbtnOutputDir, &QPushButton::clicked, this, &TWatchEditForm::bbtnOutputDirClick);
    connect(btnOK, &QPushButton::clicked, this, &TWatchEditForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TWatchEditForm::edit(const WatchSettings &watch)
{
    m_watch = watch;
    edtFolder->setText(QDir::toNativeSeparators(watch.folder));
    // A profile no longer in the catalogue stays the watch's until changed.
    if (!watch.profile.isEmpty() && cmbProfile->findText(watch.profile) < 0)
        cmbProfile->addItem(watch.profile);
    cmbProfile->setCurrentIndex(std::max(0, cmbProfile->findText(watch.profile)));
    edtOutputDir->setText(QDir::toNativeSeparators(watch.outputDir));
    chkSubfolders->setChecked(watch.subfolders);
    int existing = 0;
    for (int i = 0; i < 3; ++i)
        if (watch.existing == QLatin1String(ExistingKeys[i]))
            existing = i;
    cmbExisting->setCurrentIndex(existing);
    show();
    raise();
    activateWindow();
    edtFolder->setFocus();
}

WatchSettings TWatchEditForm::watch() const
{
    WatchSettings w = m_watch;
    const QString folder = QDir::fromNativeSeparators(edtFolder->text().trimmed());
    // Another folder has records of its own.
    if (folder != w.folder)
        w.id.clear();
    w.folder = folder;
    w.profile = cmbProfile->currentText();
    w.outputDir = QDir::fromNativeSeparators(edtOutputDir->text().trimmed());
    w.subfolders = chkSubfolders->isChecked();
    w.existing = QString::fromLatin1(ExistingKeys[std::clamp(cmbExisting->currentIndex(), 0, 2)]);
    return w;
}

void TWatchEditForm::bbtnFolderClick()
{
    QString dir;
    if (m_platform.browseForDirectory(tr("Select the folder to watch."), dir, edtFolder->text()))
        edtFolder->setText(QDir::toNativeSeparators(dir));
}

void TWatchEditForm::bbtnOutputDirClick()
{
    QString dir;
    if (m_platform.browseForDirectory(tr("Select the output directory."), dir,
                                      edtOutputDir->text()))
        edtOutputDir->setText(QDir::toNativeSeparators(dir));
}

void TWatchEditForm::btnOKClick()
{
    // A watch needs both folders; nothing typed is lost.
    const auto missing = [this](QLineEdit *edit, const QString &text, const QString &caption) {
        if (!edit->text().trimmed().isEmpty())
            return false;
        m_platform.messageBox(text, caption, Platform::Icon::Information);
        edit->setFocus();
        return true;
    };
    if (missing(edtFolder, tr("Please choose the folder to watch."), tr("No Folder")) ||
        missing(edtOutputDir, tr("Please choose the directory for the converted files."),
                tr("No Output Directory")))
        return;
    emit watchAccepted();
    accept();
}
