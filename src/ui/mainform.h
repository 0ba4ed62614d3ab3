#pragma once

#include "settings/apppaths.h"
#include "settings/profilegrids.h"
#include "ui/windowrunhost.h"
#include "ui/windowsession.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class BatchRun;
class Platform;
class PreviewPlayer;
class ProcessControl;
class ProbeQueue;
class SavedTaskList;
class QAction;
class QComboBox;
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
class TGridSection;
class TIdlePanel;
class TIntakeController;
class TMainToolBar;
class TNotAddedReport;
class TPanelSplitter;
class TPreviewPane;
class TProfileChooser;
class TProfilePanel;
class TRunPanel;
class TSectionStack;
class TSettingForm;
class TSizeForm;
class TTaskListPanel;
class TWelcomePanel;
class TValueListEditor;
class TWatchController;
class TWatchForm;
class TWindowPreferences;

// The program's main window: the toolbar, the task list with the bar below
// it (the profile and output path while idle, the progress of a run while
// converting), the right-hand panel with the parameter grids and the
// preview pane. It owns the tasks, the output extension of the loaded
// profile, the encoder and the batch run; the panels own their controls and
// the commands on them, and the window keeps pointers to those controls
// under the names the window's design gives them.
class TMainForm : public QMainWindow
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
    // What suspends and continues the encoders: without it, no Pause.
    void setProcessControl(ProcessControl *control);
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
    // The manual in the window's language when there is one.
    QString helpFile() const { return m_paths.helpFile(m_language); }
    // The language the window speaks ("en", "de", ...), for the manual.
    void setLanguage(const QString &language) { m_language = language; }
    QString preferencesFile() const { return m_paths.preferencesFile(); }
    // The file of the named profile (the user's, else the shipped one); the
    // extension is matched ignoring case, as the catalogue lists it.
    QString profilePath(const QString &name) const;
    // The file name (without ".apf") of the profile chosen; the chooser shows
    // it in the user's language.
    QString profileName() const;
    // "." + the type of the profile last loaded, or empty before the first load.
    QString outputExtension() const { return m_runHost.outputExtension(); }
    // Whether the run keeps an existing output file (Skip).
    bool skipExisting() const { return m_runHost.skipExisting(); }

    TaskStore &tasks() { return m_session->tasks(); }
    TaskIntake &intake() { return m_session->intake(); }
    ProbeQueue &probes() { return m_session->probes(); }
    EncoderProcess &encoder() { return m_session->encoder(); }
    BatchRun &batch() { return m_session->batch(); }
    SavedTaskList &savedTaskList() { return m_session->savedList(); }
    ProfileGrids grids() const;

    // The window's parts.
    TTaskListPanel &taskList() { return *m_taskList; }
    TRunPanel &runPanel() { return *m_runPanel; }
    TIntakeController &intakeController() { return *m_intakeController; }
    TIdlePanel &idlePanel() { return *m_idlePanel; }
    TWatchController &watchController() { return *m_watchController; }
    // Null until the dialog is first opened.
    TWatchForm *watchForm() { return m_watchForm; }

    // Closes the window for SIGTERM or SIGINT: a run in progress is stopped
    // without a question, its partial output removed, the list saved.
    void closeForSignal();

    // Controls, named as the window's design names them. The toolbar and
    // its buttons.
    QToolBar *ToolBar1 = nullptr;
    QToolButton *tbtnAddFile = nullptr, *tbtnAddDir = nullptr, *tbtnUp = nullptr,
                *tbtnDown = nullptr, *tbtnRemove = nullptr, *tbtnClear = nullptr,
                *tbtnStart = nullptr, *tbtnStop = nullptr, *tbtnPause = nullptr,
                *tbtnSetting = nullptr, *tbtnWatch = nullptr, *tbtnAbout = nullptr,
                *tbtnHelp = nullptr;
    QWidget *panMain = nullptr;
    QWidget *panBottom = nullptr;
    // The idle panel and its controls.
    QWidget *panBottomCenter = nullptr;
    QLabel *labProfile = nullptr;
    QComboBox *cmbProfile = nullptr;
    QPushButton *bbtnSetting = nullptr;
    QLabel *labOutputPath = nullptr;
    QLineEdit *edtOutputdir = nullptr;
    QPushButton *bbtnBrowser = nullptr, *bbtnOpen = nullptr;
    TPanelSplitter *splMain = nullptr;
    // The drag strip between the main area and the right-hand panel.
    QSplitterHandle *panSplitter = nullptr;
    // Of the task list panel.
    QTreeView *ltvTask = nullptr;
    TWelcomePanel *panbg = nullptr;
    QLabel *labProductName = nullptr, *labLink = nullptr;
    QMenu *ppmTask = nullptr;
    QAction *Open1 = nullptr, *ShowLog1 = nullptr, *AddFiles1 = nullptr, *AddDirectorys1 = nullptr,
            *WatchFolders1 = nullptr, *Remove1 = nullptr, *Clear1 = nullptr, *Undo1 = nullptr;
    // Pause (Resume while paused) and the check item "Stop After Current
    // Task", in the pop-up menu and, the latter, in the Stop button's menu.
    QAction *Pause1 = nullptr, *StopAfterCurrent1 = nullptr;
    // Of the intake controller, in the idle panel: while files are being
    // added, "Adding files: n of m" and its bar; what the last intake left
    // out.
    QLabel *labAdding = nullptr;
    QProgressBar *pgbAdding = nullptr;
    TNotAddedReport *btnNotAdded = nullptr;
    // The run panel and its controls.
    QWidget *panBottomLeft = nullptr;
    QLabel *labConvertingFile = nullptr, *labElapsed = nullptr, *labRemaining = nullptr;
    QProgressBar *pgbCurrent = nullptr, *pgbTotal = nullptr;
    QLabel *labCurProgress = nullptr, *labTotalProgress = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    // The right-hand panel and its controls.
    QWidget *panProfile = nullptr;
    QGroupBox *gpbProfile = nullptr;
    QSplitter *splPreview = nullptr;
    TSectionStack *ScrollBox1 = nullptr;
    TValueListEditor *vleOutput = nullptr, *vleVideo = nullptr, *vleAudio = nullptr,
                     *vleAdvanced = nullptr;
    TGridSection *panOutput = nullptr, *panVideo = nullptr, *panAudio = nullptr,
                 *panAdvanced = nullptr;
    TPreviewPane *panPreview = nullptr;

