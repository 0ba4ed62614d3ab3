#pragma once

#include "engine/taskstore.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <memory>

class BatchRun;
class Platform;
class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QTreeView;
class RunHost;
class TaskIntake;
class TaskUndo;
class TLogForm;
class TPreviewPane;
class TProfilePanel;
class TValueListEditor;
class TWelcomePanel;
class ValueListModel;

// The task list and the commands on the tasks in it: Remove, Clear and
// Undo, Move Up and Down, the pop-up menu and the list's keys, opening a
// task in the preview and its log; the column widths, the welcome panel
// over the empty list, and the Output grid, which shows and takes the
// values of the first selected task. During a run the list stays open: the
// tasks the run has not started may be removed, moved and edited, and
// tasks added join the run; a task being converted or already ended by the
// run is kept as it is, and the command tells why (noteShown).
class TTaskListPanel : public QWidget
{
    Q_OBJECT
public:
    // host gives the output extension of the loaded profile; profile is the
    // window's right-hand panel, with the Output grid and the preview.
    TTaskListPanel(TaskStore &tasks, TaskUndo &undo, TaskIntake &intake, BatchRun &batch,
                   Platform &platform, const RunHost &host, TProfilePanel &profile,
                   QWidget *parent = nullptr);
    ~TTaskListPanel() override;

    // The toolbar's task buttons, which act on the list, and Start, enabled
    // while there are tasks to act on (Start not during a run).
    void setTaskButtons(QToolButton *up, QToolButton *down, QToolButton *remove, QToolButton *clear,
                        QToolButton *start);
    void setTaskButtonsEnabled(bool enabled);
    void enableTaskButtonsIfAny();
    // The window enters or leaves its running state.
    void setRunMode(bool running);
    // The catalogue's output extensions: a typed name ending in one of them
    // (or in a source's) has an extension, any other dot is part of the name.
    void setProfileExtensions(const QStringList &extensions);
    // The designed column widths times scale, for a font wider than the
    // design's.
    void scaleColumns(double scale);

    bool welcomeVisible() const;
    // The selected rows, ascending.
    QList<int> selectedRows() const;
    void selectRows(const QList<int> &rows);
    int firstSelectedRow() const;
    // The width the column rule last saw for the task list.
    int rememberedListWidth() const { return m_listWidth; }
    // The log window, once "Show Log..." has opened it.
    TLogForm *logForm() const { return m_logForm.get(); }

    QTreeView *ltvTask = nullptr;
    TWelcomePanel *panbg = nullptr;
    QMenu *ppmTask = nullptr;
    QAction *Open1 = nullptr, *ShowLog1 = nullptr, *AddFiles1 = nullptr, *AddDirectorys1 = nullptr,
            *WatchFolders1 = nullptr, *Remove1 = nullptr, *Clear1 = nullptr, *Undo1 = nullptr;
    // Pause (Resume while paused) and the check item "Stop After Current
    // Task": the window connects them to the run.
    QAction *Pause1 = nullptr, *StopAfterCurrent1 = nullptr;

public slots:
    void tbtnRemoveClick();
    void tbtnClearClick();
    // Puts back the tasks the last Remove or Clear took off the list.
    void Undo1Click();
    void tbtnUpClick();
    void tbtnDownClick();
    void ltvTaskClick();
    void ltvTaskDblClick();
    void ppmTaskPopup();
    void ShowLog1Click();
    void sbtnPlayClick();
    void vleOutputValidate(int row);
    // A probe that ended: the Output grid shows the times it found.
    void taskProbed(int row);

signals:
    // A command was refused for the tasks a run has taken: why, for the
    // status area.
    void noteShown(const QString &note);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void clearOutputValues();
    // Why the task in row may not be removed (or edited) now: the run is
    // converting it or has ended it. Empty when it may.
    QString takenNote(int row, bool edit) const;
    void ltvTaskResized(int newWidth);
    // The least width of the Status column: "Converting 100%" with its icon.
    int statusWidth() const;

    TaskStore &m_tasks;
    TaskUndo &m_undo;
    TaskIntake &m_intake;
    BatchRun &m_batch;
    Platform &m_platform;
    const RunHost &m_host;
    TProfilePanel &m_profile;
    TValueListEditor *m_outputGrid;
    ValueListModel *m_outputValues;
    TPreviewPane *m_preview;
    QList<QToolButton *> m_taskButtons;
    QToolButton *m_startButton = nullptr;
    bool m_runMode = false;
    QStringList m_profileExtensions;
    int m_listWidth = 562;
    // The columns' widths as the column rule gives them, before the lower
    // bound; a drag by the user sets them too.
    int m_columnWidths[TaskStore::ColumnCount] = {260, 90, 80, 100};
    bool m_applyingColumnRule = false;
    // The row whose values the Output grid shows (the first selected one),
    // -1 for none.
    int m_outputRow = -1;
    std::unique_ptr<TLogForm> m_logForm;
};
