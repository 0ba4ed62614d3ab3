// An installed copy as an ordinary user meets it: installed by root into a
// prefix the user cannot write, started by name through the link in bin/
// with a clip as its task, ended as a desktop session ends it (SIGTERM),
// and what it wrote.
#include "support/testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

constexpr uint kUser = 65534; // nobody

// Every entry under dir with its kind, mode and content (or link target).
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray state = QByteArray::number(int(info.permissions()), 16);
        if (info.isSymLink())
            state += " -> " + info.symLinkTarget().toUtf8();
        else if (info.isFile())
            state += ' ' + QCryptographicHash::hash(testsupport::readFile(info.filePath()),
                                                    QCryptographicHash::Sha1)
                               .toHex();
        entries.insert(info.filePath(), state);
    }
    return entries;
}

bool chownTree(const QString &path)
{
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList all{path};
    while (it.hasNext())
        all << it.next();
    for (const QString &p : all)
        if (::lchown(QFile::encodeName(p).constData(), kUser, kUser) != 0)
            return false;
    return true;
}

} // namespace

class TestInstallation : public QObject
{
    Q_OBJECT

    QTemporaryDir m_base;
    QString m_prefix;
    QString m_setpriv;

    // Starts an installed program by its link in bin/ as the user nobody,
    // with home as home and the XDG folders below it; its error output goes
    // to ours unless it is to be read.
    void startAsUser(QProcess &process, const QString &home, const QString &program,
                     const QStringList &args, bool readErrors = false)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home);
        if (!readErrors)
            process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(m_setpriv,
                      QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                  QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                  m_prefix + QStringLiteral("/bin/") + program} +
                          args);
    }

