#include "mainform.h"

#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/probequeue.h"
#include "engine/savedtasklist.h"
#include "platform/branding.h"
#include "platform/platform.h"
#include "preview/dstrackbar.h"
#include "preview/previewpane.h"
#include "settings/preferences.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "ui/aboutform.h"
#include "ui/fixeddialog.h"
#include "ui/gridsection.h"
#include "ui/idlepanel.h"
#include "ui/intakecontroller.h"
#include "ui/logform.h"
#include "ui/maintoolbar.h"
#include "ui/notaddedreport.h"
#include "ui/panelsplitter.h"
#include "ui/profilechooser.h"
#include "ui/profilepanel.h"
#include "ui/runpanel.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/tasklistpanel.h"
#include "ui/valuelisteditor.h"
#include "ui/watchcontroller.h"
#include "ui/watchform.h"
#include "ui/welcomepanel.h"
#include "ui/windowpreferences.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedLayout>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

TMainForm::TMainForm(const AppPaths &paths, Platform &platform, PlayerFactory playerFactory,
                     const QStringList &args, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_platform(platform),
      // Closing at the end of a run is the run's own completion action: no
      // question about the run in progress.
      m_runHost(m_paths, [this] {
          m_autoClosing = true;
          close();
      })
{
    m_session = new WindowSession(m_paths, m_platform, m_runHost, this);
    m_session->setEncoderOnlySource(
        [this] { return m_settingForm && m_settingForm->chkProbeEncoder->isChecked(); });

    ToolBar1 = m_toolBar = new TMainToolBar(this);
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    tbtnAddFile = m_toolBar->tbtnAddFile;
    tbtnAddDir = m_toolBar->tbtnAddDir;
    tbtnUp = m_toolBar->tbtnUp;
    tbtnDown = m_toolBar->tbtnDown;
    tbtnRemove = m_toolBar->tbtnRemove;
    tbtnClear = m_toolBar->tbtnClear;
    tbtnStart = m_toolBar->tbtnStart;
    tbtnStop = m_toolBar->tbtnStop;
    tbtnPause = m_toolBar->tbtnPause;
    tbtnSetting = m_toolBar->tbtnSetting;
    tbtnAbout = m_toolBar->tbtnAbout;
    tbtnHelp = m_toolBar->tbtnHelp;
    tbtnWatch = m_toolBar->tbtnWatch;
    // The right-hand panel beside the main area, on a split the user moves
    // with the drag strip; both grow with the window.
    splMain = new TPanelSplitter(this);
    splMain->setObjectName(QStringLiteral("splMain"));
    setCentralWidget(splMain);
    panProfile = m_profilePanel = new TProfilePanel(std::move(playerFactory), this);
    gpbProfile = m_profilePanel->gpbProfile;
    splPreview = m_profilePanel->splPreview;
    ScrollBox1 = m_profilePanel->ScrollBox1;
    vleOutput = m_profilePanel->vleOutput;
    vleVideo = m_profilePanel->vleVideo;
    vleAudio = m_profilePanel->vleAudio;
    vleAdvanced = m_profilePanel->vleAdvanced;
    panOutput = m_profilePanel->panOutput;
    panVideo = m_profilePanel->panVideo;
    panAudio = m_profilePanel->panAudio;
    panAdvanced = m_profilePanel->panAdvanced;
    panPreview = m_profilePanel->panPreview;

    panMain = new QWidget(this);
    panMain->setObjectName(QStringLiteral("panMain"));
    auto *column = new QVBoxLayout(panMain);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_taskList =
        new TTaskListPanel(m_session->tasks(), m_session->undo(), m_session->intake(),
                           m_session->batch(), m_platform, m_runHost, *m_profilePanel, panMain);
    ltvTask = m_taskList->ltvTask;
    panbg = m_taskList->panbg;
    labProductName = panbg->labProductName;
    labLink = panbg->labLink;
    column->addWidget(m_taskList, 1);
    buildBottomBar();
    column->addWidget(panBottom);

    splMain->addWidget(panMain);
    splMain->addWidget(panProfile);
    splMain->setStretchFactor(0, 3);
    splMain->setStretchFactor(1, 1);
    panSplitter = splMain->handle(1);
    connect(splMain, &TPanelSplitter::stripDragged, this, &TMainForm::panSplitterMouseMove);
    connectToolBar();
    buildMenu();
    buildShortcuts();
    setReadingTabOrder();
    // The watch folders' files join the list, and start the run when idle.
    m_watchController =
        new TWatchController(m_paths,
                             {tasks(), intake(), batch(), m_session->outputRecords(),
                              [this](const QString &name) { return profilePath(name); },
                              [this] { m_runPanel->tbtnStartClick(); }},
                             this);

    connect(&m_session->batch(), &BatchRun::profileNotSaved, m_profileChooser,
            &TProfileChooser::reportNotSaved);
    connect(&m_session->batch(), &BatchRun::progressPanelShown, this, [this](bool shown) {
        m_bottomPanels->setCurrentWidget(shown ? panBottomLeft : panBottomCenter);
    });

    FormCreate(args);
}

TMainForm::~TMainForm()
{
    // The task store goes before the list and the grid that show it: no
    // selection change and no edit reaches it from here on.
    QObject::disconnect(ltvTask->selectionModel(), nullptr, m_taskList, nullptr);
    QObject::disconnect(vleOutput, nullptr, m_taskList, nullptr);
    // No encoder outlives the window.
}

void TMainForm::connectToolBar()
{
    const auto click = [](QToolButton *button, auto *receiver, auto slot) {
        connect(button, &QToolButton::clicked, receiver, slot);
    };
    m_runPanel->setRunControls(tbtnStart, tbtnStop, tbtnPause, m_taskList->Pause1,
                               m_taskList->StopAfterCurrent1);
    click(tbtnSetting, this, &TMainForm::tbtnSettingClick);
    click(tbtnAbout, this, &TMainForm::tbtnAboutClick);
    click(tbtnHelp, this, &TMainForm::tbtnHelpClick);
    click(tbtnWatch, this, &TMainForm::tbtnWatchClick);
    m_taskList->setTaskButtons(tbtnUp, tbtnDown, tbtnRemove, tbtnClear, tbtnStart);
    m_taskList->setTaskButtonsEnabled(false);
    tbtnStop->setEnabled(false);
    tbtnPause->setEnabled(false);
}

void TMainForm::buildBottomBar()
{
    // Two panels in one place: the idle one (profile and output path) and
    // the progress of a run. The bar is as high as the higher of the two,
    // so that the list keeps its height when a run starts.
    panBottom = new QWidget(panMain);
    panBottom->setObjectName(QStringLiteral("panBottom"));
    m_bottomPanels = new QStackedLayout(panBottom);

    panBottomCenter = m_idlePanel = new TIdlePanel(m_platform, panBottom);
    labProfile = m_idlePanel->labProfile;
    cmbProfile = m_idlePanel->cmbProfile;
    bbtnSetting = m_idlePanel->bbtnSetting;
    labOutputPath = m_idlePanel->labOutputPath;
    edtOutputdir = m_idlePanel->edtOutputdir;
    m_runHost.setOutputPathBox(edtOutputdir);
    m_profileChooser = new TProfileChooser(m_paths, m_platform, *cmbProfile, *m_profilePanel, this);
    connect(m_profileChooser, &TProfileChooser::loaded, this, [this](const QString &extension) {
        m_runHost.setOutputExtension(extension);
        m_session->intake().setOutputExtension(extension);
    });
    bbtnBrowser = m_idlePanel->bbtnBrowser;
    bbtnOpen = m_idlePanel->bbtnOpen;
    connect(cmbProfile, &QComboBox::activated, this, &TMainForm::cmbProfileChange);
    connect(bbtnSetting, &QPushButton::clicked, this, &TMainForm::bbtnSettingClick);
    // While files are being added, and after an intake that left files out.
    m_intakeController =
        new TIntakeController(m_session->tasks(), m_session->intake(), m_session->probes(),
                              m_session->batch(), m_platform, *m_taskList, panBottomCenter, this);
    m_intakeController->setOutputFolderSource([this] { return edtOutputdir->text(); });
    labAdding = m_intakeController->labAdding;
    pgbAdding = m_intakeController->pgbAdding;
    btnNotAdded = m_intakeController->btnNotAdded;
    m_idlePanel->addIntakeRows(labAdding, pgbAdding, btnNotAdded);
    m_preferences = std::make_unique<TWindowPreferences>(m_paths, *m_idlePanel, *m_profileChooser,
                                                         *m_intakeController);

    panBottomLeft = m_runPanel = new TRunPanel(m_session->batch(), m_platform, grids(), panBottom);
    m_runPanel->setProfileSource([this] { return profilePath(profileName()); });
    labConvertingFile = m_runPanel->labConvertingFile;
    labElapsed = m_runPanel->labElapsed;
    labRemaining = m_runPanel->labRemaining;
    pgbCurrent = m_runPanel->pgbCurrent;
    pgbTotal = m_runPanel->pgbTotal;
    labCurProgress = m_runPanel->labCurProgress;
    labTotalProgress = m_runPanel->labTotalProgress;
    Memo1 = m_runPanel->Memo1;
    connect(m_runPanel, &TRunPanel::starting, this, [this] {
        // An edit still open in the Output grid is validated into its task
        // before the run reads the tasks.
        vleOutput->endEdit();
        ltvTask->setFocus();
    });
    m_runPanel->setJobsSource(
        [this] { return m_settingForm ? m_settingForm->spnConversions->value() : 1; });
    // The title, which the taskbar shows too, says that the run stands still.
    connect(m_runPanel, &TRunPanel::pausedChanged, this, [this](bool paused) {
        setWindowTitle(paused ? tr("Paused - %1").arg(m_title) : m_title);
    });
    connect(m_runPanel, &TRunPanel::runModeChanged, this,
            [this](bool running) { running ? EnterRunMode() : LeaveRunMode(); });
    connect(m_taskList, &TTaskListPanel::noteShown, m_runPanel, &TRunPanel::showNote);
    connect(m_runPanel, &TRunPanel::outputPathMissing, edtOutputdir,
            [this] { edtOutputdir->setFocus(); });

    m_bottomPanels->addWidget(panBottomCenter);
    m_bottomPanels->addWidget(panBottomLeft);
    m_bottomPanels->setCurrentWidget(panBottomCenter);
}

void TMainForm::buildMenu()
{
    ppmTask = m_taskList->ppmTask;
    Open1 = m_taskList->Open1;
    ShowLog1 = m_taskList->ShowLog1;
    AddFiles1 = m_taskList->AddFiles1;
    AddDirectorys1 = m_taskList->AddDirectorys1;
    WatchFolders1 = m_taskList->WatchFolders1;
    connect(WatchFolders1, &QAction::triggered, this, &TMainForm::tbtnWatchClick);
    Remove1 = m_taskList->Remove1;
    Clear1 = m_taskList->Clear1;
    Undo1 = m_taskList->Undo1;
    Pause1 = m_taskList->Pause1;
    StopAfterCurrent1 = m_taskList->StopAfterCurrent1;
    m_intakeController->setAddCommands(tbtnAddFile, tbtnAddDir, AddFiles1, AddDirectorys1);
}

void TMainForm::buildShortcuts()
{
    // Keys of the whole window act as their menu entry or button would, and
    // only while that may act.
    addActions({AddFiles1, AddDirectorys1, Undo1});
    m_toolBar->addKey(this, tbtnStart, Qt::Key_F5);
    m_toolBar->addKey(this, tbtnHelp, Qt::Key_F1);
    // Escape stops a run; in an editor of the Output grid it drops the edit.
    m_stopKey = new QAction(tbtnStop->accessibleName(), this);
    m_stopKey->setShortcut(Qt::Key_Escape);
    connect(m_stopKey, &QAction::triggered, this, [this] {
        if (QWidget *editor = vleOutput->openEditor()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(editor, &escape);
        } else if (tbtnStop->isEnabled()) {
            tbtnStop->click();
        }
    });
    addAction(m_stopKey);
    m_toolBar->showKey(tbtnStop, Qt::Key_Escape);
    m_stopKey->setEnabled(false);
    const std::pair<QToolButton *, QKeySequence> listKeys[] = {
        {tbtnAddFile, AddFiles1->shortcut()},
        {tbtnAddDir, AddDirectorys1->shortcut()},
        {tbtnUp, QKeySequence(Qt::ALT | Qt::Key_Up)},
        {tbtnDown, QKeySequence(Qt::ALT | Qt::Key_Down)},
        {tbtnRemove, Remove1->shortcut()},
        {tbtnClear, Clear1->shortcut()}};
    for (const auto &[button, keys] : listKeys)
        m_toolBar->showKey(button, keys);
}

void TMainForm::setReadingTabOrder()
{
    // The toolbar from the left, the task list with the bar below it, then
    // the right-hand panel from the top.
    QList<QWidget *> order;
    for (QToolButton *b : m_toolBar->buttons())
        order << b;
    order << ltvTask << cmbProfile << bbtnSetting << edtOutputdir << bbtnBrowser << bbtnOpen
          << btnNotAdded;
    for (TGridSection *section : {panOutput, panVideo, panAudio, panAdvanced})
        order << section->toggleButton() << section->grid();
    order << panPreview->TrackBar << panPreview->sbtnPlay << panPreview->sbtnPause
          << panPreview->sbtnStop;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TMainForm::FormCreate(const QStringList &args)
{
    // The paths were fixed by the constructor; the output path until the
    // saved one is restored at first showing. The version text comes with the
    // program.
    edtOutputdir->setText(m_paths.factoryOutputPath());
    const QString versionFile = m_paths.shippedPreferencesFile();
    m_version = ReadVersion(versionFile, !m_paths.isShipped(versionFile), &m_startupErrors);
    const QString product = Branding::ProductName;
    // The application title; not the display name, which the desktop would
    // append to every window caption.
    QCoreApplication::setApplicationName(product);
    labProductName->setText(product);
    m_title = product + QStringLiteral(" V") + m_version;
    setWindowTitle(m_title);

    // Each shown in the user's language, its file name beside it.
    m_profileChooser->fillCatalogue();
    m_taskList->setProfileExtensions(ProfileExtensions(m_paths));

    m_args = args;
    m_hadArgs = !args.isEmpty();

    // The designed sizes, widened for a font wider than the design's; the
    // window never starts larger than the screen.
    const double scale = FontScale(font());
    m_taskList->scaleColumns(scale);
    QSize size(int(798 * scale), int(539 * scale));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    // Wide enough for a time in the grids' value column; narrower, the
    // grids would cut their names and values.
    const int panel = std::max(int(200 * scale),
                               int(95 * scale) + 50 +
                                   fontMetrics().horizontalAdvance(QStringLiteral("00:00:00.00")));
    panProfile->setMinimumWidth(panel);
    splMain->setSizes({size.width() - panel - splMain->handleWidth(), panel});
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::setSettingForm(TSettingForm *form)
{
    m_settingForm = form;
    m_runHost.setSettingForm(form);
    m_preferences->setSettingForm(form);
    m_intakeController->setSettingForm(form);
    if (!form)
        return;
    form->setMainOutputDirSource([this] { return edtOutputdir->text(); });
    connect(form, &TSettingForm::outputPathApplied, edtOutputdir, &QLineEdit::setText);
    connect(form, &TSettingForm::profileSaved, this, [this](const QString &name) {
        if (profileName() == name)
            cmbProfileChange();
    });
}

void TMainForm::setSizeForm(TSizeForm *form)
{
    m_sizeForm = form;
    m_profilePanel->setSizeForm(form);
}

void TMainForm::setAboutForm(TAboutForm *form)
{
    m_aboutForm = form;
}

ProfileGrids TMainForm::grids() const
{
    return m_profilePanel->grids();
}

QString TMainForm::profileName() const
{
    return m_profileChooser->profileName();
}

QString TMainForm::profilePath(const QString &name) const
{
    return m_profileChooser->profilePath(name);
}

void TMainForm::closeForSignal()
{
    // The session ends or the program is told to stop: nobody may be there
    // to answer, so a run in progress stops without a question.
    m_closingForSignal = true;
    close();
}

void TMainForm::tbtnSettingClick()
{
    if (m_settingForm)
        m_settingForm->showPage(0);
}

void TMainForm::bbtnSettingClick()
{
    if (m_settingForm)
        m_settingForm->showProfile(cmbProfile->currentIndex());
}

void TMainForm::tbtnAboutClick()
{
    if (!m_aboutForm)
        m_aboutForm = new TAboutForm(this, m_platform, m_version, this);
    m_aboutForm->open();
}

void TMainForm::tbtnWatchClick()
{
    if (!m_watchForm)
        m_watchForm =
            new TWatchForm(*m_watchController, m_platform, m_profileChooser->shownNames(), this);
    m_watchForm->open();
}

void TMainForm::tbtnHelpClick()
{
    m_platform.shellOpen(helpFile());
}

void TMainForm::setProcessControl(ProcessControl *control)
{
    m_session->batch().setProcessControl(control);
    m_runPanel->showRunState(m_session->batch().RunState());
}

void TMainForm::EnterRunMode()
{
    panPreview->stopPlayback();
    // The queue stays open: tasks may be added, and those not started yet
    // removed, moved and edited (in the Output grid) while the run goes on.
    m_taskList->setRunMode(true);
    tbtnStop->setEnabled(true);
    m_stopKey->setEnabled(true);
    tbtnSetting->setEnabled(false);
    panSplitter->setEnabled(false);
    m_profilePanel->setProfileEditable(false);
}

void TMainForm::LeaveRunMode()
{
    m_taskList->setRunMode(false);
    tbtnStop->setEnabled(false);
    m_stopKey->setEnabled(false);
    tbtnSetting->setEnabled(true);
    panSplitter->setEnabled(true);
    m_profilePanel->setProfileEditable(true);
}

void TMainForm::cmbProfileChange()
{
    m_profileChooser->load();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    RestorePreferences();
    // The command line is taken in from the event loop once the window is
    // up: the start never waits for intake, and a list file that cannot be
    // read is told over the window.
    if (!m_args.isEmpty())
        QTimer::singleShot(
            0, this, [this] { m_session->intake().CommandLineIntake(std::exchange(m_args, {})); });
}

void TMainForm::RestorePreferences()
{
    m_preferences->restore(m_startupErrors);
}

void TMainForm::RestoreSession()
{
    if (m_session->started())
        return;
    m_session->start(!m_hadArgs);
    if (m_session->tasks().count() > 0)
        panbg->hide();
    m_taskList->enableTaskButtonsIfAny();
    if (const QString error = m_watchController->start(); !error.isEmpty())
        m_platform.messageBox(error, tr("Watch Folders"), Platform::Icon::Warning);
}

QStringList TMainForm::takeStartupErrors()
{
    return std::exchange(m_startupErrors, {});
}

void TMainForm::StorePreferences()
{
    m_preferences->store();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_session->batch().RunState() != BatchRun::Idle && !m_autoClosing) {
        if (!m_closingForSignal &&
            m_platform.messageBox(
                tr("A conversion is in progress. Do you want to stop it and exit?"), tr("Exit"),
                Platform::Icon::Question, Platform::Buttons::YesNo) != Platform::Answer::Yes) {
            event->ignore();
            return;
        }
        m_session->batch().stopForClose();
    }
    StorePreferences();
    // What is left to do is there at the next start.
    m_session->savedList().saveNow();
    event->accept();
    // No probe outlives the window, and no intake goes on without it.
    m_session->intake().cancel();
    // The program ends with this window: a dialog still open would keep it
    // running without a main window.
    QList<QWidget *> dialogs{m_settingForm, m_aboutForm, m_sizeForm, m_taskList->logForm()};
    for (QWidget *w : findChildren<QWidget *>())
        if (w->isWindow())
            dialogs << w; // the notice before turning off, say
    for (QWidget *dialog : dialogs)
        if (dialog && dialog->isVisible())
            dialog->close();
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_toolBar->fitToWidth(width());
}

void TMainForm::panSplitterMouseMove(int x, Qt::MouseButtons buttons,
                                     Qt::KeyboardModifiers modifiers)
{
    if (buttons != Qt::LeftButton || modifiers != Qt::NoModifier || !panSplitter->isEnabled())
        return;
    // The strip's centre follows the pointer; the panel never gets a
    // negative width nor pushes the main area below zero.
    const int total = std::max(0, splMain->width() - splMain->handleWidth());
    const int width = std::clamp(panProfile->width() + 5 - x, 0, total);
    if (width != panProfile->width())
        splMain->setSizes({total - width, width});
}
