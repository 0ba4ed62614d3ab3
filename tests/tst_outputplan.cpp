// Output names of a whole task list: list order, the sources of the list,
// folders, links, existing files by the overwrite choice, and the records of
// unfinished outputs.
#include "engine/outputplan.h"
#include "engine/outputrecords.h"
#include "platform/pathtext.h"
#include "settings/recordfolder.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using Existing = OutputPlan::Existing;
using testsupport::writeFile;

namespace {

// A task of the list: its source, named after the source's file name.
OutputPlan::Task task(const QString &source, const QString &ext = QStringLiteral(".mp4"))
{
    return {source, StripFileExt(FileNamePart(source)), ext, QString()};
}

// "name" for a task converted into it, "name kept" for one skipped, "name
// replaced" for one whose entry goes first; names relative to dir.
QStringList turns(const QString &dir, const QList<OutputPlan::Task> &tasks, Existing existing,
                  const QString &ext = QStringLiteral(".mp4"), OutputRecords *records = nullptr)
{
    OutputPlan plan({dir, ext, existing}, tasks, records);
    QStringList result;
    for (int i = 0; i < plan.count(); ++i) {
        const OutputPlan::Turn turn = plan.turn(i);
        result << QDir(dir).relativeFilePath(turn.output) + (turn.keep ? " kept" : "") +
                      (turn.replace ? " replaced" : "");
    }
    return result;
}

} // namespace

class TestOutputPlan : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;

