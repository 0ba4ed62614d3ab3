#include "settings/apppaths.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Where the program's files are in the portable and the installed layout,
// and what the first start of a user lays down.
class TestAppPaths : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_program; // the program's directory, with separator
    QString m_home;

private slots:
    void init()
    {
        QVERIFY(m_tmp.isValid());
        QDir(m_tmp.path()).removeRecursively();
        m_program = m_tmp.path() + QStringLiteral("/lib/quivercast/");
        m_home = m_tmp.path() + QStringLiteral("/home");
        QVERIFY(QDir().mkpath(m_program + QStringLiteral("Profiles")));
        QVERIFY(QDir().mkpath(m_home));
        QVERIFY(testsupport::writeFile(m_program + QStringLiteral("Preferences.ini"),
                                       "[Main]\r\nVersion=1.8\r\n"));
        // No test touches the real home folder.
        qputenv("HOME", m_home.toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_home + QStringLiteral("/conf")).toUtf8());
        qputenv("XDG_DATA_HOME", (m_home + QStringLiteral("/share")).toUtf8());
    }

    void locations_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("videos"); // the user has a Videos folder
        QTest::addColumn<QString>("preferences");
        QTest::addColumn<QString>("profiles");
        QTest::addColumn<QString>("output");
        QTest::newRow("portable") << false << true << "P/Preferences.ini"
                                  << "P/Profiles/"
                                  << "P/";
        QTest::newRow("installed") << true << true << "H/conf/Quivercast/Preferences.ini"
                                   << "H/share/Quivercast/Profiles/"
                                   << "H/Videos/";
        QTest::newRow("installed, no Videos")
            << true << false << "H/conf/Quivercast/Preferences.ini"
            << "H/share/Quivercast/Profiles/"
            << "H/";
    }
    void locations()
    {
        QFETCH(bool, installed);
        QFETCH(bool, videos);
        QFETCH(QString, preferences);
        QFETCH(QString, profiles);
        QFETCH(QString, output);
        // Only a leading "P/" or "H/": the folders' own names may hold them.
        const auto expand = [&](const QString &s) {
            if (s.startsWith(QStringLiteral("P/")))
                return m_program + s.mid(2);
            if (s.startsWith(QStringLiteral("H/")))
                return m_home + u'/' + s.mid(2);
            return s;
        };
        if (videos)
            QVERIFY(QDir().mkpath(m_home + QStringLiteral("/Videos")));
        const AppPaths paths = AppPaths::forProgram(
            m_program, installed ? AppPaths::Mode::Installed : AppPaths::Mode::Portable);
        QCOMPARE(paths.mode(), installed ? AppPaths::Mode::Installed : AppPaths::Mode::Portable);
        QCOMPARE(paths.preferencesFile(), expand(preferences));
        QCOMPARE(paths.userConfigDir() + QStringLiteral("Preferences.ini"), expand(preferences));
        QCOMPARE(paths.userProfileDir(), expand(profiles));
        QCOMPARE(paths.factoryOutputPath(), expand(output));
        // What comes with the program is beside it in both layouts.
        QCOMPARE(paths.encoderPath(), m_program + QStringLiteral("wmaspi.dll"));
        QCOMPARE(paths.helpFile(), m_program + QStringLiteral("Quivercast.html"));
        QCOMPARE(paths.shippedPreferencesFile(), m_program + QStringLiteral("Preferences.ini"));
        QCOMPARE(paths.shippedProfileDir(), m_program + QStringLiteral("Profiles/"));
        // Only an installed program's own files are left alone, and saving a
        // shipped profile goes to the user's copy.
        const QString shipped = m_program + QStringLiteral("Profiles/A.apf");
        QCOMPARE(paths.isShipped(shipped), installed);
        QCOMPARE(paths.isShipped(paths.shippedPreferencesFile()), installed);
        QVERIFY(!paths.isShipped(paths.preferencesFile()));
        QVERIFY(!paths.isShipped(m_program.chopped(1) + QStringLiteral("-old/A.apf")));
        QCOMPARE(paths.profileSaveTarget(shipped),
                 installed ? expand(profiles) + QStringLiteral("A.apf") : shipped);
        QCOMPARE(paths.saveAsFolder(), installed ? expand(profiles) : QString());
        // A writable program directory is the portable layout.
        QCOMPARE(AppPaths::forProgram(m_program).mode(), AppPaths::Mode::Portable);
    }

    void prepareUserFiles_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("problem");      // start of the message; empty for none
        QTest::addColumn<bool>("userPreferences"); // the user's file is used
        QTest::addColumn<QByteArray>("content");   // of the user's file afterwards
        QTest::newRow("first start") << ""
                                     << "" << true << QByteArray("[Main]\r\nVersion=1.8\r\n");
        QTest::newRow("later start") << "own"
                                     << "" << true << QByteArray("[Main]\r\nProfile=3\r\n");
        QTest::newRow("no shipped file") << "no shipped"
                                         << "" << true << QByteArray("<unreadable>");
        QTest::newRow("config folder cannot be made")
            << "config blocked"
            << "Cannot create folder \"H/conf/Quivercast\". Not a directory" << false
            << QByteArray("<unreadable>");
        QTest::newRow("Preferences.ini is a folder")
            << "folder"
            << "Cannot open file \"H/conf/Quivercast/Preferences.ini\". Is a directory" << false
            << QByteArray("<unreadable>");
        QTest::newRow("profile folder cannot be made")
            << "data blocked"
            << "Cannot create folder \"H/share/Quivercast/Profiles\". Not a directory" << true
            << QByteArray("[Main]\r\nVersion=1.8\r\n");
    }
    void prepareUserFiles()
    {
        QFETCH(QString, setup);
        QFETCH(QString, problem);
        QFETCH(bool, userPreferences);
        QFETCH(QByteArray, content);
        const QString user = m_home + QStringLiteral("/conf/Quivercast/Preferences.ini");
        const QString shipped = m_program + QStringLiteral("Preferences.ini");
        if (setup == QLatin1String("own")) {
            QVERIFY(QDir().mkpath(QFileInfo(user).path()));
            QVERIFY(testsupport::writeFile(user, content));
        } else if (setup == QLatin1String("no shipped")) {
            QVERIFY(QFile::remove(shipped));
        } else if (setup == QLatin1String("config blocked")) {
            QVERIFY(testsupport::writeFile(m_home + QStringLiteral("/conf"), "a file"));
        } else if (setup == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(user));
        } else if (setup == QLatin1String("data blocked")) {
            QVERIFY(testsupport::writeFile(m_home + QStringLiteral("/share"), "a file"));
        }
        const QByteArray shippedBefore = testsupport::readFile(shipped);
        const QStringList programBefore =
            QDir(m_program).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        AppPaths paths = AppPaths::forProgram(m_program, AppPaths::Mode::Installed);
        const QStringList problems = paths.prepareUserFiles();
        if (problem.isEmpty()) {
            QCOMPARE(problems, QStringList());
        } else {
            QCOMPARE(problems.size(), 1);
            QVERIFY2(problems[0].startsWith(
                         QString(problem).replace(QStringLiteral("H/"), m_home + u'/')),
                     qPrintable(problems[0]));
        }
        // Without a file of their own the settings are read from the shipped
        // one, which is never written.
        QCOMPARE(paths.preferencesFile(), userPreferences ? user : shipped);
        QCOMPARE(paths.isShipped(paths.preferencesFile()), !userPreferences);
        QCOMPARE(testsupport::readFile(user), content);
        QCOMPARE(testsupport::readFile(shipped), shippedBefore);
        QCOMPARE(QDir(m_program).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), programBefore);
        if (setup != QLatin1String("data blocked"))
            QVERIFY(QFileInfo(paths.userProfileDir()).isDir());

        // The portable layout prepares nothing.
        AppPaths portable = AppPaths::portable(m_program);
        QCOMPARE(portable.prepareUserFiles(), QStringList());
        QCOMPARE(portable.preferencesFile(), shipped);
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
