#pragma once

#include "previewplayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>

class QVideoWidget;

// The preview player on Qt Multimedia. An open waits, for a bounded time and
// without taking user input, until the framework has loaded the file or
// rejected it, so that a rejected file is reported by open() itself; a file
// still loading after that time plays once loaded, and a later rejection is
// reported through failed(). At the end of a file the player keeps counting
// as playing, positioned at the end, until it is paused, stopped or sought.
class QtPreviewPlayer : public PreviewPlayer
{
    Q_OBJECT
public:
    // How long an open waits for the framework.
    static constexpr int OpenWaitMs = 10000;

    // videoOutput may be null: the picture is then not drawn.
    explicit QtPreviewPlayer(QVideoWidget *videoOutput, QObject *parent = nullptr);
    ~QtPreviewPlayer() override;

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

    QMediaPlayer *mediaPlayer() { return &m_player; }
    QAudioOutput *audioOutput() { return &m_audio; }

private:
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);
    void errorOccurred(QMediaPlayer::Error error, const QString &text);
    void setError(int code, const QString &text);
    void applySoundAndRate();
    bool loadSettled() const;

    QAudioOutput m_audio;
    QMediaPlayer m_player;
    State m_state = State::Stopped;
    bool m_atEnd = false;
    bool m_opening = false;
    bool m_openReported = false;
    QString m_errorText;
    int m_errorCode = 0;
};
