#include "previewpane.h"

#include "dstrackbar.h"
#include "edirectshowexception.h"
#include "engine/tasktext.h"
#include "previewplayer.h"
#include "videowindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScopeGuard>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int PaneWidth = 190;
constexpr int PaneHeight = 177;
constexpr int StripHeight = 54;
// The framework's error texts are cut to this length.
constexpr int MaxErrorTextLength = 255;

QToolButton *speedButton(QWidget *parent, const QString &name, const QString &hint,
                         QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setFixedSize(24, 22);
    return button;
}

} // namespace

TPreviewPane::TPreviewPane(PlayerFactory factory, QWidget *parent)
    : QWidget(parent), m_factory(std::move(factory))
{
    setObjectName(QStringLiteral("panPreview"));

    VideoWindow1 = new TVideoWindow(this);
    Image1 = VideoWindow1->image();

    auto *strip = new QWidget(this);
    strip->setFixedHeight(StripHeight);
    TrackBar = new TDSTrackBar(strip);
    TrackBar->setAccessibleName(tr("Position"));
    sbtnPlay = speedButton(strip, QStringLiteral("sbtnPlay"), tr("Play"), QStyle::SP_MediaPlay);
    sbtnPause = speedButton(strip, QStringLiteral("sbtnPause"), tr("Pause / Resume"),
                            QStyle::SP_MediaPause);
    sbtnStop = speedButton(strip, QStringLiteral("sbtnStop"), tr("Stop"), QStyle::SP_MediaStop);
    labPreviewTime = new QLabel(QStringLiteral("00:00:00"), strip);
    labPreviewTime->setObjectName(QStringLiteral("labPreviewTime"));
    labPreviewTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(2, 0, 4, 0);
    buttons->setSpacing(2);
    buttons->addWidget(sbtnPlay);
    buttons->addWidget(sbtnPause);
    buttons->addWidget(sbtnStop);
    buttons->addStretch(1);
    buttons->addWidget(labPreviewTime);

    auto *stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(0, 2, 0, 2);
    stripLayout->setSpacing(2);
    stripLayout->addWidget(TrackBar);
    stripLayout->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(VideoWindow1, 1);
    layout->addWidget(strip);

    connect(sbtnPlay, &QToolButton::clicked, this, &TPreviewPane::playRequested);
    connect(sbtnPause, &QToolButton::clicked, this, &TPreviewPane::sbtnPauseClick);
    connect(sbtnStop, &QToolButton::clicked, this, &TPreviewPane::sbtnStopClick);
    connect(TrackBar, &TDSTrackBar::timerTicked, this, &TPreviewPane::TrackBarTimer);
}

TPreviewPane::~TPreviewPane()
{
    // Release the graph before the video area that it draws into.
    if (m_player) {
        TrackBar->setPlayer(nullptr);
        m_player->disconnect(this);
        m_player->stop();
        m_player.reset();
    }
}

QSize TPreviewPane::sizeHint() const
{
    return {PaneWidth, PaneHeight};
}

void TPreviewPane::PlaySelected(const QString &path)
{
    // An open waits for the framework; a second request meanwhile is dropped.
    if (m_opening)
        return;
    activate();
    stopGraph();
    VideoWindow1->showVideo(false);
    m_player->clear();
    bool ok = false;
    {
        m_opening = true;
        const auto done = qScopeGuard([this] { m_opening = false; });
        ok = m_player->open(path);
    }
    if (!ok)
        throw EDirectShowException(errorMessage().toStdString());
    playGraph();
}

void TPreviewPane::stopPlayback()
{
    if (m_player)
        stopGraph();
}

void TPreviewPane::sbtnPauseClick()
{
    if (!m_player)
        return;
    switch (m_player->state()) {
    case PreviewPlayer::State::Playing:
        pauseGraph();
        break;
    case PreviewPlayer::State::Paused:
        playGraph();
        break;
    case PreviewPlayer::State::Stopped:
        break;
    }
}

void TPreviewPane::sbtnStopClick()
{
    if (m_player)
        stopGraph();
}

void TPreviewPane::activate()
{
    if (m_player)
        return;
    std::unique_ptr<PreviewPlayer> player = m_factory(VideoWindow1->renderer());
    if (!player)
        throw EDirectShowException(tr("The media player could not be created.").toStdString());
    m_player = std::move(player);
    connect(m_player.get(), &PreviewPlayer::failed, this, &TPreviewPane::playerFailed);
    TrackBar->setPlayer(m_player.get());
}

// Play, pause and stop first update the bar and the video area, then tell the
// player, so that the bar's timer runs exactly while the preview plays.
void TPreviewPane::playGraph()
{
    // The bar follows playback unless it has been switched off itself.
    if (!TrackBar->testAttribute(Qt::WA_ForceDisabled))
        TrackBar->startTimer();
    if (m_player->hasVideo())
        VideoWindow1->showVideo(true);
    m_player->play();
}

void TPreviewPane::pauseGraph()
{
    TrackBar->stopTimer();
    m_player->pause();
}

void TPreviewPane::stopGraph()
{
    TrackBar->stopTimer();
    m_player->stop();
}

void TPreviewPane::TrackBarTimer(qint64, qint64)
{
    labPreviewTime->setText(SecondsToStr(TrackBar->value()));
}

void TPreviewPane::playerFailed()
{
    // The framework gave up while loading or playing: the preview no longer
    // plays, and the failure is shown like any other, by the top-level
    // handler, once the framework's own call has returned.
    TrackBar->stopTimer();
    const bool queued = !m_pendingError.isEmpty();
    m_pendingError = errorMessage();
    if (!queued)
        QMetaObject::invokeMethod(this, &TPreviewPane::raisePendingError, Qt::QueuedConnection);
}

void TPreviewPane::raisePendingError()
{
    const QString message = m_pendingError;
    m_pendingError.clear();
    if (!message.isEmpty())
        throw EDirectShowException(message.toStdString());
}

QString TPreviewPane::errorMessage() const
{
    return m_player->errorText().left(MaxErrorTextLength) +
           QStringLiteral(" ($%1).").arg(uint(m_player->errorCode()), 0, 16);
}
