#include "mainformfixture.h"

#include "recordingplayer.h"
#include "ui/aboutform.h"
#include "ui/mainform.h"
#include "ui/processform.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>

MainFormFixture::MainFormFixture(const QStringList &args) : MainFormFixture(args, Options()) {}

namespace {

AppPaths layout(const MainFormFixture::Options &options, const QString &programDir,
                const QString &home)
{
    if (!options.installed)
        return AppPaths::portable(programDir);
    QDir().mkpath(home + QStringLiteral("/Videos"));
    return AppPaths::installed(programDir, home + QStringLiteral("/config/Quivercast"),
                               home + QStringLiteral("/data/Quivercast/Profiles"),
                               home + QStringLiteral("/Videos"));
}

} // namespace

MainFormFixture::MainFormFixture(const QStringList &args, const Options &options,
                                 const std::function<void(MainFormFixture &)> &prepare)
    : dir(options.encoder, options.withShippedProfiles, options.withPreferences),
      paths(layout(options, dir.path(), home.path()))
{
    QDir().mkpath(dir.file(QStringLiteral("Profiles")));
    for (const auto &[name, type] : options.profiles)
        writeProfile(dir.file(QStringLiteral("Profiles/") + name + QStringLiteral(".apf")), type);
    if (!options.preferences.isEmpty()) {
        QFile f(dir.file(QStringLiteral("Preferences.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write(options.preferences.toUtf8());
    }
    if (options.withProbeHelper)
        QFile::link(testsupport::probeHelper(), dir.file(QStringLiteral("quivercast-probe")));
    if (prepare)
        prepare(*this);
    pathProblems = paths.prepareUserFiles();
    form = std::make_unique<TMainForm>(
        paths, platform,
        [this](QVideoWidget *) -> std::unique_ptr<PreviewPlayer> {
            auto p = std::make_unique<RecordingPlayer>();
            player = p.get();
            return p;
        },
        args);
    processForm = std::make_unique<TProcessForm>(form.get());
    aboutForm = std::make_unique<TAboutForm>(form.get(), platform, form->versionText());
    QStringList catalogue;
    for (int i = 0; i < form->cmbProfile->count(); ++i)
        catalogue << form->cmbProfile->itemText(i);
    settingForm = std::make_unique<TSettingForm>(form.get(), paths, platform, catalogue);
    sizeForm = std::make_unique<TSizeForm>(form.get(), platform);
    settingForm->chkVerify->setChecked(
        options.checkOutputs.value_or(options.encoder != testsupport::fakeEncoder()));
    form->setAboutForm(aboutForm.get());
    form->setSettingForm(settingForm.get());
    form->setSizeForm(sizeForm.get());
    form->setProcessControl(&processControl);
}

MainFormFixture::~MainFormFixture()
{
    // The main window stores the preferences when it closes; tests close it
    // themselves when they want that.
    form->setSettingForm(nullptr);
    form->setSizeForm(nullptr);
    form->setAboutForm(nullptr);
}

void MainFormFixture::show()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents();
}

void MainFormFixture::waitForIntake()
{
    QVERIFY(testsupport::waitForIntake(form->intake()));
}

void MainFormFixture::waitForRun()
{
    QVERIFY(testsupport::waitForRunEnd(form->batch()));
}

void MainFormFixture::writeProfile(const QString &path, const QString &type)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(QStringLiteral("[Main]\r\nType=%1\r\nPara=2\r\n0=Video Codec\r\n1=Bit Rate\r\n"
                           "[Video Codec]\r\nSort=1\r\nList=1\r\ncmd=-c:v\r\n"
                           "Caption=MPEG-4,H.264,\r\nValue=mpeg4,libx264,\r\nIndex=0\r\n"
                           "[Bit Rate]\r\nSort=1\r\nList=0\r\ncmd=-b:v\r\nCaption=800k\r\n"
                           "Value=800k\r\n")
                .arg(type)
                .toUtf8());
}
