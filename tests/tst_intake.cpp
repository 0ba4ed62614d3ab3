#include "engine/directorywalk.h"
#include "engine/intake.h"
#include "engine/itemdata.h"
#include "engine/outputrecords.h"
#include "engine/probequeue.h"
#include "engine/taskstore.h"
#include "platform/filenames.h"
#include "platform/pathtext.h"
#include "platform/recordingplatform.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

// Intake through the fake encoder, which answers every probe with a report
// on the file it was given; one case goes through the real encoder.
class TestIntake : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;
    std::unique_ptr<ProgramDir> m_program;
    std::unique_ptr<TaskStore> m_store;
    std::unique_ptr<ProbeQueue> m_probes;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<TaskIntake> m_intake;

    // The intake under way has added its rows and every probe has ended.
    bool settled() { return waitForIntake(*m_intake); }

    QString touch(const QString &relative)
    {
        const QString path = m_tmp.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        return path;
    }
    QStringList captions() const
    {
        QStringList list;
        for (int i = 0; i < m_store->count(); ++i)
            list << m_store->caption(i);
        return list;
    }

    // The fake's usual answer: a report on the file it was given.
    void reportScript()
    {
        setFakeScript(m_tmp.path(),
                      {"print Input #0, avi, from '$last':\\n  Duration: 00:02:05.40, start: "
                       "0.000000, bitrate: 1 kb/s\\n",
                       "print   Stream #0:0: Video: mpeg4, yuv420p(tv, progressive), 640x480 "
                       "[SAR 1:1 DAR 4:3], 25 fps\\n"});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        m_program = std::make_unique<ProgramDir>(fakeEncoder(), false);
        reportScript();
    }

    void cleanupTestCase()
    {
        // What the tree test locked must go with the temporary folder.
        QFile::setPermissions(m_tmp.filePath("tree/locked"), QFileDevice::ReadOwner |
                                                                 QFileDevice::WriteOwner |
                                                                 QFileDevice::ExeOwner);
    }

    void init()
    {
        m_intake.reset();
        m_store = std::make_unique<TaskStore>();
        m_probes = std::make_unique<ProbeQueue>(m_program->file("wmaspi.dll"));
        m_platform = std::make_unique<RecordingPlatform>();
        m_intake = std::make_unique<TaskIntake>(*m_store, *m_probes, *m_platform);
    }

    void texts()
    {
        const QString mask =
            "*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;*.mkv;*.webm;*.m4v;*."
            "ts;*.m2ts;*.mts;*.flv;*.3gp;*.ogv;*.mxf;*.dv;";
        QCOMPARE(DirectoryMask(), mask);
        QCOMPARE(FileDialogFilter(),
                 "All Support Files(" + mask + ")|" + mask +
                     "|AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|*.mpg|MPEG Files (*.mpeg)|*.mpeg|"
                     "MP4 Files (*.mp4)|*.mp4|WMV Files (*.wmv)|*.wmv|MOV Files (*.mov)|*.mov|VOB "
                     "Files (*.vob)|*.vob|ASF Files (*.asf)|*.asf|MKV Files (*.mkv)|*.mkv|WEBM "
                     "Files (*.webm)|*.webm|M4V Files (*.m4v)|*.m4v|TS Files (*.ts)|*.ts|M2TS "
                     "Files (*.m2ts)|*.m2ts|MTS Files (*.mts)|*.mts|FLV Files (*.flv)|*.flv|3GP "
                     "Files (*.3gp)|*.3gp|OGV Files (*.ogv)|*.ogv|MXF Files (*.mxf)|*.mxf|DV Files "
                     "(*.dv)|*.dv|All Files (*.*)|*.*");
    }

    void hasSupportedExt_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lower") << "/v/a.avi" << true;
        QTest::newRow("upper") << "/v/a.MPEG" << true;
        QTest::newRow("last dot counts") << "/v/a.avi.txt" << false;
        QTest::newRow("two extensions") << "/v/a.txt.vob" << true;
        QTest::newRow("no dot") << "/v/avi" << false;
        QTest::newRow("dot in directory only") << "/v/dir.avi/clip" << false;
        QTest::newRow("trailing dot") << "/v/a." << false;
        QTest::newRow("near miss") << "/v/a.avix" << false;
        QTest::newRow("matroska") << "/v/a.MKV" << true;
        QTest::newRow("transport stream") << "/v/a.m2ts" << true;
        QTest::newRow("last of the list") << "/v/a.dv" << true;
        QTest::newRow("not a video") << "/v/a.mp3" << false;
        QTest::newRow("empty") << "" << false;
    }
    void hasSupportedExt()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(HasSupportedExt(path, SupportedExtensions()), accepted);
    }

    void addFileFillsRecord()
    {
        m_intake->setOutputExtension(".mp4");
        QSignalSpy added(m_intake.get(), &TaskIntake::taskAdded);
        QSignalSpy probed(m_intake.get(), &TaskIntake::taskProbed);
        const QString path = "/videos/holiday.part 1.avi";
        QVERIFY(m_intake->AddFile(path));
        QCOMPARE(m_store->count(), 1);
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0).at(0).toInt(), 0);
        // The row is there at once; its probe has not ended yet.
        QCOMPARE(m_store->cell(0, ItemField::Status), QStringLiteral("Probing"));
        QCOMPARE(m_store->cell(0, ItemField::Length), QString());
        QCOMPARE(m_store->cell(0, ItemField::Size), QString());
        QCOMPARE(m_store->cell(0, ItemField::NewFilename), QStringLiteral("holiday.part 1"));
        QVERIFY(m_intake->isBusy());
        QVERIFY(settled());
        QCOMPARE(probed.count(), 1);
        ltvItemData d;
        m_store->GetItemData(0, ItemField::All, d);
        QCOMPARE(d.InputFile, path);
        QCOMPARE(d.Length, QStringLiteral("00:02:05.40"));
        QCOMPARE(d.Size, QStringLiteral(" 640x480"));
        QCOMPARE(d.Status, QStringLiteral("OK"));
        QCOMPARE(d.NewFilename, QStringLiteral("holiday.part 1"));
        QCOMPARE(d.NewFileExt, QStringLiteral(".mp4"));
        QCOMPARE(d.OrigStartTime, QStringLiteral("00:00:00.0"));
        QCOMPARE(d.OrigEndTime, QStringLiteral("00:02:05.40"));
        QCOMPARE(d.ClipLength, QStringLiteral("00:02:05.40"));
        QCOMPARE(d.StartTime, QStringLiteral("00:00:00.0"));
        QCOMPARE(d.EndTime, QStringLiteral("00:02:05.40"));
        QCOMPARE(d.LengthSecs, 125.4);
        QCOMPARE(d.ClipLengthSecs, 125.4);
        QCOMPARE(d.StartSecs, 0.0);
        // The visible columns.
        QCOMPARE(m_store->data(m_store->index(0, 1)).toString(), QStringLiteral("00:02:05.40"));
        QCOMPARE(m_store->data(m_store->index(0, 3)).toString(), QStringLiteral("OK"));
    }

    void addFileWithoutProfileOrEncoder()
    {
        ProgramDir dir(fakeEncoder(), false);
        ProbeQueue probes(dir.file("wmaspi.dll"));
        TaskIntake intake(*m_store, probes, *m_platform);
        // No profile loaded yet: no extension.
        QVERIFY(intake.AddFile("/v/first.avi"));
        QVERIFY(waitForIntake(intake));
        QCOMPARE(m_store->cell(0, ItemField::Length), QStringLiteral("00:02:05.40"));
        QCOMPARE(m_store->cell(0, ItemField::NewFileExt), QString());
        // The encoder is gone: the task is still added, with empty texts
        // rather than the previous file's.
        QVERIFY(QFile::remove(dir.file("wmaspi.dll")));
        QVERIFY(intake.AddFile("/v/second.avi"));
        QVERIFY(waitForIntake(intake));
        ltvItemData d;
        m_store->GetItemData(1, ItemField::All, d);
        QCOMPARE(d.InputFile, QStringLiteral("/v/second.avi"));
        QCOMPARE(d.Length, QString());
        QCOMPARE(d.Size, QString());
        QCOMPARE(d.Status, QStringLiteral("OK"));
        QCOMPARE(d.NewFilename, QStringLiteral("second"));
        QCOMPARE(d.LengthSecs, -1.0);
        QCOMPARE(d.EndSecs, -1.0);
    }

    void duplicates()
    {
        QSignalSpy hidden(m_intake.get(), &TaskIntake::welcomeHidden);
        QVERIFY(m_intake->AddFile("/v/Clip.avi"));
        QVERIFY(!m_intake->AddFile("/v/Clip.avi"));
        QVERIFY(m_intake->AddFile("/v/clip.avi"));
        QCOMPARE(captions(), (QStringList{"/v/Clip.avi", "/v/clip.avi"}));
        // The welcome panel goes on every call, the skipped one too.
        QCOMPARE(hidden.count(), 3);
        QVERIFY(settled());
    }

    void realEncoder()
    {
        const QString clip = makeStandardClip(m_tmp.filePath("real clip.avi"), 2.0);
        QVERIFY(!clip.isEmpty());
        ProgramDir real(ffmpeg(), false);
        ProbeQueue probes(real.file("wmaspi.dll"));
        TaskIntake intake(*m_store, probes, *m_platform);
        QVERIFY(intake.AddFile(clip));
        QVERIFY(waitForIntake(intake));
        ltvItemData d;
        m_store->GetItemData(0, ItemField::All, d);
        QCOMPARE(d.Size, QStringLiteral(" 320x240"));
        QVERIFY2(qAbs(d.LengthSecs - 2.0) < 0.2, qPrintable(d.Length));
        QCOMPARE(d.EndTime, d.Length);
        QCOMPARE(d.NewFilename, QStringLiteral("real clip"));
    }

    // Files are added in the order the dialog returns them (the real
    // dialog's order: tst_widgetplatform).
    void dialogOrder()
    {
        m_platform->fileAnswers << QStringList{"/v/C.avi", "/v/A.avi", "/v/B.avi"};
        QVERIFY(m_intake->AddFilesByDialog());
        QCOMPARE(captions(), (QStringList{"/v/C.avi", "/v/A.avi", "/v/B.avi"}));
        QVERIFY(settled());
        QCOMPARE(m_platform->fileDialogFilters, QStringList{FileDialogFilter()});
        // Any extension chosen through "All Files" is added.
        m_intake->AddFromDialog({"/v/notes.txt"});
        QCOMPARE(m_store->count(), 4);
        QVERIFY(settled());
        // Cancelled.
        QVERIFY(!m_intake->AddFilesByDialog());
        QCOMPARE(m_store->count(), 4);
    }

    void directory()
    {
        const QString dir = m_tmp.filePath("dir");
        touch("dir/b.mpg");
        touch("dir/a.AVI");
        touch("dir/A2.Wmv");
        touch("dir/c.txt");
        touch("dir/.hidden.avi");
        touch("dir/d/e.avi");
        QDir().mkpath(dir + "/folder.avi");
        QVERIFY(QProcess::execute("mkfifo", {dir + "/pipe.avi"}) == 0);
        // Links to a FIFO or a device are no files either; one to a file is.
        QVERIFY(QFile::link(dir + "/pipe.avi", dir + "/pipe link.avi"));
        QVERIFY(QFile::link("/dev/zero", dir + "/zero.mpg"));
        QVERIFY(QFile::link(dir + "/b.mpg", dir + "/b link.mpg"));
        QCOMPARE(ListDirectory(dir), (QStringList{"a.AVI", "A2.Wmv", "b link.mpg", "b.mpg"}));

        // The window gets its events before each file.
        int countWhenEventsRan = -1;
        QTimer::singleShot(0, this, [&] { countWhenEventsRan = m_store->count(); });
        m_platform->browseAnswers << dir;
        QVERIFY(m_intake->AddDirectoryByBrowser());
        QVERIFY(settled());
        QCOMPARE(m_platform->browseTitles, QStringList{"Add a directory to the Task List"});
        QCOMPARE(captions(), (QStringList{dir + "/a.AVI", dir + "/A2.Wmv", dir + "/b link.mpg",
                                          dir + "/b.mpg"}));
        QCOMPARE(countWhenEventsRan, 0);

        // A trailing separator is not doubled; files already there are skipped.
        m_intake->AddDirectory(dir + "/");
        QVERIFY(settled());
        QCOMPARE(m_store->count(), 4);
        // Cancelled browser, missing and unreadable directories add nothing.
        QVERIFY(!m_intake->AddDirectoryByBrowser());
        m_intake->AddDirectory(m_tmp.filePath("missing"));
        m_intake->AddDirectory(dir + "/b.mpg");
        m_intake->AddDirectory(QString());
        QVERIFY(settled());
        QCOMPARE(m_store->count(), 4);
    }

    // Folder trees: each folder's files in name order, then its subfolders
    // in name order; hidden entries, FIFOs and links to folders (here a loop)
    // left out, an unreadable folder passed over, and so are the output
    // folder (under any spelling) and a file recorded as an output. A task
    // from a subfolder keeps that subfolder for its output when the
    // structure is kept.
    void folderTree_data()
    {
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<bool>("keepStructure");
        QTest::addColumn<QStringList>("added"); // relative path, then "|" and subfolder
        QStringList tree{"A.mpg|", "b.avi|", "link.avi|"};
        tree << "Sub0/e.wmv|Sub0"
             << "sub1/c.avi|sub1"
             << "sub1/deeper/d.avi|sub1/deeper";
        QStringList flat;
        for (const QString &entry : tree)
            flat << entry.section(u'|', 0, 0) + u'|';
        QTest::newRow("folder alone") << false << true << flat.mid(0, 3);
        QTest::newRow("tree, structure kept") << true << true << tree;
        QTest::newRow("tree, all in one folder") << true << false << flat;
    }
    void folderTree()
    {
        QFETCH(bool, subfolders);
        QFETCH(bool, keepStructure);
        QFETCH(QStringList, added);
        const QString dir = m_tmp.filePath("tree");
        if (!QFileInfo::exists(dir)) {
            for (const char *name :
                 {"b.avi", "A.mpg", "notes.txt", ".hidden.avi", ".dot/x.avi", "sub1/c.avi",
                  "sub1/deeper/d.avi", "Sub0/e.wmv", "locked/f.avi", "out/x.avi", "made.avi"})
                QVERIFY(!touch(QStringLiteral("tree/") + name).isEmpty());
            QVERIFY(QFile::link(dir, dir + "/loop"));
            QVERIFY(QFile::link(dir + "/b.avi", dir + "/link.avi"));
            QVERIFY(QProcess::execute("mkfifo", {dir + "/sub1/pipe.avi"}) == 0);
            QVERIFY(QFile::setPermissions(dir + "/locked", QFileDevice::Permissions()));
        }
        m_intake->setFolderOptionsSource([=] {
            return TaskIntake::FolderOptions{subfolders, keepStructure, dir + "/sub1/../out"};
        });
        OutputRecords records;
        records.markFinished(dir + "/made.avi", dir + "/b.avi");
        m_intake->setOutputRecords(&records);
        {
            // As an ordinary user, whom the locked folder keeps out (root
            // reads it all the same).
            QVERIFY(QFile::setPermissions(m_tmp.path(), QFileDevice::Permissions(0x7755)));
            AsUnprivilegedUser user;
            m_intake->AddDirectory(dir);
            QVERIFY(settled());
        }
        QStringList rows;
        for (int i = 0; i < m_store->count(); ++i)
            rows << QDir(dir).relativeFilePath(m_store->caption(i)) + u'|' +
                        m_store->outputSubfolder(i);
        QCOMPARE(rows, added);
        QVERIFY(m_platform->messages.isEmpty());
        m_intake->setOutputRecords(nullptr);
    }

    // A folder of thousands of files is read a little at a time.
    void walkInSlices()
    {
        const QString dir = m_tmp.filePath("many");
        QVERIFY(QDir().mkpath(dir));
        for (int i = 2999; i >= 0; --i)
            QVERIFY(writeFile(dir + QStringLiteral("/%1.avi").arg(i, 4, 10, QLatin1Char('0')), {}));
        DirectoryWalk walk(dir, true);
        DirectoryWalk::Found found;
        QStringList names;
        int slices = 0;
        for (;;) {
            // A deadline passed already: each call still gets on a little.
            if (walk.next(QDeadlineTimer(0), found))
                names << FileNamePart(found.path);
            else if (walk.done())
                break;
            else
                ++slices;
            QVERIFY(slices < 1000);
        }
        QVERIFY2(slices >= 10, qPrintable(QString::number(slices)));
        QCOMPARE(names.size(), 3000);
        QCOMPARE(names.first(), QStringLiteral("0000.avi"));
        QCOMPARE(names.last(), QStringLiteral("2999.avi"));

        // Their rows too: a slice that has run out of time ends after the
        // row it was adding, whatever remains of the folder.
        m_probes->setLimitSource([] { return 1; });
        int afterFirstSlice = -1;
        const auto watch = connect(m_intake.get(), &TaskIntake::taskAdded, this, [&](int row) {
            if (row != 0)
                return;
            QThread::msleep(20);
            QTimer::singleShot(0, this, [&] { afterFirstSlice = m_store->count(); });
        });
        m_intake->AddDirectory(dir);
        QTRY_VERIFY(!m_intake->isAdding());
        m_intake->cancel();
        disconnect(watch);
        QCOMPARE(m_store->count(), 3000);
        QCOMPARE(afterFirstSlice, 1);
    }

    // At most the limit of probes run at a time, counted by the encoders.
    void probeLimit()
    {
        const QString log = m_tmp.filePath("limit.log");
        setFakeScript(m_tmp.path(), {"log " + log, "sleep 300",
                                     "print Input #0, avi, from '$last':\\n  Duration: "
                                     "00:00:01.00, start: 0, bitrate: 1 kb/s\\n"});
        m_probes->setLimitSource([] { return 3; });
        QStringList files;
        for (int i = 0; i < 7; ++i)
            files << touch(QStringLiteral("limit/%1.avi").arg(i));
        m_intake->AddFromDialog(files);
        QCOMPARE(m_probes->runningCount(), 3);
        QVERIFY(settled());
        reportScript();
        const QList<EncoderSpan> spans = readEncoderLog(log);
        QCOMPARE(spans.size(), 7);
        QCOMPARE(mostAtOnce(spans, "probe"), 3);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(m_store->cell(i, ItemField::Length), QStringLiteral("00:00:01.00"));
    }

    // Several files to one encoder: each result lands on its own task (the
    // fake reports a file's path as its length); the file the encoder stops
    // at is probed alone, those after it go on in a batch; a task cancelled
    // while its batch goes on gets nothing, and a batch with none left ends.
    void probeBatches()
    {
        const QString log = m_tmp.filePath("batches.log");
        setFakeScript(m_tmp.path(),
                      {"log " + log, "exitif bad 1", "sleep 50", "sleepif slow 400",
                       "print Input #0, avi, from '$last':\\n  Duration: $last, start: 0\\n"});
        // Declared before the queues, which go first.
        QMap<ProbeQueue::TaskId, QString> got, none;
        const auto collect = [this](ProbeQueue &probes, QMap<ProbeQueue::TaskId, QString> &into) {
            connect(&probes, &ProbeQueue::probed, this,
                    [&into](ProbeQueue::TaskId id, const ProbeResults &r) {
                        QVERIFY(!into.contains(id));
                        into.insert(id, r.duration + u'|' + r.rangeStart);
                    });
        };
        ProbeQueue probes(m_program->file("wmaspi.dll"));
        probes.setBatchLimit(4);
        probes.setLimitSource([] { return 2; });
        collect(probes, got);
        QStringList paths;
        for (int i = 0; i < 10; ++i) {
            paths << QStringLiteral("/v/%1.avi")
                         .arg(i == 1   ? "slow"
                              : i == 5 ? "bad"
                                       : QString::number(i));
            probes.enqueue(i + 1, paths[i]);
        }
        // The files that came together wait for the loop's next turn.
        QCOMPARE(probes.runningCount(), 0);
        QTRY_COMPARE(probes.runningCount(), 2);
        probes.cancel(3); // in the first batch, behind the slow one
        QTRY_VERIFY(probes.isIdle());
        for (int i = 0; i < 10; ++i) {
            if (i == 2)
                QVERIFY(!got.contains(3));
            else
                QCOMPARE(got.value(i + 1), (i == 5 ? QString() : paths[i]) + "|00:00:00.0");
        }
        const QList<EncoderSpan> spans = readEncoderLog(log);
        QVERIFY2(spans.size() >= 3 && spans.size() <= 5, qPrintable(QString::number(spans.size())));
        QCOMPARE(mostAtOnce(spans, "probe"), 2);
        QCOMPARE(std::count_if(spans.cbegin(), spans.cend(),
                               [](const EncoderSpan &s) { return s.last == "/v/bad.avi"; }),
                 1);

        // Every task of a batch cancelled: its encoder ends.
        probes.setLimitSource([] { return 1; });
        probes.enqueue(20, "/v/slow.avi");
        probes.enqueue(21, "/v/x.avi");
        QTRY_COMPARE(probes.runningCount(), 1);
        probes.cancel(21);
        QCOMPARE(probes.runningCount(), 1);
        probes.cancel(20);
        QCOMPARE(probes.runningCount(), 0);
        QList<qint64> started;
        readEncoderLog(log, &started);
        QTRY_VERIFY(processGone(started.last()));

        // No encoder: each task gets empty results, once.
        ProbeQueue missing(m_tmp.filePath("no-encoder"));
        missing.setBatchLimit(4);
        collect(missing, none);
        for (ProbeQueue::TaskId id = 1; id <= 3; ++id)
            missing.enqueue(id, QStringLiteral("/v/%1.avi").arg(id));
        QTRY_VERIFY(missing.isIdle());
        QCOMPARE(none.keys(), (QList<ProbeQueue::TaskId>{1, 2, 3}));
        QCOMPARE(none.value(2), QStringLiteral("|"));
        reportScript();
    }

    void drops()
    {
        const QString dir = m_tmp.filePath("dropdir");
        touch("dropdir/x.vob");
        touch("dropdir/y.doc");
        const QString text = touch("dropped.txt");
        const QString wmv = touch("dropped.wmv");
        // A long path stays whole.
        const QString longName = QString(240, u'n') + ".avi";
        const QString longPath = m_tmp.filePath("long/" + QString(40, u'd') + "/" + longName);
        QVERIFY(longPath.size() > 253);
        m_intake->AddDropped({dir, text, wmv, "", longPath});
        QVERIFY(settled());
        QCOMPARE(captions(), (QStringList{dir + "/x.vob", wmv, longPath}));
        QCOMPARE(m_store->cell(2, ItemField::NewFilename), QString(240, u'n'));
    }

    void commandLine()
    {
        const QString dir = m_tmp.filePath("cmd");
        touch("cmd/one.mov");
        touch("cmd/two.asf");
        const QString wmv = touch("movie.wmv");
        const QString doc = touch("letter.doc");
        m_intake->CommandLineIntake({wmv, doc, dir, m_tmp.filePath("gone.avi")});
        QVERIFY(settled());
        QCOMPARE(captions(), (QStringList{wmv, dir + "/one.mov", dir + "/two.asf"}));
        QVERIFY(m_platform->messages.isEmpty());
    }

    void commandLineRelative()
    {
        const QString wmv = touch("rel/here.wmv");
        const QString old = QDir::currentPath();
        QDir::setCurrent(m_tmp.filePath("rel"));
        m_intake->CommandLineIntake({"here.wmv"});
        QDir::setCurrent(old);
        QVERIFY(settled());
        QCOMPARE(captions(), QStringList{wmv});
    }

    void listFile()
    {
        const QString dir = m_tmp.filePath("listed");
        touch("listed/in.mpeg");
        const QString avi = touch("from list.avi");
        const QString other = touch("ignored.avi");
        const QString list = m_tmp.filePath("paths.TMP");
        QFile f(list);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write((avi + "\r\n" + m_tmp.filePath("letter.doc") + "\r\n\r\n" + dir + "\n").toUtf8());
        f.close();
        // Further arguments are ignored.
        m_intake->CommandLineIntake({list, other});
        QVERIFY(settled());
        QCOMPARE(captions(), (QStringList{avi, dir + "/in.mpeg"}));
        QVERIFY(m_platform->messages.isEmpty());
    }

    void decodeFileName_data()
    {
        // Lone surrogates cannot be written as literals: the text as code units.
        const auto units = [](std::initializer_list<char16_t> u) {
            return QString(reinterpret_cast<const QChar *>(u.begin()), qsizetype(u.size()));
        };
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("undecodable");
        QTest::newRow("plain") << QByteArray("a.avi") << "a.avi" << false;
        QTest::newRow("letters beyond ASCII")
            << QByteArray("\xc3\xa9\xf0\x9f\x8e\xac") << "\u00e9\U0001F3AC" << false;
        QTest::newRow("U+FFFD itself") << QByteArray("\xef\xbf\xbd") << "\uFFFD" << false;
        QTest::newRow("stray byte") << QByteArray("a\xff"
                                                  "b")
                                    << units({u'a', 0xDCFF, u'b'}) << true;
        QTest::newRow("cut sequence") << QByteArray("\xc3.") << units({0xDCC3, u'.'}) << true;
        QTest::newRow("overlong") << QByteArray("\xc0\xaf") << units({0xDCC0, 0xDCAF}) << true;
        QTest::newRow("encoded surrogate")
            << QByteArray("\xed\xa0\x80") << units({0xDCED, 0xDCA0, 0xDC80}) << true;
    }
    void decodeFileName()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, undecodable);
        QCOMPARE(DecodeFileName(bytes), text);
        QCOMPARE(IsUndecodableName(DecodeFileName(bytes)), undecodable);
    }

    // Names that are not valid UTF-8 cannot be added: every way in names
    // the files they name once, at its end, without a message box. A valid
    // name holding U+FFFD, which such a name looks like when decoded with
    // replacement, is added.
    void undecodableNames_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("notUtf8");
        QTest::addColumn<int>("notFound");
        QTest::newRow("directory") << "directory" << 2 << 0;
        QTest::newRow("command line") << "command line" << 3 << 1;
        QTest::newRow("list file") << "list file" << 3 << 1;
        // A dropped name counts by its extension, there or not.
        QTest::newRow("drop") << "drop" << 4 << 0;
    }
    void undecodableNames()
    {
        QFETCH(QString, way);
        QFETCH(int, notUtf8);
        QFETCH(int, notFound);
        QSignalSpy ended(m_intake.get(), &TaskIntake::intakeEnded);
        const QString dir = m_tmp.filePath("raw " + way);
        QVERIFY(QDir().mkpath(dir));
        const QByteArray base = QFile::encodeName(dir) + '/';
        QVERIFY(::mkdir(base + "d\xff", 0755) == 0);
        for (const char *name :
             {"a\xff.avi", "b\xc3.mpg", "c\xff.txt", ".\xff.avi", "d\xff/x.avi", "d\xff/y.txt"}) {
            const int fd = ::open(base + name, O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        const QString good = touch("raw " + way + "/good.avi");
        const QString replacement = touch("raw " + way + "/a\uFFFD.avi");
        QCOMPARE(ListDirectory(dir), (QStringList{"a\uFFFD.avi", "good.avi"}));

        // Two files, a missing one and a directory with one accepted file.
        const QList<QByteArray> raw{base + "a\xff.avi", base + "b\xc3.mpg", base + "gone\xff.avi",
                                    base + "d\xff"};
        QStringList paths{replacement, good};
        for (const QByteArray &path : raw)
            paths << DecodeFileName(path);
        QVERIFY(IsUndecodableName(paths.last()) && !IsUndecodableName(replacement));
        if (way == "directory") {
            m_intake->AddDirectory(dir);
        } else if (way == "command line") {
            m_intake->CommandLineIntake(paths);
        } else if (way == "list file") {
            QByteArray lines = QFile::encodeName(replacement) + '\n' + QFile::encodeName(good);
            for (const QByteArray &path : raw)
                lines += "\r\n" + path;
            QVERIFY(writeFile(m_tmp.filePath("raw.tmp"), lines));
            m_intake->CommandLineIntake({m_tmp.filePath("raw.tmp")});
        } else {
            // A dropped folder and dropped names count in one intake.
            m_intake->AddDropped({dir, paths[3], paths[4]});
        }
        QVERIFY(settled());
        QCOMPARE(captions(), (QStringList{replacement, good}));
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(ended.size(), 1);
        const auto items = ended[0][0].value<QList<TaskIntake::NotAdded>>();
        QCOMPARE(items.size(), notUtf8 + notFound);
        QCOMPARE(std::count_if(items.begin(), items.end(),
                               [](const TaskIntake::NotAdded &item) {
                                   return item.reason == TaskIntake::NotAdded::Reason::NotFound;
                               }),
                 notFound);
        QCOMPARE(TaskIntake::Describe(items[0]), dir + "/a\uFFFD.avi: name not valid UTF-8");
        QCOMPARE(DecodeFileName(EncodeFileName(paths.last())), paths.last());
        QCOMPARE(EncodeFileName(paths.last()), raw.last());
    }

    // Decided: an unreadable list file is reported; start-up goes on.
    void unreadableListFile()
    {
        const QString missing = m_tmp.filePath("absent.tmp");
        m_intake->CommandLineIntake({missing, touch("after.avi")});
        QVERIFY(settled());
        QCOMPARE(m_store->count(), 0);
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->messages[0].text.contains(missing));
        QVERIFY2(m_platform->messages[0].text.contains("No such file"),
                 qPrintable(m_platform->messages[0].text));
        QVERIFY(!m_platform->messages[0].caption.isEmpty());

        const QString folder = m_tmp.filePath("folder.tmp");
        QVERIFY(QDir().mkpath(folder));
        m_intake->CommandLineIntake({folder});
        QVERIFY(settled());
        QCOMPARE(m_store->count(), 0);
        QCOMPARE(m_platform->messages.size(), 2);
        QVERIFY(m_platform->messages[1].text.contains(folder));
    }
};

QTEST_GUILESS_MAIN(TestIntake)
#include "tst_intake.moc"