private slots:
    // The plain name, or the position in the list counted from 1; names of
    // the tasks before are never chosen again, whatever the mode.
    void names_data()
    {
        QTest::addColumn<QStringList>("existing"); // files in the output folder
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("expected");
        const QStringList plain{"x.mp4", "y.mp4", "clip.mp4", "clip_4.mp4"};
        for (const Existing mode : {Existing::Overwrite, Existing::Rename, Existing::Skip})
            QTest::addRow("nothing exists, mode %d", int(mode))
                << QStringList() << int(mode) << plain;
        QTest::newRow("overwritten")
            << QStringList{"clip.mp4"} << int(Existing::Overwrite) << plain;
        QTest::newRow("renamed") << QStringList{"clip.mp4", "clip_3.mp4", "clip_3_2.mp4"}
                                 << int(Existing::Rename)
                                 << QStringList{"x.mp4", "y.mp4", "clip_3_3.mp4", "clip_4.mp4"};
        QTest::newRow("skipped") << QStringList{"clip.mp4", "clip_4.mp4"} << int(Existing::Skip)
                                 << QStringList{"x.mp4", "y.mp4", "clip.mp4 kept",
                                                "clip_4.mp4 kept"};
        QTest::newRow("folder in the way")
            << QStringList{"clip.mp4/"} << int(Existing::Overwrite)
            << QStringList{"x.mp4", "y.mp4", "clip_3.mp4", "clip_4.mp4"};
    }
    void names()
    {
        QFETCH(QStringList, existing);
        QFETCH(int, mode);
        QFETCH(QStringList, expected);
        QTemporaryDir out;
        for (const QString &name : existing)
            QVERIFY(name.endsWith(u'/') ? QDir(out.path()).mkdir(name)
                                        : writeFile(out.filePath(name), "x"));
        const QList<OutputPlan::Task> list{task("/in/x.avi"), task("/in/y.avi"),
                                           task("/in/clip.avi"), task("/in/clip.mov")};
        QCOMPARE(turns(AddBackslash(out.path()), list, Existing(mode)), expected);
    }

    // The indexed name takes the profile's extension too; the task's own
    // one stands in when no profile has been loaded, ".mp4" when neither is
    // known.
    void extensions()
    {
        QTemporaryDir out;
        QVERIFY(writeFile(out.filePath("clip.mkv"), "x"));
        QCOMPARE(turns(out.path(), {task("/in/clip.avi", "")}, Existing::Rename, ".mkv"),
                 QStringList{"clip_1.mkv"});
        QCOMPARE(turns(out.path(), {task("/in/clip.avi", "")}, Existing::Rename, ""),
                 QStringList{"clip.mp4"});
        QCOMPARE(turns(out.path(), {task("/in/clip.avi", ".mkv")}, Existing::Rename, ""),
                 QStringList{"clip_1.mkv"});
    }

    // No output replaces a source of the list, under any spelling: "..",
    // doubled separators, a link to it, a hard link of it, the output
    // folder through a link. A link that is not a source is a file of its
    // own: replaced, never written through.
    void sourcesAndLinks()
    {
        QTemporaryDir out;
        const QString d = AddBackslash(out.path());
        QVERIFY(QDir(out.path()).mkdir("sub"));
        QVERIFY(writeFile(d + "clip.mp4", "source"));
        QVERIFY(QFile::link(d + "clip.mp4", d + "sub/link.mp4"));
        QVERIFY(QFile::link(out.path(), d + "sub/alias"));
        const QList<OutputPlan::Task> spellings{task(d + "sub/../clip.mp4"), task(d + "/clip.mp4"),
                                                task(d + "sub/link.mp4")};
        for (const Existing existing : {Existing::Overwrite, Existing::Skip})
            QCOMPARE(turns(d + "sub/alias", spellings, existing),
                     (QStringList{"clip_1.mp4", "clip_2.mp4", "link.mp4"}));
        QVERIFY(::link(QFile::encodeName(d + "clip.mp4"), QFile::encodeName(d + "hard.mp4")) == 0);
        QVERIFY(QFile::link(d + "gone.avi", d + "dangling.mp4"));
        QVERIFY(QFile::link(m_tmp.filePath("elsewhere.mp4"), d + "far.mp4"));
        QVERIFY(writeFile(m_tmp.filePath("elsewhere.mp4"), "not ours"));
        const QList<OutputPlan::Task> list{task(d + "clip.mp4"), task("/in/hard.avi"),
                                           task("/in/dangling.avi"), task("/in/far.avi")};
        QCOMPARE(
            turns(out.path(), list, Existing::Overwrite),
            (QStringList{"clip_1.mp4", "hard_2.mp4", "dangling.mp4 replaced", "far.mp4 replaced"}));
        QCOMPARE(turns(out.path(), list, Existing::Rename),
                 (QStringList{"clip_1.mp4", "hard_2.mp4", "dangling_3.mp4", "far_4.mp4"}));
        QCOMPARE(turns(out.path(), list, Existing::Skip),
                 (QStringList{"clip_1.mp4", "hard_2.mp4", "dangling.mp4 kept", "far.mp4 kept"}));
    }

    // A file recorded as unfinished is never kept: the task of its source
    // converts over it, other tasks leave it to that one; one that another
    // program is writing now is left alone by all. A finished output is an
    // existing file like any other.
    void unfinishedOutputs()
    {
        QTemporaryDir out, state;
        const QString d = AddBackslash(out.path());
        for (const char *name : {"a.mp4", "b.mp4", "c.mp4", "d.mp4"})
            QVERIFY(writeFile(d + QString::fromLatin1(name), "partial"));
        OutputRecords records(state.path());
        QVERIFY(records.markUnfinished(d + "a.mp4", "/in/a.avi"));
        QVERIFY(records.markUnfinished(d + "b.mp4", "/in/b.avi"));
        records.markFinished(d + "d.mp4", "/in/d.avi");
        // c.mp4 is being written by a program that still runs.
        QProcess writer;
        writer.start("sleep", {"30"});
        QVERIFY(writer.waitForStarted());
        QVERIFY(RecordFolder(state.path())
                    .write(OutputRecords::keyOf(d + "c.mp4"),
                           {{"State", "Unfinished"},
                            {"Source", "/in/c.avi"},
                            {"Process", QString::number(writer.processId())},
                            {"Host", QSysInfo::machineHostName()}}));
        const QList<OutputPlan::Task> list{task("/in/a.avi"),
                                           {"/in/x.avi", "b", ".mp4", ""},
                                           task("/in/b.avi"),
                                           task("/in/c.avi"),
                                           task("/in/d.avi")};
        QCOMPARE(turns(out.path(), list, Existing::Skip, ".mp4", &records),
                 (QStringList{"a.mp4", "b_2.mp4", "b.mp4", "c_4.mp4", "d.mp4 kept"}));
        QCOMPARE(turns(out.path(), list, Existing::Rename, ".mp4", &records),
                 (QStringList{"a.mp4", "b_2.mp4", "b.mp4", "c_4.mp4", "d_5.mp4"}));
        writer.kill();
        writer.waitForFinished();
        // Cut off: no longer running, and converted over, also by a task of
        // another source.
        QCOMPARE(turns(out.path(), {task("/in/other/c.avi")}, Existing::Skip, ".mp4", &records),
                 QStringList{"c.mp4"});
        // A finished output counts only while it is the file written.
        QVERIFY(records.isOutput(d + "d.mp4"));
        QVERIFY(writeFile(d + "d.mp4", "replaced by the user"));
        QVERIFY(!records.isOutput(d + "d.mp4"));
    }

    // A name that became unusable after the plan (a file put there) moves
    // on at the task's turn, without taking a name planned for another.
    void checkedAtItsTurn()
    {
        QTemporaryDir out;
        OutputPlan plan({out.path(), ".mp4", Existing::Rename},
                        {task("/in/a.avi"), task("/in/a.mov"), task("/in/a_1.avi")}, nullptr);
        QCOMPARE(plan.output(0), out.filePath("a.mp4"));
        QVERIFY(writeFile(out.filePath("a.mp4"), "put there"));
        QCOMPARE(plan.turn(0).output, out.filePath("a_1_2.mp4"));
        QCOMPARE(plan.turn(1).output, out.filePath("a_2.mp4"));
        QCOMPARE(plan.turn(2).output, out.filePath("a_1.mp4"));
    }
};

QTEST_GUILESS_MAIN(TestOutputPlan)
#include "tst_outputplan.moc"
