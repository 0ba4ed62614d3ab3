#include "recordingplayer.h"

void RecordingPlayer::clear()
{
    m_state = State::Stopped;
    m_open.clear();
}

bool RecordingPlayer::open(const QString &path)
{
    openedFiles << path;
    if (path.contains(QLatin1String("reject"))) {
        m_error = QStringLiteral("Cannot render the file");
        return false;
    }
    m_error.clear();
    m_open = path;
    emit opened();
    return true;
}
