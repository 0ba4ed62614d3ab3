#include "qtpreviewplayer.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

namespace {

QString fallbackText(QMediaPlayer::Error error)
{
    switch (error) {
    case QMediaPlayer::ResourceError:
        return QStringLiteral("The file could not be opened");
    case QMediaPlayer::FormatError:
        return QStringLiteral("The file's format is not supported");
    case QMediaPlayer::NetworkError:
        return QStringLiteral("The file could not be read over the network");
    case QMediaPlayer::AccessDeniedError:
        return QStringLiteral("Access to the file was denied");
    case QMediaPlayer::NoError:
        break;
    }
    return QStringLiteral("The media framework failed");
}

} // namespace

QtPreviewPlayer::QtPreviewPlayer(QVideoWidget *videoOutput, QObject *parent) : PreviewPlayer(parent)
{
    // The sound output is always attached: without one the framework's
    // playback fails now and then with an internal stream error, also where
    // the machine has no sound device.
    m_player.setAudioOutput(&m_audio);
    if (videoOutput)
        m_player.setVideoOutput(videoOutput);
    applySoundAndRate();
    connect(&m_player, &QMediaPlayer::mediaStatusChanged, this,
            &QtPreviewPlayer::mediaStatusChanged);
    connect(&m_player, &QMediaPlayer::errorOccurred, this, &QtPreviewPlayer::errorOccurred);
}

QtPreviewPlayer::~QtPreviewPlayer()
{
    m_player.disconnect(this);
    m_player.stop();
    m_player.setSource(QUrl());
}

void QtPreviewPlayer::clear()
{
    stop();
    m_player.setSource(QUrl());
}

bool QtPreviewPlayer::open(const QString &path)
{
    clear();
    m_errorText.clear();
    m_errorCode = 0;
    m_openReported = false;
    m_opening = true;
    m_player.setSource(QUrl::fromLocalFile(path));
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
        const auto c1 = connect(&m_player, &QMediaPlayer::mediaStatusChanged, &loop, check);
        const auto c2 = connect(&m_player, &QMediaPlayer::errorOccurred, &loop, check);
        limit.start(OpenWaitMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        disconnect(c1);
        disconnect(c2);
    }
    m_opening = false;

    if (m_player.error() != QMediaPlayer::NoError ||
        m_player.mediaStatus() == QMediaPlayer::InvalidMedia) {
        if (m_errorCode == 0)
            setError(QMediaPlayer::FormatError, QString());
        m_player.setSource(QUrl());
        return false;
    }
    applySoundAndRate();
    if (loadSettled()) {
        m_openReported = true;
        emit opened();
    }
    return true;
}

void QtPreviewPlayer::play()
{
    m_state = State::Playing;
    // At the end of the file there is nothing left to play: it stays there.
    if (!m_atEnd)
        m_player.play();
}

void QtPreviewPlayer::pause()
{
    m_state = State::Paused;
    if (!m_atEnd)
        m_player.pause();
}

void QtPreviewPlayer::stop()
{
    m_state = State::Stopped;
    m_atEnd = false;
    m_player.stop();
}

qint64 QtPreviewPlayer::duration() const
{
    return m_player.duration();
}

qint64 QtPreviewPlayer::position() const
{
    return m_atEnd ? m_player.duration() : m_player.position();
}

void QtPreviewPlayer::seek(qint64 ms)
{
    if (m_atEnd && ms < m_player.duration()) {
        // Back from the end: the framework has stopped there; restart it in
        // the state the preview is in and move to the chosen time.
        m_atEnd = false;
        if (m_state == State::Playing)
            m_player.play();
        else if (m_state == State::Paused)
            m_player.pause();
    }
    m_player.setPosition(ms);
}

bool QtPreviewPlayer::hasVideo() const
{
    return m_player.hasVideo();
}

void QtPreviewPlayer::mediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (m_opening)
        return;
    if (status == QMediaPlayer::EndOfMedia && m_state == State::Playing)
        m_atEnd = true;
    if (!m_openReported && !m_player.source().isEmpty() &&
        (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia)) {
        // A file that loaded after open() stopped waiting.
        m_openReported = true;
        applySoundAndRate();
        emit opened();
    }
    if (status == QMediaPlayer::InvalidMedia && m_errorCode == 0) {
        setError(QMediaPlayer::FormatError, QString());
        m_state = State::Stopped;
        emit failed();
    }
}

void QtPreviewPlayer::errorOccurred(QMediaPlayer::Error error, const QString &text)
{
    if (error == QMediaPlayer::NoError)
        return;
    setError(error, text);
    if (m_opening)
        return; // open() reports it
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
    m_audio.setMuted(false);
    m_audio.setVolume(1.0f);
    m_player.setPlaybackRate(1.0);
}

bool QtPreviewPlayer::loadSettled() const
{
    if (m_player.error() != QMediaPlayer::NoError)
        return true;
    switch (m_player.mediaStatus()) {
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
