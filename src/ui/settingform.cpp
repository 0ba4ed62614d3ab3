#include "settingform.h"

#include "engine/tasktext.h"
#include "fixeddialog.h"
#include "gridsection.h"
#include "languages.h"
#include "platform/platform.h"
#include "sectionstack.h"
#include "settings/preferences.h"
#include "settings/profilegrids.h"
#include "settings/profiles.h"
#include "settings/profiletexts.h"
#include "valuelisteditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QWindow>
#include <utility>

namespace {
constexpr int KeyWidth = 160;
constexpr int ValueWidth = 200;
// The height the language's row and its note add to the General page.
constexpr int LanguageRows = 48;

// The designed rows of the three parameter grids, shown until a profile is
// loaded.
void addDesignedRows(ValueListModel &model, const QStringList &keys)
{
    for (const QString &key : keys)
        model.appendRow(key);
}
} // namespace

TSettingForm::TSettingForm(QWidget *mainWindow, const AppPaths &paths, Platform &platform,
                           const QStringList &catalogue, QWidget *parent)
    : QDialog(nullptr, FixedDialogFlags), m_mainWindow(mainWindow), m_paths(paths),
      m_platform(platform)
{
    // Not a child of the main window: disabling that must not disable us.
    if (parent)
        connect(parent, &QObject::destroyed, this, [this] { delete this; });
    setWindowTitle(tr("Settings"));
    // The designed height, and a row for the language.
    setFixedSize(415, 542 + LanguageRows);
    setModal(false);

    addDesignedRows(m_video, {QStringLiteral("Video Codec"), QStringLiteral("Video Size"),
                              QStringLiteral("Bit Rate"), QStringLiteral("Frame Rate"),
                              QStringLiteral("Aspect"), QStringLiteral("Disable Video")});
    addDesignedRows(m_audio, {QStringLiteral("Audio Codec"), QStringLiteral("Audio Bitrate"),
                              QStringLiteral("Sample Rate"), QStringLiteral("Channels"),
                              QStringLiteral("Volumn"), QStringLiteral("Disable Audio")});
    addDesignedRows(m_advanced,
                    {QStringLiteral("Bit Exact Algorithms"), QStringLiteral("Deinterlace")});

    pgcSetting = new QTabWidget(this);
    pgcSetting->setObjectName(QStringLiteral("pgcSetting"));
    pgcSetting->setGeometry(8, 8, 399, 486 + LanguageRows);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    pgcSetting->addTab(TabSheet1, tr("     General     "));
    pgcSetting->addTab(TabSheet2, tr("     Profiles     "));
    buildGeneralPage();
    buildProfilesPage();

    btnDefault = new QPushButton(tr("&Load Default"), this);
    btnDefault->setObjectName(QStringLiteral("btnDefault"));
    btnDefault->setGeometry(8, 506 + LanguageRows, 100, 25);
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(242, 506 + LanguageRows, 80, 25);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(327, 506 + LanguageRows, 80, 25);
    connect(btnDefault, &QPushButton::clicked, this, &TSettingForm::btnDefaultClick);
    connect(btnOK, &QPushButton::clicked, this, &TSettingForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSettingForm::btnCancelClick);

    FormCreate(catalogue);
    ScaleToFont(this);
    FitButtonRow({btnDefault}, false);
    FitButtonRow({btnOK, btnCancel}, true);
    FitButtonRow({btnSaveAs}, true);
    cmbProfile->resize(btnSaveAs->x() - 8 - cmbProfile->x(), cmbProfile->height());
}

TSettingForm::~TSettingForm() = default;

