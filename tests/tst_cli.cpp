// quivercast-cli as scripts meet it: the real program, started as a process
// from a program directory of its own (its settings and the encoder beside
// it), mostly with the fake encoder.
#include "engine/batchrun.h"
#include "engine/commandline.h"
#include "engine/encoderprocess.h"
#include "engine/taskstore.h"
#include "settings/profiles.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/mainform.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

struct CliResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliResult runCli(const QString &cli, const QStringList &args)
{
    QProcess p;
    p.start(cli, args);
    if (!p.waitForFinished(120000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// Every line of --json output as an object; a line that does not parse
// fails the test.
QList<QJsonObject> events(const QByteArray &out)
{
    QList<QJsonObject> list;
    for (const QByteArray &line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !doc.isObject()) {
            qWarning("not a JSON object: %s", line.constData());
            return {};
        }
        list.append(doc.object());
    }
    return list;
}

QList<QJsonObject> eventsOf(const QList<QJsonObject> &all, const QString &kind)
{
    QList<QJsonObject> found;
    for (const QJsonObject &e : all)
        if (e.value("event").toString() == kind)
            found.append(e);
    return found;
}

// The probe report of the fake encoder; conversions run what follows.
const QStringList ProbeReport{
    "print Input #0, avi, from '$last':\\n  Duration: 00:00:02.00, start: 0.000000\\n"
    "  Stream #0:0: Video: mpeg4, yuv420p, 320x240, 25 fps\\n",
    "ifarg -y"};

// Files the fake encoder takes for sources.
void makeSources(const QString &dir, const QStringList &names)
{
    QDir().mkpath(dir);
    for (const QString &name : names)
        QVERIFY(writeFile(dir + u'/' + name, "source"));
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    std::unique_ptr<ProgramDir> m_program;
    QString m_cli;
    QString m_src;
    QString m_out;

    // One session of --watch on dir (outputs into its subfolder out): the
    // program is started, meanwhile() runs once it watches, and once it has
    // told of ended conversions and then been quiet for a while, SIGTERM
    // ends it. Its events, or none when it did not end as it should.
    QList<QJsonObject> watchSession(const QString &dir, int ended,
                                    const std::function<void()> &meanwhile)
    {
        QProcess p;
        p.start(m_cli, {"--watch", dir, "-r", "-o", dir + "/out", "--json", "--settle", "1",
                        "--rescan", "1"});
        QByteArray out;
        const auto told = [&](const char *event, int count) {
            out += p.readAllStandardOutput();
            return eventsOf(events(out), event).size() >= count;
        };
        if (!QTest::qWaitFor([&] { return told("watching", 1); }, 30000))
            return {};
        meanwhile();
        if (!QTest::qWaitFor([&] { return told("ended", ended); }, 30000)) {
            qWarning("%s", out.constData());
            return {};
        }
        QTest::qWait(2500); // settle and rescan: nothing more is taken
        ::kill(pid_t(p.processId()), SIGTERM);
        if (!p.waitForFinished(30000) || p.exitCode() != 130)
            return {};
        out += p.readAllStandardOutput();
        return events(out);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        m_program = std::make_unique<ProgramDir>(fakeEncoder(), true, false);
        m_cli = copyCli(*m_program, true);
        QVERIFY(!m_cli.isEmpty());
        m_src = m_work.filePath("src");
        m_out = m_work.filePath("out");
        makeSources(m_src, {"bad.avi", "good.avi"});
        QVERIFY(QDir().mkpath(m_out));
        QVERIFY(QDir().mkpath(m_work.filePath("empty")));
        QCOMPARE(::mkfifo(QFile::encodeName(m_work.filePath("fifo")).constData(), 0600), 0);
        // LF line ends: a rewrite by the store would show as CR LF.
        QVERIFY(writeFile(m_program->file("Preferences.ini"),
                          "[Main]\nProfile=4\nOverwrite=1\nCheck Outputs=0\nOutput Path=" +
                              m_out.toUtf8() + "\n"));
    }

    void init()
    {
        for (const QString &name : QDir(m_out).entryList(QDir::Files))
            QFile::remove(m_out + u'/' + name);
    }

    // Each a one-line message naming what is wrong, status 2, and nothing
    // converted.
    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::newRow("no paths") << QStringList{"-o", "$out"} << "no source paths";
        QTest::newRow("unknown option") << QStringList{"--colour", "$src"} << "colour";
        QTest::newRow("unknown profile")
            << QStringList{"-p", "No Such Profile", "$src"} << "No Such Profile";
        QTest::newRow("profile file missing")
            << QStringList{"-p", "$src/none.apf", "$src"} << "none.apf";
        QTest::newRow("output missing") << QStringList{"-o", "$src/none", "$src"} << "/none";
        QTest::newRow("output not writable")
            << QStringList{"-o", "/proc/self", "$src"} << "not writable";
        QTest::newRow("list unreadable") << QStringList{"-l", "$src/none.txt"} << "none.txt";
        QTest::newRow("source missing") << QStringList{"$src/none.avi"} << "none.avi";
        QTest::newRow("share 0/3") << QStringList{"--shard", "0/3", "$src"} << "0/3";
        QTest::newRow("share 4/3") << QStringList{"--shard", "4/3", "$src"} << "4/3";
        QTest::newRow("jobs 0") << QStringList{"--jobs", "0", "$src"} << "--jobs";
        QTest::newRow("jobs 65") << QStringList{"--jobs", "65", "$src"} << "--jobs";
        QTest::newRow("jobs beyond any number")
            << QStringList{"-j", "2147483648", "$src"} << "--jobs";
        // An unset shell variable: never the preferences' choice.
        QTest::newRow("output empty") << QStringList{"-o", "", "$src"} << "--output";
        QTest::newRow("profile empty") << QStringList{"-p", "", "$src"} << "--profile";
        QTest::newRow("no profile in the file")
            << QStringList{"-p", "/etc/passwd", "$src"} << "holds no profile";
        // Lists that are no files: never read without end, never waited for.
        QTest::newRow("list endless") << QStringList{"-l", "/dev/zero"} << "not a regular file";
        QTest::newRow("list a pipe") << QStringList{"--list", "$src/../fifo"} << "fifo";
        QTest::newRow("nothing to convert") << QStringList{"$src/../empty"} << "no video file";
        QTest::newRow("existing unknown") << QStringList{"--existing", "keep", "$src"} << "keep";
        QTest::newRow("watch with paths") << QStringList{"--watch", "$src", "$src"} << "--watch";
        QTest::newRow("settle without watch") << QStringList{"--settle", "5", "$src"} << "--settle";
        QTest::newRow("rescan 0") << QStringList{"--watch", "$src", "--rescan", "0"} << "--rescan";
        QTest::newRow("watch output missing")
            << QStringList{"--watch", "$src", "-o", "$src/none"} << "/none";
    }
    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        const QString conversions = m_work.filePath("conversions");
        setFakeScript(m_work.path(), ProbeReport + QStringList{"pid " + conversions, "exit 0"});
        args.replaceInStrings("$src", m_src).replaceInStrings("$out", m_out);

        const CliResult r = runCli(m_cli, args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith("quivercast-cli: ") && r.err.count('\n') == 1 &&
                     r.err.endsWith('\n') && r.err.contains(named.toUtf8()),
                 r.err.constData());
        QCOMPARE(r.out, QByteArray());
        QVERIFY(!QFileInfo::exists(conversions));
        QCOMPARE(QDir(m_out).entryList(QDir::Files), QStringList());
    }

