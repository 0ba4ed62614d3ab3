#pragma once

#include <QByteArray>
#include <QDeadlineTimer>

// What the media library makes of one file.
struct MediaDescription
{
    bool read = false;  // the file was opened and its streams examined
    QByteArray failure; // why not, when not
    // The library's own lines about the file, its warnings included: the
    // text the encoder prints about its input.
    QByteArray report;
    double seconds = -1; // the duration; -1 when the file does not tell
    bool video = false;  // a video stream that is not cover art
    bool audio = false;
};

// Reads files with the system's media library the way the encoder opens its
// inputs, so that what it reports about a file is what the encoder prints.
// Each file has a deadline: the library gives up on a read or an analysis
// that goes on past it.
class MediaReader
{
public:
    explicit MediaReader(int deadlineMs);

    // Whether this build can read media at all; why not in reason.
    static bool available(QByteArray &reason);
    MediaDescription read(const QByteArray &path);

private:
    static int interrupted(void *reader);

    int m_deadlineMs;
    QDeadlineTimer m_deadline; // of the present file
};