public slots:
    void tbtnSettingClick();
    void bbtnSettingClick();
    void tbtnAboutClick();
    void tbtnHelpClick();
    // Opens the "Watch Folders" dialog.
    void tbtnWatchClick();
    // Run.
    void EnterRunMode();
    void LeaveRunMode();
    // Profiles.
    void cmbProfileChange();
    // Layout: one move step of the pointer over the drag strip, x relative to its
    // left edge.
    void panSplitterMouseMove(int x, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void connectToolBar();
    void buildBottomBar();
    void buildMenu();
    void buildShortcuts();
    // Tab and Shift+Tab go round the window's controls in reading order.
    void setReadingTabOrder();
    void FormCreate(const QStringList &args);
    void FormShow();
    void RestorePreferences();
    void StorePreferences();

    AppPaths m_paths;
    Platform &m_platform;
    QString m_language = QStringLiteral("en");
    QString m_version;
    QString m_title; // the window's title while not paused
    bool m_shown = false;
    bool m_autoClosing = false;
    bool m_closingForSignal = false;
    QStringList m_startupErrors;
    QStringList m_args; // the command line, taken in once the window is shown
    bool m_hadArgs = false;

    TWindowRunHost m_runHost;
    WindowSession *m_session = nullptr;       // the tasks, the run and what they need
    QAction *m_stopKey = nullptr;             // Escape, while a run goes on
    QStackedLayout *m_bottomPanels = nullptr; // the idle and the progress panel

    TMainToolBar *m_toolBar = nullptr;
    TProfilePanel *m_profilePanel = nullptr;
    TProfileChooser *m_profileChooser = nullptr;
    std::unique_ptr<TWindowPreferences> m_preferences;
    TTaskListPanel *m_taskList = nullptr;
    TIdlePanel *m_idlePanel = nullptr;
    TRunPanel *m_runPanel = nullptr;
    TIntakeController *m_intakeController = nullptr;
    TWatchController *m_watchController = nullptr;
    TWatchForm *m_watchForm = nullptr;

    TSettingForm *m_settingForm = nullptr;
    TSizeForm *m_sizeForm = nullptr;
    TAboutForm *m_aboutForm = nullptr;
};
