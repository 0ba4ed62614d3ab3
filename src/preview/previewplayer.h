#pragma once

#include <QObject>
#include <QString>

// The media framework behind the preview pane: one playback graph that holds
// at most one open file. Times are milliseconds. The framework decodes on
// threads of its own and reports on the user-interface thread only.
class PreviewPlayer : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Stopped,
        Paused,
        Playing
    };

    explicit PreviewPlayer(QObject *parent = nullptr) : QObject(parent) {}
    ~PreviewPlayer() override;

    // Stops playback and closes the open file, leaving an empty graph.
    virtual void clear() = 0;
    // Opens a file; on success applies full volume and normal speed and
    // emits opened(). False when the framework rejects the file; errorText()
    // and errorCode() then say why.
    virtual bool open(const QString &path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Ends playback.
    virtual void stop() = 0;
    virtual State state() const = 0;
    // Length and played time of the open file; -1 when they cannot be read.
    virtual qint64 duration() const = 0;
    virtual qint64 position() const = 0;
    // Continues playback from the given time.
    virtual void seek(qint64 ms) = 0;
    // Whether the open file has a picture being drawn into the video area.
    virtual bool hasVideo() const = 0;
    // The last failure: the framework's text and its code.
    virtual QString errorText() const = 0;
    virtual int errorCode() const = 0;

signals:
    // A file has been opened.
    void opened();
    // The framework failed after a successful open, while playing;
    // errorText() and errorCode() say why. Nothing plays any more.
    void failed();
};
