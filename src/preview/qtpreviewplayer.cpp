#include "qtpreviewplayer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

namespace {

QString fallbackText(QMediaPlayer::Error error)
{
    switch (error) {
    case QMediaPlayer::ResourceError:
        return QCoreApplication::translate("QtPreviewPlayer", "The file could not be opened");
    case QMediaPlayer::FormatError:
        return QCoreApplication::translate("QtPreviewPlayer", "The file's format is not supported");
    case QMediaPlayer::NetworkError:
        return QCoreApplication::translate("QtPreviewPlayer",
                                           "The file could not be read over the network");
    case QMediaPlayer::AccessDeniedError:
        return QCoreApplication::translate("QtPreviewPlayer", "Access to the file was denied");
    case QMediaPlayer::NoError:
        break;
    }
    return QCoreApplication::translate("QtPreviewPlayer", "The media framework failed");
}

} // namespace

QtPreviewPlayer::QtPreviewPlayer(QVideoWidget *videoOutput, QObject *parent)
    : PreviewPlayer(parent), m_videoOutput(videoOutput)
{
    createBackend();
}

QtPreviewPlayer::~QtPreviewPlayer()
{
    m_player->disconnect(this);
    m_player->stop();
    m_player->setSource(QUrl());
}

std::unique_ptr<PreviewPlayer> QtPreviewPlayer::create(QVideoWidget *videoOutput)
{
    return std::make_unique<QtPreviewPlayer>(videoOutput);
}

void QtPreviewPlayer::createBackend()
{
    if (m_player) {
        m_player->disconnect(this);
        m_player->stop();
        m_player.reset();
    }
    m_audio = std::make_unique<QAudioOutput>();
    m_player = std::make_unique<QMediaPlayer>();
    // The sound output is always attached: without one the framework's
    // playback fails now and then with an internal stream error, also where
    // the machine has no sound device.
    m_player->setAudioOutput(m_audio.get());
    if (m_videoOutput)
        m_player->setVideoOutput(m_videoOutput);
    applySoundAndRate();
    connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, this,
            &QtPreviewPlayer::mediaStatusChanged);
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, &QtPreviewPlayer::errorOccurred);
    m_broken = false;
}

void QtPreviewPlayer::clear()
{
    stop();
    if (m_broken)
        createBackend();
    else
        m_player->setSource(QUrl());
}

bool QtPreviewPlayer::open(const QString &path)
{
    clear();
    m_errorText.clear();
    m_errorCode = 0;
    m_opening = true;
    auto opening = qScopeGuard([this] { m_opening = false; });
    m_player->setSource(QUrl::fromLocalFile(path));
    if (!loadSettled()) {
        // Wait for the framework's verdict; timers and the framework's own
        // messages are served meanwhile, user input waits.
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        auto check = [this, &loop] {
            if (loadSettled())
                loop.quit();
        };
        const auto c1 = connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, &loop, check);
        const auto c2 = connect(m_player.get(), &QMediaPlayer::errorOccurred, &loop, check);
        limit.start(m_openWaitMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        disconnect(c1);
        disconnect(c2);
    }
    opening.dismiss();
    m_opening = false;

    if (!loadSettled()) {
        // Some damaged files keep the framework busy without an answer.
        setError(QMediaPlayer::ResourceError,
                 tr("The file could not be opened within %1 seconds").arg(m_openWaitMs / 1000.0));
    } else if (m_errorCode == 0 && m_player->mediaStatus() == QMediaPlayer::InvalidMedia) {
        setError(QMediaPlayer::FormatError, QString());
    }
    if (m_errorCode != 0) {
        // Nothing of the failed file may reach the next one.
        createBackend();
        return false;
    }
    applySoundAndRate();
    emit opened();
    return true;
}

void QtPreviewPlayer::play()
{
    m_state = State::Playing;
    // At the end of the file there is nothing left to play: it stays there.
    if (!m_atEnd)
        m_player->play();
}

void QtPreviewPlayer::pause()
{
    m_state = State::Paused;
    if (!m_atEnd)
        m_player->pause();
}

void QtPreviewPlayer::stop()
{
    m_state = State::Stopped;
    m_atEnd = false;
    m_player->stop();
}

qint64 QtPreviewPlayer::duration() const
{
    return m_player->duration();
}

qint64 QtPreviewPlayer::position() const
{
    return m_atEnd ? m_player->duration() : m_player->position();
}

void QtPreviewPlayer::seek(qint64 ms)
{
    if (m_atEnd && ms < m_player->duration()) {
        // Back from the end: the framework has stopped there; restart it in
        // the state the preview is in and move to the chosen time.
        m_atEnd = false;
        if (m_state == State::Playing)
            m_player->play();
        else if (m_state == State::Paused)
            m_player->pause();
    }
    m_player->setPosition(ms);
}

bool QtPreviewPlayer::hasVideo() const
{
    return m_player->hasVideo();
}

void QtPreviewPlayer::mediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (m_opening || m_broken)
        return;
    if (status == QMediaPlayer::EndOfMedia && m_state == State::Playing)
        m_atEnd = true;
    if (status == QMediaPlayer::InvalidMedia) {
        setError(QMediaPlayer::FormatError, QString());
        playbackFailed();
    }
}

void QtPreviewPlayer::errorOccurred(QMediaPlayer::Error error, const QString &text)
{
    if (error == QMediaPlayer::NoError || m_broken)
        return;
    setError(error, text);
    if (!m_opening) // open() reports its own failures
        playbackFailed();
}

void QtPreviewPlayer::playbackFailed()
{
    // The framework's player is replaced on the next clear(), not here,
    // inside its own signal.
    m_broken = true;
    m_state = State::Stopped;
    m_atEnd = false;
    emit failed();
}

void QtPreviewPlayer::setError(int code, const QString &text)
{
    m_errorCode = code;
    m_errorText =
        text.trimmed().isEmpty() ? fallbackText(QMediaPlayer::Error(code)) : text.trimmed();
}

void QtPreviewPlayer::applySoundAndRate()
{
    m_audio->setMuted(false);
    m_audio->setVolume(1.0f);
    m_player->setPlaybackRate(1.0);
}

bool QtPreviewPlayer::loadSettled() const
{
    // The framework keeps its last error after a new file has been set, so
    // only the errors since this open count.
    if (m_errorCode != 0)
        return true;
    switch (m_player->mediaStatus()) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::EndOfMedia:
    case QMediaPlayer::InvalidMedia:
        return true;
    case QMediaPlayer::NoMedia:
    case QMediaPlayer::LoadingMedia:
    case QMediaPlayer::StalledMedia:
        break;
    }
    return false;
}
