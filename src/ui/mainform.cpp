#include "mainform.h"

#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/outputvalidation.h"
#include "engine/probequeue.h"
#include "engine/savedtasklist.h"
#include "engine/tasktext.h"
#include "platform/filenames.h"
#include "platform/platform.h"
#include "preview/previewpane.h"
#include "preview/previewplayer.h"
#include "settings/newinifiles.h"
#include "settings/preferences.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "ui/aboutform.h"
#include "ui/branding.h"
#include "ui/gridsection.h"
#include "ui/logform.h"
#include "ui/sectionstack.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/valuelisteditor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
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
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

namespace {

// Shares of a change of the list's width given to its four columns.
constexpr double ColumnShares[TaskStore::ColumnCount] = {0.49, 0.17, 0.15, 0.19};
constexpr int MinColumnWidth = 20;

// A toolbar picture with a greyed variant for the disabled button.
QIcon ToolIcon(const QString &name)
{
    const QString file = QStringLiteral(":/icons/%1.svg").arg(name);
    QIcon icon(file);
    QImage image = icon.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_ARGB32);
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

QLabel *MakeLabel(const QString &text, QWidget *parent, int x, int y, int w = -1, int h = 16)
{
    auto *label = new QLabel(text, parent);
    if (w < 0)
        w = label->sizeHint().width();
    label->setGeometry(x, y, w, h);
    return label;
}

QFont TahomaFont(int pixels, bool bold)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void SetTextColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

} // namespace

TMainForm::TMainForm(const AppPaths &paths, Platform &platform, PlayerFactory playerFactory,
                     const QStringList &args, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_platform(platform)
{
    // The window's design font: 8 points at 96 dots per inch.
    QFont designFont = font();
    designFont.setPixelSize(11);
    setFont(designFont);

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
    // A failed task tells why when the pointer rests on it.
    m_tasks.setToolTipSource([this](int row) {
        if (m_tasks.cell(row, ItemField::Status) != TaskStatus::Failed)
            return QString();
        return m_batch->logs().failureSummary(m_tasks.taskId(row));
    });

    buildToolBar();
    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    setCentralWidget(central);
    buildMainArea();
    row->addWidget(panMain, 1);
    panSplitter = new QLabel(QStringLiteral("<>"), central);
    panSplitter->setObjectName(QStringLiteral("panSplitter"));
    panSplitter->setAlignment(Qt::AlignCenter);
    panSplitter->setFixedWidth(10);
    panSplitter->setCursor(Qt::SizeHorCursor);
    panSplitter->installEventFilter(this);
    row->addWidget(panSplitter);
    buildProfilePanel(std::move(playerFactory));
    row->addWidget(panProfile);
    buildMenu();

    connect(m_intake.get(), &TaskIntake::welcomeHidden, panbg, &QWidget::hide);
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
        panBottomCenter->setVisible(!shown);
        panBottomLeft->setVisible(shown);
        fitBottomBar();
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

    FormCreate(args);
}

TMainForm::~TMainForm()
{
    // The task store goes before the list and the grid that show it: no
    // selection change and no edit reaches it from here on.
    QObject::disconnect(ltvTask->selectionModel(), nullptr, this, nullptr);
    QObject::disconnect(vleOutput, nullptr, this, nullptr);
    // No encoder outlives the window.
    m_encoder.TerminateEncoder();
}

void TMainForm::buildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(75);
    ToolBar1->setIconSize(QSize(48, 48));
    ToolBar1->setContentsMargins(5, 5, 5, 5);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto button = [this](const QString &name, const QString &hint, void (TMainForm::*slot)()) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(QStringLiteral("tbtn") + name);
        b->setIcon(ToolIcon(name.toLower()));
        b->setIconSize(QSize(48, 48));
        b->setFixedSize(56, 54);
        b->setAutoRaise(true);
        b->setToolTip(hint);
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
    separator(12);
    tbtnSetting =
        button(QStringLiteral("Setting"), QStringLiteral("Settings"), &TMainForm::tbtnSettingClick);
    separator(8);
    tbtnAbout =
        button(QStringLiteral("About"), QStringLiteral("About"), &TMainForm::tbtnAboutClick);
    tbtnHelp = button(QStringLiteral("Help"), QStringLiteral("Help"), &TMainForm::tbtnHelpClick);
    setTaskButtonsEnabled(false);
    tbtnStop->setEnabled(false);
}