void TSettingForm::buildGeneralPage()
{
    // Rows are laid out from the labels' own widths, so no text is clipped
    // whatever the font.
    constexpr int Left = 12;
    constexpr int Right = 357;
    labOutputDir = new QLabel(tr("Default Output Path:"), TabSheet1);
    labOutputDir->adjustSize();
    labOutputDir->move(Left, 23);
    edtOutputDir = new QLineEdit(TabSheet1);
    edtOutputDir->setObjectName(QStringLiteral("edtOutputDir"));
    const int editLeft = labOutputDir->geometry().right() + 6;
    edtOutputDir->setGeometry(editLeft, 19, Right - 29 - editLeft, 23);
    labOutputDir->setBuddy(edtOutputDir);
    sbtnBrowse = new QToolButton(TabSheet1);
    sbtnBrowse->setObjectName(QStringLiteral("sbtnBrowse"));
    sbtnBrowse->setGeometry(Right - 25, 19, 25, 23);
    sbtnBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    sbtnBrowse->setToolTip(tr("Browse"));
    connect(sbtnBrowse, &QToolButton::clicked, this, &TSettingForm::sbtnBrowseClick);

    Label1 = new QLabel(tr("Synchronization Mode:"), TabSheet1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->adjustSize();
    Label1->move(Left, 63);
    cmbSyn = new QComboBox(TabSheet1);
    cmbSyn->setObjectName(QStringLiteral("cmbSyn"));
    const int comboLeft = Label1->geometry().right() + 6;
    cmbSyn->setGeometry(comboLeft, 59, qMin(180, Right - comboLeft), 23);
    cmbSyn->addItems({tr("Auto"), tr("Force Mode"), tr("Progressive Mode")});
    Label1->setBuddy(cmbSyn);

    chkOpenDir =
        new QCheckBox(tr("Open the output directory when the task is completed. "), TabSheet1);
    chkOpenDir->setObjectName(QStringLiteral("chkOpenDir"));
    chkOpenDir->setGeometry(12, 94, 355, 19);
    chkExit = new QCheckBox(tr("Exit the program when the task is completed."), TabSheet1);
    chkExit->setObjectName(QStringLiteral("chkExit"));
    chkExit->setGeometry(12, 116, 355, 19);
    chkTurnoff = new QCheckBox(tr("Turn off the computer when the task is completed."), TabSheet1);
    chkTurnoff->setObjectName(QStringLiteral("chkTurnoff"));
    chkTurnoff->setGeometry(12, 138, 355, 19);
    // Each output checked once converted; then, when asked, its source goes
    // to the Trash.
    chkVerify = new QCheckBox(tr("Check each output after converting"), TabSheet1);
    chkVerify->setObjectName(QStringLiteral("chkVerify"));
    chkVerify->setGeometry(12, 160, 355, 19);
    chkVerify->setChecked(true);
    chkTrash =
        new QCheckBox(tr("Move each source to the Trash once its output is checked"), TabSheet1);
    chkTrash->setObjectName(QStringLiteral("chkTrash"));
    chkTrash->setGeometry(12, 182, 379, 19);
    connect(chkVerify, &QCheckBox::toggled, chkTrash, &QWidget::setEnabled);

    // How many files are converted side by side (1: one after another).
    labConversions = new QLabel(tr("Simultaneous conversions:"), TabSheet1);
    labConversions->setObjectName(QStringLiteral("labConversions"));
    labConversions->adjustSize();
    labConversions->move(Left, 208);
    spnConversions = new QSpinBox(TabSheet1);
    spnConversions->setObjectName(QStringLiteral("spnConversions"));
    spnConversions->setRange(1, MaxSimultaneousConversions());
    spnConversions->setValue(1);
    spnConversions->setGeometry(labConversions->geometry().right() + 6, 204, 56, 23);
    labConversions->setBuddy(spnConversions);

    gpbOverWrite = new QGroupBox(tr("Output File Overwrite"), TabSheet1);
    gpbOverWrite->setObjectName(QStringLiteral("gpbOverWrite"));
    gpbOverWrite->setGeometry(12, 232, 345, 102);
    rdbOverWrite = new QRadioButton(tr("Overwrite"), gpbOverWrite);
    rdbOverWrite->setObjectName(QStringLiteral("rdbOverWrite"));
    rdbOverWrite->setGeometry(14, 26, 320, 19);
    rdbOverWrite->setChecked(true);
    rdbRename = new QRadioButton(tr("Not overwrite (Rename to <Filename> + Index"), gpbOverWrite);
    rdbRename->setObjectName(QStringLiteral("rdbRename"));
    rdbRename->setGeometry(14, 52, 320, 19);
    rdbSkip = new QRadioButton(tr("Skip (keep the existing file)"), gpbOverWrite);
    rdbSkip->setObjectName(QStringLiteral("rdbSkip"));
    rdbSkip->setGeometry(14, 78, 320, 19);

    // Adding files: folders with their subfolders, how many files are probed
    // at a time, and by what.
    gpbAdding = new QGroupBox(tr("Adding Files"), TabSheet1);
    gpbAdding->setObjectName(QStringLiteral("gpbAdding"));
    gpbAdding->setGeometry(12, 336, 345, 118);
    chkSubfolders = new QCheckBox(tr("Include subfolders"), gpbAdding);
    chkSubfolders->setObjectName(QStringLiteral("chkSubfolders"));
    chkSubfolders->setGeometry(14, 22, 320, 19);
    chkKeepStructure = new QCheckBox(tr("Keep folder structure"), gpbAdding);
    chkKeepStructure->setObjectName(QStringLiteral("chkKeepStructure"));
    chkKeepStructure->setGeometry(34, 44, 300, 19);
    chkKeepStructure->setEnabled(false);
    connect(chkSubfolders, &QCheckBox::toggled, chkKeepStructure, &QWidget::setEnabled);
    labProbes = new QLabel(tr("Simultaneous probes:"), gpbAdding);
    labProbes->setObjectName(QStringLiteral("labProbes"));
    labProbes->adjustSize();
    labProbes->move(14, 72);
    spnProbes = new QSpinBox(gpbAdding);
    spnProbes->setObjectName(QStringLiteral("spnProbes"));
    spnProbes->setRange(1, MaxSimultaneousProbes);
    spnProbes->setValue(DefaultSimultaneousProbes());
    spnProbes->setGeometry(labProbes->geometry().right() + 6, 68, 56, 23);
    labProbes->setBuddy(spnProbes);
    // Every file probed by a start of the encoder, not by the media reader.
    chkProbeEncoder = new QCheckBox(tr("Probe with the encoder only"), gpbAdding);
    chkProbeEncoder->setObjectName(QStringLiteral("chkProbeEncoder"));
    chkProbeEncoder->setGeometry(14, 94, 320, 19);

    // The window's language: the desktop's, or one chosen here.
    labLanguage = new QLabel(tr("Language:"), TabSheet1);
    labLanguage->setObjectName(QStringLiteral("labLanguage"));
    labLanguage->adjustSize();
    labLanguage->move(Left, 464);
    cmbLanguage = new QComboBox(TabSheet1);
    cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    cmbLanguage->addItem(tr("System default"), QString());
    for (const Language &language : Languages())
        cmbLanguage->addItem(language.nativeName, language.code);
    const int languageLeft = labLanguage->geometry().right() + 6;
    cmbLanguage->setGeometry(languageLeft, 460,
                             qMin(qMax(180, cmbLanguage->sizeHint().width()), Right - languageLeft),
                             23);
    labLanguage->setBuddy(cmbLanguage);
    labLanguageNote = new QLabel(tr("The language changes at the next start."), TabSheet1);
    labLanguageNote->setObjectName(QStringLiteral("labLanguageNote"));
    labLanguageNote->setGeometry(Left, 486, Right - Left, 17);

    // Long captions take the width they need.
    for (QAbstractButton *b :
         {static_cast<QAbstractButton *>(chkOpenDir), static_cast<QAbstractButton *>(chkExit),
          static_cast<QAbstractButton *>(chkTurnoff), static_cast<QAbstractButton *>(chkVerify),
          static_cast<QAbstractButton *>(chkTrash), static_cast<QAbstractButton *>(chkSubfolders),
          static_cast<QAbstractButton *>(chkKeepStructure),
          static_cast<QAbstractButton *>(chkProbeEncoder)})
        b->resize(qMax(b->width(), b->sizeHint().width()),
                  qMax(b->height(), b->sizeHint().height()));
    // ... within their group.
    for (QAbstractButton *b :
         {static_cast<QAbstractButton *>(rdbOverWrite), static_cast<QAbstractButton *>(rdbRename),
          static_cast<QAbstractButton *>(rdbSkip)})
        b->resize(qBound(b->width(), b->sizeHint().width(), gpbOverWrite->width() - b->x() - 4),
                  b->height());
}

void TSettingForm::buildProfilesPage()
{
    cmbProfile = new QComboBox(TabSheet2);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->setGeometry(8, 12, 254, 25);
    btnSaveAs = new QPushButton(tr("&Save as..."), TabSheet2);
    btnSaveAs->setObjectName(QStringLiteral("btnSaveAs"));
    btnSaveAs->setGeometry(270, 12, 88, 25);
    connect(cmbProfile, &QComboBox::activated, this, [this](int) { cmbProfileChange(); });
    connect(btnSaveAs, &QPushButton::clicked, this, &TSettingForm::btnSaveAsClick);

    ScrollBox1 = new TSectionStack(TabSheet2);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(2, 46, 365, 364);

    auto makeGrid = [](ValueListModel *model) {
        auto *grid = new TValueListEditor(model);
        grid->setColumnWidths(KeyWidth, ValueWidth);
        return grid;
    };
    vleVideo = makeGrid(&m_video);
    vleVideo->setObjectName(QStringLiteral("vleVideo"));
    vleAudio = makeGrid(&m_audio);
    vleAudio->setObjectName(QStringLiteral("vleAudio"));
    vleAdvanced = makeGrid(&m_advanced);
    vleAdvanced->setObjectName(QStringLiteral("vleAdvanced"));
    // The dialog's headers do not react to double-clicks.
    panVideo = new TGridSection(tr("      Video"), vleVideo, false);
    panVideo->setObjectName(QStringLiteral("panVideo"));
    panAudio = new TGridSection(tr("      Audio"), vleAudio, false);
    panAudio->setObjectName(QStringLiteral("panAudio"));
    panAdvanced = new TGridSection(tr("      Advanced"), vleAdvanced, false);
    panAdvanced->setObjectName(QStringLiteral("panAdvanced"));
    ScrollBox1->addSection(panVideo);
    ScrollBox1->addSection(panAudio);
    ScrollBox1->addSection(panAdvanced);

    // A press in one grid moves the focus marker: redraw all three.
    for (TValueListEditor *grid : {vleVideo, vleAudio, vleAdvanced})
        connect(grid, &TValueListEditor::mousePressed, ScrollBox1, &TSectionStack::repaintGrids);
}

void TSettingForm::FormCreate(const QStringList &catalogue)
{
    for (const QString &name : catalogue)
        cmbProfile->addItem(DisplayProfileName(name), name);
    cmbProfile->setCurrentIndex(-1);
    LoadPreferences();
}

void TSettingForm::setMainOutputDirSource(std::function<QString()> source)
{
    m_mainOutputDir = std::move(source);
}

void TSettingForm::centreOnMainWindow()
{
    if (m_mainWindow)
        CentreOnWindow(this, m_mainWindow);
}

void TSettingForm::showPage(int page)
{
    show();
    raise();
    activateWindow();
    pgcSetting->setCurrentIndex(page);
}

void TSettingForm::showProfile(int index)
{
    showPage(1);
    cmbProfile->setCurrentIndex(index);
    cmbProfileChange();
}

void TSettingForm::showEvent(QShowEvent *event)
{
    // Kept above the main window, which it disables while shown.
    if (m_mainWindow && windowHandle() && m_mainWindow->windowHandle())
        windowHandle()->setTransientParent(m_mainWindow->windowHandle());
    if (!event->spontaneous())
        centreOnMainWindow();
    QDialog::showEvent(event);
    FormShow();
}

void TSettingForm::FormShow()
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
    if (m_mainOutputDir)
        edtOutputDir->setText(m_mainOutputDir());
}

void TSettingForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TSettingForm::FormClose()
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
}

QString TSettingForm::profileName() const
{
    return cmbProfile->currentData().toString();
}

QString TSettingForm::profilePath() const
{
    return ProfilePath(m_paths, profileName());
}

ProfileGrids TSettingForm::grids()
{
    return ProfileGrids{&m_video, &m_audio, &m_advanced};
}

void TSettingForm::btnCancelClick()
{
    reject();
}

void TSettingForm::btnOKClick()
{
    for (TValueListEditor *grid : {vleVideo, vleAudio, vleAdvanced})
        grid->endEdit();
    // 1. The main window takes the output path.
    emit outputPathApplied(edtOutputDir->text());
    // 2. The preferences.
    SavePreferences();
    // 3. The profile shown, when there is one and its file still exists.
    const QString name = profileName();
    if (!name.isEmpty()) {
        const QString path = profilePath();
        if (QFileInfo(path).isFile()) {
            // A shipped profile stays as it came: the values go into the
            // user's copy, which takes its place in the catalogue.
            const QString target = m_paths.profileSaveTarget(path);
            if (target == path)
                SaveProfile(path, grids());
            else
                SaveProfileAs(path, target, grids());
            // 4. The main window reloads when it shows the same profile.
            emit profileSaved(name);
        }
    }
    // 5.
    accept();
}

