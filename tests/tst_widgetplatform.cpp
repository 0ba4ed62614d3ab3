// The real Platform: the file dialog filter, the addresses handed to the
// desktop, the toolkit's own file and folder dialogs and the notice before
// turning off, driven offscreen by mouse and keys as a user would.
#include "engine/intake.h"
#include "engine/probequeue.h"
#include "engine/taskstore.h"
#include "support/testsupport.h"
#include "ui/poweroffnotice.h"
#include "ui/widgetplatform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

namespace {

// Runs act on the file dialog the next call opens, once it is up.
void whenDialogOpens(const std::function<void(QFileDialog *)> &act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

} // namespace

class TestWidgetPlatform : public QObject
{
    Q_OBJECT
private slots:
    void programFilter()
    {
        const QStringList filters = WidgetPlatform::ConvertFilter(FileDialogFilter());
        QCOMPARE(filters.size(), 21);
        QCOMPARE(filters.first(),
                 QStringLiteral("All Support Files (*.avi *.mpg *.mpeg *.mp4 *.wmv *.mov *.vob "
                                "*.asf *.mkv *.webm *.m4v *.ts *.m2ts *.mts *.flv *.3gp *.ogv "
                                "*.mxf *.dv)"));
        QCOMPARE(filters[1], QStringLiteral("AVI Files (*.avi)"));
        QCOMPARE(filters.last(), QStringLiteral("All Files (*.*)"));
    }

    void profileFilter()
    {
        QCOMPARE(WidgetPlatform::ConvertFilter(QStringLiteral("Profiles (*.apf)|*.apf")),
                 QStringList({"Profiles (*.apf)"}));
        // A name without patterns in brackets, blanks around patterns, and a
        // dangling name without patterns.
        QCOMPARE(WidgetPlatform::ConvertFilter(QStringLiteral("Video| *.avi ; *.mp4 |Other")),
                 QStringList({"Video (*.avi *.mp4)"}));
    }

