#include "mainform.h"

#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/outputvalidation.h"
#include "engine/probequeue.h"
#include "engine/savedtasklist.h"
#include "engine/savedtasklogs.h"
#include "engine/tasktext.h"
#include "engine/taskundo.h"
#include "platform/filenames.h"
#include "platform/platform.h"
#include "preview/dstrackbar.h"
#include "preview/previewpane.h"
#include "preview/previewplayer.h"
#include "settings/newinifiles.h"
#include "settings/preferences.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "ui/aboutform.h"
#include "ui/branding.h"
#include "ui/fixeddialog.h"
#include "ui/gridsection.h"
#include "ui/logform.h"
#include "ui/notaddedreport.h"
#include "ui/panelsplitter.h"
#include "ui/sectionstack.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/tasklistdelegate.h"
#include "ui/valuelisteditor.h"
#include "ui/welcomepanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedLayout>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

namespace {

// The toolbar's buttons and their pictures; smaller in a narrow window.
constexpr QSize ToolButtonSize(56, 54);
constexpr QSize ToolIconSize(48, 48);
constexpr QSize CompactToolButtonSize(46, 54);
constexpr QSize CompactToolIconSize(38, 38);
// The toolbar's margins and separators.
constexpr int ToolBarExtra = 5 + 8 + 8 + 12 + 8 + 5;

// Shares of a change of the list's width given to its four columns.
constexpr double ColumnShares[TaskStore::ColumnCount] = {0.49, 0.17, 0.15, 0.19};
constexpr int MinColumnWidth = 20;

// A toolbar picture with a greyed variant for the disabled button.
QIcon ToolIcon(const QString &name)
{
    const QString file = QStringLiteral(":/icons/%1.svg").arg(name);
    QIcon icon(file);
    QImage image = icon.pixmap(ToolIconSize).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int grey = 128 + qGray(c) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(c) * 3 / 5);
        }
    }
    icon.addPixmap(QPixmap::fromImage(image), QIcon::Disabled);
    return icon;
}

// A label of the bottom bar.
QLabel *BarLabel(const QString &text, QWidget *parent, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A push button of the bottom bar: at least its designed width, wider when
// its text needs it.
QPushButton *BarButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(std::max(75, button->sizeHint().width()));
    return button;
}

} // namespace

