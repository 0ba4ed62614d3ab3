// Builds the program's windows over a temporary program directory with the
// shipped profiles, brings them into the states worth looking at and writes
// a PNG of each:
//   screenshots [--point-size N] [--language CODE] <outdir>
// With --point-size, the windows get that desktop font size; with
// --language, they speak that language (de, ja, ..., pseudo).
#include "engine/batchrun.h"
#include "engine/probequeue.h"
#include "settings/valuelistmodel.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/aboutform.h"
#include "ui/gridsection.h"
#include "ui/intakecontroller.h"
#include "ui/languages.h"
#include "ui/logform.h"
#include "ui/mainform.h"
#include "ui/poweroffnotice.h"
#include "ui/runpanel.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/skin.h"
#include "ui/tasklistpanel.h"
#include "ui/valuelisteditor.h"
#include "ui/watchcontroller.h"
#include "ui/watcheditform.h"
#include "ui/watchform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

int g_failures = 0;
QString g_out;

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
}

void save(QWidget *w, const QString &name)
{
    settle();
    const QString path = g_out + u'/' + name + QStringLiteral(".png");
    if (!w->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        ++g_failures;
        return;
    }
    QTextStream(stdout) << path << "\n";
}

void dialogs(MainFormFixture &f)
{
    TSettingForm &settings = *f.settingForm;
    f.form->tbtnSettingClick();
    save(&settings, QStringLiteral("settings-general"));
    settings.close();
    f.form->bbtnSettingClick();
    settings.vleVideo->setFocus();
    settings.vleVideo->setCurrentIndex(settings.vleVideo->model()->index(2, 1));
    settings.vleVideo->endEdit();
    save(&settings, QStringLiteral("settings-profiles"));
    settings.panAudio->toggle();
    save(&settings, QStringLiteral("settings-profiles-audio-folded"));
    settings.panAudio->toggle();
    settings.close();

    // Two watches, one of them on a folder that is not there.
    WatchList watches;
    WatchSettings home;
    home.folder = f.home.filePath(QStringLiteral("Incoming"));
    QDir().mkpath(home.folder);
    home.profile = QStringLiteral("MP4");
    home.outputDir = home.folder + QStringLiteral("/Converted");
    WatchSettings share = home;
    share.folder = QStringLiteral("/media/share/capture");
    share.outputDir = share.folder + QStringLiteral("/out");
    share.subfolders = true;
    share.existing = QStringLiteral("skip");
    watches.watches << home << share;
    f.form->watchController().setList(watches);
    f.form->tbtnWatchClick();
    TWatchForm &watchForm = *f.form->watchForm();
    save(&watchForm, QStringLiteral("watch-folders"));
    watchForm.btnEditClick();
    save(&watchForm.editForm(), QStringLiteral("watch-folder-edit"));
    watchForm.editForm().close();
    watchForm.close();

    f.form->tbtnAboutClick();
    save(f.aboutForm.get(), QStringLiteral("about"));
    f.aboutForm->close();

    TPowerOffNotice notice(60, f.form.get());
    notice.show();
    save(&notice, QStringLiteral("power-off-notice"));
    notice.btnCancel->click();

    // "Custom Size" chosen in the main window's Video grid opens the dialog.
    ValueListModel *video = f.form->vleVideo->values();
    const int row = video->findRow(QStringLiteral("Video Size"));
    if (row >= 0) {
        f.form->vleVideo->setCurrentIndex(video->index(row, 1));
        f.sizeForm->edtWidth->setText(QStringLiteral("720"));
        f.sizeForm->edtHeight->setText(QStringLiteral("480"));
        video->setValue(row, QStringLiteral("Custom Size"));
        save(f.sizeForm.get(), QStringLiteral("size"));
        f.sizeForm->btnOKClick();
        f.form->vleVideo->endEdit();
    } else {
        QTextStream(stderr) << "no Video Size row in the loaded profile\n";
        ++g_failures;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 3 && args[0] == QLatin1String("--point-size")) {
        // As a desktop with a larger font would give it.
        QFont font = QApplication::font();
        font.setPointSize(args[1].toInt());
        QApplication::setFont(font);
        args = args.mid(2);
    }
    if (args.size() == 3 && args[0] == QLatin1String("--language")) {
        if (!InstallTranslations(app, args[1], QStringLiteral(QC_BIN_DIR "/translations"))) {
            QTextStream(stderr) << "no translation for " << args[1] << "\n";
            return 2;
        }
        args = args.mid(2);
    }
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: screenshots [--point-size N] [--language CODE] <outdir>\n";
        return 2;
    }
    g_out = QDir(args[0]).absolutePath();
    QDir().mkpath(g_out);
    // As the program does: the desktop's font, the skin.
    ApplySkin(app);

    // Source clips, long enough for a run to be caught in the middle.
    QTemporaryDir clips;
    QStringList sources;
    for (const QString &name : {QStringLiteral("holiday.avi"), QStringLiteral("birthday.avi"),
                                QStringLiteral("garden party.avi")}) {
        const QString path = testsupport::makeStandardClip(clips.filePath(name), 20.0);
        if (path.isEmpty()) {
            QTextStream(stderr) << "cannot generate " << name << "\n";
            return 1;
        }
        sources << path;
    }

    MainFormFixture::Options options;
    options.withShippedProfiles = true;
    options.withPreferences = true;

    // The main window at start: the welcome panel.
    {
        MainFormFixture f({}, options);
        f.form->show();
        settle();
        save(f.form.get(), QStringLiteral("main-start"));
        // A press in the Output grid with no task: the tip.
        TValueListEditor *output = f.form->vleOutput;
        QTest::mouseClick(output->viewport(), Qt::LeftButton, {},
                          output->visualRect(output->model()->index(1, 1)).center());
        if (output->balloonTip())
            save(output->balloonTip(), QStringLiteral("output-tip"));
    }

    // Files being added: their rows at once, the one still probed shown as
    // such, and the intake's progress below the output path.
    {
        MainFormFixture::Options adding = options;
        adding.encoder = testsupport::fakeEncoder();
        MainFormFixture f({}, adding);
        testsupport::setFakeScript(
            clips.path(),
            {"sleepif birthday 5000",
             "print Input #0, avi, from '$last':\\n  Duration: 00:00:20.00, start: 0, "
             "bitrate: 1 kb/s\\n  Stream #0:0: Video: mpeg4, yuv420p, 320x240\\n"});
        f.form->show();
        settle();
        f.form->intakeController().DropPaths(sources);
        if (!QTest::qWaitFor([&] { return f.form->probes().doneCount() == 2; }, 5000))
            std::fprintf(stderr, "the quick probes did not end\n");
        save(f.form.get(), QStringLiteral("main-adding"));
        qunsetenv("QC_FAKE_SCRIPT");
    }

    MainFormFixture f(sources, options);
    f.form->edtOutputdir->setText(f.dir.path());
    f.form->show();
    settle();
    if (!testsupport::waitForIntake(f.form->intake()))
        qWarning("the intake did not end");
    const int profile = f.form->cmbProfile->findData(QStringLiteral("MKV H.265 + AAC"));
    if (profile >= 0) {
        f.form->cmbProfile->setCurrentIndex(profile);
        f.form->cmbProfileChange();
    }
    f.form->taskList().selectRows({0});
    f.form->taskList().ltvTaskClick();
    save(f.form.get(), QStringLiteral("main-idle"));
    // Half a small laptop screen, with a report of what a drop left out;
    // then maximised on a large screen.
    const QSize designed = f.form->size();
    f.form->resize(640, 480);
    f.form->intakeController().DropPaths(
        {sources.first(), clips.filePath(QStringLiteral("notes.txt"))});
    if (!testsupport::waitForIntake(f.form->intake()))
        qWarning("the intake did not end");
    save(f.form.get(), QStringLiteral("main-640x480"));
    f.form->resize(1920, 1080);
    save(f.form.get(), QStringLiteral("main-maximised"));
    f.form->resize(designed);

    dialogs(f);

    // During a run: caught once the current file is under way, then stopped.
    bool caught = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!caught && f.form->pgbCurrent->value() >= 20) {
            caught = true;
            // The status area's note on a converting task that was to go.
            f.form->taskList().selectRows({f.form->batch().currentTask()});
            f.form->taskList().tbtnRemoveClick();
            save(f.form.get(), QStringLiteral("main-running"));
            // The widest the percentage labels get.
            f.form->labCurProgress->setText(QStringLiteral("100%"));
            f.form->labTotalProgress->setText(QStringLiteral("100%"));
            save(f.form->panBottomLeft, QStringLiteral("progress-100"));
            f.form->runPanel().tbtnStopClick();
        }
    });
    poll.start();
    f.form->runPanel().tbtnStartClick();
    if (!testsupport::waitForRunEnd(f.form->batch())) {
        QTextStream(stderr) << "the run did not end\n";
        ++g_failures;
    }
    poll.stop();
    if (!caught) {
        QTextStream(stderr) << "the run ended before it could be caught\n";
        ++g_failures;
    }
    save(f.form.get(), QStringLiteral("main-after-run"));

    // The log of the task that was stopped.
    f.form->taskList().selectRows({0});
    f.form->taskList().ShowLog1Click();
    if (TLogForm *log = f.form->taskList().logForm()) {
        settle();
        save(log, QStringLiteral("log"));
        log->close();
    } else {
        QTextStream(stderr) << "the stopped task has no log\n";
        ++g_failures;
    }

    return g_failures == 0 ? 0 : 1;
}