    void targets()
    {
        QCOMPARE(WidgetPlatform::TargetUrl(QStringLiteral("mailto:help@quivercast.example")),
                 QUrl(QStringLiteral("mailto:help@quivercast.example")));
        QCOMPARE(WidgetPlatform::TargetUrl(QStringLiteral("https://quivercast.example/a")),
                 QUrl(QStringLiteral("https://quivercast.example/a")));
        // Local paths with blanks, "#", "%" and non-ASCII letters stay paths.
        const QString path = QStringLiteral("/tmp/out dir #1 100%/vidéo/");
        const QUrl url = WidgetPlatform::TargetUrl(path);
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), path);
        QVERIFY(
            WidgetPlatform::TargetUrl(QStringLiteral("/opt/app/Quivercast.html")).isLocalFile());
    }

    // Files chosen in the dialog become tasks in the order the dialog gives
    // them.
    void fileDialogOrder_data()
    {
        QTest::addColumn<QStringList>("clicks"); // the first plain, the others with Ctrl
        QTest::newRow("one by one") << QStringList{"a.avi", "b.avi", "c.avi"};
        QTest::newRow("last first") << QStringList{"c.avi", "a.avi", "b.avi"};
    }
    void fileDialogOrder()
    {
        QFETCH(QStringList, clicks);
        QTemporaryDir dir;
        for (const char *name : {"a.avi", "b.avi", "c.avi"})
            QVERIFY(testsupport::writeFile(dir.filePath(QString::fromLatin1(name)), {}));
        // The real dialog; what it returned is kept for the comparison.
        struct Dialogs : WidgetPlatform
        {
            QStringList returned;
            QStringList openFileNames(const QString &filter, const QString &directory) override
            {
                return returned = WidgetPlatform::openFileNames(filter, directory);
            }
        } platform;
        TaskStore store;
        ProbeQueue probes(testsupport::fakeEncoder());
        TaskIntake intake(store, probes, platform);
        whenDialogOpens([&](QFileDialog *dialog) {
            dialog->setDirectory(dir.path());
            QAbstractItemView *view = nullptr;
            for (QAbstractItemView *v : dialog->findChildren<QAbstractItemView *>())
                if (v->isVisible() && v->objectName().endsWith(QLatin1String("View")))
                    view = v;
            QVERIFY(view);
            QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 3);
            Qt::KeyboardModifiers modifiers;
            for (const QString &name : clicks) {
                const QModelIndex first = view->model()->index(0, 0, view->rootIndex());
                const QModelIndex index =
                    view->model()
                        ->match(first, Qt::DisplayRole, name, 1, Qt::MatchExactly)
                        .value(0);
                QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                                  view->visualRect(index).center());
                modifiers = Qt::ControlModifier;
            }
            QTest::keyClick(dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")),
                            Qt::Key_Return);
        });
        QVERIFY(intake.AddFilesByDialog());
        QCOMPARE(platform.returned.size(), 3);
        QStringList added;
        for (int i = 0; i < store.count(); ++i)
            added << store.caption(i);
        QCOMPARE(added, platform.returned);
        QVERIFY(testsupport::waitForIntake(intake));
    }

    // The folder chooser starts at the folder given, else at the desktop
    // folder, or at home without one.
    void folderChooserStart_data()
    {
        QTest::addColumn<bool>("withDesktop");
        QTest::addColumn<bool>("given");
        QTest::newRow("desktop") << true << false;
        QTest::newRow("no desktop") << false << false;
        QTest::newRow("folder given") << true << true;
    }
    void folderChooserStart()
    {
        QFETCH(bool, withDesktop);
        QFETCH(bool, given);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
        const QString desktop = home.filePath(QStringLiteral("Desktop"));
        if (withDesktop)
            QVERIFY(QDir().mkpath(desktop));
        QString started;
        whenDialogOpens([&](QFileDialog *dialog) {
            started = dialog->directory().absolutePath();
            dialog->reject();
        });
        WidgetPlatform platform;
        QString chosen;
        const QString folder = home.filePath(QStringLiteral("clips"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!platform.browseForDirectory(QStringLiteral("Select the output directory."), chosen,
                                             given ? folder : QString()));
        qputenv("HOME", oldHome);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(started, given         ? folder
                          : withDesktop ? desktop
                                        : QDir(home.path()).absolutePath());
    }

    // The notice before the computer is turned off holds nothing up and
    // answers once: Cancel, the end of its countdown, Turn Off Now, or its
    // window closed. It never turns anything off itself.
    void powerOffNotice_data()
    {
        QTest::addColumn<QString>("act");
        QTest::addColumn<bool>("turnOff");
        QTest::newRow("Cancel") << "Cancel" << false;
        QTest::newRow("Turn Off Now") << "Turn Off Now" << true;
        QTest::newRow("time up") << "" << true;
        QTest::newRow("closed") << "close" << false;
    }
    void powerOffNotice()
    {
        QFETCH(QString, act);
        QFETCH(bool, turnOff);
        QWidget window;
        window.show();
        WidgetPlatform platform(&window);
        QList<bool> answers;
        platform.powerOffNotice(act.isEmpty() ? 2 : 60, [&](bool answer) { answers << answer; });
        auto *notice = window.findChild<TPowerOffNotice *>();
        QVERIFY(notice);
        QTRY_VERIFY(notice->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(window.isEnabled());
        QCOMPARE(notice->labText->text(),
                 act.isEmpty() ? QStringLiteral("The computer will turn off in 2 seconds.")
                               : QStringLiteral("The computer will turn off in 60 seconds."));
        if (act == QLatin1String("close"))
            notice->close();
        else if (!act.isEmpty())
            QTest::mouseClick(act == QLatin1String("Cancel") ? notice->btnCancel
                                                             : notice->btnTurnOffNow,
                              Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(answers, QList<bool>{turnOff}, 5000);
        QTRY_VERIFY(!window.findChild<TPowerOffNotice *>());
        QTest::qWait(act.isEmpty() ? 0 : 1100); // no second answer from the countdown
        QCOMPARE(answers.size(), 1);
    }
};

QTEST_MAIN(TestWidgetPlatform)
#include "tst_widgetplatform.moc"
