#pragma once

#include "preview/previewplayer.h"

#include <QStringList>

// A preview player for tests: records the files it is asked to open and the
// state changes; files whose path contains "reject" fail to open.
class RecordingPlayer : public PreviewPlayer
{
public:
    void clear() override;
    bool open(const QString &path) override;
    void play() override { m_state = State::Playing; }
    void pause() override { m_state = State::Paused; }
    void stop() override
    {
        m_state = State::Stopped;
        ++stopCount;
    }
    State state() const override { return m_state; }
    qint64 duration() const override { return m_open.isEmpty() ? -1 : 10000; }
    qint64 position() const override { return m_open.isEmpty() ? -1 : 0; }
    void seek(qint64) override {}
    bool hasVideo() const override { return false; }
    QString errorText() const override { return m_error; }
    int errorCode() const override { return m_error.isEmpty() ? 0 : 1; }

    QStringList openedFiles;
    int stopCount = 0;

private:
    State m_state = State::Stopped;
    QString m_open;
    QString m_error;
};
