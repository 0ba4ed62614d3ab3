#pragma once

#include "preview/previewplayer.h"

#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QVideoWidget;

// A preview player for tests: records every call in `calls` ("clear",
// "open:<path>", "play", "pause", "stop", "seek:<ms>") and answers from its
// public fields. Files listed in `rejected` fail to open with rejectText and
// rejectCode.
class FakePreviewPlayer : public PreviewPlayer
{
public:
    explicit FakePreviewPlayer(QVideoWidget *renderer = nullptr);
    ~FakePreviewPlayer() override;

    void clear() override;
    bool open(const QString &path) override;
    void play() override;
    void pause() override;
    void stop() override;
    State state() const override { return st; }
    qint64 duration() const override { return dur; }
    qint64 position() const override { return pos; }
    void seek(qint64 ms) override;
    bool hasVideo() const override { return video; }
    QString errorText() const override { return text; }
    int errorCode() const override { return code; }

    // A failure while playing, as the framework would report it.
    void fail(const QString &errorText, int errorCode);
    // The renderer handed to the factory; null once it has been destroyed.
    QVideoWidget *renderer() const { return m_renderer; }

    QStringList calls;
    QStringList rejected;
    QString rejectText = QStringLiteral("Cannot play back the file.  The format is not supported.");
    int rejectCode = int(0x80040265u);
    std::function<void()> duringOpen; // called inside open(), before its answer
    State st = State::Stopped;
    qint64 dur = 0;
    qint64 pos = 0;
    bool video = true;
    QString text;
    int code = 0;
    // Set when the player is destroyed: true, and whether its renderer was
    // still alive then.
    bool *releasedFlag = nullptr;
    bool *rendererAliveAtRelease = nullptr;

private:
    QPointer<QVideoWidget> m_renderer;
};

// A factory for TPreviewPane that makes FakePreviewPlayers and remembers the
// last one it made.
struct FakePreviewPlayerFactory
{
    int made = 0;
    FakePreviewPlayer *last = nullptr;
    std::function<void(FakePreviewPlayer &)> configure; // applied to each new player

    std::function<std::unique_ptr<PreviewPlayer>(QVideoWidget *)> factory();
};
