#include "watchform.h"

#include "fixeddialog.h"
#include "platform/platform.h"
#include "ui/watchcontroller.h"
#include "ui/watcheditform.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

TWatchForm::TWatchForm(TWatchController &watches, Platform &platform, const QStringList &profiles,
                       QWidget *parent)
    : QDialog(parent, FixedDialogFlags), m_watches(watches), m_platform(platform),
      m_edit(new TWatchEditForm(platform, profiles, this))
{
    setWindowTitle(tr("Watch Folders"));
    setModal(false);
    resize(820, 300);
    ltvWatch = new QTreeWidget(this);
    ltvWatch->setObjectName(QStringLiteral("ltvWatch"));
    ltvWatch->setHeaderLabels({tr("Folder"), tr("Profile"), tr("Output Directory"), tr("State")});
    ltvWatch->setRootIsDecorated(false);
    ltvWatch->setTextElideMode(Qt::ElideMiddle);
    auto *timing = new QHBoxLayout;
    const auto seconds = [this, timing](const QString &label, const QString &name, int least) {
        auto *spin = new QSpinBox(this);
        spin->setObjectName(name);
        spin->setRange(least, 86400);
        spin->setSuffix(tr(" s"));
        // Taken when typed in whole, not at every digit.
        spin->setKeyboardTracking(false);
        auto *text = new QLabel(label, this);
        text->setBuddy(spin);
        timing->addWidget(text);
        timing->addWidget(spin);
        return spin;
    };
    spnSettle = seconds(tr("&Take a file once unchanged for:"), QStringLiteral("spnSettle"), 0);
    timing->addSpacing(16);
    spnRescan = seconds(tr("Re&scan the folders every:"), QStringLiteral("spnRescan"), 1);
    timing->addStretch();
    auto *buttons = new QVBoxLayout;
    const auto button = [this, buttons](const QString &text, const QString &name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    btnAdd = button(tr("&Add..."), QStringLiteral("btnAdd"));
    btnEdit = button(tr("&Edit..."), QStringLiteral("btnEdit"));
    btnPause = button(tr("&Pause"), QStringLiteral("btnPause"));
    btnRemove = button(tr("&Remove"), QStringLiteral("btnRemove"));
    btnRetry = button(tr("Retry &Failed"), QStringLiteral("btnRetry"));
    buttons->addStretch();
    btnClose = button(tr("&Close"), QStringLiteral("btnClose"));
    auto *left = new QVBoxLayout;
    left->addWidget(ltvWatch, 1);
    left->addLayout(timing);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(btnAdd, &QPushButton::clicked, this, &TWatchForm::btnAddClick);
    connect(btnEdit, &QPushButton::clicked, this, &TWatchForm::btnEditClick);
    connect(btnPause, &QPushButton::clicked, this, &TWatchForm::btnPauseClick);
    connect(btnRemove, &QPushButton::clicked, this, &TWatchForm::btnRemoveClick);
    connect(btnRetry, &QPushButton::clicked, this, &TWatchForm::btnRetryClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(spnSettle, &QSpinBox::valueChanged, this, &TWatchForm::timingChanged);
    connect(spnRescan, &QSpinBox::valueChanged, this, &TWatchForm::timingChanged);
    connect(ltvWatch, &QTreeWidget::currentItemChanged, this, &TWatchForm::updateButtons);
    connect(ltvWatch, &QTreeWidget::itemDoubleClicked, this, &TWatchForm::btnEditClick);
    connect(m_edit, &TWatchEditForm::watchAccepted, this, &TWatchForm::editAccepted);
    connect(&m_watches, &TWatchController::changed, this, &TWatchForm::fill);
    fill();
}

void TWatchForm::open()
{
    fill();
    show();
    raise();
    activateWindow();
}

void TWatchForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!std::exchange(m_columnsSized, true))
        sizeColumns();
}