void TMainForm::buildMainArea()
{
    panMain = new QWidget(this);
    panMain->setObjectName(QStringLiteral("panMain"));
    panMain->installEventFilter(this);
    auto *column = new QVBoxLayout(panMain);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *listRow = new QHBoxLayout;
    listRow->setContentsMargins(10, 0, 0, 0);
    ltvTask = new QTreeView(panMain);
    ltvTask->setObjectName(QStringLiteral("ltvTask"));
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
    buildWelcomePanel();
    Memo1 = new QPlainTextEdit(panMain);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->hide();
}

void TMainForm::buildBottomBar()
{
    panBottom = new QWidget(panMain);
    panBottom->setObjectName(QStringLiteral("panBottom"));
    panBottom->setFixedHeight(77);

    panBottomCenter = new QWidget(panBottom);
    panBottomCenter->setObjectName(QStringLiteral("panBottomCenter"));
    labProfile = MakeLabel(QStringLiteral("Profile:"), panBottomCenter, 4, 15);
    cmbProfile = new QComboBox(panBottomCenter);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->setEditable(false);
    cmbProfile->setGeometry(74, 10, 434, 24);
    connect(cmbProfile, &QComboBox::activated, this, &TMainForm::cmbProfileChange);
    bbtnSetting = new QPushButton(QStringLiteral("&Setting"), panBottomCenter);
    bbtnSetting->setObjectName(QStringLiteral("bbtnSetting"));
    bbtnSetting->setGeometry(517, 9, 75, 26);
    connect(bbtnSetting, &QPushButton::clicked, this, &TMainForm::bbtnSettingClick);
    labOutputPath = MakeLabel(QStringLiteral("Output Path:"), panBottomCenter, 4, 47);
    edtOutputdir = new QLineEdit(panBottomCenter);
    edtOutputdir->setObjectName(QStringLiteral("edtOutputdir"));
    edtOutputdir->setGeometry(75, 42, 349, 24);
    bbtnBrowser = new QPushButton(QStringLiteral("&Browse"), panBottomCenter);
    bbtnBrowser->setObjectName(QStringLiteral("bbtnBrowser"));
    bbtnBrowser->setGeometry(432, 41, 75, 26);
    connect(bbtnBrowser, &QPushButton::clicked, this, &TMainForm::bbtnBrowserClick);
    bbtnOpen = new QPushButton(QStringLiteral("&Open"), panBottomCenter);
    bbtnOpen->setObjectName(QStringLiteral("bbtnOpen"));
    bbtnOpen->setGeometry(517, 41, 75, 26);
    connect(bbtnOpen, &QPushButton::clicked, this, &TMainForm::bbtnOpenClick);
    labAdding = MakeLabel(QString(), panBottomCenter, 4, 79, 180);
    labAdding->setObjectName(QStringLiteral("labAdding"));
    labAdding->hide();
    pgbAdding = new QProgressBar(panBottomCenter);
    pgbAdding->setObjectName(QStringLiteral("pgbAdding"));
    pgbAdding->setTextVisible(false);
    pgbAdding->setGeometry(190, 80, 402, 14);
    pgbAdding->hide();

    panBottomLeft = new QWidget(panBottom);
    panBottomLeft->setObjectName(QStringLiteral("panBottomLeft"));
    MakeLabel(QStringLiteral("Converting:"), panBottomLeft, 8, 4);
    labConvertingFile = MakeLabel(QStringLiteral("No File"), panBottomLeft, 115, 4, 480);
    labConvertingFile->setObjectName(QStringLiteral("labConvertingFile"));
    MakeLabel(QStringLiteral("Time Elapsed:"), panBottomLeft, 8, 21);
    labElapsed = MakeLabel(QStringLiteral("00:00:00"), panBottomLeft, 115, 21, 90);
    labElapsed->setObjectName(QStringLiteral("labElapsed"));
    MakeLabel(QStringLiteral("Time Remaining:"), panBottomLeft, 230, 21);
    labRemaining = MakeLabel(QStringLiteral("00:00:00"), panBottomLeft, 340, 21, 90);
    labRemaining->setObjectName(QStringLiteral("labRemaining"));
    MakeLabel(QStringLiteral("Current Progress:"), panBottomLeft, 8, 39);
    pgbCurrent = new QProgressBar(panBottomLeft);
    pgbCurrent->setObjectName(QStringLiteral("pgbCurrent"));
    pgbCurrent->setRange(0, 100);
    pgbCurrent->setValue(0);
    pgbCurrent->setTextVisible(false);
    pgbCurrent->setGeometry(115, 40, 457, 14);
    labCurProgress = MakeLabel(QStringLiteral("0%"), panBottomLeft, 580, 39, 30);
    labCurProgress->setObjectName(QStringLiteral("labCurProgress"));
    MakeLabel(QStringLiteral("Total Progress:"), panBottomLeft, 8, 57);
    pgbTotal = new QProgressBar(panBottomLeft);
    pgbTotal->setObjectName(QStringLiteral("pgbTotal"));
    pgbTotal->setRange(0, 100);
    pgbTotal->setValue(0);
    pgbTotal->setTextVisible(false);
    pgbTotal->setGeometry(115, 58, 457, 14);
    labTotalProgress = MakeLabel(QStringLiteral("0%"), panBottomLeft, 580, 57, 30);
    labTotalProgress->setObjectName(QStringLiteral("labTotalProgress"));
}

