#include "fakepreviewplayer.h"

#include <QVideoWidget>

FakePreviewPlayer::FakePreviewPlayer(QVideoWidget *renderer) : m_renderer(renderer) {}

FakePreviewPlayer::~FakePreviewPlayer()
{
    if (releasedFlag)
        *releasedFlag = true;
    if (rendererAliveAtRelease)
        *rendererAliveAtRelease = !m_renderer.isNull();
}

void FakePreviewPlayer::clear()
{
    calls << QStringLiteral("clear");
}

bool FakePreviewPlayer::open(const QString &path)
{
    calls << QStringLiteral("open:") + path;
    if (duringOpen)
        duringOpen();
    if (rejected.contains(path)) {
        text = rejectText;
        code = rejectCode;
        return false;
    }
    emit opened();
    return true;
}

void FakePreviewPlayer::play()
{
    calls << QStringLiteral("play");
    st = State::Playing;
}

void FakePreviewPlayer::pause()
{
    calls << QStringLiteral("pause");
    st = State::Paused;
}

void FakePreviewPlayer::stop()
{
    calls << QStringLiteral("stop");
    st = State::Stopped;
}

void FakePreviewPlayer::seek(qint64 ms)
{
    calls << QStringLiteral("seek:%1").arg(ms);
}

void FakePreviewPlayer::fail(const QString &errorText, int errorCode)
{
    text = errorText;
    code = errorCode;
    st = State::Stopped;
    emit failed();
}

std::function<std::unique_ptr<PreviewPlayer>(QVideoWidget *)> FakePreviewPlayerFactory::factory()
{
    return [this](QVideoWidget *renderer) {
        ++made;
        auto player = std::make_unique<FakePreviewPlayer>(renderer);
        last = player.get();
        if (configure)
            configure(*player);
        return std::unique_ptr<PreviewPlayer>(std::move(player));
    };
}