TMainForm::TMainForm(const AppPaths &paths, Platform &platform, PlayerFactory playerFactory,
                     const QStringList &args, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_platform(platform)
{
    m_outputValues = new ValueListModel(this);
    m_videoValues = new ValueListModel(this);
    m_audioValues = new ValueListModel(this);
    m_advancedValues = new ValueListModel(this);
    // The designed rows, shown until a profile is loaded.
    for (const char *key : {"New Filename", "Start Time", "End Time"})
        m_outputValues->appendRow(QString::fromLatin1(key));
    for (const char *key :
         {"Video Codec", "Video Size", "Bit Rate", "Frame Rate", "Aspect", "Disable Video"})
        m_videoValues->appendRow(QString::fromLatin1(key));
    for (const char *key :
         {"Audio Codec", "Audio Bitrate", "Sample Rate", "Channels", "Volumn", "Disable Audio"})
        m_audioValues->appendRow(QString::fromLatin1(key));
    for (const char *key : {"Bit Exact Algorithms", "Deinterlace"})
        m_advancedValues->appendRow(QString::fromLatin1(key));

    m_undo = std::make_unique<TaskUndo>(m_tasks);
    // The outputs written by this program, known to every run and session.
    m_outputRecords = std::make_unique<OutputRecords>(m_paths.outputRecordsDir());
    m_probes = std::make_unique<ProbeQueue>(encoderPath());
    m_probes->setLimitSource([this] { return probeLimit(); });
    m_probes->setHelperProgram(m_paths.probeHelperPath());
    m_probes->setEncoderOnlySource(
        [this] { return m_settingForm && m_settingForm->chkProbeEncoder->isChecked(); });
    connect(m_probes.get(), &ProbeQueue::helperUnavailable, this,
            [](const QString &message) { qWarning("%s", qUtf8Printable(message)); });
    m_intake = std::make_unique<TaskIntake>(m_tasks, *m_probes, m_platform);
    // The settings dialog's live values, read when an intake is asked for.
    m_intake->setFolderOptionsSource([this] {
        TaskIntake::FolderOptions options;
        if (m_settingForm) {
            options.subfolders = m_settingForm->chkSubfolders->isChecked();
            options.keepStructure = m_settingForm->chkKeepStructure->isChecked();
        }
        options.outputFolder = edtOutputdir->text();
        return options;
    });
    m_intake->setOutputRecords(m_outputRecords.get());
    m_batch = std::make_unique<BatchRun>(m_tasks, m_encoder, m_platform, *this, encoderPath());
    m_batch->setIntake(m_intake.get());
    m_batch->setOutputRecords(m_outputRecords.get());
    // The task list is kept beside the user's settings; not where those
    // cannot be saved either.
    m_savedList = std::make_unique<SavedTaskList>(
        m_tasks, m_platform,
        m_paths.isShipped(preferencesFile()) ? QString() : m_paths.taskListFile());
    m_savedList->setUnfinishedOutputSource(
        [this](TaskStore::TaskId id) { return m_batch->unfinishedOutput(id); });
    // So do the logs of its failed and stopped tasks.
    m_savedLogs = std::make_unique<SavedTaskLogs>(
        m_batch->logs(), m_savedList->path().isEmpty() ? QString() : m_paths.taskLogFolder());
    m_savedList->setLogFiles(
        [this](TaskStore::TaskId id, const QString &status) {
            return m_savedLogs->fileFor(id, status);
        },
        [this](TaskStore::TaskId id, const QString &file) { m_savedLogs->restore(id, file); });
    connect(m_savedList.get(), &SavedTaskList::saved, this, [this] { m_savedLogs->sweep(); });
    // A failed task tells why when the pointer rests on it.
    m_tasks.setToolTipSource([this](int row) {
        if (m_tasks.cell(row, ItemField::Status) != TaskStatus::Failed)
            return QString();
        return m_batch->logs().failureSummary(m_tasks.taskId(row));
    });

    buildToolBar();
    // The right-hand panel beside the main area, on a split the user moves
    // with the drag strip; both grow with the window.
    splMain = new TPanelSplitter(this);
    splMain->setObjectName(QStringLiteral("splMain"));
    setCentralWidget(splMain);
    buildMainArea();
    splMain->addWidget(panMain);
    buildProfilePanel(std::move(playerFactory));
    splMain->addWidget(panProfile);
    splMain->setStretchFactor(0, 3);
    splMain->setStretchFactor(1, 1);
    panSplitter = splMain->handle(1);
    connect(splMain, &TPanelSplitter::stripDragged, this, &TMainForm::panSplitterMouseMove);
    buildMenu();
    buildShortcuts();
    setReadingTabOrder();

    connect(m_intake.get(), &TaskIntake::welcomeHidden, panbg, &QWidget::hide);
    connect(m_intake.get(), &TaskIntake::intakeEnded, this,
            [this](const QList<TaskIntake::NotAdded> &notAdded) {
                QStringList lines;
                for (const TaskIntake::NotAdded &item : notAdded)
                    lines << TaskIntake::Describe(item);
                btnNotAdded->showItems(lines);
            });
    connect(m_intake.get(), &TaskIntake::taskAdded, this, [this] {
        if (m_batch->RunState() == BatchRun::Idle)
            setTaskButtonsEnabled(true);
    });
    connect(m_intake.get(), &TaskIntake::taskProbed, this, &TMainForm::taskProbed);
    connect(m_intake.get(), &TaskIntake::probeProgress, this, &TMainForm::showIntakeProgress);
    connect(m_batch.get(), &BatchRun::memoChanged, Memo1, &QPlainTextEdit::setPlainText);
    connect(m_batch.get(), &BatchRun::profileNotSaved, this, &TMainForm::reportProfileNotSaved);
    connect(m_batch.get(), &BatchRun::convertingFileChanged, labConvertingFile, &QLabel::setText);
    connect(m_batch.get(), &BatchRun::elapsedChanged, labElapsed, &QLabel::setText);
    connect(m_batch.get(), &BatchRun::remainingChanged, labRemaining, &QLabel::setText);
    connect(m_batch.get(), &BatchRun::currentProgressChanged, this,
            [this](int p) { setProgress(pgbCurrent, labCurProgress, p); });
    connect(m_batch.get(), &BatchRun::totalProgressChanged, this,
            [this](int p) { setProgress(pgbTotal, labTotalProgress, p); });
    connect(m_batch.get(), &BatchRun::progressPanelShown, this, [this](bool shown) {
        m_bottomPanels->setCurrentWidget(shown ? panBottomLeft : panBottomCenter);
        showTaskbarProgress(shown ? 0 : -1);
    });
    connect(m_batch.get(), &BatchRun::totalProgressChanged, this, [this](int p) {
        if (m_taskbarPercent >= 0)
            showTaskbarProgress(p);
    });
    // The task about to be converted is on disk before its encoder starts.
    connect(m_batch.get(), &BatchRun::conversionStarting, m_savedList.get(),
            &SavedTaskList::saveNow);
    connect(m_batch.get(), &BatchRun::runCompleted, this, &TMainForm::notifyRunCompleted);
    connect(m_batch.get(), &BatchRun::runStateChanged, this, &TMainForm::showRunState);
    showRunState(m_batch->RunState());

    FormCreate(args);
}

TMainForm::~TMainForm()
{
    // The task store goes before the list and the grid that show it: no
    // selection change and no edit reaches it from here on.
    QObject::disconnect(ltvTask->selectionModel(), nullptr, this, nullptr);
    QObject::disconnect(vleOutput, nullptr, this, nullptr);
}

void TMainForm::buildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(75);
    ToolBar1->setIconSize(ToolIconSize);
    ToolBar1->setContentsMargins(5, 5, 5, 5);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto button = [this](const QString &name, const QString &hint, void (TMainForm::*slot)()) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(QStringLiteral("tbtn") + name);
        b->setIcon(ToolIcon(name.toLower()));
        b->setIconSize(ToolIconSize);
        b->setFixedSize(ToolButtonSize);
        b->setAutoRaise(true);
        b->setToolTip(hint);
        // A screen reader names the button by its hint.
        b->setAccessibleName(hint);
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        connect(b, &QToolButton::clicked, this, slot);
        ToolBar1->addWidget(b);
        return b;
    };
    auto separator = [this](int width) {
        auto *s = new QFrame(ToolBar1);
        s->setFrameShape(QFrame::VLine);
        s->setFrameShadow(QFrame::Sunken);
        s->setFixedSize(width, 44);
        ToolBar1->addWidget(s);
    };
    tbtnAddFile = button(QStringLiteral("AddFile"), QStringLiteral("Add Video Files"),
                         &TMainForm::tbtnAddFileClick);
    tbtnAddDir = button(QStringLiteral("AddDir"), QStringLiteral("Add Directory"),
                        &TMainForm::tbtnAddDirClick);
    separator(8);
    tbtnUp = button(QStringLiteral("Up"), QStringLiteral("Move Up"), &TMainForm::tbtnUpClick);
    tbtnDown =
        button(QStringLiteral("Down"), QStringLiteral("Move Down"), &TMainForm::tbtnDownClick);
    tbtnRemove =
        button(QStringLiteral("Remove"), QStringLiteral("Remove"), &TMainForm::tbtnRemoveClick);
    tbtnClear =
        button(QStringLiteral("Clear"), QStringLiteral("Clear"), &TMainForm::tbtnClearClick);
    separator(8);
    tbtnStart =
        button(QStringLiteral("Start"), QStringLiteral("Start"), &TMainForm::tbtnStartClick);
    tbtnStop = button(QStringLiteral("Stop"), QStringLiteral("Stop"), &TMainForm::tbtnStopClick);
    tbtnPause =
        button(QStringLiteral("Pause"), QStringLiteral("Pause"), &TMainForm::tbtnPauseClick);
    // The Stop button's menu: stop once the running tasks have finished.
    StopAfterCurrent1 = new QAction(QStringLiteral("Stop After Current Task"), this);
    StopAfterCurrent1->setCheckable(true);
    connect(StopAfterCurrent1, &QAction::triggered, this,
            [this](bool on) { m_batch->setStopAfterCurrent(on); });
    auto *stopMenu = new QMenu(tbtnStop);
    stopMenu->addAction(StopAfterCurrent1);
    tbtnStop->setMenu(stopMenu);
    tbtnStop->setPopupMode(QToolButton::MenuButtonPopup);
    separator(12);
    tbtnSetting =
        button(QStringLiteral("Setting"), QStringLiteral("Settings"), &TMainForm::tbtnSettingClick);
    separator(8);
    tbtnAbout =
        button(QStringLiteral("About"), QStringLiteral("About"), &TMainForm::tbtnAboutClick);
    tbtnHelp = button(QStringLiteral("Help"), QStringLiteral("Help"), &TMainForm::tbtnHelpClick);
    setTaskButtonsEnabled(false);
    tbtnStop->setEnabled(false);
    tbtnPause->setEnabled(false);
}