void TMainForm::buildWelcomePanel()
{
    panbg = new QFrame(panMain);
    panbg->setObjectName(QStringLiteral("panbg"));
    // The panel keeps the plain window colour under the skin.
    panbg->setProperty("tag", 9999);
    panbg->setAutoFillBackground(true);
    QPalette p = panbg->palette();
    p.setColor(QPalette::Window, Qt::white);
    panbg->setPalette(p);
    panbg->setGeometry(11, 1, 568, 350);

    labProductName = new QLabel(Branding::ProductName, panbg);
    labProductName->setObjectName(QStringLiteral("labProductName"));
    labProductName->setFont(TahomaFont(31, true));
    labProductName->setGeometry(32, 24, 500, 40);

    auto *start = new QLabel(QStringLiteral("Getting Start:"), panbg);
    start->setFont(TahomaFont(16, true));
    SetTextColour(start, QColor(19, 157, 217));
    start->setGeometry(36, 88, 300, 22);

    const char *const lines[] = {"1. Add multiple videos to the Task List.",
                                 "2. Select a profile and output path.",
                                 "3. Click on the \"Start\" button."};
    int y = 122;
    for (const char *line : lines) {
        auto *l = new QLabel(QString::fromLatin1(line), panbg);
        l->setFont(TahomaFont(15, true));
        SetTextColour(l, QColor(112, 112, 112));
        l->setGeometry(52, y, 400, 22);
        y += 30;
    }

    auto *picture = new QLabel(panbg);
    picture->setObjectName(QStringLiteral("imgWelcome"));
    picture->setPixmap(QIcon(QStringLiteral(":/icons/welcome.svg")).pixmap(QSize(150, 105)));
    picture->setGeometry(390, 200, 150, 105);

    labLink =
        new QLabel(QStringLiteral("%1  -  %2").arg(Branding::MakerName, Branding::WebSite), panbg);
    labLink->setObjectName(QStringLiteral("labLink"));
    labLink->setFont(TahomaFont(12, false));
    SetTextColour(labLink, QColor(194, 194, 194));
    labLink->setCursor(Qt::PointingHandCursor);
    labLink->setGeometry(36, 318, 500, 18);
    labLink->installEventFilter(this);
}