private slots:
    void initTestCase()
    {
        m_setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (m_setpriv.isEmpty())
            QSKIP("setpriv is missing: the installed program cannot be started as another user");
        if (::geteuid() != 0)
            QSKIP("installing as root and starting as another user needs root");
        QVERIFY(m_base.isValid());
        // The user must reach the prefix and their home below it.
        QVERIFY(QFile::setPermissions(m_base.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther));
        m_prefix = m_base.filePath(QStringLiteral("prefix"));
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(QC_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(QC_BUILD_DIR),
                       QStringLiteral("--prefix"), m_prefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    }

    void layout()
    {
        const QString program = m_prefix + QStringLiteral("/lib/quivercast/");
        for (const QString &name : {QStringLiteral("quivercast"), QStringLiteral("quivercast-cli")})
            QCOMPARE(QFileInfo(m_prefix + QStringLiteral("/bin/") + name).symLinkTarget(),
                     program + name);
        QVERIFY(QFileInfo(program + QStringLiteral("quivercast-probe")).isExecutable());
        QCOMPARE(QFileInfo(program + QStringLiteral("wmaspi.dll")).canonicalFilePath(),
                 QFileInfo(testsupport::ffmpeg()).canonicalFilePath());
        for (const QString &file :
             {program + QStringLiteral("Preferences.ini"),
              program + QStringLiteral("Quivercast.html"),
              program + QStringLiteral("Profiles/MP4 H.264 + AAC.apf"),
              m_prefix + QStringLiteral("/share/applications/quivercast.desktop"),
              m_prefix + QStringLiteral("/share/icons/hicolor/scalable/apps/quivercast.svg"),
              m_prefix + QStringLiteral("/share/metainfo/" QC_APP_ID ".metainfo.xml"),
              m_prefix + QStringLiteral("/share/man/man1/quivercast.1.gz"),
              m_prefix + QStringLiteral("/share/man/man1/quivercast-cli.1.gz")})
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        // The menu entry starts the program through the link.
        QVERIFY(testsupport::readFile(m_prefix +
                                      QStringLiteral("/share/applications/quivercast.desktop"))
                    .contains("\nExec=" + m_prefix.toUtf8() + "/bin/quivercast %F\n"));
    }

    // The command-line program reads the shipped settings until the window
    // has made the user's, and writes none.
    void commandLineProgramOfAnOrdinaryUser()
    {
        const QString home = m_base.filePath(QStringLiteral("home-cli"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/Videos")));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/run")));
        const QString clip = testsupport::makeStandardClip(home + QStringLiteral("/clip.mp4"));
        QVERIFY(!clip.isEmpty());
        QVERIFY(chownTree(home));
        const QMap<QString, QByteArray> installed = snapshot(m_prefix);
        const QMap<QString, QByteArray> before = snapshot(home);

        QByteArray err;
        const auto run = [&](const QStringList &args) {
            QProcess cli;
            startAsUser(cli, home, QStringLiteral("quivercast-cli"), args, true);
            cli.setReadChannel(QProcess::StandardOutput);
            if (!cli.waitForFinished(60000))
                cli.kill();
            err = cli.readAllStandardError();
            return std::pair{cli.exitCode(), cli.readAllStandardOutput()};
        };
        QCOMPARE(run({QStringLiteral("--version")}),
                 std::pair(0, QByteArray("quivercast-cli 1.8\n")));
        const auto [status, out] = run({QStringLiteral("--dry-run"), clip});
        QCOMPARE(status, 0);
        QVERIFY2(out.startsWith(" -y -i \"" + clip.toUtf8() + '"') &&
                     out.endsWith(" \"" + home.toUtf8() + "/Videos/clip.mp4\"\n"),
                 out.constData());
        QCOMPARE(snapshot(home), before);
        QCOMPARE(snapshot(m_prefix), installed);

        // A conversion, its source probed by the installed media reader: no
        // word that the reader cannot be started.
        const auto [converted, events] = run({QStringLiteral("--json"), clip});
        QCOMPARE(converted, 0);
        QCOMPARE(err, QByteArray());
        QVERIFY2(events.contains("\"duration\":\"00:00:02.00\""), events.constData());
    }

    void startedByAnOrdinaryUser_data()
    {
        QTest::addColumn<bool>("unreadableProfile");
        QTest::newRow("a clip as task") << false;
        // The user's copy of the profile shown at start cannot be read: a
        // message, and the program goes on.
        QTest::newRow("unreadable user profile") << true;
    }
    void startedByAnOrdinaryUser()
    {
        QFETCH(bool, unreadableProfile);
        const QString home = m_base.filePath(
            QStringLiteral("home-%1").arg(QTest::currentDataTag()).replace(u' ', u'-'));
        const QString config = home + QStringLiteral("/.config");
        const QString profiles = home + QStringLiteral("/.local/share/Quivercast/Profiles");
        for (const QString &dir :
             {home + QStringLiteral("/Videos"), home + QStringLiteral("/run"), config, profiles})
            QVERIFY(QDir().mkpath(dir));
        QVERIFY(QFile::setPermissions(home + QStringLiteral("/run"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString clip = testsupport::makeStandardClip(home + QStringLiteral("/clip.mp4"));
        QVERIFY(!clip.isEmpty());
        QVERIFY(chownTree(home));
        const QString unreadable = profiles + QStringLiteral("/MP4 H.264 + AAC.apf");
        if (unreadableProfile) // root's, for root alone
            QVERIFY(testsupport::writeFile(unreadable, "[Main]\r\nType=avi\r\n") &&
                    QFile::setPermissions(unreadable, QFile::ReadOwner | QFile::WriteOwner) &&
                    ::chown(QFile::encodeName(unreadable).constData(), 0, 0) == 0);
        const QMap<QString, QByteArray> installed = snapshot(m_prefix);

        QProcess quivercast;
        startAsUser(quivercast, home, QStringLiteral("quivercast"), {clip});
        QVERIFY(quivercast.waitForStarted());
        // The user's settings are laid down from the shipped ones first
        // thing; then the program is ended as a desktop session ends it.
        const QString prefs = config + QStringLiteral("/Quivercast/Preferences.ini");
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo(prefs).isFile() || quivercast.state() != QProcess::Running, 60000);
        QCOMPARE(quivercast.state(), QProcess::Running);
        quivercast.terminate();
        QVERIFY(quivercast.waitForFinished(60000));
        QCOMPARE(quivercast.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quivercast.exitCode(), 0);

        // Closed normally: that user's settings are saved in their home.
        const QByteArray saved = testsupport::readFile(prefs);
        QVERIFY2(saved.contains("Version=1.8\r\n") && saved.contains("Profile=4\r\n") &&
                     saved.contains("Output Path=" + home.toUtf8() + "/Videos/\r\n"),
                 saved.constData());
        QCOMPARE(QFileInfo(prefs).ownerId(), kUser);
        QCOMPARE(snapshot(m_prefix), installed);
        if (unreadableProfile)
            QCOMPARE(testsupport::readFile(unreadable), QByteArray("[Main]\r\nType=avi\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