    // Exit status and statuses through --json, whose every line parses; the
    // settings files are read, never rewritten.
    void statusesAndExitCodes_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("encoderMissing");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QString>("errorLine");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("probeMs"); // each probe this long
        const QStringList convert{"touch $last",
                                  "print frame=  50 fps=0.0 q=0.0 size=0kB time=00:00:01.00 "
                                  "bitrate=N/A speed=2.5x\\r",
                                  "stderr Conversion failed: broken stream\\n"};
        QTest::newRow("all converted")
            << convert << false << 0 << QStringList{"Complete", "Complete"} << QString()
            << QStringList() << 0;
        QTest::newRow("one failed") << convert + QStringList{"exitif bad.avi 3"} << false << 1
                                    << QStringList{"Failed", "Complete"}
                                    << "Conversion failed: broken stream" << QStringList() << 0;
        QTest::newRow("encoder missing") << convert << true << 1 << QStringList{"Failed", "OK"}
                                         << QString() << QStringList() << 0;
        // good.mp4 exists before the run.
        QTest::newRow("existing output skipped")
            << convert + QStringList{"exitif bad.avi 3"} << false << 1
            << QStringList{"Failed", "Skipped"} << "Conversion failed: broken stream"
            << QStringList{"--existing", "skip"} << 0;
        // The conversions do not wait for their probes.
        QTest::newRow("probes slower than conversions")
            << convert << false << 0 << QStringList{"Complete", "Complete"} << QString()
            << QStringList() << 800;
    }
    void statusesAndExitCodes()
    {
        QFETCH(QStringList, script);
        QFETCH(bool, encoderMissing);
        QFETCH(int, exitCode);
        QFETCH(QStringList, statuses);
        QFETCH(QString, errorLine);
        QFETCH(QStringList, options);
        QFETCH(int, probeMs);
        const QString log = m_work.filePath("statuses.log");
        QFile::remove(log);
        setFakeScript(m_work.path(),
                      QStringList{"log " + log, QStringLiteral("sleepif .avi %1").arg(probeMs)} +
                          ProbeReport + script);
        const bool skip = options.contains("skip");
        if (skip)
            QVERIFY(writeFile(m_out + "/good.mp4", "kept"));
        const QString encoder = m_program->file("wmaspi.dll");
        if (encoderMissing)
            QVERIFY(QFile::remove(encoder));
        const QByteArray preferences = readFile(m_program->file("Preferences.ini"));
        const QString profile = m_program->file("Profiles/MP4 H.264 + AAC.apf");
        const QByteArray profileBytes = readFile(profile);

        const CliResult r = runCli(m_cli, options + QStringList{"--json", m_src});
        if (encoderMissing)
            QVERIFY(QFile::link(fakeEncoder(), encoder));
        QCOMPARE(r.exitCode, exitCode);
        const QList<QJsonObject> all = events(r.out);
        QVERIFY(!all.isEmpty());
        const QList<QJsonObject> added = eventsOf(all, "added");
        QCOMPARE(added.size(), 2);
        QCOMPARE(added[0].value("input").toString(), m_src + "/bad.avi");
        if (!encoderMissing) {
            QCOMPARE(added[1].value("duration").toString(), QString("00:00:02.00"));
            QCOMPARE(added[1].value("size").toString(), QString("320x240"));
        }
        QStringList ended;
        for (const QJsonObject &e : eventsOf(all, "ended")) {
            ended << e.value("status").toString();
            if (e.value("status") == "Failed" && !errorLine.isEmpty()) {
                QCOMPARE(e.value("exit_code").toInt(), 3);
                QVERIFY(e.value("error_lines").toVariant().toStringList().contains(errorLine));
            } else if (e.value("status") == "Complete") {
                QCOMPARE(e.value("exit_code").toInt(), 0);
                QVERIFY(QFileInfo(e.value("output").toString()).isFile());
            }
            // What a failed encoder began goes; a skipped task's file stays.
            if (e.value("status") == "Failed" && !encoderMissing)
                QVERIFY(!QFileInfo::exists(e.value("output").toString()));
        }
        if (skip) {
            QCOMPARE(readFile(m_out + "/good.mp4"), QByteArray("kept"));
            QCOMPARE(eventsOf(all, "started").size(), 1);
        }
        QCOMPARE(ended, statuses.mid(0, statuses.indexOf("OK") < 0 ? 2 : 1));
        const QJsonObject summary = all.last();
        QCOMPARE(summary.value("event").toString(), QString("summary"));
        QCOMPARE(summary.value("complete").toInt(), int(statuses.count("Complete")));
        QCOMPARE(summary.value("failed").toInt(), int(statuses.count("Failed")));
        QCOMPARE(summary.value("skipped").toInt(), int(statuses.count("Skipped")));
        QCOMPARE(summary.value("not_converted").toInt(), int(statuses.count("OK")));
        QCOMPARE(summary.value("exit_status").toInt(), exitCode);
        if (encoderMissing) {
            QVERIFY2(r.err.contains("quivercast-cli: the encoder could not be started: "),
                     r.err.constData());
            // No probe could tell the length.
            QVERIFY(added[1].value("seconds").isNull() && added[1].value("duration").isNull());
        }
        for (const QJsonObject &e : eventsOf(all, "started"))
            QCOMPARE(e.value("arguments").toArray().last().toString(),
                     e.value("output").toString());
        // Each task's events in order: added, started, ended.
        for (int task = 0; task < 2; ++task) {
            QStringList order;
            for (const QJsonObject &e : all)
                if (e.value("task").toInt(-1) == task && e.value("event") != "progress")
                    order << e.value("event").toString();
            QCOMPARE(order.mid(0, 1), QStringList{"added"});
            const qsizetype started = order.indexOf("started"), ended = order.indexOf("ended");
            QVERIFY(started < 0 || ended < 0 || started < ended);
        }
        if (probeMs > 0) {
            qint64 probesEnd = 0, firstRun = std::numeric_limits<qint64>::max();
            for (const EncoderSpan &span : readEncoderLog(log)) {
                if (span.kind == "probe")
                    probesEnd = std::max(probesEnd, span.end);
                else
                    firstRun = std::min(firstRun, span.start);
            }
            QVERIFY2(firstRun < probesEnd - probeMs / 2,
                     qPrintable(QStringLiteral("%1 %2").arg(firstRun).arg(probesEnd)));
        }

        QCOMPARE(readFile(m_program->file("Preferences.ini")), preferences);
        QCOMPARE(readFile(profile), profileBytes);
    }

    // SIGINT and SIGTERM end the encoders, mark their tasks Stop, remove
    // their outputs and end with the summary; a second signal kills an
    // encoder that will not end at once, and its output goes all the same.
    void interrupt_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("twice");
        QTest::addColumn<int>("jobs");
        QTest::newRow("SIGINT") << int(SIGINT) << false << 1;
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << 1;
        QTest::newRow("second SIGINT") << int(SIGINT) << true << 1;
        QTest::newRow("SIGINT, two encoders") << int(SIGINT) << false << 2;
    }
    void interrupt()
    {
        QFETCH(int, signalNumber);
        QFETCH(bool, twice);
        QFETCH(int, jobs);
        const QString pids =
            m_work.filePath(QStringLiteral("pids-%1").arg(QTest::currentDataTag()));
        setFakeScript(m_work.path(),
                      ProbeReport + QStringList{"pid " + pids, twice ? "ignoreterm" : "",
                                                "touch $last", "sleep 60000"});
        QProcess p;
        p.start(m_cli,
                {"--json", "-j", QString::number(jobs), jobs == 1 ? m_src + "/good.avi" : m_src});
        QVERIFY(p.waitForStarted());
        const QStringList outputs =
            QStringList{m_out + "/good.mp4", m_out + "/bad.mp4"}.mid(0, jobs);
        const auto started = [&] {
            for (const QString &output : outputs)
                if (!QFileInfo::exists(output))
                    return false;
            return readFile(pids).count('\n') == jobs;
        };
        QTRY_VERIFY_WITH_TIMEOUT(started(), 30000);
        QElapsedTimer ending;
        ending.start();
        ::kill(pid_t(p.processId()), signalNumber);
        if (twice) {
            QTest::qWait(200);
            ::kill(pid_t(p.processId()), signalNumber);
        }
        QVERIFY(p.waitForFinished(30000));
        // Killed at once: the first signal alone gives it three seconds.
        if (twice)
            QVERIFY2(ending.elapsed() < EncoderProcess::KillAfterMs,
                     qPrintable(QString::number(ending.elapsed())));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 130);
        const QList<QJsonObject> all = events(p.readAllStandardOutput());
        QVERIFY(!all.isEmpty());
        QCOMPARE(all.last().value("event").toString(), QString("summary"));
        QCOMPARE(all.last().value("interrupted").toBool(), true);
        QCOMPARE(all.last().value("stop").toInt(), jobs);
        QCOMPARE(eventsOf(all, "ended").size(), jobs);
        for (const QJsonObject &e : eventsOf(all, "ended"))
            QCOMPARE(e.value("status").toString(), QString("Stop"));
        for (const QString &output : outputs)
            QVERIFY(!QFileInfo::exists(output));
        const QList<QByteArray> encoders = readFile(pids).trimmed().split('\n');
        QCOMPARE(encoders.size(), jobs);
        for (const QByteArray &encoder : encoders) {
            QVERIFY(encoder.toLongLong() > 0);
            QTRY_VERIFY_WITH_TIMEOUT(processGone(encoder.toLongLong()), 5000);
        }
    }

    // --watch: files dropped into the folder are each converted once, also
    // when the program is started again; a file changed after its
    // conversion is converted again; one that failed only once it changed;
    // the outputs in the watched tree are never taken; SIGTERM ends it with
    // the summary.
    void watchFolder()
    {
        const QString dir = m_work.filePath("watched");
        QVERIFY(QDir().mkpath(dir + "/out"));
        setFakeScript(m_work.path(), ProbeReport + QStringList{"touch $last", "exitif bad.avi 3"});
        QVERIFY(QDir().mkpath(dir + "/sub"));
        const QStringList names{"a.avi", "sub/a.avi", "c.mp4", "d.mkv", "bad.avi"};
        const auto endedOnce = [&dir](const QList<QJsonObject> &all) {
            QMap<QString, QString> statuses;
            for (const QJsonObject &e : eventsOf(all, "ended"))
                statuses[e.value("input").toString().mid(dir.size() + 1)] +=
                    e.value("status").toString();
            return statuses;
        };
        QList<QJsonObject> all = watchSession(dir, 5, [&] { makeSources(dir, names); });
        QCOMPARE(endedOnce(all), (QMap<QString, QString>{{"a.avi", "Complete"},
                                                         {"sub/a.avi", "Complete"},
                                                         {"c.mp4", "Complete"},
                                                         {"d.mkv", "Complete"},
                                                         {"bad.avi", "Failed"}}));
        QCOMPARE(all.last().value("complete").toInt(), 4);
        QCOMPARE(all.last().value("interrupted").toBool(), true);
        QVERIFY(QFileInfo::exists(dir + "/out/a.mp4"));
        QVERIFY(QFileInfo::exists(dir + "/out/sub/a.mp4"));
        for (int restart = 0; restart < 3; ++restart) {
            all = watchSession(dir, 0, [] {});
            QVERIFY(!all.isEmpty());
            QCOMPARE(eventsOf(all, "ready").size(), 0);
        }
        // Changed twice in one session: written over each time, as set.
        QVERIFY(QFile::remove(dir + "/out/a.mp4"));
        all = watchSession(dir, 3, [&] {
            QVERIFY(writeFile(dir + "/a.avi", "changed"));
            QVERIFY(writeFile(dir + "/bad.avi", "changed"));
            QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(dir + "/out/a.mp4"); }));
            QVERIFY(writeFile(dir + "/a.avi", "changed again"));
        });
        QCOMPARE(endedOnce(all),
                 (QMap<QString, QString>{{"a.avi", "CompleteComplete"}, {"bad.avi", "Failed"}}));
        for (const QJsonObject &e : eventsOf(all, "ended"))
            if (e.value("input").toString().endsWith("/a.avi"))
                QCOMPARE(e.value("output").toString(), dir + "/out/a.mp4");
    }

    // Ctrl+Z (SIGTSTP) suspends the encoders, then the program; fg (SIGCONT)
    // lets them go on, and the run ends as ever.
    void suspendedAndContinued()
    {
        const QString pids = m_work.filePath("pids-suspended");
        setFakeScript(m_work.path(), ProbeReport + QStringList{"pid " + pids, "print one",
                                                               "sleep 1000", "touch $last"});
        QProcess p;
        p.start(m_cli, {"--json", m_src + "/good.avi"});
        QVERIFY(p.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(readFile(pids).count('\n') == 1, 30000);
        const qint64 encoder = readFile(pids).trimmed().toLongLong();
        ::kill(pid_t(p.processId()), SIGTSTP);
        QTRY_COMPARE(processState(p.processId()), 'T');
        QCOMPARE(processState(encoder), 'T');
        QTest::qWait(1500);
        QCOMPARE(processState(encoder), 'T');
        QVERIFY(!QFileInfo::exists(m_out + "/good.mp4"));
        ::kill(pid_t(p.processId()), SIGCONT);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFileInfo::exists(m_out + "/good.mp4"));
    }

    // Killed outright, the program takes its encoders with it, probes too;
    // the output it was writing is known for an unfinished one by the next
    // run, which converts it again instead of keeping it.
    void encodersEndWithTheProgram()
    {
        const QString pids = m_work.filePath("pids-killed");
        setFakeScript(m_work.path(), {"pid " + pids, "touch $last", "sleep 60000"});
        QProcess p;
        p.start(m_cli, {"--json", m_src});
        QVERIFY(p.waitForStarted());
        // The probe of both files and, as it does not wait, the first
        // conversion.
        QTRY_VERIFY_WITH_TIMEOUT(readFile(pids).count('\n') == 2, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_out + "/bad.mp4"), 30000);
        ::kill(pid_t(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished(30000));
        for (const QByteArray &pid : readFile(pids).trimmed().split('\n'))
            QTRY_VERIFY_WITH_TIMEOUT(processGone(pid.toLongLong()), 5000);

        setFakeScript(m_work.path(), ProbeReport + QStringList{"touch $last"});
        const CliResult r = runCli(m_cli, {"--json", "--existing", "skip", m_src});
        QCOMPARE(r.exitCode, 0);
        QStringList ended;
        for (const QJsonObject &e : eventsOf(events(r.out), "ended"))
            ended << e.value("status").toString();
        QCOMPARE(ended, (QStringList{"Complete", "Complete"}));
    }

    // Killed outright, the program takes its media readers with it, a hung
    // one too.
    void readersEndWithTheProgram()
    {
        qputenv("QUIVERCAST_PROBE_TEST_FAULTS", "hang:good");
        const auto unset = qScopeGuard([] { qunsetenv("QUIVERCAST_PROBE_TEST_FAULTS"); });
        setFakeScript(m_work.path(), {"sleep 60000"});
        QProcess p;
        p.start(m_cli, {"--json", m_src + "/good.avi"});
        QVERIFY(p.waitForStarted());
        QList<qint64> readers;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(readers = childProcesses(p.processId(), "quivercast-probe")).isEmpty(), 30000);
        ::kill(pid_t(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished(30000));
        for (const qint64 pid : readers)
            QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 5000);
    }

    // Every task is named as in the whole list, by list order alone: by
    // one encoder or two, by shares started together or one after the
    // other; a kept file is reported as the task's output.
    void wholeListNaming_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("shares");
        QTest::addColumn<bool>("together");
        QTest::addColumn<QStringList>("ended"); // file name, status
        const QStringList converted{"a.mp4 Complete", "a_2.mp4 Complete", "b.mp4 Complete"};
        QTest::newRow("skip, one encoder")
            << QStringList{"--existing", "skip"} << 1 << false << converted;
        QTest::newRow("skip, two encoders, one kept")
            << QStringList{"--existing", "skip", "-j", "2"} << 1 << false
            << QStringList{"a.mp4 Complete", "a_2.mp4 Skipped", "b.mp4 Complete"};
        QTest::newRow("rename, shares together")
            << QStringList{"--existing", "rename"} << 2 << true << converted;
        QTest::newRow("skip, shares one after the other")
            << QStringList{"--existing", "skip"} << 2 << false << converted;
    }
    void wholeListNaming()
    {
        QFETCH(QStringList, options);
        QFETCH(int, shares);
        QFETCH(bool, together);
        QFETCH(QStringList, ended);
        const QString dir =
            m_work.filePath(QStringLiteral("naming-%1").arg(QTest::currentDataTag()));
        makeSources(dir, {"a.avi", "a.mov", "b.avi"});
        const QString out = dir + "/out";
        QVERIFY(QDir().mkpath(out));
        if (ended.contains("a_2.mp4 Skipped"))
            QVERIFY(writeFile(out + "/a_2.mp4", "kept"));
        setFakeScript(m_work.path(), ProbeReport + QStringList{"touch $last", "sleep 300"});
        const QStringList args = QStringList{"--json", "-o", out} + options + QStringList{dir};
        QList<std::shared_ptr<QProcess>> runs;
        QStringList seen;
        const auto collect = [&](QProcess &p) {
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
            for (const QJsonObject &e : eventsOf(events(p.readAllStandardOutput()), "ended"))
                seen << QFileInfo(e.value("output").toString()).fileName() + u' ' +
                            e.value("status").toString();
        };
        for (int k = 1; k <= shares; ++k) {
            runs << std::make_shared<QProcess>();
            runs.last()->start(
                m_cli, args + QStringList{"--shard", QStringLiteral("%1/%2").arg(k).arg(shares)});
            if (!together)
                collect(*runs.last());
        }
        if (together)
            for (const auto &p : runs)
                collect(*p);
        seen.sort();
        QCOMPARE(seen, ended);
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 3);
        QCOMPARE(readFile(out + "/a_2.mp4") == "kept", ended.contains("a_2.mp4 Skipped"));
    }

    // A nightly job whose output folder lies in its source tree: walks
    // never enter it, and an output never becomes a source.
    void outputFolderInTheTree()
    {
        const QString dir = m_work.filePath("nightly");
        makeSources(dir, {"x.avi"});
        makeSources(dir + "/sub", {"y.avi"});
        QVERIFY(QDir().mkpath(dir + "/converted"));
        setFakeScript(m_work.path(), ProbeReport + QStringList{"touch $last"});
        for (int night = 1; night <= 3; ++night) {
            const CliResult r =
                runCli(m_cli, {"-r", "--existing", "skip", "-o", dir + "/converted", dir});
            QVERIFY2(r.exitCode == 0, r.err.constData());
        }
        QStringList files;
        QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(dir).relativeFilePath(it.next());
        files.sort();
        QCOMPARE(files,
                 (QStringList{"converted/sub/y.mp4", "converted/x.mp4", "sub/y.avi", "x.avi"}));
    }

    // Each path named that is not taken in is told on a line of its own,
    // and the status is 1; a name with a line break stays on one line.
    void pathsNotTakenIn()
    {
        const QString dir = m_work.filePath("named");
        makeSources(dir, {"good.avi", "notes.txt", "new\nline.avi"});
        // A name that is not valid UTF-8 comes in a list file.
        const QByteArray raw = QFile::encodeName(dir) + "/b\xff.avi";
        const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        QVERIFY(writeFile(dir + "/list.txt", raw + '\n'));
        setFakeScript(m_work.path(), ProbeReport + QStringList{"touch $last"});
        const CliResult r =
            runCli(m_cli, {"-o", m_out, "-l", dir + "/list.txt", dir + "/good.avi",
                           dir + "/missing.avi", dir + "/notes.txt", dir + "/new\nline.avi"});
        QCOMPARE(r.exitCode, 1);
        const QList<QByteArray> errors = r.err.trimmed().split('\n');
        QCOMPARE(errors.size(), 3);
        QVERIFY2(errors[0].endsWith("/missing.avi\": no such file or folder."), errors[0]);
        QVERIFY2(errors[1].contains("/notes.txt\": not a video file"), errors[1]);
        QVERIFY2(errors[2].contains("/b\\xff.avi\": its name is not valid UTF-8"), errors[2]);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[1].startsWith("Complete  " + QFile::encodeName(dir) + "/new\\nline.avi"),
                 lines[1]);
    }

    // --jobs N: at most N encoders at once, and N when there is work for
    // them, each task with an output name of its own, however many encoders
    // run; --recursive mirrors the folders under the output directory.
    void sideBySide_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("most");
        QTest::addColumn<QStringList>("outputs");
        const QStringList twoFolders{"$dir/a", "$dir/b"};
        QTest::newRow("one at a time") << QStringList{"-j", "1"} + twoFolders << 1
                                       << QStringList{"x.mp4", "y.mp4", "x_3.mp4", "z.mp4"};
        QTest::newRow("two side by side") << QStringList{"-j", "2"} + twoFolders << 2
                                          << QStringList{"x.mp4", "y.mp4", "x_3.mp4", "z.mp4"};
        QTest::newRow("four side by side") << QStringList{"--jobs", "4"} + twoFolders << 4
                                           << QStringList{"x.mp4", "y.mp4", "x_3.mp4", "z.mp4"};
        QTest::newRow("recursive") << QStringList{"-j", "3", "-r", "$dir"} << 3
                                   << QStringList{"a/x.mp4", "a/y.mp4", "b/x.mp4", "b/z.mp4"};
    }
    void sideBySide()
    {
        QFETCH(QStringList, args);
        QFETCH(int, most);
        QFETCH(QStringList, outputs);
        static int run = 0;
        const QString dir = m_work.filePath(QStringLiteral("jobs-%1").arg(++run));
        makeSources(dir + "/a", {"x.avi", "y.avi"});
        makeSources(dir + "/b", {"x.avi", "z.avi"});
        const QString out = dir + "/out";
        QVERIFY(QDir().mkpath(out));
        const QString log = dir + "/encoders.log";
        setFakeScript(m_work.path(),
                      ProbeReport + QStringList{"log " + log, "touch $last", "sleep 700"});
        args.replaceInStrings("$dir", dir);

        const CliResult r =
            runCli(m_cli, QStringList{"--json", "--existing", "overwrite", "-o", out} + args);
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QList<EncoderSpan> spans = readEncoderLog(log);
        QCOMPARE(spans.size(), 4);
        QCOMPARE(mostAtOnce(spans, "run"), most);
        QStringList ended;
        for (const QJsonObject &e : eventsOf(events(r.out), "ended")) {
            QCOMPARE(e.value("status").toString(), QString("Complete"));
            ended << QDir(out).relativeFilePath(e.value("output").toString());
        }
        ended.sort();
        outputs.sort();
        QCOMPARE(ended, outputs);
        for (const QString &output : outputs)
            QVERIFY(QFileInfo(out + u'/' + output).isFile());
    }

    // Every share holds the tasks i with i mod N = K - 1, named as in the
    // whole list; together the shares hold every task once.
    void shares()
    {
        const QString dir = m_work.filePath("shares");
        // a.avi would become a.mp4, the source of another task.
        makeSources(dir, {"a.avi", "a.mp4", "b.avi", "c.mov", "d.wmv", "e.mpg", "f.avi"});
        setFakeScript(m_work.path(), ProbeReport);
        const auto commands = [&](const QStringList &extra) {
            QMap<int, QPair<QString, QString>> tasks;
            const CliResult r = runCli(m_cli, QStringList{"-n", "--json", "-o", dir, dir} + extra);
            if (r.exitCode != 0)
                return tasks; // none, which fails below
            for (const QJsonObject &e : eventsOf(events(r.out), "command"))
                tasks.insert(e.value("task").toInt(),
                             {e.value("input").toString(), e.value("output").toString()});
            return tasks;
        };
        const QMap<int, QPair<QString, QString>> whole = commands({});
        QCOMPARE(whole.size(), 7);
        QCOMPARE(whole.value(0).second, dir + "/a_1.mp4");
        QMap<int, QPair<QString, QString>> together;
        for (int k = 1; k <= 3; ++k) {
            const QMap<int, QPair<QString, QString>> share =
                commands({"--shard", QStringLiteral("%1/3").arg(k)});
            for (auto it = share.begin(); it != share.end(); ++it) {
                QCOMPARE(it.key() % 3, k - 1);
                QVERIFY(!together.contains(it.key()));
                QCOMPARE(it.value(), whole.value(it.key()));
                together.insert(it.key(), it.value());
            }
        }
        QCOMPARE(together, whole);
    }

    // --dry-run prints, line by line, what the window would run for the same
    // tasks with the same settings.
    void dryRunIsTheWindowsCommandLine_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("overwrite") << true;
        QTest::newRow("rename") << false;
    }
    void dryRunIsTheWindowsCommandLine()
    {
        QFETCH(bool, overwrite);
        const QString dir = m_work.filePath("dryrun");
        makeSources(dir, {"a clip.avi", "-dash.mpg", "b.mov"});
        const QString out = dir + "/out";
        QVERIFY(QDir().mkpath(out));
        setFakeScript(m_work.path(), ProbeReport);
        const QStringList sources{dir + "/a clip.avi", dir + "/-dash.mpg", dir + "/b.mov"};
        for (int profile = 0; profile < 9; ++profile) {
            MainFormFixture::Options options;
            options.encoder = fakeEncoder();
            options.withShippedProfiles = true;
            options.preferences = QStringLiteral("[Main]\r\nProfile=%1\r\nOverwrite=%2\r\nOutput "
                                                 "Path=%3\r\n")
                                      .arg(profile)
                                      .arg(overwrite ? 1 : 0)
                                      .arg(out);
            MainFormFixture window(sources, options);
            window.show();
            window.waitForIntake();
            TMainForm &form = *window.form;
            QCOMPARE(form.tasks().count(), 3);
            // An output that exists already.
            QVERIFY(writeFile(out + "/b" + form.outputExtension(), "output"));
            const EncoderOptions profileOptions = BuildProfileOptions(
                form.profilePath(form.cmbProfile->currentText()), form.grids(), nullptr, false);
            QByteArray expected;
            const OutputPlan plan = form.batch().planOutputs();
            for (int row = 0; row < 3; ++row) {
                ltvItemData task;
                form.tasks().GetItemData(row, ItemField::All, task);
                expected +=
                    CommandLineText(task, TaskOptions(profileOptions, task), plan.output(row))
                        .toUtf8() +
                    '\n';
            }
            const QString cli = copyCli(window.dir);
            const CliResult r = runCli(cli, QStringList{"-n", "--"} + sources);
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(r.out, expected);
            QVERIFY(QFile::remove(out + "/b" + form.outputExtension()));
        }
    }

    // --verify checks each output (the preferences here turn the check
    // off): what the stand-in wrote decides the status, and the "ended"
    // event tells the reason and the lengths; --trash-source moves a source
    // whose output passed to the Trash, counted in the summary.
    void checkedOutputs_data()
    {
        addStandInRows();
        QTest::newRow("good, --trash-source") << "full.avi"
                                              << "";
        QTest::newRow("half as long, --verify --no-verify") << "half.avi"
                                                            << "";
    }
    void checkedOutputs()
    {
        QFETCH(QString, copied);
        QFETCH(QString, reason);
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        const QStringList options =
            tag.contains("--") ? tag.mid(tag.indexOf("--")).split(u' ') : QStringList{"--verify"};
        QVERIFY(!standInOutputs().isEmpty());
        const QString source = m_work.filePath("checked/clip.avi");
        QVERIFY(QDir().mkpath(m_work.filePath("checked")));
        QFile::remove(source);
        QVERIFY(QFile::copy(standInOutputs() + "/full.avi", source));
        // The user's trash, on the file system of the source.
        const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            qputenv("XDG_DATA_HOME", data);
        });
        qputenv("HOME", QFile::encodeName(m_work.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_work.filePath("data")));
        setFakeScript(m_work.path(), standInScript(copied));
        const CliResult r = runCli(m_cli, options + QStringList{"--json", source});
        QCOMPARE(r.exitCode, reason.isEmpty() ? 0 : 1);
        const QList<QJsonObject> all = events(r.out);
        const QJsonObject e = eventsOf(all, "ended").value(0);
        QCOMPARE(e.value("status").toString(), reason.isEmpty() ? "Complete" : "Failed");
        const bool checked = !options.contains("--no-verify");
        QCOMPARE(e.contains("verified"), checked);
        QCOMPARE(e.value("verified").toBool(), checked && reason.isEmpty());
        QCOMPARE(e.value("error_lines").toVariant().toStringList(),
                 reason.isEmpty() ? QStringList() : QStringList{reason});
        QVERIFY(!checked || qAbs(e.value("expected_seconds").toDouble() - 4.0) < 0.1);
        const bool trash = options.contains("--trash-source");
        QCOMPARE(e.value("source_trashed").toBool(), trash);
        QCOMPARE(all.last().value("trashed").toInt(), trash ? 1 : 0);
        QCOMPARE(QFileInfo::exists(m_work.filePath("data/Trash/info/clip.avi.trashinfo")), trash);
        QFile::remove(m_work.filePath("data/Trash/info/clip.avi.trashinfo"));
    }

    // One conversion by the real encoder, told one line a task when the
    // output is no terminal.
    void realConversion()
    {
        ProgramDir program(ffmpeg(), true, false);
        const QString cli = copyCli(program, true);
        QVERIFY(!cli.isEmpty());
        const QString clip = makeStandardClip(m_work.filePath("clip.avi"), 1.0);
        QVERIFY(!clip.isEmpty());
        const CliResult r = runCli(cli, {"-p", "mp4 h.264 + aac", "-o", m_out, clip});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QString output = m_out + "/clip.mp4";
        QVERIFY(QFileInfo(output).size() > 0);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith("Complete  " + clip.toUtf8() + " -> " + output.toUtf8()),
                 lines[0].constData());
        QVERIFY2(lines[1].startsWith("1 task: 1 Complete, 0 Failed, 0 Skipped, 0 Stop in "),
                 lines[1].constData());
        QCOMPARE(r.err, QByteArray());
    }

    // The media reader beside the program probes the sources, unless the
    // option or the preferences leave it to the encoder.
    void probedByTheMediaReader_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("preferences");
        QTest::addColumn<QString>("duration"); // the start of the "added" event's
        const QByteArray main =
            "[Main]\nProfile=4\nCheck Outputs=0\nOutput Path=" + m_out.toUtf8() + "\n";
        // The clip is a second long; the fake encoder says two.
        QTest::newRow("media reader") << QStringList() << main << "00:00:01.";
        QTest::newRow("--probe-with-encoder")
            << QStringList{"--probe-with-encoder"} << main << "00:00:02.00";
        QTest::newRow("preferences") << QStringList() << main + "Probe With Encoder Only=1\n"
                                     << "00:00:02.00";
    }
    void probedByTheMediaReader()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, preferences);
        QFETCH(QString, duration);
        ProgramDir program(fakeEncoder(), true, false);
        const QString cli = copyCli(program, true);
        QVERIFY(writeFile(program.file("Preferences.ini"), preferences));
        const QString clip = m_work.filePath("one second.avi");
        QVERIFY(QFileInfo::exists(clip) || !makeStandardClip(clip, 1.0).isEmpty());
        setFakeScript(m_work.path(), ProbeReport + QStringList{"touch $last"});
        const CliResult r = runCli(cli, args + QStringList{"--json", clip});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(r.err, QByteArray());
        const QList<QJsonObject> added = eventsOf(events(r.out), "added");
        QCOMPARE(added.size(), 1);
        QVERIFY2(added[0].value("duration").toString().startsWith(duration), r.out.constData());
    }

    // --help lists the options the manual page describes, in its order.
    void helpMatchesManualPage()
    {
        const CliResult r = runCli(m_cli, {"--help"});
        QCOMPARE(r.exitCode, 0);
        QStringList help;
        static const QRegularExpression optionLine(QStringLiteral("^  +(-\\S.*?)  +\\S"));
        for (const QString &line : QString::fromUtf8(r.out).split(u'\n'))
            if (const auto m = optionLine.match(line); m.hasMatch())
                help << m.captured(1);
        QStringList manual;
        const QStringList page =
            QString::fromUtf8(readFile(sourceDir() + "/resources/quivercast-cli.1")).split(u'\n');
        for (int i = 1; i < page.size(); ++i)
            if (page[i - 1] == ".TP" && page[i].startsWith(".B \"\\-"))
                manual << page[i]
                              .mid(4)
                              .chopped(1)
                              .replace("\\-", "-")
                              .remove(QRegularExpression("\\\\f[BIR]"));
        QCOMPARE(help.size(), 18);
        QCOMPARE(help, manual);
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