void TMainForm::buildProfilePanel(PlayerFactory playerFactory)
{
    panProfile = new QWidget(this);
    panProfile->setObjectName(QStringLiteral("panProfile"));
    panProfile->setFixedWidth(200);
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
    AddFiles1 =
        ppmTask->addAction(QStringLiteral("Add Files..."), this, &TMainForm::tbtnAddFileClick);
    AddDirectorys1 =
        ppmTask->addAction(QStringLiteral("Add Directorys..."), this, &TMainForm::tbtnAddDirClick);
    ppmTask->addSeparator();
    Remove1 = ppmTask->addAction(QStringLiteral("Remove"), this, &TMainForm::tbtnRemoveClick);
    Clear1 = ppmTask->addAction(QStringLiteral("Clear"), this, &TMainForm::tbtnClearClick);
    connect(ltvTask, &QTreeView::customContextMenuRequested, this, [this](const QPoint &pos) {
        ppmTaskPopup();
        ppmTask->popup(ltvTask->viewport()->mapToGlobal(pos));
    });
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
    setWindowTitle(product + QStringLiteral(" V") + m_version);

    cmbProfile->addItems(ProfileCatalogue(m_paths));
    cmbProfile->setCurrentIndex(-1);

    m_args = args;
    m_hadArgs = !args.isEmpty();
    setAcceptDrops(true);

    panBottomCenter->setGeometry(0, 0, 607, 77);
    panBottomLeft->setGeometry(0, 0, 607, 77);
    panBottomLeft->hide();

    const int widths[] = {260, 90, 80, 100};
    for (int c = 0; c < TaskStore::ColumnCount; ++c)
        ltvTask->header()->resizeSection(c, widths[c]);

    resize(798, 539);
    // Narrower, the bottom bar would hide the output path box.
    setMinimumSize(798, 539);
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
    const QStringList files = m_platform.openFileNames(FileDialogFilter());
    if (!files.isEmpty())
        m_intake->AddFromDialog(files);
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
    if (m_platform.browseForDirectory(QStringLiteral("Add a directory to the Task List"), dir))
        m_intake->AddDirectory(dir);
    ltvTask->setFocus();
    enableTaskButtonsIfAny();
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
    const QList<int> rows = selectedRows();
    for (int i = int(rows.size()) - 1; i >= 0; --i)
        m_tasks.removeRowAt(rows[i]);
    // Every selected task is gone: the Output values are emptied.
    ltvTaskClick();
    if (m_tasks.count() == 0)
        setTaskButtonsEnabled(false);
}

void TMainForm::tbtnClearClick()
{
    vleOutput->endEdit();
    m_tasks.clearRows();
    ltvTaskClick();
    setTaskButtonsEnabled(false);
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
    for (int c = 0; c < TaskStore::ColumnCount; ++c) {
        // Rounded half to even, like every rounding of this program.
        m_columnWidths[c] += int(std::nearbyint(d * ColumnShares[c]));
        header->resizeSection(c, std::max(MinColumnWidth, m_columnWidths[c]));
    }
}

// ---------------------------------------------------------------- run

void TMainForm::tbtnStartClick()
{
    // An edit still open in the Output grid is validated into its task
    // before the run reads the tasks.
    vleOutput->endEdit();
    ltvTask->setFocus();
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

void TMainForm::EnterRunMode()
{
    panPreview->stopPlayback();
    tbtnAddFile->setEnabled(false);
    tbtnAddDir->setEnabled(false);
    setTaskButtonsEnabled(false);
    tbtnStop->setEnabled(true);
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
    m_addingShown = total > 0;
    if (m_addingShown) {
        labAdding->setText(QStringLiteral("Adding files: %1 of %2").arg(done).arg(total));
        pgbAdding->setRange(0, total);
        pgbAdding->setValue(done);
    }
    fitBottomBar();
}

void TMainForm::fitBottomBar()
{
    // The idle panel grows by the row of the intake's progress while files
    // are being added.
    const bool row = m_addingShown && panBottomCenter->isVisibleTo(panBottom);
    if (labAdding->isVisibleTo(panBottomCenter) == row && panBottom->height() == (row ? 99 : 77))
        return;
    labAdding->setVisible(row);
    pgbAdding->setVisible(row);
    panBottom->setFixedHeight(row ? 99 : 77);
    panBottomCenter->resize(panBottomCenter->width(), panBottom->height());
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
                           m_outputValues->valueOf(QStringLiteral("End Time")));
    // A task still being probed has no times to check an edit against: only
    // its name can change meanwhile.
    const bool probing = record.Status == TaskStatus::Probing;
    for (int field : {ItemField::NewFilename, ItemField::NewFileExt, ItemField::ClipLength,
                      ItemField::StartTime, ItemField::EndTime})
        if (!probing || field == ItemField::NewFilename || field == ItemField::NewFileExt)
            m_tasks.SetItemData(row, field, edited);
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
    FormResize();
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
    const QList<QWidget *> dialogs{m_settingForm, m_aboutForm, m_sizeForm, m_logForm.get()};
    for (QWidget *dialog : dialogs)
        if (dialog && dialog->isVisible())
            dialog->close();
}

