#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class PreviewPlayer;
class QLabel;
class QToolButton;
class QVideoWidget;
class TDSTrackBar;
class TVideoWindow;

// The preview pane of the main window: plays one source file, picture and
// sound, with a position bar, Play, Pause / Resume, Stop and the played time.
// The player ("graph") is made by the factory on the first PlaySelected,
// emptied and reused for every later file, and released with the pane.
class TPreviewPane : public QWidget
{
    Q_OBJECT
public:
    using PlayerFactory = std::function<std::unique_ptr<PreviewPlayer>(QVideoWidget *)>;

    explicit TPreviewPane(PlayerFactory factory, QWidget *parent = nullptr);
    ~TPreviewPane() override;

    QSize sizeHint() const override;

    // Plays the file from its start, replacing whatever was open. Throws
    // EDirectShowException ("<framework text> ($<hex code>).") when the
    // framework rejects the file; nothing plays then.
    void PlaySelected(const QString &path);
    // Stops the preview (a batch run is starting).
    void stopPlayback();
    // Playing pauses, paused plays on; otherwise nothing.
    void sbtnPauseClick();
    void sbtnStopClick();

    // The graph; null until the first PlaySelected.
    PreviewPlayer *player() const { return m_player.get(); }

    TVideoWindow *VideoWindow1;
    QLabel *Image1;
    TDSTrackBar *TrackBar;
    QToolButton *sbtnPlay;
    QToolButton *sbtnPause;
    QToolButton *sbtnStop;
    QLabel *labPreviewTime;

signals:
    // Play was clicked; the main window picks the row and calls PlaySelected.
    void playRequested();

private:
    void activate();
    void playGraph();
    void pauseGraph();
    void stopGraph();
    void TrackBarTimer(qint64 currentMs, qint64 totalMs);
    void playerFailed();
    void raisePendingError();
    QString errorMessage() const;

    PlayerFactory m_factory;
    std::unique_ptr<PreviewPlayer> m_player;
    QString m_pendingError;
    bool m_opening = false;
};
