// The real Platform's conversions: the file dialog filter and the addresses
// handed to the desktop. The dialogs themselves are never opened by tests.
#include "engine/intake.h"
#include "ui/widgetplatform.h"

#include <QTest>
#include <QUrl>

class TestWidgetPlatform : public QObject
{
    Q_OBJECT
private slots:
    void programFilter()
    {
        const QStringList filters = WidgetPlatform::ConvertFilter(FileDialogFilter());
        QCOMPARE(filters.size(), 10);
        QCOMPARE(filters.first(),
                 QStringLiteral("All Support Files (*.avi *.mpg *.mpeg *.mp4 *.wmv *.mov *.vob "
                                "*.asf)"));
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
};

QTEST_MAIN(TestWidgetPlatform)
#include "tst_widgetplatform.moc"
