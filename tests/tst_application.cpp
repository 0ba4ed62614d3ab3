// The top-level error handler: an exception escaping an event handler ends
// that action, its text is shown through the Platform, and the program goes
// on handling events; the start of the real program is covered too.
#include "platform/recordingplatform.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/application.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <unistd.h>

namespace {

class Thrower : public QObject
{
public:
    int handled = 0;
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            ++handled;
            throw std::runtime_error(
                "Cannot create file \"/ro/Preferences.ini\". Permission denied");
        }
        if (e->type() == QEvent::User + 1) {
            ++handled;
            return true;
        }
        return QObject::event(e);
    }
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT
public:
    RecordingPlatform *platform = nullptr;

private slots:
    void exceptionShownAndProgramGoesOn()
    {
        QVERIFY(platform);
        Thrower t;
        QEvent failing(QEvent::User);
        QCoreApplication::sendEvent(&t, &failing);
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].text,
                 QStringLiteral("Cannot create file \"/ro/Preferences.ini\". Permission denied"));
        QCOMPARE(platform->messages[0].icon, Platform::Icon::Error);

        // Posted events go through the same handler; the loop keeps running.
        QCoreApplication::postEvent(&t, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&t, new QEvent(QEvent::Type(QEvent::User + 1)));
        QTRY_COMPARE(t.handled, 3);
        QCOMPARE(platform->messages.size(), 2);
    }

    void errorWhileShowingIsNotNested()
    {
        // A message box that itself raises an error does not open a second
        // box inside the first.
        Thrower t;
        const qsizetype before = platform->messages.size();
        platform->onMessage = [&t](const RecordingPlatform::Message &) {
            QEvent failing(QEvent::User);
            QCoreApplication::sendEvent(&t, &failing);
        };
        QEvent failing(QEvent::User);
        QCoreApplication::sendEvent(&t, &failing);
        platform->onMessage = nullptr;
        QCOMPARE(platform->messages.size(), before + 1);
    }

    // The program itself, started on a copy of its directory whose settings
    // it cannot use, as an unprivileged user meets it: it reports the error
    // (message box and standard error output) and keeps running with its
    // window open instead of ending.
    void startWithUnusableSettings_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("read-only preferences") << "Preferences.ini"
                                               << "read-only"
                                               << "Cannot create file \"%1\". Permission denied";
        QTest::newRow("unreadable preferences") << "Preferences.ini"
                                                << "unreadable"
                                                << "Cannot open file \"%1\". Permission denied";
        QTest::newRow("preferences a directory") << "Preferences.ini"
                                                 << "directory"
                                                 << "Cannot open file \"%1\". Is a directory";
        QTest::newRow("unreadable profile") << "Profiles/A.apf"
                                            << "unreadable"
                                            << "Cannot open file \"%1\". Permission denied";
    }
    void startWithUnusableSettings()
    {
        QFETCH(QString, broken);
        QFETCH(QString, damage);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("bin/"));
        QVERIFY(QDir().mkpath(bin + QStringLiteral("Profiles")));
        QVERIFY(QFile::copy(testsupport::binDir() + QStringLiteral("/quivercast"),
                            bin + QStringLiteral("quivercast")));
        QVERIFY(QFile::link(testsupport::ffmpeg(), bin + QStringLiteral("wmaspi.dll")));
        MainFormFixture::writeProfile(bin + QStringLiteral("Profiles/A.apf"),
                                      QStringLiteral("mp4"));
        QVERIFY(testsupport::writeFile(bin + QStringLiteral("Preferences.ini"), "[Main]\r\n"));
        const QString path = bin + broken;
        if (damage == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(path,
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        else if (damage == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(path, {}));
        else
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));

        QProcess program;
        program.setWorkingDirectory(bin);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        if (geteuid() == 0) {
            // Root reads any file: run it as nobody, who owns the copy.
            QProcess chown;
            chown.start(QStringLiteral("chown"),
                        {QStringLiteral("-R"), QStringLiteral("65534:65534"), dir.path()});
            QVERIFY(chown.waitForFinished() && chown.exitCode() == 0);
            program.start(QStringLiteral("setpriv"),
                          {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                           QStringLiteral("--clear-groups"), bin + QStringLiteral("quivercast")});
        } else {
            program.start(bin + QStringLiteral("quivercast"));
        }
        QVERIFY(program.waitForStarted());
        // The message box waits for the user; its text is on stderr as well.
        const QByteArray expected = message.arg(path).toUtf8();
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += program.readAllStandardError(), err.split('\n').contains(expected)), 60000);
        QTest::qWait(200);
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished();
    }
};

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    RecordingPlatform platform;
    app.setPlatform(&platform);
    TestApplication test;
    test.platform = &platform;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
