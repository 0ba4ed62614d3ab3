#include "settings/apppaths.h"
#include "settings/newinifiles.h"
#include "settings/preferences.h"
#include "settings/profiles.h"
#include "settings/watchlist.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_appDir;
    QString m_ini;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_appDir = m_dir.path() + QDir::separator();
        m_ini = AppPaths::portable(m_appDir).preferencesFile();
        QFile::remove(m_ini);
    }

    void path() { QCOMPARE(m_ini, m_appDir + "Preferences.ini"); }

    void firstStartAndFirstClose_data()
    {
        QTest::addColumn<int>("profile");
        QTest::newRow("catalogue") << 0;
        QTest::newRow("empty catalogue") << -1;
    }
    void firstStartAndFirstClose()
    {
        QFETCH(int, profile);
        // Start-up: main window, settings dialog, main window shown.
        QCOMPARE(ReadVersion(m_ini), QString("1.8"));
        QVERIFY(QFile::exists(m_ini));
        QCOMPARE(testsupport::readFile(m_ini), QByteArray());
        const PreferenceValues v = ReadPreferences(m_ini, "Main", m_appDir);
        QCOMPARE(v.outputPath, m_appDir);
        QCOMPARE(v.synMode, 0);
        QVERIFY(v.autoOpenDir);
        QVERIFY(!v.autoExit);
        QVERIFY(!v.autoTurnOff);
        QVERIFY(v.overwrite);
        QCOMPARE(ReadOutputPath(m_ini, m_appDir), m_appDir);
        QCOMPARE(ReadProfileIndex(m_ini), 0);
        QCOMPARE(testsupport::readFile(m_ini), QByteArray());
        // Closing without other changes.
        StorePreferences(m_ini, profile, v);
        const QByteArray expected = "[Main]\r\nOverwrite=1\r\nAuto Turn Off=0\r\nAuto Exit=0\r\n"
                                    "Auto Open Dir=1\r\nSyn Mode=0\r\nOutput Path=" +
                                    m_appDir.toUtf8() +
                                    "\r\nProfile=" + QByteArray::number(profile) + "\r\n";
        QCOMPARE(testsupport::readFile(m_ini), expected);
        // A second close finds every key and changes nothing.
        StorePreferences(m_ini, profile, ReadPreferences(m_ini, "Main", m_appDir));
        QCOMPARE(testsupport::readFile(m_ini), expected);
    }

    void valuesRoundTrip()
    {
        PreferenceValues v;
        v.outputPath = "/data/out";
        v.synMode = 2;
        v.autoOpenDir = false;
        v.autoExit = true;
        v.autoTurnOff = true;
        v.overwrite = false;
        StorePreferences(m_ini, 3, v);
        const PreferenceValues r = ReadPreferences(m_ini, "Main", m_appDir);
        QCOMPARE(r.outputPath, v.outputPath);
        QCOMPARE(r.synMode, 2);
        QCOMPARE(r.autoOpenDir, false);
        QCOMPARE(r.autoExit, true);
        QCOMPARE(r.autoTurnOff, true);
        QCOMPARE(r.overwrite, false);
        QCOMPARE(ReadProfileIndex(m_ini), 3);
        // OK of the settings dialog writes the same keys without Profile.
        v.autoExit = false;
        SavePreferences(m_ini, v);
        QVERIFY(!ReadPreferences(m_ini, "Main", m_appDir).autoExit);
        QCOMPARE(ReadProfileIndex(m_ini), 3);
    }

    // The settings of adding files and the number of conversions side by
    // side are written once they differ from their defaults, and from then
    // on; the number of probes reads within 1..16, that of conversions
    // within 1..the cores. The output checks depart from their defaults in
    // the rows that probe with the encoder only.
    void addingFilesSettings_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("read");   // probes read; 0: the default
        QTest::addColumn<int>("probes"); // set before saving; 0: as read
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<bool>("structure");
        QTest::addColumn<bool>("encoderOnly");
        QTest::addColumn<int>("conversions"); // set before saving; 0: as read
        QTest::addColumn<QByteArrayList>("written");
        QTest::addColumn<QByteArrayList>("absent");
        const QByteArrayList all{"Simultaneous Probes",
                                 "Include Subfolders",
                                 "Keep Folder Structure",
                                 "Probe With Encoder Only",
                                 "Simultaneous Conversions",
                                 "Check Outputs",
                                 "Trash Sources"};
        const int cores = MaxSimultaneousConversions();
        // On one core the number of conversions cannot change from 1.
        const QByteArray coresLine = "Simultaneous Conversions=" + QByteArray::number(cores);
        QTest::newRow("defaults") << QByteArray() << 0 << 0 << false << true << false << 0
                                  << QByteArrayList() << all;
        QTest::newRow("changed") << QByteArray() << 0 << 13 << true << false << true << cores
                                 << QByteArrayList{"Simultaneous Probes=13",
                                                   "Include Subfolders=1",
                                                   "Keep Folder Structure=0",
                                                   "Probe With Encoder Only=1",
                                                   "Check Outputs=0",
                                                   "Trash Sources=1",
                                                   cores > 1 ? coresLine : QByteArray()}
                                 << QByteArrayList();
        QTest::newRow("more conversions stored than cores")
            << QByteArray("[Main]\r\nSimultaneous Conversions=999\r\n") << 0 << 0 << false << true
            << false << 0 << QByteArrayList{coresLine} << QByteArrayList{"Simultaneous Probes"};
        QTest::newRow("back to the default")
            << QByteArray("[Main]\r\nInclude Subfolders=1\r\nProbe With Encoder Only=1\r\n") << 0
            << 0 << false << true << false << 0
            << QByteArrayList{"Include Subfolders=0", "Probe With Encoder Only=0"}
            << QByteArrayList{"Simultaneous Probes", "Keep Folder Structure"};
        QTest::newRow("too many probes stored")
            << QByteArray("[Main]\r\nSimultaneous Probes=40\r\n") << 16 << 0 << false << true
            << false << 0 << QByteArrayList{"Simultaneous Probes=16"}
            << QByteArrayList{"Include Subfolders"};
        QTest::newRow("no probes stored")
            << QByteArray("[Main]\r\nSimultaneous Probes=0\r\n") << 1 << 0 << false << true << false
            << 0 << QByteArrayList{"Simultaneous Probes=1"} << QByteArrayList{"Include Subfolders"};
    }
    void addingFilesSettings()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, read);
        QFETCH(int, probes);
        QFETCH(bool, subfolders);
        QFETCH(bool, structure);
        QFETCH(bool, encoderOnly);
        QFETCH(int, conversions);
        QFETCH(QByteArrayList, written);
        QFETCH(QByteArrayList, absent);
        QVERIFY(testsupport::writeFile(m_ini, stored));
        PreferenceValues v = ReadPreferences(m_ini, "Main", m_appDir);
        QCOMPARE(v.simultaneousProbes, read ? read : DefaultSimultaneousProbes());
        if (probes)
            v.simultaneousProbes = probes;
        v.includeSubfolders = subfolders;
        v.keepFolderStructure = structure;
        v.probeWithEncoderOnly = encoderOnly;
        v.verifyOutputs = !encoderOnly;
        v.trashSources = encoderOnly;
        if (conversions)
            v.simultaneousConversions = conversions;
        SavePreferences(m_ini, v);
        const QByteArray file = testsupport::readFile(m_ini);
        for (const QByteArray &line : written)
            QVERIFY2(file.contains(line + "\r\n"), file.constData());
        for (const QByteArray &key : absent)
            QVERIFY2(!file.contains(key), file.constData());
        const PreferenceValues r = ReadPreferences(m_ini, "Main", m_appDir);
        QCOMPARE(r.simultaneousProbes, v.simultaneousProbes);
        QCOMPARE(r.includeSubfolders, subfolders);
        QCOMPARE(r.keepFolderStructure, structure);
        QCOMPARE(r.probeWithEncoderOnly, encoderOnly);
        QCOMPARE(r.verifyOutputs, !encoderOnly);
        QCOMPARE(r.trashSources, encoderOnly);
        QCOMPARE(r.simultaneousConversions, v.simultaneousConversions);
    }

    void saveOrderOnEmptyFile()
    {
        PreferenceValues v;
        v.outputPath = "/o";
        SavePreferences(m_ini, v);
        QCOMPARE(testsupport::readFile(m_ini),
                 QByteArray("[Main]\r\nOverwrite=1\r\nAuto Turn Off=0\r\nAuto Exit=0\r\n"
                            "Auto Open Dir=1\r\nSyn Mode=0\r\nOutput Path=/o\r\n"));
    }

    void shippedFileDefaultsAndVersion()
    {
        QVERIFY(QFile::copy(testsupport::sourceDir() + "/resources/Preferences.ini", m_ini));
        QFile::setPermissions(m_ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(ReadVersion(m_ini), QString("1.8"));
        // A first start chooses "MP4 H.264 + AAC" of the shipped catalogue.
        const int profile = ReadProfileIndex(m_ini);
        QCOMPARE(
            ListFilesByExt(testsupport::sourceDir() + "/resources/Profiles", ".apf").value(profile),
            QStringLiteral("MP4 H.264 + AAC.apf"));
        const PreferenceValues d = ReadPreferences(m_ini, "Default", m_appDir);
        QCOMPARE(d.outputPath, m_appDir); // no fixed factory path: the program's directory
        QCOMPARE(d.synMode, 0);
        QVERIFY(d.overwrite);
        // Main has no keys yet: the Main defaults, not those of Default.
        const PreferenceValues m = ReadPreferences(m_ini, "Main", m_appDir);
        QCOMPARE(m.outputPath, m_appDir);
        QVERIFY(m.autoOpenDir);
        const QByteArray before = testsupport::readFile(m_ini);
        PreferenceValues changed = m;
        changed.autoExit = true;
        StorePreferences(m_ini, 1, changed);
        // The Default section and the version stay as they were.
        QVERIFY(testsupport::readFile(m_ini).endsWith(before.mid(before.indexOf("[Default]"))));
        QCOMPARE(ReadVersion(m_ini), QString("1.8"));
        QVERIFY(!ReadPreferences(m_ini, "Default", m_appDir).autoExit);
        QVERIFY(ReadPreferences(m_ini, "Main", m_appDir).autoExit);
    }

    void defaultSectionMissing()
    {
        QVERIFY(testsupport::writeFile(
            m_ini, "[Main]\r\nAuto Open Dir=1\r\nAuto Exit=1\r\nOverwrite=0\r\n"));
        const PreferenceValues d = ReadPreferences(m_ini, "Default", m_appDir);
        QCOMPARE(d.outputPath, m_appDir);
        QCOMPARE(d.synMode, 0);
        QVERIFY(!d.autoOpenDir);
        QVERIFY(!d.autoExit);
        QVERIFY(!d.autoTurnOff);
        QVERIFY(d.overwrite);
    }

    void readValuesAndFallbacks_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("synMode");
        QTest::addColumn<bool>("autoExit");
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("syn mode out of range") << QByteArray("Syn Mode=7") << -1 << false << true;
        QTest::newRow("syn mode negative") << QByteArray("Syn Mode=-1") << -1 << false << true;
        QTest::newRow("syn mode 2") << QByteArray("Syn Mode=2") << 2 << false << true;
        QTest::newRow("syn mode text") << QByteArray("Syn Mode=fast") << 0 << false << true;
        QTest::newRow("overwrite off") << QByteArray("Overwrite=0") << 0 << false << false;
        QTest::newRow("auto exit True") << QByteArray("Auto Exit=True") << 0 << true << true;
        QTest::newRow("auto exit yes") << QByteArray("Auto Exit=yes") << 0 << false << true;
    }
    void readValuesAndFallbacks()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, synMode);
        QFETCH(bool, autoExit);
        QFETCH(bool, overwrite);
        QVERIFY(testsupport::writeFile(m_ini, "[Main]\r\n" + line + "\r\n"));
        const PreferenceValues v = ReadPreferences(m_ini, "Main", m_appDir);
        QCOMPARE(v.synMode, synMode);
        QCOMPARE(v.autoExit, autoExit);
        QCOMPARE(v.overwrite, overwrite);
    }

    // The third overwrite choice: "Overwrite=0" (an older reader renames,
    // which never overwrites either) plus "Skip=1", written only while
    // chosen and reset, not left behind, when the user chooses otherwise.
    void skipChoice()
    {
        PreferenceValues v;
        v.outputPath = "/o";
        SavePreferences(m_ini, v);
        const QByteArray plain = testsupport::readFile(m_ini);
        QVERIFY(!plain.contains("Skip"));
        struct Step
        {
            bool overwrite, skip;
            QByteArray lines;
        };
        const Step steps[] = {{false, true, "[Main]\r\nSkip=1\r\nOverwrite=0\r\n"},
                              {true, false, "[Main]\r\nSkip=0\r\nOverwrite=1\r\n"},
                              {false, false, "[Main]\r\nSkip=0\r\nOverwrite=0\r\n"},
                              {false, true, "[Main]\r\nSkip=1\r\nOverwrite=0\r\n"}};
        for (const Step &step : steps) {
            v.overwrite = step.overwrite;
            v.skip = step.skip;
            SavePreferences(m_ini, v);
            QVERIFY2(testsupport::readFile(m_ini).startsWith(step.lines),
                     testsupport::readFile(m_ini).constData());
            const PreferenceValues r = ReadPreferences(m_ini, "Main", m_appDir);
            QCOMPARE(r.overwrite, step.overwrite);
            QCOMPARE(r.skip, step.skip);
        }
        // Written by hand: "Overwrite" wins.
        QVERIFY(testsupport::writeFile(m_ini, "[Main]\r\nOverwrite=1\r\nSkip=1\r\n"));
        QVERIFY(!ReadPreferences(m_ini, "Main", m_appDir).skip);
    }

    void synModeOutOfRangeIsWrittenAsNone()
    {
        QVERIFY(testsupport::writeFile(m_ini, "[Main]\r\nSyn Mode=7\r\n"));
        SavePreferences(m_ini, ReadPreferences(m_ini, "Main", m_appDir));
        QVERIFY(testsupport::readFile(m_ini).contains("\r\nSyn Mode=-1\r\n"));
    }

    void profileIndexKeptAsStored()
    {
        QVERIFY(testsupport::writeFile(m_ini, "[Main]\r\nProfile=42\r\n"));
        QCOMPARE(ReadProfileIndex(m_ini), 42);
        StorePreferences(m_ini, -1, PreferenceValues{});
        QCOMPARE(ReadProfileIndex(m_ini), -1);
    }

    void outputPathWithBracketSurvives()
    {
        PreferenceValues v;
        v.outputPath = "/media/Video [HD]/100% done/Overwrite=old/odd\nname\r/";
        v.synMode = 1;
        v.overwrite = false;
        StorePreferences(m_ini, 2, v);
        QCOMPARE(ReadOutputPath(m_ini, m_appDir), v.outputPath);
        const PreferenceValues r = ReadPreferences(m_ini, "Main", m_appDir);
        QCOMPARE(r.outputPath, v.outputPath);
        QCOMPARE(r.synMode, 1);
        QCOMPARE(r.overwrite, false);
        QCOMPARE(ReadProfileIndex(m_ini), 2);
        QVERIFY(testsupport::readFile(m_ini).contains(
            "Output Path=/media/Video %5BHD]/100%25 done/Overwrite%3Dold/odd%0Aname%0D/\r\n"));
        // A path written by hand without escapes reads as it stands.
        QVERIFY(testsupport::writeFile(m_ini, "[Main]\r\nOutput Path=/srv/50%/\r\n"));
        QCOMPARE(ReadOutputPath(m_ini, m_appDir), QString("/srv/50%/"));
    }

    void readOnlyFileReportsAndKeepsContent()
    {
        const QByteArray content("[Main]\r\nProfile=1\r\nAuto Exit=1\r\n");
        QVERIFY(testsupport::writeFile(m_ini, content));
        QFile::setPermissions(m_ini, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        const QString message = QStringLiteral("Cannot create file \"%1\". Permission denied")
                                    .arg(QDir::toNativeSeparators(m_ini));
        const auto expectError = [&](auto &&operation) {
            try {
                operation();
                return QStringLiteral("no error");
            } catch (const TIniFileError &e) {
                return e.text();
            }
        };
        QCOMPARE(expectError([&] { StorePreferences(m_ini, 0, PreferenceValues{}); }), message);
        QCOMPARE(expectError([&] { SavePreferences(m_ini, PreferenceValues{}); }), message);
        QCOMPARE(expectError([&] { ReadPreferences(m_ini, "Main", m_appDir); }), message);
        QCOMPARE(expectError([&] { ReadVersion(m_ini); }), message);
        QFile::setPermissions(m_ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(testsupport::readFile(m_ini), content);
        // Nothing is left behind and the next action works again.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"Preferences.ini"});
        QVERIFY(ReadPreferences(m_ini, "Main", m_appDir).autoExit);
    }

    // A program directory the user cannot write, with a Preferences.ini the
    // user may write: the file is rewritten in place. Without the file there
    // is nothing to write into, and the failure is reported.
    void writableFileInReadOnlyDirectory()
    {
        QTemporaryDir tmp;
        const QString appDir = tmp.filePath("program") + QDir::separator();
        const QString ini = AppPaths::portable(appDir).preferencesFile();
        QVERIFY(QDir().mkpath(appDir));
        QVERIFY(testsupport::writeFile(ini, "[Main]\r\nProfile=1\r\n[Default]\r\nOverwrite=0\r\n"));
        QVERIFY(QFile::setPermissions(tmp.path(), QFileDevice::Permissions(0x7755)));
        QVERIFY(QFile::setPermissions(ini, QFileDevice::Permissions(0x6666)));
        QVERIFY(QFile::setPermissions(appDir, QFileDevice::Permissions(0x5555)));
        PreferenceValues v;
        v.outputPath = "/out";
        QString missingError;
        {
            testsupport::AsUnprivilegedUser user;
            StorePreferences(ini, 2, v);
            try {
                ReadVersion(appDir + "Other.ini");
            } catch (const TIniFileError &e) {
                missingError = e.text();
            }
        }
        QFile::setPermissions(appDir, QFileDevice::Permissions(0x7755));
        QCOMPARE(ReadProfileIndex(ini), 2);
        QCOMPARE(ReadOutputPath(ini, appDir), QString("/out"));
        QVERIFY(!ReadPreferences(ini, "Default", appDir).overwrite);
        QCOMPARE(missingError, QStringLiteral("Cannot create file \"%1\". Permission denied")
                                   .arg(QDir::toNativeSeparators(appDir + "Other.ini")));
        QCOMPARE(QDir(appDir).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Preferences.ini"});
    }

    void unreadableFileReportsOpenError()
    {
        QVERIFY(QDir().mkpath(m_ini)); // a directory where the file should be
        try {
            ReadVersion(m_ini);
            QFAIL("reading a directory succeeded");
        } catch (const TIniFileError &e) {
            QVERIFY2(e.text().startsWith(QStringLiteral("Cannot open file \"%1\". ")
                                             .arg(QDir::toNativeSeparators(m_ini))),
                     qPrintable(e.text()));
        }
        QDir().rmdir(m_ini);
    }

    // The watch folders in Watches.ini beside Preferences.ini: paths read
    // back exactly, a removed watch is gone, a missing file has none.
    void watchList()
    {
        const QString file = AppPaths::portable(m_appDir).watchListFile();
        QCOMPARE(file, m_appDir + "Watches.ini");
        QFile::remove(file);
        QCOMPARE(WatchList::read(file).watches.size(), 0);
        WatchList list;
        list.settleSecs = 3;
        list.watches = {{"/media/cam [A]=1", "Web", "/out", true, "skip", true, "ab12"},
                        {"/srv/in", "MP4", "/srv/out", false, "rename", false, "cd34"}};
        list.write(file);
        WatchList back = WatchList::read(file);
        QCOMPARE(back.settleSecs, 3);
        QCOMPARE(back.rescanSecs, WatchList::DefaultRescanSecs);
        QCOMPARE(back.watches.size(), 2);
        QCOMPARE(back.watches[0].folder, list.watches[0].folder);
        QCOMPARE(back.watches[0].existing, QString("skip"));
        QVERIFY(back.watches[0].subfolders && back.watches[0].paused);
        QCOMPARE(back.watches[1].id, QString("cd34"));
        list.watches.removeFirst();
        list.write(file);
        back = WatchList::read(file);
        QCOMPARE(back.watches.size(), 1);
        QCOMPARE(back.watches[0].folder, QString("/srv/in"));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