void TMainForm::buildMainArea()
{
    panMain = new QWidget(this);
    panMain->setObjectName(QStringLiteral("panMain"));
    auto *column = new QVBoxLayout(panMain);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *listRow = new QHBoxLayout;
    listRow->setContentsMargins(10, 0, 0, 0);
    ltvTask = new QTreeView(panMain);
    ltvTask->setObjectName(QStringLiteral("ltvTask"));
    ltvTask->setAccessibleName(QStringLiteral("Task List"));
    ltvTask->setModel(&m_tasks);
    ltvTask->setRootIsDecorated(false);
    ltvTask->setItemsExpandable(false);
    ltvTask->setUniformRowHeights(true);
    ltvTask->setAllColumnsShowFocus(true);
    ltvTask->setSelectionBehavior(QAbstractItemView::SelectRows);
    ltvTask->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ltvTask->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ltvTask->setContextMenuPolicy(Qt::CustomContextMenu);
    ltvTask->setTextElideMode(Qt::ElideMiddle);
    // Statuses with their icons; a failed task's row in the error colour.
    ltvTask->setItemDelegate(new TTaskListDelegate(ltvTask));
    QHeaderView *header = ltvTask->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: rgb(243, 243, 243); border: none;"
        " border-right: 1px solid rgb(210, 210, 210); border-bottom: 1px solid rgb(210, 210, 210);"
        " padding: 2px 4px; }"));
    // A column the user drags keeps the width given.
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!m_applyingColumnRule && column >= 0 && column < TaskStore::ColumnCount)
            m_columnWidths[column] = width;
    });
    ltvTask->installEventFilter(this);
    ltvTask->viewport()->installEventFilter(this);
    connect(ltvTask, &QTreeView::doubleClicked, this, [this] { ltvTaskDblClick(); });
    // The Output grid shows the first selected task whatever moves the
    // selection: mouse, keys, commands. An open edit first goes to the task
    // it was made on.
    connect(ltvTask->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        vleOutput->endEdit();
        ltvTaskClick();
    });
    listRow->addWidget(ltvTask);
    column->addLayout(listRow, 1);
    buildBottomBar();
    column->addWidget(panBottom);
    // Over the empty list, as large as the list.
    panbg = new TWelcomePanel(panMain);
    connect(panbg, &TWelcomePanel::linkClicked, this,
            [this] { m_platform.shellOpen(Branding::WebSite); });
    labProductName = panbg->labProductName;
    labLink = panbg->labLink;
    Memo1 = new QPlainTextEdit(panMain);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->hide();
}

