#pragma once

#include "engine/encoderprocess.h"
#include "engine/runhost.h"
#include "engine/taskstore.h"
#include "settings/apppaths.h"
#include "settings/profilegrids.h"

#include <QMainWindow>
#include <QSet>
#include <functional>
#include <memory>

class BatchRun;
class OutputRecords;
class Platform;
class PreviewPlayer;
class ProbeQueue;
class SavedTaskList;
class SavedTaskLogs;
class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QSplitterHandle;
class QStackedLayout;
class QToolBar;
class QToolButton;
class QTreeView;
class QVideoWidget;
class TAboutForm;
class TaskIntake;
class TaskUndo;
class TGridSection;
class TLogForm;
class TNotAddedReport;
class TPanelSplitter;
class TPreviewPane;
class TSectionStack;
class TSettingForm;
class TSizeForm;
class TWelcomePanel;
class TValueListEditor;
class ValueListModel;

// The program's main window: the toolbar, the task list, the profile and
// output-path bar with the progress panel of a run, the parameter grids and
// the preview pane. It owns the tasks, the grids' rows, the output extension
// of the loaded profile, the encoder and the batch run.
class TMainForm : public QMainWindow, public RunHost
{
    Q_OBJECT
public:
    using PlayerFactory = std::function<std::unique_ptr<PreviewPlayer>(QVideoWidget *)>;