void TSettingForm::btnDefaultClick()
{
    if (m_platform.messageBox(tr("Are you sure to load the default preferences?"),
                              tr("Load Default"), Platform::Icon::Question,
                              Platform::Buttons::YesNo) != Platform::Answer::Yes)
        return;
    ReadPreferencesFrom(QStringLiteral("Default"));
}

void TSettingForm::cmbProfileChange()
{
    if (profileName().isEmpty())
        return;
    const QString path = profilePath();
    if (!QFileInfo(path).isFile())
        return;
    auto fitGrids = [this] {
        panVideo->setHeightForProfileLoad(m_video.count());
        panAudio->setHeightForProfileLoad(m_audio.count());
        panAdvanced->setHeightForProfileLoad(m_advanced.count());
    };
    try {
        LoadProfile(path, grids(), nullptr, !m_paths.isShipped(path));
    } catch (...) {
        // The rows are in even when the file could not be rewritten.
        fitGrids();
        throw;
    }
    fitGrids();
}

void TSettingForm::btnSaveAsClick()
{
    const QString target = m_platform.saveFileName(tr("Profiles (*.apf)|*.apf"),
                                                   QStringLiteral(".apf"), m_paths.saveAsFolder());
    if (target.isEmpty() || profileName().isEmpty())
        return;
    // An open edit belongs to the values saved.
    for (TValueListEditor *grid : {vleVideo, vleAudio, vleAdvanced})
        grid->endEdit();
    // A shipped profile chosen as the target is saved as the user's copy.
    SaveProfileAs(profilePath(), m_paths.profileSaveTarget(target), grids());
}

