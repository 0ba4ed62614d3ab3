// The real Platform: the file dialog filter, the addresses handed to the
// desktop, and the toolkit's own file and folder dialogs, driven offscreen by
// mouse and keys as a user would.
#include "engine/intake.h"
#include "engine/probequeue.h"
#include "engine/taskstore.h"
#include "support/testsupport.h"
#include "ui/widgetplatform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
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
            QStringList openFileNames(const QString &filter) override
            {
                return returned = WidgetPlatform::openFileNames(filter);
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

    // The folder chooser starts at the desktop folder, or at home without one.
    void folderChooserStart_data()
    {
        QTest::addColumn<bool>("withDesktop");
        QTest::newRow("desktop") << true;
        QTest::newRow("no desktop") << false;
    }
    void folderChooserStart()
    {
        QFETCH(bool, withDesktop);
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
        QVERIFY(
            !platform.browseForDirectory(QStringLiteral("Select the output directory."), chosen));
        qputenv("HOME", oldHome);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(started, withDesktop ? desktop : QDir(home.path()).absolutePath());
    }
};

QTEST_MAIN(TestWidgetPlatform)
#include "tst_widgetplatform.moc"