void TWatchForm::sizeColumns()
{
    // The state shows whole in every language; the paths share the rest.
    const QFontMetrics metrics = ltvWatch->fontMetrics();
    int state = 0;
    for (const QString &text : TWatchController::stateTexts())
        state = std::max(state, metrics.horizontalAdvance(text) + 24);
    const int profile = metrics.horizontalAdvance(QStringLiteral("M")) * 12;
    const int paths = std::max(200, ltvWatch->viewport()->width() - profile - state);
    QHeaderView *header = ltvWatch->header();
    header->resizeSection(0, paths * 11 / 20);
    header->resizeSection(1, profile);
    header->resizeSection(2, paths * 9 / 20);
}

void TWatchForm::fill()
{
    const int keep = current();
    ltvWatch->clear();
    {
        const QSignalBlocker settle(spnSettle), rescan(spnRescan);
        spnSettle->setValue(m_watches.list().settleSecs);
        spnRescan->setValue(m_watches.list().rescanSecs);
    }
    const QList<WatchSettings> &list = m_watches.list().watches;
    for (int i = 0; i < list.size(); ++i) {
        auto *item = new QTreeWidgetItem(
            ltvWatch, {QDir::toNativeSeparators(list[i].folder), list[i].profile,
                       QDir::toNativeSeparators(list[i].outputDir), m_watches.stateText(i)});
        // A long path shows its start and its end; the tip shows it whole.
        item->setToolTip(0, item->text(0));
        item->setToolTip(2, item->text(2));
    }
    if (ltvWatch->topLevelItemCount() > 0)
        ltvWatch->setCurrentItem(
            ltvWatch->topLevelItem(std::clamp(keep, 0, ltvWatch->topLevelItemCount() - 1)));
    updateButtons();
}

int TWatchForm::current() const
{
    return ltvWatch->currentItem() ? ltvWatch->indexOfTopLevelItem(ltvWatch->currentItem()) : -1;
}

void TWatchForm::updateButtons()
{
    const int watch = current();
    for (QPushButton *b : {btnEdit, btnPause, btnRemove, btnRetry})
        b->setEnabled(watch >= 0);
    const bool paused = watch >= 0 && m_watches.list().watches[watch].paused;
    btnPause->setText(paused ? tr("Res&ume") : tr("&Pause"));
}

void TWatchForm::report(const QString &error)
{
    if (!error.isEmpty())
        m_platform.messageBox(error, tr("Watch Folders Not Saved"), Platform::Icon::Warning);
}

void TWatchForm::btnAddClick()
{
    m_editing = -1;
    m_edit->edit(WatchSettings());
}

void TWatchForm::btnEditClick()
{
    m_editing = current();
    if (m_editing >= 0)
        m_edit->edit(m_watches.list().watches[m_editing]);
}

void TWatchForm::editAccepted()
{
    WatchList list = m_watches.list();
    if (m_editing >= 0 && m_editing < list.watches.size())
        list.watches[m_editing] = m_edit->watch();
    else
        list.watches << m_edit->watch();
    report(m_watches.setList(list));
}

void TWatchForm::timingChanged()
{
    WatchList list = m_watches.list();
    list.settleSecs = spnSettle->value();
    list.rescanSecs = spnRescan->value();
    const QString error = m_watches.setList(list);
    report(error);
    if (!error.isEmpty())
        fill(); // as kept
}

void TWatchForm::btnPauseClick()
{
    const int watch = current();
    if (watch >= 0)
        report(m_watches.setPaused(watch, !m_watches.list().watches[watch].paused));
}

void TWatchForm::btnRemoveClick()
{
    const int watch = current();
    if (watch < 0)
        return;
    // Its records stay: added again, it converts nothing twice.
    WatchList list = m_watches.list();
    list.watches.removeAt(watch);
    report(m_watches.setList(list));
}

void TWatchForm::btnRetryClick()
{
    const int n = m_watches.retryFailed(current());
    m_platform.messageBox(n == 1 ? tr("1 failed file is taken again.")
                                 : tr("%1 failed files are taken again.").arg(n),
                          tr("Retry Failed"), Platform::Icon::Information);
}
