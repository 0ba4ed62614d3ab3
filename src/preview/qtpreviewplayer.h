#pragma once

#include "previewplayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>

#include <memory>

class QVideoWidget;

// The preview player on Qt Multimedia. An open waits, for a bounded time and
// without taking user input, until the framework has loaded the file or
// rejected it, so that a rejected file is reported by open() itself; a file
// that is not loaded when the time is up counts as rejected. Failures during
// playback are reported through failed(). After a failure the framework's
// player is replaced, as it may still deliver messages of the failed file. At the end of a file the
// player keeps counting as playing, positioned at the end, until it is paused, stopped or sought.
class QtPreviewPlayer : public PreviewPlayer
{
    Q_OBJECT
public:
    // How long an open waits for the framework, by default. Local files load
    // in well under a second.
    static constexpr int DefaultOpenWaitMs = 10000;

    // videoOutput may be null: the picture is then not drawn.
    explicit QtPreviewPlayer(QVideoWidget *videoOutput, QObject *parent = nullptr);
    ~QtPreviewPlayer() override;

    // The preview pane's factory for the program: TPreviewPane(&QtPreviewPlayer::create).
    static std::unique_ptr<PreviewPlayer> create(QVideoWidget *videoOutput);

    void clear() override;
    bool open(const QString &path) override;
    void play() override;
    void pause() override;
    void stop() override;
    State state() const override { return m_state; }
    qint64 duration() const override;
    qint64 position() const override;
    void seek(qint64 ms) override;
    bool hasVideo() const override;
    QString errorText() const override { return m_errorText; }
    int errorCode() const override { return m_errorCode; }

    void setOpenWaitMs(int ms) { m_openWaitMs = ms; }
    QMediaPlayer *mediaPlayer() { return m_player.get(); }
    QAudioOutput *audioOutput() { return m_audio.get(); }

private:
    void createBackend();
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);
    void errorOccurred(QMediaPlayer::Error error, const QString &text);
    void playbackFailed();
    void setError(int code, const QString &text);
    void applySoundAndRate();
    bool loadSettled() const;

    QVideoWidget *m_videoOutput;
    std::unique_ptr<QAudioOutput> m_audio;
    std::unique_ptr<QMediaPlayer> m_player;
    int m_openWaitMs = DefaultOpenWaitMs;
    State m_state = State::Stopped;
    bool m_atEnd = false;
    bool m_opening = false;
    bool m_broken = false; // the framework failed; its player is replaced on the next clear
    QString m_errorText;
    int m_errorCode = 0;
};