void TMainForm::buildBottomBar()
{
    // Two panels in one place: the idle one (profile and output path) and
    // the progress of a run. The bar is as high as the higher of the two,
    // so that the list keeps its height when a run starts.
    panBottom = new QWidget(panMain);
    panBottom->setObjectName(QStringLiteral("panBottom"));
    m_bottomPanels = new QStackedLayout(panBottom);

    panBottomCenter = new QWidget(panBottom);
    panBottomCenter->setObjectName(QStringLiteral("panBottomCenter"));
    auto *idle = new QGridLayout(panBottomCenter);
    idle->setContentsMargins(4, 9, 15, 9);
    idle->setHorizontalSpacing(9);
    idle->setVerticalSpacing(6);
    idle->setColumnStretch(1, 1);
    labProfile = BarLabel(QStringLiteral("Profile:"), panBottomCenter);
    cmbProfile = new QComboBox(panBottomCenter);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->setAccessibleName(QStringLiteral("Profile"));
    cmbProfile->setEditable(false);
    // Long profile names do not widen the window.
    cmbProfile->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbProfile->setMinimumContentsLength(8);
    labProfile->setBuddy(cmbProfile);
    connect(cmbProfile, &QComboBox::activated, this, &TMainForm::cmbProfileChange);
    bbtnSetting = BarButton(QStringLiteral("&Setting"), "bbtnSetting", panBottomCenter);
    connect(bbtnSetting, &QPushButton::clicked, this, &TMainForm::bbtnSettingClick);
    labOutputPath = BarLabel(QStringLiteral("Output Path:"), panBottomCenter);
    edtOutputdir = new QLineEdit(panBottomCenter);
    edtOutputdir->setObjectName(QStringLiteral("edtOutputdir"));
    edtOutputdir->setAccessibleName(QStringLiteral("Output Path"));
    labOutputPath->setBuddy(edtOutputdir);
    bbtnBrowser = BarButton(QStringLiteral("&Browse"), "bbtnBrowser", panBottomCenter);
    connect(bbtnBrowser, &QPushButton::clicked, this, &TMainForm::bbtnBrowserClick);
    bbtnOpen = BarButton(QStringLiteral("&Open"), "bbtnOpen", panBottomCenter);
    connect(bbtnOpen, &QPushButton::clicked, this, &TMainForm::bbtnOpenClick);
    // While files are being added, and after an intake that left files out.
    labAdding = BarLabel(QString(), panBottomCenter, "labAdding");
    labAdding->hide();
    pgbAdding = new QProgressBar(panBottomCenter);
    pgbAdding->setObjectName(QStringLiteral("pgbAdding"));
    pgbAdding->setAccessibleName(QStringLiteral("Adding files"));
    pgbAdding->setTextVisible(false);
    pgbAdding->setMaximumHeight(labAdding->sizeHint().height());
    pgbAdding->hide();
    btnNotAdded = new TNotAddedReport(panBottomCenter);
    idle->addWidget(labProfile, 0, 0);
    idle->addWidget(cmbProfile, 0, 1, 1, 2);
    idle->addWidget(bbtnSetting, 0, 3);
    idle->addWidget(labOutputPath, 1, 0);
    idle->addWidget(edtOutputdir, 1, 1);
    idle->addWidget(bbtnBrowser, 1, 2);
    idle->addWidget(bbtnOpen, 1, 3);
    idle->addWidget(labAdding, 2, 0, 1, 1);
    idle->addWidget(pgbAdding, 2, 1, 1, 3);
    idle->addWidget(btnNotAdded, 3, 0, 1, 4, Qt::AlignLeft);

    panBottomLeft = new QWidget(panBottom);
    panBottomLeft->setObjectName(QStringLiteral("panBottomLeft"));
    auto *progress = new QGridLayout(panBottomLeft);
    progress->setContentsMargins(8, 4, 0, 4);
    progress->setHorizontalSpacing(8);
    progress->setVerticalSpacing(3);
    progress->setColumnStretch(1, 1);
    progress->addWidget(BarLabel(QStringLiteral("Converting:"), panBottomLeft), 0, 0);
    labConvertingFile = BarLabel(QStringLiteral("No File"), panBottomLeft, "labConvertingFile");
    labConvertingFile->setMinimumWidth(1); // a long name is cut, never widens the window
    progress->addWidget(labConvertingFile, 0, 1, 1, 2);
    progress->addWidget(BarLabel(QStringLiteral("Time Elapsed:"), panBottomLeft), 1, 0);
    auto *times = new QHBoxLayout;
    times->setSpacing(8);
    labElapsed = BarLabel(QStringLiteral("00:00:00"), panBottomLeft, "labElapsed");
    labRemaining = BarLabel(QStringLiteral("00:00:00"), panBottomLeft, "labRemaining");
    times->addWidget(labElapsed);
    times->addSpacing(labElapsed->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    times->addWidget(BarLabel(QStringLiteral("Time Remaining:"), panBottomLeft));
    times->addWidget(labRemaining);
    times->addStretch(1);
    progress->addLayout(times, 1, 1, 1, 2);
    auto bar = [this](const char *name, const QString &accessible) {
        auto *b = new QProgressBar(panBottomLeft);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(accessible);
        b->setRange(0, 100);
        b->setValue(0);
        b->setTextVisible(false);
        return b;
    };
    pgbCurrent = bar("pgbCurrent", QStringLiteral("Current Progress"));
    pgbTotal = bar("pgbTotal", QStringLiteral("Total Progress"));
    labCurProgress = BarLabel(QStringLiteral("0%"), panBottomLeft, "labCurProgress");
    labTotalProgress = BarLabel(QStringLiteral("0%"), panBottomLeft, "labTotalProgress");
    progress->addWidget(BarLabel(QStringLiteral("Current Progress:"), panBottomLeft), 2, 0);
    progress->addWidget(pgbCurrent, 2, 1);
    progress->addWidget(labCurProgress, 2, 2);
    progress->addWidget(BarLabel(QStringLiteral("Total Progress:"), panBottomLeft), 3, 0);
    progress->addWidget(pgbTotal, 3, 1);
    progress->addWidget(labTotalProgress, 3, 2);
    // The percentage labels take the width "100%" needs in their font.
    for (QLabel *label : {labCurProgress, labTotalProgress}) {
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 1);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    m_bottomPanels->addWidget(panBottomCenter);
    m_bottomPanels->addWidget(panBottomLeft);
    m_bottomPanels->setCurrentWidget(panBottomCenter);
}

void TMainForm::buildProfilePanel(PlayerFactory playerFactory)
{
    panProfile = new QWidget(this);
    panProfile->setObjectName(QStringLiteral("panProfile"));
    auto *column = new QVBoxLayout(panProfile);
    column->setContentsMargins(0, 0, 10, 0);
    column->setSpacing(0);

    gpbProfile = new QGroupBox(QStringLiteral("Profile Detail"), panProfile);
    gpbProfile->setObjectName(QStringLiteral("gpbProfile"));
    auto *inner = new QVBoxLayout(gpbProfile);
    inner->setContentsMargins(2, 8, 2, 2);
    ScrollBox1 = new TSectionStack(gpbProfile);
    inner->addWidget(ScrollBox1);

    auto section = [this](const QString &title, ValueListModel *model, TValueListEditor *&grid,
                          TGridSection *&panel) {
        grid = new TValueListEditor(model);
        grid->setAccessibleName(title);
        grid->setColumnWidths(95, 68);
        panel = new TGridSection(QStringLiteral("      ") + title, grid, true);
        ScrollBox1->addSection(panel);
    };
    section(QStringLiteral("Output"), m_outputValues, vleOutput, panOutput);
    section(QStringLiteral("Video"), m_videoValues, vleVideo, panVideo);
    section(QStringLiteral("Audio"), m_audioValues, vleAudio, panAudio);
    section(QStringLiteral("Advanced"), m_advancedValues, vleAdvanced, panAdvanced);
    vleOutput->setGreyLockedRows(false);
    vleOutput->setNoTaskGuard();
    vleOutput->setObjectName(QStringLiteral("vleOutput"));
    vleVideo->setObjectName(QStringLiteral("vleVideo"));
    vleAudio->setObjectName(QStringLiteral("vleAudio"));
    vleAdvanced->setObjectName(QStringLiteral("vleAdvanced"));

    // A press in any grid repaints all four, so the focus marker shows in one
    // grid only.
    const QList<TValueListEditor *> all{vleOutput, vleVideo, vleAudio, vleAdvanced};
    for (TValueListEditor *grid : all) {
        connect(grid, &TValueListEditor::mousePressed, this, [all] {
            for (TValueListEditor *g : all)
                g->repaintGrid();
        });
    }
    connect(vleOutput, &TValueListEditor::clicked, this, [all] {
        for (TValueListEditor *g : all)
            g->repaintGrid();
    });
    connect(vleOutput, &TValueListEditor::validate, this, &TMainForm::vleOutputValidate);
    connect(m_videoValues, &ValueListModel::stringsChanged, this,
            &TMainForm::vleVideoStringsChange);

    panPreview = new TPreviewPane(std::move(playerFactory), panProfile);
    panPreview->setObjectName(QStringLiteral("panPreview"));
    connect(panPreview, &TPreviewPane::playRequested, this, &TMainForm::sbtnPlayClick);

    splPreview = new QSplitter(Qt::Vertical, panProfile);
    splPreview->setHandleWidth(4);
    splPreview->setChildrenCollapsible(false);
    splPreview->addWidget(gpbProfile);
    splPreview->addWidget(panPreview);
    splPreview->setStretchFactor(0, 1);
    splPreview->setStretchFactor(1, 0);
    splPreview->setSizes({300, 177});
    column->addWidget(splPreview);
}

void TMainForm::buildMenu()
{
    ppmTask = new QMenu(this);
    ppmTask->setObjectName(QStringLiteral("ppmTask"));
    Open1 = ppmTask->addAction(QStringLiteral("Open"), this, &TMainForm::ltvTaskDblClick);
    ShowLog1 = ppmTask->addAction(QStringLiteral("Show Log..."), this, &TMainForm::ShowLog1Click);
    ppmTask->addSeparator();
    // Adding is what the toolbar's buttons do, and only while they may.
    AddFiles1 = ppmTask->addAction(QStringLiteral("Add Files..."), this, [this] {
        if (tbtnAddFile->isEnabled())
            tbtnAddFileClick();
    });
    AddDirectorys1 = ppmTask->addAction(QStringLiteral("Add Directorys..."), this, [this] {
        if (tbtnAddDir->isEnabled())
            tbtnAddDirClick();
    });
    ppmTask->addSeparator();
    Remove1 = ppmTask->addAction(QStringLiteral("Remove"), this, &TMainForm::tbtnRemoveClick);
    Clear1 = ppmTask->addAction(QStringLiteral("Clear"), this, &TMainForm::tbtnClearClick);
    Undo1 = ppmTask->addAction(QStringLiteral("Undo"), this, &TMainForm::Undo1Click);
    ppmTask->addSeparator();
    Pause1 = ppmTask->addAction(QStringLiteral("Pause"), this, &TMainForm::tbtnPauseClick);
    ppmTask->addAction(StopAfterCurrent1);
    connect(ltvTask, &QTreeView::customContextMenuRequested, this, [this](const QPoint &pos) {
        ppmTaskPopup();
        ppmTask->popup(ltvTask->viewport()->mapToGlobal(pos));
    });
}

void TMainForm::buildShortcuts()
{
    // Keys of the whole window act as their menu entry or button would, and
    // only while that may act. Text boxes keep Ctrl+Z for their own undo.
    const std::pair<QAction *, QKeySequence> entries[] = {
        {AddFiles1, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {AddDirectorys1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {Undo1, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        // Keys of the task list itself (see eventFilter), shown here too.
        {Remove1, QKeySequence(Qt::Key_Delete)},
        {Clear1, QKeySequence(Qt::Key_Backspace)}};
    for (const auto &[action, keys] : entries) {
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
    }
    addActions({AddFiles1, AddDirectorys1, Undo1});
    auto buttonKey = [this](QToolButton *button, const QKeySequence &keys) {
        auto *action = new QAction(button->accessibleName(), this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, button, [button] {
            if (button->isEnabled())
                button->click();
        });
        addAction(action);
        return action;
    };
    buttonKey(tbtnStart, Qt::Key_F5);
    buttonKey(tbtnHelp, Qt::Key_F1);
    // Escape belongs to the grids' editors while no run is going on.
    m_stopKey = buttonKey(tbtnStop, Qt::Key_Escape);
    m_stopKey->setEnabled(false);

    const std::pair<QToolButton *, QKeySequence> shown[] = {
        {tbtnAddFile, AddFiles1->shortcut()},
        {tbtnAddDir, AddDirectorys1->shortcut()},
        {tbtnUp, QKeySequence(Qt::ALT | Qt::Key_Up)},
        {tbtnDown, QKeySequence(Qt::ALT | Qt::Key_Down)},
        {tbtnRemove, Remove1->shortcut()},
        {tbtnClear, Clear1->shortcut()},
        {tbtnStart, QKeySequence(Qt::Key_F5)},
        {tbtnStop, m_stopKey->shortcut()},
        {tbtnHelp, QKeySequence(Qt::Key_F1)}};
    for (const auto &[button, keys] : shown)
        button->setToolTip(QStringLiteral("%1 (%2)").arg(button->accessibleName(),
                                                         keys.toString(QKeySequence::NativeText)));
}

QList<QToolButton *> TMainForm::toolButtons() const
{
    return {tbtnAddFile, tbtnAddDir, tbtnUp,    tbtnDown,    tbtnRemove, tbtnClear,
            tbtnStart,   tbtnStop,   tbtnPause, tbtnSetting, tbtnAbout,  tbtnHelp};
}

void TMainForm::setReadingTabOrder()
{
    // The toolbar from the left, the task list with the bar below it, then
    // the right-hand panel from the top.
    QList<QWidget *> order;
    for (QToolButton *b : toolButtons())
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

    cmbProfile->addItems(ProfileCatalogue(m_paths));
    cmbProfile->setCurrentIndex(-1);
    m_profileExtensions = ProfileExtensions(m_paths);

    m_args = args;
    m_hadArgs = !args.isEmpty();
    setAcceptDrops(true);

    // The designed sizes, widened for a font wider than the design's; the
    // window never starts larger than the screen.
    const double scale = FontScale(font());
    m_listWidth = int(m_listWidth * scale);
    for (int c = 0; c < TaskStore::ColumnCount; ++c) {
        m_columnWidths[c] = int(m_columnWidths[c] * scale);
        ltvTask->header()->resizeSection(c, m_columnWidths[c]);
    }
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
    if (!form)
        return;
    form->setMainOutputDirSource([this] { return edtOutputdir->text(); });
    connect(form, &TSettingForm::outputPathApplied, edtOutputdir, &QLineEdit::setText);
    connect(form, &TSettingForm::profileSaved, this, [this](const QString &name) {
        if (cmbProfile->currentText() == name)
            cmbProfileChange();
    });
}

void TMainForm::setSizeForm(TSizeForm *form)
{
    m_sizeForm = form;
    if (form)
        form->setVideoGrid(m_videoValues);
}

void TMainForm::setAboutForm(TAboutForm *form)
{
    m_aboutForm = form;
}

ProfileGrids TMainForm::grids() const
{
    return ProfileGrids{m_videoValues, m_audioValues, m_advancedValues};
}

QString TMainForm::profilePath(const QString &name) const
{
    return ProfilePath(m_paths, name);
}

bool TMainForm::welcomeVisible() const
{
    return panbg->isVisibleTo(const_cast<TMainForm *>(this));
}

QList<int> TMainForm::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : ltvTask->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TMainForm::selectRows(const QList<int> &rows)
{
    // One range for each run of neighbouring rows: a selection of thousands
    // of rows stays a few ranges.
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    QItemSelection selection;
    for (qsizetype i = 0; i < sorted.size();) {
        qsizetype j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] <= sorted[j] + 1)
            ++j;
        selection.select(m_tasks.index(sorted[i], 0),
                         m_tasks.index(sorted[j], TaskStore::ColumnCount - 1));
        i = j + 1;
    }
    ltvTask->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int TMainForm::firstSelectedRow() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

// ---------------------------------------------------------------- RunHost

QString TMainForm::outputDirectory() const
{
    return edtOutputdir->text();
}

bool TMainForm::overwrite() const
{
    return m_settingForm ? m_settingForm->rdbOverWrite->isChecked() : true;
}

bool TMainForm::skipExisting() const
{
    return m_settingForm && m_settingForm->rdbSkip->isChecked();
}

bool TMainForm::autoOpenDir() const
{
    return m_settingForm ? m_settingForm->chkOpenDir->isChecked() : true;
}

bool TMainForm::autoExit() const
{
    return m_settingForm ? m_settingForm->chkExit->isChecked() : false;
}

bool TMainForm::autoTurnOff() const
{
    return m_settingForm ? m_settingForm->chkTurnoff->isChecked() : false;
}

void TMainForm::closeMainWindow()
{
    // Closing at the end of a run is the run's own completion action: no
    // question about the run in progress.
    m_autoClosing = true;
    close();
}

void TMainForm::closeForSignal()
{
    // The session ends or the program is told to stop: nobody may be there
    // to answer, so a run in progress stops without a question.
    m_closingForSignal = true;
    close();
}

// ---------------------------------------------------------------- intake

void TMainForm::tbtnAddFileClick()
{
    const QStringList files = m_platform.openFileNames(FileDialogFilter(), startFolder());
    if (!files.isEmpty()) {
        m_lastFolder = QFileInfo(files.first()).absolutePath();
        m_intake->AddFromDialog(files);
    }
    if (m_tasks.count() == 1) {
        selectRows({0});
        ltvTaskClick();
    }
    ltvTask->setFocus();
    enableTaskButtonsIfAny();
}

void TMainForm::tbtnAddDirClick()
{
    QString dir;
    if (m_platform.browseForDirectory(QStringLiteral("Add a directory to the Task List"), dir,
                                      startFolder())) {
        m_lastFolder = dir;
        m_intake->AddDirectory(dir);
    }
    ltvTask->setFocus();
    enableTaskButtonsIfAny();
}

QString TMainForm::startFolder() const
{
    return QFileInfo(m_lastFolder).isDir() ? m_lastFolder : AppPaths::VideosFolder();
}

void TMainForm::DropPaths(const QStringList &paths)
{
    // Drops are refused while the list is disabled (during a run).
    if (!ltvTask->isEnabled())
        return;
    m_intake->AddDropped(paths);
    enableTaskButtonsIfAny();
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (ltvTask->isEnabled() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        QString path = url.toLocalFile();
        // A name that is not valid UTF-8 comes percent-encoded byte by byte;
        // decoded as text it would turn into another name.
        if (path.contains(QChar::ReplacementCharacter) && url.host().isEmpty())
            path = DecodeFileName(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
        paths << QDir::toNativeSeparators(path);
    }
    if (!ltvTask->isEnabled() || paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    DropPaths(paths);
}

void TMainForm::setTaskButtonsEnabled(bool enabled)
{
    for (QToolButton *b : {tbtnUp, tbtnDown, tbtnRemove, tbtnClear, tbtnStart})
        b->setEnabled(enabled);
}

void TMainForm::enableTaskButtonsIfAny()
{
    if (m_tasks.count() > 0)
        setTaskButtonsEnabled(true);
}

// ---------------------------------------------------------------- task list

void TMainForm::clearOutputValues()
{
    SetGridValue(0, QStringLiteral("New FileName"), QString());
    SetGridValue(0, QStringLiteral("Start Time"), QString());
    SetGridValue(0, QStringLiteral("End Time"), QString());
}

void TMainForm::SetGridValue(int grid, const QString &key, const QString &value)
{
    ValueListModel *models[] = {m_outputValues, m_videoValues, m_audioValues, m_advancedValues};
    if (grid < 0 || grid > 3)
        return;
    models[grid]->setGridValue(key, value);
}

void TMainForm::tbtnRemoveClick()
{
    vleOutput->endEdit();
    m_undo->remove(selectedRows());
    // Every selected task is gone: the Output values are emptied.
    ltvTaskClick();
    if (m_tasks.count() == 0)
        setTaskButtonsEnabled(false);
}

void TMainForm::tbtnClearClick()
{
    vleOutput->endEdit();
    m_undo->clear();
    ltvTaskClick();
    setTaskButtonsEnabled(false);
}

void TMainForm::Undo1Click()
{
    // The list is disabled during a run: nothing comes back then.
    if (!ltvTask->isEnabled() || !m_undo->canUndo())
        return;
    vleOutput->endEdit();
    const QList<int> rows = m_undo->undo();
    for (int row : rows)
        if (m_tasks.cell(row, ItemField::Status) == TaskStatus::Probing)
            m_intake->probeAgain(m_tasks.taskId(row)); // its probe ended with its removal
    if (!rows.isEmpty())
        selectRows(rows);
    ltvTaskClick();
    enableTaskButtonsIfAny();
}

void TMainForm::tbtnUpClick()
{
    QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // An open edit goes to its task before the records move.
    vleOutput->endEdit();
    QSet<int> selected(rows.begin(), rows.end());
    for (int i = 1; i < m_tasks.count(); ++i) {
        if (!selected.contains(i))
            continue;
        m_tasks.swapRecords(i, i - 1);
        selected.insert(i - 1);
        selected.remove(i);
    }
    rows = QList<int>(selected.begin(), selected.end());
    selectRows(rows);
    ltvTaskClick();
}

void TMainForm::tbtnDownClick()
{
    QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // An open edit goes to its task before the records move.
    vleOutput->endEdit();
    QSet<int> selected(rows.begin(), rows.end());
    for (int i = m_tasks.count() - 2; i >= 0; --i) {
        if (!selected.contains(i))
            continue;
        m_tasks.swapRecords(i, i + 1);
        selected.insert(i + 1);
        selected.remove(i);
    }
    rows = QList<int>(selected.begin(), selected.end());
    selectRows(rows);
    ltvTaskClick();
}

void TMainForm::ltvTaskClick()
{
    const int row = firstSelectedRow();
    m_outputRow = row;
    if (row < 0) {
        clearOutputValues();
        return;
    }
    ltvItemData d;
    m_tasks.GetItemData(row, ItemField::All, d);
    SetGridValue(0, QStringLiteral("New Filename"), d.NewFilename + m_outputExt);
    SetGridValue(0, QStringLiteral("Start Time"), d.StartTime);
    SetGridValue(0, QStringLiteral("End Time"), d.EndTime);
}

void TMainForm::ltvTaskDblClick()
{
    const int row = firstSelectedRow();
    if (row < 0)
        return;
    panPreview->PlaySelected(m_tasks.caption(row));
}

void TMainForm::sbtnPlayClick()
{
    if (m_tasks.count() == 0)
        return;
    if (firstSelectedRow() < 0)
        selectRows({0});
    panPreview->PlaySelected(m_tasks.caption(firstSelectedRow()));
}

void TMainForm::ppmTaskPopup()
{
    const bool anySelected = firstSelectedRow() >= 0;
    Open1->setEnabled(anySelected);
    // For a task that has been converted (or tried) in this session.
    ShowLog1->setEnabled(anySelected &&
                         m_batch->logs().contains(m_tasks.taskId(firstSelectedRow())));
    Remove1->setEnabled(anySelected);
    Clear1->setEnabled(m_tasks.count() > 0);
    AddFiles1->setEnabled(true);
    AddDirectorys1->setEnabled(true);
    Undo1->setEnabled(m_undo->canUndo());
    if (!m_undo->canUndo())
        Undo1->setText(QStringLiteral("Undo"));
    else if (m_undo->nextKind() == TaskUndo::Kind::Remove)
        Undo1->setText(QStringLiteral("Undo Remove"));
    else
        Undo1->setText(QStringLiteral("Undo Clear"));
}

void TMainForm::ShowLog1Click()
{
    const int row = firstSelectedRow();
    const TaskStore::TaskId id = m_tasks.taskId(row);
    if (row < 0 || !m_batch->logs().contains(id))
        return;
    if (!m_logForm)
        m_logForm = std::make_unique<TLogForm>(m_platform, this);
    m_logForm->showLog(m_tasks.caption(row), m_batch->logs().text(id));
}

void TMainForm::bbtnBrowserClick()
{
    QString dir;
    if (m_platform.browseForDirectory(QStringLiteral("Select the output directory."), dir))
        edtOutputdir->setText(AddBackslash(dir));
}

void TMainForm::bbtnOpenClick()
{
    const QString dir = edtOutputdir->text();
    if (!dir.isEmpty() && QFileInfo(dir).isDir())
        m_platform.shellOpen(dir);
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

void TMainForm::tbtnHelpClick()
{
    m_platform.shellOpen(helpFile());
}

void TMainForm::ltvTaskResized(int newWidth)
{
    const int d = newWidth - m_listWidth;
    m_listWidth = newWidth;
    if (d == 0)
        return;
    QHeaderView *header = ltvTask->header();
    // The rule works on the widths it would give without the lower bound,
    // so the columns get their proportions back when the list grows again.
    const QScopedValueRollback applying(m_applyingColumnRule, true);
    // Below its rule's width, a column keeps the width of its usual text;
    // the file names' column gives up what the others then take beyond the
    // list's width.
    const QFontMetrics fm = ltvTask->fontMetrics();
    const int least[TaskStore::ColumnCount] = {
        MinColumnWidth, fm.horizontalAdvance(QStringLiteral("00:00:00.00")) + 12,
        fm.horizontalAdvance(QStringLiteral(" 1920x1080")) + 12,
        fm.horizontalAdvance(TaskStatus::Converting) + 36};
    int widths[TaskStore::ColumnCount];
    int sum = 0;
    for (int c = 0; c < TaskStore::ColumnCount; ++c) {
        // Rounded half to even, like every rounding of this program.
        m_columnWidths[c] += int(std::nearbyint(d * ColumnShares[c]));
        widths[c] = std::max(least[c], m_columnWidths[c]);
        sum += widths[c];
    }
    const int room =
        newWidth - 2 * ltvTask->frameWidth() - ltvTask->verticalScrollBar()->sizeHint().width();
    widths[0] = std::max(MinColumnWidth, widths[0] - std::max(0, sum - room));
    for (int c = 0; c < TaskStore::ColumnCount; ++c)
        header->resizeSection(c, widths[c]);
}

// ---------------------------------------------------------------- run

void TMainForm::tbtnStartClick()
{
    // An edit still open in the Output grid is validated into its task
    // before the run reads the tasks.
    vleOutput->endEdit();
    ltvTask->setFocus();
    m_batch->setJobs(m_settingForm ? m_settingForm->spnConversions->value() : 1);
    const BatchRun::StartResult result = m_batch->Start(
        profilePath(cmbProfile->currentText()), grids(), [this] { EnterRunMode(); },
        [this] { LeaveRunMode(); });
    if (result == BatchRun::StartResult::OutputPathMissing)
        edtOutputdir->setFocus();
}

void TMainForm::tbtnStopClick()
{
    m_batch->requestStop();
}

void TMainForm::tbtnPauseClick()
{
    if (m_batch->RunState() == BatchRun::Paused)
        m_batch->resume();
    else
        m_batch->pause();
}

void TMainForm::setProcessControl(ProcessControl *control)
{
    m_batch->setProcessControl(control);
    showRunState(m_batch->RunState());
}

void TMainForm::showRunState(int state)
{
    // Pause and Stop After Current Task act while the run goes on.
    const bool going =
        state == BatchRun::Running || state == BatchRun::Finishing || state == BatchRun::Paused;
    const bool paused = state == BatchRun::Paused;
    tbtnPause->setEnabled(going && m_batch->canPause());
    Pause1->setEnabled(tbtnPause->isEnabled());
    const QString pause = paused ? QStringLiteral("Resume") : QStringLiteral("Pause");
    tbtnPause->setToolTip(pause);
    tbtnPause->setAccessibleName(pause);
    Pause1->setText(pause);
    StopAfterCurrent1->setEnabled(going);
    StopAfterCurrent1->setChecked(m_batch->stopsAfterCurrent());
    // The title, which the taskbar shows too, says that the run stands still.
    setWindowTitle(paused ? QStringLiteral("Paused - %1").arg(m_title) : m_title);
}

void TMainForm::EnterRunMode()
{
    panPreview->stopPlayback();
    tbtnAddFile->setEnabled(false);
    tbtnAddDir->setEnabled(false);
    setTaskButtonsEnabled(false);
    tbtnStop->setEnabled(true);
    m_stopKey->setEnabled(true);
    tbtnSetting->setEnabled(false);
    ltvTask->setEnabled(false);
    panSplitter->setEnabled(false);
    gpbProfile->setEnabled(false);
}

void TMainForm::LeaveRunMode()
{
    tbtnAddFile->setEnabled(true);
    tbtnAddDir->setEnabled(true);
    setTaskButtonsEnabled(true);
    tbtnStop->setEnabled(false);
    m_stopKey->setEnabled(false);
    tbtnSetting->setEnabled(true);
    ltvTask->setEnabled(true);
    panSplitter->setEnabled(true);
    gpbProfile->setEnabled(true);
}

void TMainForm::setProgress(QProgressBar *bar, QLabel *label, int percent)
{
    bar->setValue(std::clamp(percent, 0, 100));
    label->setText(QString::number(bar->value()) + u'%');
}

// ---------------------------------------------------------------- intake

int TMainForm::probeLimit() const
{
    // During a run one probe at a time, so that probes do not slow the
    // conversion down.
    if (m_batch && m_batch->RunState() != BatchRun::Idle)
        return 1;
    return m_settingForm ? m_settingForm->spnProbes->value() : DefaultSimultaneousProbes();
}

void TMainForm::showIntakeProgress(int done, int total)
{
    // The idle panel grows by the row of the intake's progress while files
    // are being added.
    const bool adding = total > 0;
    if (adding) {
        labAdding->setText(QStringLiteral("Adding files: %1 of %2").arg(done).arg(total));
        pgbAdding->setRange(0, total);
        pgbAdding->setValue(done);
    }
    labAdding->setVisible(adding);
    pgbAdding->setVisible(adding);
}

void TMainForm::taskProbed(int row)
{
    // The Output grid shows the task that was probed: it shows the task's
    // times now. An edit open in the grid stays as typed; it is validated
    // against the new values when it ends.
    if (row != m_outputRow)
        return;
    ltvItemData d;
    m_tasks.GetItemData(row, ItemField::All, d);
    const int editing = vleOutput->openEditor() ? vleOutput->currentIndex().row() : -1;
    const QString editedKey = editing >= 0 ? m_outputValues->key(editing) : QString();
    const std::pair<QString, QString> values[] = {{QStringLiteral("Start Time"), d.StartTime},
                                                  {QStringLiteral("End Time"), d.EndTime}};
    for (const auto &[key, value] : values)
        if (key.compare(editedKey, Qt::CaseInsensitive) != 0)
            SetGridValue(0, key, value);
}

// ---------------------------------------------------------------- profiles

void TMainForm::cmbProfileChange()
{
    const QString name = cmbProfile->currentText();
    if (name.isEmpty())
        return;
    const QString path = profilePath(name);
    if (!QFileInfo::exists(path))
        return;
    QString notSaved;
    LoadProfile(path, grids(), &m_outputExt, !m_paths.isShipped(path), &notSaved);
    m_intake->setOutputExtension(m_outputExt);
    panVideo->setHeightForProfileLoad(m_videoValues->count());
    panAudio->setHeightForProfileLoad(m_audioValues->count());
    panAdvanced->setHeightForProfileLoad(m_advancedValues->count());
    if (!notSaved.isEmpty())
        reportProfileNotSaved(path, notSaved);
}

bool TMainForm::rewritesProfile(const QString &profilePath) const
{
    return !m_paths.isShipped(profilePath);
}

void TMainForm::reportProfileNotSaved(const QString &path, const QString &error)
{
    if (m_notSavedReported.contains(path))
        return;
    m_notSavedReported.insert(path);
    const QString text =
        error + QStringLiteral(". The profile's values are used as shown, but it cannot be saved.");
    if (m_restoring)
        m_startupErrors << text;
    else
        m_platform.messageBox(text, QStringLiteral("Profile Not Saved"),
                              Platform::Icon::Information);
}

void TMainForm::vleOutputValidate(int)
{
    // The edit belongs to the task whose values the grid showed.
    const int row = m_outputRow;
    if (row < 0 || row >= m_tasks.count())
        return;
    ltvItemData record;
    m_tasks.GetItemData(row, ItemField::All, record);
    const ltvItemData edited =
        ValidateOutputEdit(record, m_outputValues->valueOf(QStringLiteral("New Filename")),
                           m_outputValues->valueOf(QStringLiteral("Start Time")),
                           m_outputValues->valueOf(QStringLiteral("End Time")),
                           m_profileExtensions + QStringList{m_outputExt});
    // A task still being probed has no times to check an edit against: only
    // its name can change meanwhile.
    const bool probing = record.Status == TaskStatus::Probing;
    for (int field : {ItemField::NewFilename, ItemField::NewFileExt, ItemField::ClipLength,
                      ItemField::StartTime, ItemField::EndTime})
        if (!probing || field == ItemField::NewFilename || field == ItemField::NewFileExt)
            m_tasks.SetItemData(row, field, edited);
    // A time that was not taken stays as typed until the task is selected
    // again, marked, with the time that stands instead.
    const std::tuple<QString, double, QString> times[] = {
        {QStringLiteral("Start Time"), edited.StartSecs, edited.StartTime},
        {QStringLiteral("End Time"), edited.EndSecs, edited.EndTime}};
    for (const auto &[key, seconds, stored] : times) {
        const int cell = m_outputValues->findRow(key);
        const bool taken = probing || StrToSeconds(m_outputValues->value(cell)) == seconds;
        m_outputValues->setValueNote(
            cell, taken ? QString() : QStringLiteral("Not a valid time: %1 is kept.").arg(stored));
    }
}

void TMainForm::vleVideoStringsChange()
{
    if (!m_sizeForm)
        return;
    const int current = vleVideo->currentIndex().row();
    if (current < 0 || current >= m_videoValues->count())
        return;
    if (m_videoValues->key(current) == QLatin1String("Video Size") &&
        m_videoValues->valueOf(QStringLiteral("Video Size")) == QLatin1String("Custom Size"))
        m_sizeForm->open();
}

// ---------------------------------------------------------------- window

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
        QTimer::singleShot(0, this,
                           [this] { m_intake->CommandLineIntake(std::exchange(m_args, {})); });
}

void TMainForm::RestorePreferences()
{
    // Part of the start: a settings file that cannot be used leaves what was
    // read, the defaults for the rest, and its error for the message shown
    // once the windows are up.
    const bool rewrite = !m_paths.isShipped(preferencesFile());
    edtOutputdir->setText(
        ReadOutputPath(preferencesFile(), m_paths.factoryOutputPath(), rewrite, &m_startupErrors));
    m_lastFolder = ReadLastFolder(preferencesFile(), rewrite, &m_startupErrors);
    if (cmbProfile->count() == 0)
        return;
    const int index = ReadProfileIndex(preferencesFile(), rewrite, &m_startupErrors);
    cmbProfile->setCurrentIndex(index >= 0 && index < cmbProfile->count() ? index : -1);
    m_restoring = true;
    const auto restored = qScopeGuard([this] { m_restoring = false; });
    try {
        cmbProfileChange();
    } catch (const TIniFileError &e) {
        m_startupErrors << e.text();
    }
}

void TMainForm::RestoreSession()
{
    if (m_savedList->started())
        return;
    if (!m_hadArgs) {
        m_savedList->offerRestore(
            [this](TaskStore::TaskId id, const QString &output) {
                m_batch->setUnfinishedOutput(id, output);
            },
            [this](TaskStore::TaskId id) { m_intake->probeAgain(id); });
        if (m_tasks.count() > 0)
            panbg->hide();
        enableTaskButtonsIfAny();
    }
    m_savedLogs->removeUnclaimed();
    m_savedList->start();
    m_savedList->saveNow();
}

void TMainForm::notifyRunCompleted(int converted, int skipped, int failed)
{
    // The user who watches the window sees the completion message.
    if (isActiveWindow())
        return;
    const QString files = converted == 1 ? QStringLiteral("1 file converted")
                                         : QStringLiteral("%1 files converted").arg(converted);
    m_platform.notify(
        QStringLiteral("Conversion completed"),
        QStringLiteral("%1, %2 skipped, %3 failed.").arg(files).arg(skipped).arg(failed));
}

void TMainForm::showTaskbarProgress(int percent)
{
    if (percent == m_taskbarPercent)
        return;
    m_taskbarPercent = percent;
    m_platform.setTaskbarProgress(std::max(0, percent), percent >= 0);
}

QStringList TMainForm::takeStartupErrors()
{
    return std::exchange(m_startupErrors, {});
}

void TMainForm::StorePreferences()
{
    if (m_paths.isShipped(preferencesFile()))
        return; // the user was told at start-up that settings are not saved
    PreferenceValues values;
    if (m_settingForm) {
        values = m_settingForm->preferences();
    } else {
        values =
            ReadPreferences(preferencesFile(), QStringLiteral("Main"), m_paths.factoryOutputPath());
    }
    values.outputPath = edtOutputdir->text();
    values.lastFolder = m_lastFolder;
    ::StorePreferences(preferencesFile(), cmbProfile->currentIndex(), values);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_batch->RunState() != BatchRun::Idle && !m_autoClosing) {
        if (!m_closingForSignal &&
            m_platform.messageBox(
                QStringLiteral("A conversion is in progress. Do you want to stop it and exit?"),
                QStringLiteral("Exit"), Platform::Icon::Question,
                Platform::Buttons::YesNo) != Platform::Answer::Yes) {
            event->ignore();
            return;
        }
        m_batch->stopForClose();
    }
    StorePreferences();
    // What is left to do is there at the next start.
    m_savedList->saveNow();
    event->accept();
    // No probe outlives the window, and no intake goes on without it.
    m_intake->cancel();
    // The program ends with this window: a dialog still open would keep it
    // running without a main window.
    QList<QWidget *> dialogs{m_settingForm, m_aboutForm, m_sizeForm, m_logForm.get()};
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
    // Narrower than the toolbar's designed width, its buttons get smaller
    // pictures, so that every one of them stays in the window.
    const QList<QToolButton *> buttons = toolButtons();
    const int designed = int(buttons.size()) * ToolButtonSize.width() + ToolBarExtra;
    const bool compact = width() < designed;
    const QSize size = compact ? CompactToolButtonSize : ToolButtonSize;
    for (QToolButton *b : buttons) {
        b->setFixedSize(size);
        b->setIconSize(compact ? CompactToolIconSize : ToolIconSize);
    }
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

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // Events arrive while the window is still being built.
    if (!ltvTask || !panbg)
        return QMainWindow::eventFilter(watched, event);
    if (watched == ltvTask && event->type() == QEvent::Resize) {
        ltvTaskResized(static_cast<QResizeEvent *>(event)->size().width());
        // The welcome panel covers the empty list.
        panbg->setGeometry(ltvTask->geometry().adjusted(1, 1, -1, -1));
    } else if (watched == ltvTask && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Backspace) {
            tbtnClearClick();
            return true;
        }
        if (key == Qt::Key_Delete) {
            tbtnRemoveClick();
            return true;
        }
        const auto modifiers = static_cast<QKeyEvent *>(event)->modifiers() & ~Qt::KeypadModifier;
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && modifiers == Qt::AltModifier) {
            if (key == Qt::Key_Up)
                tbtnUpClick();
            else
                tbtnDownClick();
            return true;
        }
    } else if (watched == ltvTask->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // A click of the left button; a right click opens the menu instead.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            ltvTaskClick();
    }
    return QMainWindow::eventFilter(watched, event);
}
