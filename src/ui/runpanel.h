#pragma once

#include "settings/profilegrids.h"

#include <QWidget>
#include <functional>

class BatchRun;
class Platform;
class QAction;
class QToolButton;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QTimer;

// The progress panel of a batch run, in the bottom bar while the run goes
// on: the file being converted, the elapsed and the remaining time and the
// two progress bars. It starts and stops runs, shows the run's progress on
// the taskbar entry and tells the desktop when a run ends unwatched.
class TRunPanel : public QWidget
{
    Q_OBJECT
public:
    // grids are the window's, whose values a run converts with.
    TRunPanel(BatchRun &batch, Platform &platform, const ProfileGrids &grids,
              QWidget *parent = nullptr);

    // The file of the profile chosen in the window, read when a run starts.
    void setProfileSource(std::function<QString()> source);
    // The number of conversions that may run at once, read when a run starts.
    void setJobsSource(std::function<int()> source);
    // The window's Start, Stop and Pause buttons, its Pause entry and its
    // check item "Stop After Current Task", which the Stop button's menu
    // holds too: they act on the run and show its state.
    void setRunControls(QToolButton *start, QToolButton *stop, QToolButton *pause,
                        QAction *pauseEntry, QAction *stopAfterCurrent);
    // The run's commands as the run's state has it.
    void showRunState(int state);
    // The status area: a short note on a command that could not act (a
    // task being converted cannot be removed, say), shown for NoteMs or
    // until the run ends; it asks for nothing.
    void showNote(const QString &text);
    static constexpr int NoteMs = 6000;

    QLabel *labConvertingFile = nullptr, *labElapsed = nullptr, *labRemaining = nullptr;
    QProgressBar *pgbCurrent = nullptr, *pgbTotal = nullptr;
    QLabel *labCurProgress = nullptr, *labTotalProgress = nullptr;
    QLabel *labNote = nullptr;
    // The encoder's output of the current task, never shown.
    QPlainTextEdit *Memo1 = nullptr;

public slots:
    void tbtnStartClick();
    void tbtnStopClick();
    // Pause, or Resume while paused.
    void tbtnPauseClick();

signals:
    // The run stands still (Pause) or goes on again.
    void pausedChanged(bool paused);
    // Start was pressed: what the window still holds for the tasks goes to
    // them now, before the run reads them.
    void starting();
    // The window switches between its idle and its running state.
    void runModeChanged(bool running);
    // Start found no output directory to convert into.
    void outputPathMissing();

private:
    void setProgress(QProgressBar *bar, QLabel *label, int percent);
    // The end of a run, told on the desktop when the user looks elsewhere.
    void notifyRunCompleted(int converted, int skipped, int failed);
    // The run's total progress on the taskbar entry; -1 takes it away.
    void showTaskbarProgress(int percent);

    BatchRun &m_batch;
    Platform &m_platform;
    ProfileGrids m_grids;
    std::function<QString()> m_profileSource;
    std::function<int()> m_jobsSource;
    QToolButton *m_pause = nullptr;
    QAction *m_pauseEntry = nullptr, *m_stopAfterCurrent = nullptr;
    int m_taskbarPercent = -1; // -1: not shown
    QTimer *m_noteTimer = nullptr;
};
