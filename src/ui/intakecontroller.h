#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class BatchRun;
class Platform;
class ProbeQueue;
class QAction;
class QLabel;
class QMimeData;
class QProgressBar;
class QToolButton;
class TaskIntake;
class TaskStore;
class TNotAddedReport;
class TSettingForm;
class TTaskListPanel;

// Adding tasks from the window: "Add Video Files", "Add Directory" and
// files and folders dropped on the window (it watches the window's drag and
// drop events); the progress of an intake and its report of what it left
// out, in the bottom bar's idle panel; the folder adding starts in, and how
// many probes run at once.
class TIntakeController : public QObject
{
    Q_OBJECT
public:
    // bar is the panel that shows the intake's progress and report; window
    // takes the drops and owns the controller.
    TIntakeController(TaskStore &tasks, TaskIntake &intake, ProbeQueue &probes, BatchRun &batch,
                      Platform &platform, TTaskListPanel &taskList, QWidget *bar, QWidget *window);

    // The settings dialog, whose live values say how folders are taken in
    // and how many probes may run.
    void setSettingForm(TSettingForm *form);
    // The output path box's text, read when a folder is taken in.
    void setOutputFolderSource(std::function<QString()> source);
    // The folder of the files and folders added last ("Last Folder").
    QString lastFolder() const { return m_lastFolder; }
    void setLastFolder(const QString &folder) { m_lastFolder = folder; }
    // The toolbar's buttons and the pop-up menu's entries that add files
    // and a folder; an entry adds only while its button may.
    void setAddCommands(QToolButton *addFile, QToolButton *addDir, QAction *addFiles,
                        QAction *addDirectory);

    // While files are being added: "Adding files: n of m" and its bar.
    QLabel *labAdding = nullptr;
    QProgressBar *pgbAdding = nullptr;
    // What the last intake left out.
    TNotAddedReport *btnNotAdded = nullptr;

public slots:
    void tbtnAddFileClick();
    void tbtnAddDirClick();
    void DropPaths(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The local paths of a drop, in the platform's form.
    static QStringList DroppedPaths(const QMimeData &data);
    // Drops are taken while the task list takes input (also during a run).
    bool takesDrops() const;
    // Where adding files and folders starts: the folder used last, else the
    // user's Videos folder, else home.
    QString startFolder() const;
    void showIntakeProgress(int done, int total);
    int probeLimit() const;

    TaskStore &m_tasks;
    TaskIntake &m_intake;
    BatchRun &m_batch;
    Platform &m_platform;
    TTaskListPanel &m_taskList;
    TSettingForm *m_settingForm = nullptr;
    std::function<QString()> m_outputFolderSource;
    QString m_lastFolder;
};
