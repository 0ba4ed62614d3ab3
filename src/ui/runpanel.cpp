#include "runpanel.h"

#include "engine/batchrun.h"
#include "platform/platform.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

namespace {

// A label of the progress panel.
QLabel *PanelLabel(const QString &text, QWidget *parent, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TRunPanel::TRunPanel(BatchRun &batch, Platform &platform, const ProfileGrids &grids,
                     QWidget *parent)
    : QWidget(parent), m_batch(batch), m_platform(platform), m_grids(grids)
{
    setObjectName(QStringLiteral("panBottomLeft"));
    auto *progress = new QGridLayout(this);
    progress->setContentsMargins(8, 4, 0, 4);
    progress->setHorizontalSpacing(8);
    progress->setVerticalSpacing(3);
    progress->setColumnStretch(1, 1);
    progress->addWidget(PanelLabel(tr("Converting:"), this), 0, 0);
    labConvertingFile = PanelLabel(tr("No File"), this, "labConvertingFile");
    labConvertingFile->setMinimumWidth(1); // a long name is cut, never widens the window
    // The status area, at the right of the file's name, which gives way to
    // it while it shows; neither widens the window.
    labNote = PanelLabel(QString(), this, "labNote");
    labNote->setMinimumWidth(1);
    labNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labNote->setAccessibleName(tr("Status"));
    auto *fileRow = new QHBoxLayout;
    fileRow->setSpacing(8);
    fileRow->addWidget(labConvertingFile, 1);
    fileRow->addWidget(labNote);
    progress->addLayout(fileRow, 0, 1, 1, 2);
    progress->addWidget(PanelLabel(tr("Time Elapsed:"), this), 1, 0);
    auto *times = new QHBoxLayout;
    times->setSpacing(8);
    labElapsed = PanelLabel(QStringLiteral("00:00:00"), this, "labElapsed");
    labRemaining = PanelLabel(QStringLiteral("00:00:00"), this, "labRemaining");
    times->addWidget(labElapsed);
    times->addSpacing(labElapsed->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    times->addWidget(PanelLabel(tr("Time Remaining:"), this));
    times->addWidget(labRemaining);
    times->addStretch(1);
    progress->addLayout(times, 1, 1, 1, 2);
    auto bar = [this](const char *name, const QString &accessible) {
        auto *b = new QProgressBar(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(accessible);
        b->setRange(0, 100);
        b->setValue(0);
        b->setTextVisible(false);
        return b;
    };
    pgbCurrent = bar("pgbCurrent", tr("Current Progress"));
    pgbTotal = bar("pgbTotal", tr("Total Progress"));
    labCurProgress = PanelLabel(QStringLiteral("0%"), this, "labCurProgress");
    labTotalProgress = PanelLabel(QStringLiteral("0%"), this, "labTotalProgress");
    progress->addWidget(PanelLabel(tr("Current Progress:"), this), 2, 0);
    progress->addWidget(pgbCurrent, 2, 1);
    progress->addWidget(labCurProgress, 2, 2);
    progress->addWidget(PanelLabel(tr("Total Progress:"), this), 3, 0);
    progress->addWidget(pgbTotal, 3, 1);
    progress->addWidget(labTotalProgress, 3, 2);
    // The percentage labels take the width "100%" needs in their font.
    for (QLabel *label : {labCurProgress, labTotalProgress}) {
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 1);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->hide();

    connect(&m_batch, &BatchRun::memoChanged, Memo1, &QPlainTextEdit::setPlainText);
    connect(&m_batch, &BatchRun::convertingFileChanged, labConvertingFile, &QLabel::setText);
    connect(&m_batch, &BatchRun::elapsedChanged, labElapsed, &QLabel::setText);
    connect(&m_batch, &BatchRun::remainingChanged, labRemaining, &QLabel::setText);
    connect(&m_batch, &BatchRun::currentProgressChanged, this,
            [this](int p) { setProgress(pgbCurrent, labCurProgress, p); });
    connect(&m_batch, &BatchRun::totalProgressChanged, this, [this](int p) {
        setProgress(pgbTotal, labTotalProgress, p);
        if (m_taskbarPercent >= 0)
            showTaskbarProgress(p);
    });
    m_noteTimer = new QTimer(this);
    m_noteTimer->setSingleShot(true);
    m_noteTimer->setInterval(NoteMs);
    connect(m_noteTimer, &QTimer::timeout, this, [this] { showNote(QString()); });
    connect(&m_batch, &BatchRun::progressPanelShown, this, [this](bool shown) {
        showTaskbarProgress(shown ? 0 : -1);
        showNote(QString());
    });
    connect(&m_batch, &BatchRun::runCompleted, this, &TRunPanel::notifyRunCompleted);
    connect(&m_batch, &BatchRun::runStateChanged, this, &TRunPanel::showRunState);
}

void TRunPanel::showNote(const QString &text)
{
    labNote->setText(text);
    labNote->setToolTip(text);
    if (text.isEmpty())
        m_noteTimer->stop();
    else
        m_noteTimer->start();
}

void TRunPanel::setProfileSource(std::function<QString()> source)
{
    m_profileSource = std::move(source);
}

void TRunPanel::setJobsSource(std::function<int()> source)
{
    m_jobsSource = std::move(source);
}

void TRunPanel::setRunControls(QToolButton *start, QToolButton *stop, QToolButton *pause,
                               QAction *pauseEntry, QAction *stopAfterCurrent)
{
    connect(start, &QToolButton::clicked, this, &TRunPanel::tbtnStartClick);
    connect(stop, &QToolButton::clicked, this, &TRunPanel::tbtnStopClick);
    // The Stop button's menu: stop once the running tasks have finished.
    auto *stopMenu = new QMenu(stop);
    stopMenu->addAction(stopAfterCurrent);
    stop->setMenu(stopMenu);
    stop->setPopupMode(QToolButton::MenuButtonPopup);
    m_pause = pause;
    m_pauseEntry = pauseEntry;
    m_stopAfterCurrent = stopAfterCurrent;
    connect(m_pause, &QToolButton::clicked, this, &TRunPanel::tbtnPauseClick);
    connect(m_pauseEntry, &QAction::triggered, this, &TRunPanel::tbtnPauseClick);
    connect(m_stopAfterCurrent, &QAction::triggered, this,
            [this](bool on) { m_batch.setStopAfterCurrent(on); });
    showRunState(m_batch.RunState());
}

void TRunPanel::showRunState(int state)
{
    // Pause and Stop After Current Task act while the run goes on.
    const bool going =
        state == BatchRun::Running || state == BatchRun::Finishing || state == BatchRun::Paused;
    const bool paused = state == BatchRun::Paused;
    if (m_pause) {
        m_pause->setEnabled(going && m_batch.canPause());
        m_pauseEntry->setEnabled(m_pause->isEnabled());
        const QString pause = paused ? tr("Resume") : tr("Pause");
        m_pause->setToolTip(pause);
        m_pause->setAccessibleName(pause);
        m_pauseEntry->setText(pause);
        m_stopAfterCurrent->setEnabled(going);
        m_stopAfterCurrent->setChecked(m_batch.stopsAfterCurrent());
    }
    emit pausedChanged(paused);
}

void TRunPanel::tbtnStartClick()
{
    emit starting();
    m_batch.setJobs(m_jobsSource ? m_jobsSource() : 1);
    const BatchRun::StartResult result = m_batch.Start(
        m_profileSource ? m_profileSource() : QString(), m_grids,
        [this] { emit runModeChanged(true); }, [this] { emit runModeChanged(false); });
    if (result == BatchRun::StartResult::OutputPathMissing)
        emit outputPathMissing();
}

void TRunPanel::tbtnStopClick()
{
    m_batch.requestStop();
}

void TRunPanel::tbtnPauseClick()
{
    if (m_batch.RunState() == BatchRun::Paused)
        m_batch.resume();
    else
        m_batch.pause();
}

void TRunPanel::setProgress(QProgressBar *bar, QLabel *label, int percent)
{
    bar->setValue(std::clamp(percent, 0, 100));
    label->setText(QString::number(bar->value()) + u'%');
}

void TRunPanel::notifyRunCompleted(int converted, int skipped, int failed)
{
    // The user who watches the window sees the completion message.
    if (isActiveWindow())
        return;
    const QString files =
        converted == 1 ? tr("1 file converted") : tr("%1 files converted").arg(converted);
    m_platform.notify(tr("Conversion completed"),
                      tr("%1, %2 skipped, %3 failed.").arg(files).arg(skipped).arg(failed));
}

void TRunPanel::showTaskbarProgress(int percent)
{
    if (percent == m_taskbarPercent)
        return;
    m_taskbarPercent = percent;
    m_platform.setTaskbarProgress(std::max(0, percent), percent >= 0);
}