    // Builds the window and runs the start-up steps; args, the command line,
    // is taken in once the window has been shown. paths says where the
    // program's files are.
    TMainForm(const AppPaths &paths, Platform &platform, PlayerFactory playerFactory,
              const QStringList &args = {}, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The windows created after this one.
    void setSettingForm(TSettingForm *form);
    void setSizeForm(TSizeForm *form);
    void setAboutForm(TAboutForm *form);

    // The texts of the settings errors met while the window was created and
    // first shown (the start goes on without the file's values); emptied by
    // the call.
    QStringList takeStartupErrors();
    // The last step of the start, once the windows are shown and their
    // messages told: without command-line paths, offers to restore the
    // unfinished tasks of the last session; from then on the task list is
    // saved after every change.
    void RestoreSession();

    const AppPaths &paths() const { return m_paths; }
    QString versionText() const { return m_version; }
    QString encoderPath() const { return m_paths.encoderPath(); }
    QString helpFile() const { return m_paths.helpFile(); }
    QString preferencesFile() const { return m_paths.preferencesFile(); }
    // The file of the named profile (the user's, else the shipped one); the
    // extension is matched ignoring case, as the catalogue lists it.
    QString profilePath(const QString &name) const;

    TaskStore &tasks() { return m_tasks; }
    TaskIntake &intake() { return *m_intake; }
    ProbeQueue &probes() { return *m_probes; }
    EncoderProcess &encoder() { return m_encoder; }
    BatchRun &batch() { return *m_batch; }
    SavedTaskList &savedTaskList() { return *m_savedList; }
    // The log window, once "Show Log..." has opened it.
    TLogForm *logForm() const { return m_logForm.get(); }
    ProfileGrids grids() const;
    bool welcomeVisible() const;
    // The selected rows, ascending.
    QList<int> selectedRows() const;
    void selectRows(const QList<int> &rows);
    int firstSelectedRow() const;

    // RunHost
    QString outputDirectory() const override;
    QString outputExtension() const override { return m_outputExt; }
    bool overwrite() const override;
    bool skipExisting() const override;
    bool autoOpenDir() const override;
    bool autoExit() const override;
    bool autoTurnOff() const override;
    void closeMainWindow() override;
    // Closes the window for SIGTERM or SIGINT: a run in progress is stopped
    // without a question, its partial output removed, the list saved.
    void closeForSignal();
    bool rewritesProfile(const QString &profilePath) const override;

    // Controls, named as the window's design names them.
    QToolBar *ToolBar1 = nullptr;
    QToolButton *tbtnAddFile = nullptr, *tbtnAddDir = nullptr, *tbtnUp = nullptr,
                *tbtnDown = nullptr, *tbtnRemove = nullptr, *tbtnClear = nullptr,
                *tbtnStart = nullptr, *tbtnStop = nullptr, *tbtnSetting = nullptr,
                *tbtnAbout = nullptr, *tbtnHelp = nullptr;
    QWidget *panMain = nullptr;
    QTreeView *ltvTask = nullptr;
    QWidget *panBottom = nullptr;
    QWidget *panBottomCenter = nullptr;
    QLabel *labProfile = nullptr;
    // While files are being added: "Adding files: n of m" and its bar.
    QLabel *labAdding = nullptr;
    QProgressBar *pgbAdding = nullptr;
    // What the last intake left out.
    TNotAddedReport *btnNotAdded = nullptr;
    QComboBox *cmbProfile = nullptr;
    QPushButton *bbtnSetting = nullptr;
    QLabel *labOutputPath = nullptr;
    QLineEdit *edtOutputdir = nullptr;
    QPushButton *bbtnBrowser = nullptr, *bbtnOpen = nullptr;
    QWidget *panBottomLeft = nullptr;
    QLabel *labConvertingFile = nullptr, *labElapsed = nullptr, *labRemaining = nullptr;
    QProgressBar *pgbCurrent = nullptr, *pgbTotal = nullptr;
    QLabel *labCurProgress = nullptr, *labTotalProgress = nullptr;
    TWelcomePanel *panbg = nullptr;
    QLabel *labProductName = nullptr, *labLink = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    TPanelSplitter *splMain = nullptr;
    // The drag strip between the main area and the right-hand panel.
    QSplitterHandle *panSplitter = nullptr;
    QWidget *panProfile = nullptr;
    QGroupBox *gpbProfile = nullptr;
    QSplitter *splPreview = nullptr;
    TSectionStack *ScrollBox1 = nullptr;
    TValueListEditor *vleOutput = nullptr, *vleVideo = nullptr, *vleAudio = nullptr,
                     *vleAdvanced = nullptr;
    TGridSection *panOutput = nullptr, *panVideo = nullptr, *panAudio = nullptr,
                 *panAdvanced = nullptr;
    TPreviewPane *panPreview = nullptr;
    QMenu *ppmTask = nullptr;
    QAction *Open1 = nullptr, *ShowLog1 = nullptr, *AddFiles1 = nullptr, *AddDirectorys1 = nullptr,
            *Remove1 = nullptr, *Clear1 = nullptr, *Undo1 = nullptr;

    // The width the column rule last saw for the task list.
    int rememberedListWidth() const { return m_listWidth; }

public slots:
    // Intake.
    void tbtnAddFileClick();
    void tbtnAddDirClick();
    void DropPaths(const QStringList &paths);
    // Task list commands.
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
    void bbtnBrowserClick();
    void bbtnOpenClick();
    void tbtnSettingClick();
    void bbtnSettingClick();
    void tbtnAboutClick();
    void tbtnHelpClick();
    // Run.
    void tbtnStartClick();
    void tbtnStopClick();
    void EnterRunMode();
    void LeaveRunMode();
    // Profiles and grids.
    void cmbProfileChange();
    void vleOutputValidate(int row);
    void vleVideoStringsChange();
    void SetGridValue(int grid, const QString &key, const QString &value);
    // Layout: one move step of the pointer over the drag strip, x relative to its
    // left edge.
    void panSplitterMouseMove(int x, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBar();
    void buildMainArea();
    void buildBottomBar();
    void buildProfilePanel(PlayerFactory playerFactory);
    void buildMenu();
    void buildShortcuts();
    // The toolbar's buttons, from the left.
    QList<QToolButton *> toolButtons() const;
    // Tab and Shift+Tab go round the window's controls in reading order.
    void setReadingTabOrder();
    void FormCreate(const QStringList &args);
    void FormShow();
    void RestorePreferences();
    void StorePreferences();
    // Where adding files and folders starts: the folder used last, else the
    // user's Videos folder, else home.
    QString startFolder() const;
    void setTaskButtonsEnabled(bool enabled);
    void enableTaskButtonsIfAny();
    void clearOutputValues();
    void ltvTaskResized(int newWidth);
    void setProgress(QProgressBar *bar, QLabel *label, int percent);
    // Intake beside the window: its progress, a probe that ended, how many
    // probes may run.
    void showIntakeProgress(int done, int total);
    void taskProbed(int row);
    int probeLimit() const;
    // A profile whose file could not be written back (loading and Start
    // rewrite it): told once per file while the program runs, since a
    // read-only profile would otherwise bring the same message every time.
    void reportProfileNotSaved(const QString &path, const QString &error);
    // The end of a run, told on the desktop when the user looks elsewhere.
    void notifyRunCompleted(int converted, int skipped, int failed);
    // The run's total progress on the taskbar entry; -1 takes it away.
    void showTaskbarProgress(int percent);

    AppPaths m_paths;
    Platform &m_platform;
    QString m_version;
    QString m_outputExt;
    // The catalogue's output extensions: a typed name ending in one of them
    // (or in a source's) has an extension, any other dot is part of the name.
    QStringList m_profileExtensions;
    QString m_lastFolder; // of files and folders added, "Last Folder"
    int m_listWidth = 562;
    // The columns' widths as the column rule gives them, before the lower
    // bound; a drag by the user sets them too.
    int m_columnWidths[TaskStore::ColumnCount] = {260, 90, 80, 100};
    bool m_applyingColumnRule = false;
    bool m_shown = false;
    bool m_autoClosing = false;
    bool m_closingForSignal = false;
    // The row whose values the Output grid shows (the first selected one),
    // -1 for none.
    int m_outputRow = -1;
    QStringList m_startupErrors;
    QStringList m_args;               // the command line, taken in once the window is shown
    QSet<QString> m_notSavedReported; // profile paths
    // True while the first showing restores the preferences and the profile:
    // errors then wait for the start-up message.
    bool m_restoring = false;
    bool m_hadArgs = false;
    int m_taskbarPercent = -1; // -1: not shown

    TaskStore m_tasks;
    std::unique_ptr<TaskUndo> m_undo;
    QAction *m_stopKey = nullptr;             // Escape, while a run goes on
    QStackedLayout *m_bottomPanels = nullptr; // the idle and the progress panel
    EncoderProcess m_encoder;
    ValueListModel *m_outputValues = nullptr;
    ValueListModel *m_videoValues = nullptr;
    ValueListModel *m_audioValues = nullptr;
    ValueListModel *m_advancedValues = nullptr;
    std::unique_ptr<OutputRecords> m_outputRecords;
    std::unique_ptr<ProbeQueue> m_probes;
    std::unique_ptr<TaskIntake> m_intake;
    std::unique_ptr<BatchRun> m_batch;
    std::unique_ptr<SavedTaskList> m_savedList;
    std::unique_ptr<SavedTaskLogs> m_savedLogs;
    std::unique_ptr<TLogForm> m_logForm;

    TSettingForm *m_settingForm = nullptr;
    TSizeForm *m_sizeForm = nullptr;
    TAboutForm *m_aboutForm = nullptr;
};