void TMainForm::FormResize()
{
    const int w = panMain->width();
    panBottomCenter->resize(w, panBottomCenter->height());
    panBottomLeft->resize(w, panBottomLeft->height());
    bbtnSetting->move(w - 90, bbtnSetting->y());
    cmbProfile->resize(bbtnSetting->x() - 83, cmbProfile->height());
    bbtnOpen->move(w - 90, bbtnOpen->y());
    bbtnBrowser->move(bbtnOpen->x() - 85, bbtnBrowser->y());
    edtOutputdir->resize(bbtnBrowser->x() - 83, edtOutputdir->height());
    // The percentage labels take the width "100%" needs in their font, at
    // least the designed 27 pixels, at the right edge.
    for (QLabel *label : {labCurProgress, labTotalProgress}) {
        const int width =
            std::max(27, label->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 1);
        label->setGeometry(w - width, label->y(), width, label->height());
    }
    pgbCurrent->resize(labCurProgress->x() - 123, pgbCurrent->height());
    pgbTotal->resize(labTotalProgress->x() - 123, pgbTotal->height());
    // The intake bar ends where the output path row ends.
    pgbAdding->resize(std::max(0, bbtnOpen->geometry().right() + 1 - pgbAdding->x()),
                      pgbAdding->height());
}

void TMainForm::panSplitterMouseMove(int x, Qt::MouseButtons buttons,
                                     Qt::KeyboardModifiers modifiers)
{
    if (buttons != Qt::LeftButton || modifiers != Qt::NoModifier || !panSplitter->isEnabled())
        return;
    // The strip's centre follows the pointer; the panel never gets a
    // negative width nor pushes the main area below zero.
    const int limit = std::max(0, centralWidget()->width() - panSplitter->width());
    const int width = std::clamp(panProfile->width() + 5 - x, 0, limit);
    if (width == panProfile->width())
        return;
    panProfile->setFixedWidth(width);
    centralWidget()->layout()->activate();
    FormResize();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // Events arrive while the window is still being built.
    if (!ltvTask || !panBottomLeft || !labLink || !panSplitter)
        return QMainWindow::eventFilter(watched, event);
    if (watched == ltvTask && event->type() == QEvent::Resize) {
        ltvTaskResized(static_cast<QResizeEvent *>(event)->size().width());
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
    } else if (watched == ltvTask->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // A click of the left button; a right click opens the menu instead.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            ltvTaskClick();
    } else if (watched == panSplitter && event->type() == QEvent::MouseMove) {
        auto *me = static_cast<QMouseEvent *>(event);
        panSplitterMouseMove(int(me->position().x()), me->buttons(), me->modifiers());
        return true;
    } else if (watched == labLink) {
        if (event->type() == QEvent::MouseButtonPress) {
            SetTextColour(labLink, QColor(128, 165, 253));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            SetTextColour(labLink, QColor(194, 194, 194));
            auto *me = static_cast<QMouseEvent *>(event);
            if (labLink->rect().contains(me->position().toPoint()))
                m_platform.shellOpen(Branding::WebSite);
        }
    }
    if (watched == panMain && event->type() == QEvent::Resize)
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}
