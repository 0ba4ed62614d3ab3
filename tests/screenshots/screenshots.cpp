// Builds the program's windows in a temporary program directory, brings
// them into the states worth looking at and writes a PNG of each:
//   screenshots <outdir>
#include "engine/valuelistmodel.h"
#include "platform/recordingplatform.h"
#include "support/testsupport.h"
#include "ui/aboutform.h"
#include "ui/gridsection.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/skin.h"
#include "ui/valuelisteditor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>

namespace {

int g_failures = 0;

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
}

void save(QWidget *w, const QString &dir, const QString &name)
{
    settle();
    const QString path = dir + u'/' + name + QStringLiteral(".png");
    if (!w->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        ++g_failures;
        return;
    }
    QTextStream(stdout) << path << "\n";
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: screenshots <outdir>\n";
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);
    ApplySkin(app);

    testsupport::ProgramDir programDir(testsupport::ffmpeg(), true, true);
    RecordingPlatform platform;
    QWidget mainWindow;
    mainWindow.resize(798, 539);
    mainWindow.show();

    QStringList catalogue;
    for (const QString &f : QDir(programDir.path() + QStringLiteral("Profiles"))
                                .entryList({QStringLiteral("*.apf")}, QDir::Files, QDir::Name))
        catalogue << f.chopped(4);

    // Settings dialog, both pages.
    TSettingForm settings(&mainWindow, programDir.path(), platform, catalogue);
    settings.setMainOutputDirSource([&] { return programDir.path() + QStringLiteral("out/"); });
    settings.showPage(0);
    save(&settings, out, QStringLiteral("settings-general"));
    settings.showProfile(0);
    settings.vleVideo->setFocus();
    settings.vleVideo->setCurrentIndex(settings.vleVideo->model()->index(2, 1));
    settings.vleVideo->endEdit();
    save(&settings, out, QStringLiteral("settings-profiles"));
    settings.panAudio->toggle();
    save(&settings, out, QStringLiteral("settings-profiles-audio-folded"));
    settings.panAudio->toggle();
    settings.close();

    // About box.
    TAboutForm about(&mainWindow, platform, QStringLiteral("1.8"));
    about.open();
    save(&about, out, QStringLiteral("about"));
    about.close();

    // Custom size dialog with a typed size.
    ValueListModel video;
    video.appendRow(QStringLiteral("Video Size"), QStringLiteral("Custom Size"));
    TSizeForm size(&mainWindow, platform);
    size.setVideoGrid(&video);
    size.edtWidth->setText(QStringLiteral("720"));
    size.edtHeight->setText(QStringLiteral("480"));
    size.open();
    save(&size, out, QStringLiteral("size"));
    size.close();

    // The Output grid's tip with no task selected.
    ValueListModel output;
    output.appendRow(QStringLiteral("New Filename"));
    output.appendRow(QStringLiteral("Start Time"));
    output.appendRow(QStringLiteral("End Time"));
    QWidget outputHost;
    auto *grid = new TValueListEditor(&output);
    grid->setColumnWidths(95, 68);
    grid->setNoTaskGuard();
    grid->setGreyLockedRows(false);
    auto *section = new TGridSection(QStringLiteral("      Output"), grid, true, &outputHost);
    section->setGeometry(0, 0, 165, 18 + 3 * 18);
    outputHost.resize(165, 18 + 3 * 18);
    outputHost.show();
    settle();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(120, 25));
    if (grid->balloonTip())
        save(grid->balloonTip(), out, QStringLiteral("output-tip"));
    save(&outputHost, out, QStringLiteral("output-grid"));

    return g_failures == 0 ? 0 : 1;
}