void TSettingForm::sbtnBrowseClick()
{
    QString path;
    if (m_platform.browseForDirectory(tr("Select the output directory."), path))
        edtOutputDir->setText(AddBackslash(path));
}

PreferenceValues TSettingForm::preferences() const
{
    PreferenceValues v;
    v.outputPath = edtOutputDir->text();
    v.synMode = cmbSyn->currentIndex();
    v.autoOpenDir = chkOpenDir->isChecked();
    v.autoExit = chkExit->isChecked();
    v.autoTurnOff = chkTurnoff->isChecked();
    v.overwrite = rdbOverWrite->isChecked();
    v.simultaneousProbes = spnProbes->value();
    v.includeSubfolders = chkSubfolders->isChecked();
    v.keepFolderStructure = chkKeepStructure->isChecked();
    v.probeWithEncoderOnly = chkProbeEncoder->isChecked();
    v.skip = rdbSkip->isChecked();
    v.simultaneousConversions = spnConversions->value();
    v.language = cmbLanguage->currentData().toString();
    v.verifyOutputs = chkVerify->isChecked();
    v.trashSources = chkTrash->isChecked();
    return v;
}

void TSettingForm::setPreferences(const PreferenceValues &values)
{
    edtOutputDir->setText(values.outputPath);
    cmbSyn->setCurrentIndex(values.synMode >= 0 && values.synMode < cmbSyn->count() ? values.synMode
                                                                                    : -1);
    chkOpenDir->setChecked(values.autoOpenDir);
    chkExit->setChecked(values.autoExit);
    chkTurnoff->setChecked(values.autoTurnOff);
    // The group's buttons exclude each other: checking one clears the others.
    if (values.overwrite)
        rdbOverWrite->setChecked(true);
    else if (values.skip)
        rdbSkip->setChecked(true);
    else
        rdbRename->setChecked(true);
    spnProbes->setValue(values.simultaneousProbes);
    spnConversions->setValue(values.simultaneousConversions);
    chkSubfolders->setChecked(values.includeSubfolders);
    chkKeepStructure->setChecked(values.keepFolderStructure);
    chkProbeEncoder->setChecked(values.probeWithEncoderOnly);
    chkVerify->setChecked(values.verifyOutputs);
    chkTrash->setChecked(values.trashSources);
    // A language this version does not know is kept as it is.
    int language = cmbLanguage->findData(values.language);
    if (language < 0) {
        cmbLanguage->addItem(values.language, values.language);
        language = cmbLanguage->count() - 1;
    }
    cmbLanguage->setCurrentIndex(language);
}

void TSettingForm::LoadPreferences()
{
    // Part of the start: a file that cannot be used leaves what was read and
    // the defaults for the rest; its error is shown once the windows are up.
    ReadPreferencesFrom(QStringLiteral("Main"), &m_startupErrors);
}

QStringList TSettingForm::takeStartupErrors()
{
    return std::exchange(m_startupErrors, {});
}

void TSettingForm::ReadPreferencesFrom(const QString &section, QStringList *errors)
{
    // The factory values come with the program; the user's own from the
    // user's file.
    const QString file = section.compare(QStringLiteral("Default"), Qt::CaseInsensitive) == 0
                             ? m_paths.shippedPreferencesFile()
                             : m_paths.preferencesFile();
    setPreferences(ReadPreferences(file, section, m_paths.factoryOutputPath(),
                                   !m_paths.isShipped(file), errors));
}

void TSettingForm::SavePreferences()
{
    if (m_paths.isShipped(m_paths.preferencesFile()))
        return; // the user was told at start-up that settings are not saved
    ::SavePreferences(m_paths.preferencesFile(), preferences());
}
