#include "engine/commandline.h"
#include "engine/tasktext.h"
#include "settings/newinifiles.h"
#include "settings/valuelistmodel.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <QTest>

namespace {

// A task as intake creates it, with the times derived like GetItemData does.
ltvItemData makeTask(const QString &input, const QString &newName, const QString &ext,
                     const QString &length, const QString &start, const QString &end)
{
    ltvItemData t;
    t.InputFile = input;
    t.Length = length;
    t.Status = QStringLiteral("OK");
    t.NewFilename = newName;
    t.NewFileExt = ext;
    t.OrigStartTime = QStringLiteral("00:00:00.0");
    t.OrigEndTime = length;
    t.StartTime = start;
    t.EndTime = end;
    t.LengthSecs = StrToSeconds(t.Length);
    t.OrigStartSecs = StrToSeconds(t.OrigStartTime);
    t.OrigEndSecs = StrToSeconds(t.OrigEndTime);
    t.StartSecs = StrToSeconds(t.StartTime);
    t.EndSecs = StrToSeconds(t.EndTime);
    t.ClipLength = SecondsToStr(t.EndSecs - t.StartSecs);
    t.ClipLengthSecs = StrToSeconds(t.ClipLength);
    return t;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ValueListModel m_video, m_audio, m_advanced;
    ProfileGrids grids() { return ProfileGrids{&m_video, &m_audio, &m_advanced}; }

    QString profile(const QByteArray &content)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QStringLiteral("p%1.apf").arg(++n));
        if (!testsupport::writeFile(path, content))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void init()
    {
        m_video.clearRows();
        m_audio.clearRows();
        m_advanced.clearRows();
    }

    // The worked example: text and argument list.
    void example()
    {
        ltvItemData t = makeTask(QStringLiteral("C:/In/clip.avi"), QStringLiteral("clip"),
                                 QStringLiteral(".mp4"), QStringLiteral("00:02:00"),
                                 QStringLiteral("00:00:10"), QStringLiteral("00:01:00.5"));
        QCOMPARE(t.ClipLengthSecs, 50.5);
        const QString options = QStringLiteral(" -vcodec mpeg4 -an ");
        const EncoderOptions taskOptions = TaskOptions(options, t);
        QCOMPARE(taskOptions.text(), QStringLiteral(" -vcodec mpeg4 -an  -ss 00:00:10 -t 50"));
        QCOMPARE(CommandLineText(t, taskOptions, QStringLiteral("C:/Out/clip.mp4")),
                 QStringLiteral(" -y -i \"C:/In/clip.avi\" -vcodec mpeg4 -an  -ss 00:00:10 -t 50 "
                                "\"C:/Out/clip.mp4\""));
        QCOMPARE(EncoderArguments(t, options, QStringLiteral("C:/Out/clip.mp4")),
                 (QStringList{"-y", "-i", "C:/In/clip.avi", "-vcodec", "mpeg4", "-an", "-ss",
                              "00:00:10", "-t", "50", "C:/Out/clip.mp4"}));
    }

    void taskOptions_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("expected");
        QTest::newRow("untouched") << "00:00:00.0"
                                   << "00:02:00"
                                   << "";
        QTest::newRow("start only") << "00:01:30.5"
                                    << "00:02:00"
                                    << " -ss 00:01:30.5 -t 30";
        QTest::newRow("end only, 90.5 s rounds to even") << "00:00:00.0"
                                                         << "00:01:30.5"
                                                         << " -t 90";
        QTest::newRow("end only, 91.5 s rounds to even") << "00:00:00.0"
                                                         << "00:01:31.5"
                                                         << " -t 92";
        QTest::newRow("end only, 90.6 s") << "00:00:00.0"
                                          << "00:01:30.6"
                                          << " -t 91";
        QTest::newRow("end with a huge hour") << "00:00:00.0"
                                              << "999999999999999999:00:00"
                                              << " -t 3600000000000000000000";
        QTest::newRow("start written without tenths") << "00:00:00"
                                                      << "00:02:00"
                                                      << "";
    }
    void taskOptions()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, expected);
        const ltvItemData t = makeTask("/in/a.avi", "a", ".mp4", "00:02:00", start, end);
        QCOMPARE(TaskOptions(QStringLiteral(" -b 1"), t).text(),
                 QStringLiteral(" -b 1") + expected);
    }

    // Each task's options start again from the profile's.
    void taskOptionsDoNotLeak()
    {
        const QString options = QStringLiteral(" -b 768");
        const ltvItemData first =
            makeTask("/in/a.avi", "a", ".mp4", "00:02:00", "00:00:05", "00:02:00");
        const ltvItemData second =
            makeTask("/in/b.avi", "b", ".mp4", "00:02:00", "00:00:00.0", "00:02:00");
        QVERIFY(TaskOptions(options, first).text().contains("-ss"));
        QCOMPARE(TaskOptions(options, second).text(), options);
        QVERIFY(!EncoderArguments(second, options, "/out/b.mp4").contains("-ss"));
    }

    // Paths reach the encoder whole: blanks, quotes, non-ASCII letters.
    void argumentsKeepPathsWhole()
    {
        const QString in = QStringLiteral("/in/my \"best\" clip Ää.avi");
        const QString out = QStringLiteral("/out dir/my \"best\" clip Ää.mp4");
        const ltvItemData t = makeTask(in, "x", ".mp4", "00:00:10", "00:00:00.0", "00:00:10");
        const QStringList args = EncoderArguments(t, QStringLiteral("  -an   -b 5 "), out);
        QCOMPARE(args, (QStringList{"-y", "-i", in, "-an", "-b", "5", out}));
        QCOMPARE(CommandLineText(t, QString(), out),
                 QStringLiteral(" -y -i \"") + in + "\" \"" + out + "\"");
    }

    void profileOptions()
    {
        m_video.appendRow("Video Codec", "high");
        m_video.appendRow("Size", "352x288");
        m_video.appendRow("Bit Rate", "999");
        m_audio.appendRow("Audio", "Off");
        m_audio.appendRow("No Cmd", "5");
        m_advanced.appendRow("Threads", "2");
        const QString path = profile("[Main]\r\nType=mp4\r\nPara=6\r\n0=Video Codec\r\n1=Size\r\n"
                                     "2=Bit Rate\r\n3=Audio\r\n4=No Cmd\r\n5=Threads\r\n"
                                     "[Video Codec]\r\nSort=1\r\nList=1\r\ncmd=-b:v\r\n"
                                     "Caption=Low,High,\r\nValue=64,128,\r\nIndex=0\r\n"
                                     "[Size]\r\nSort=1\r\ncmd=-s\r\nCaption=320x240,\r\n"
                                     "Value=320x240,\r\n"
                                     "[Bit Rate]\r\nSort=1\r\nList=0\r\nReadOnly=1\r\ncmd=-b\r\n"
                                     "Caption=768\r\nValue=768\r\n"
                                     "[Audio]\r\nSort=2\r\nList=1\r\ncmd=-an\r\n"
                                     "Caption=On,Off,\r\nValue=,\\,\r\n"
                                     "[No Cmd]\r\nSort=2\r\nList=0\r\nCaption=5\r\n"
                                     "[Threads]\r\nSort=3\r\nList=0\r\ncmd=-threads\r\n");
        QCOMPARE(BuildProfileOptions(path, grids()).text(),
                 QStringLiteral(" -b:v 128 -s 352x288 -b 768 -an  -threads 2"));
        // A pick-list item whose command value is empty leaves the option out.
        m_audio.setGridValue("Audio", "On");
        QCOMPARE(BuildProfileOptions(path, grids()).text(),
                 QStringLiteral(" -b:v 128 -s 352x288 -b 768 -threads 2"));
    }

    // A value the user typed (a free value, a shown value that is no item of
    // the pick list) is one argument, whatever it holds; the profile file's
    // own fragments (options, command values, fixed values) are split at
    // blanks. The text shows everything as it is.
    void typedValuesStayWhole()
    {
        m_video.appendRow("Rate", "1500k -map 0 -f matroska /elsewhere.mkv");
        m_video.appendRow("Size", "352x288 -f null -");
        m_video.appendRow("Preset", "Fast");
        m_video.appendRow("Fixed", "typed over");
        const QString path = profile("[Main]\nPara=4\n0=Rate\n1=Size\n2=Preset\n3=Fixed\n"
                                     "[Rate]\nSort=1\nList=0\ncmd=-b:v\n"
                                     "[Size]\nSort=1\ncmd=-s\nCaption=Original,\nValue=,\n"
                                     "[Preset]\nSort=1\ncmd=-c:v libx264 -preset\n"
                                     "Caption=Fast,\nValue=fast -tune film,\n"
                                     "[Fixed]\nSort=1\nList=0\nReadOnly=1\ncmd=-x\nValue=a  b\n");
        const EncoderOptions options = BuildProfileOptions(path, grids());
        const ltvItemData t =
            makeTask("/in/a.avi", "a", ".mp4", "00:00:10", "00:00:02", "00:00:10");
        QCOMPARE(EncoderArguments(t, options, "/out/a.mp4"),
                 (QStringList{"-y",
                              "-i",
                              "/in/a.avi",
                              "-b:v",
                              "1500k -map 0 -f matroska /elsewhere.mkv",
                              "-s",
                              "352x288 -f null -",
                              "-c:v",
                              "libx264",
                              "-preset",
                              "fast",
                              "-tune",
                              "film",
                              "-x",
                              "a",
                              "b",
                              "-ss",
                              "00:00:02",
                              "-t",
                              "8",
                              "/out/a.mp4"}));
        QCOMPARE(CommandLineText(t, TaskOptions(options, t), "/out/a.mp4"),
                 " -y -i \"/in/a.avi\" -b:v 1500k -map 0 -f matroska /elsewhere.mkv -s 352x288 -f "
                 "null - -c:v libx264 -preset fast -tune film -x a  b -ss 00:00:02 -t 8 "
                 "\"/out/a.mp4\"");
    }

    // A parameter of a grid without its row, or with an empty value, adds nothing.
    void missingRowsAndEmptyValues()
    {
        m_video.appendRow("B", "");
        const QString path = profile("[Main]\nPara=3\n0=A\n1=B\n2=C\n[A]\nSort=1\nList=0\ncmd=-a\n"
                                     "[B]\nSort=1\nList=0\ncmd=-b\n[C]\nSort=2\nList=0\ncmd=-c\n");
        QCOMPARE(BuildProfileOptions(path, grids()).text(), QString());
    }

    // Sort outside 1..3 keeps the previous grid; parameters before the first
    // grid are shown nowhere and contribute nothing, not even a fixed value.
    void sortWithoutGrid()
    {
        m_video.appendRow("Second", "v2");
        m_video.appendRow("Video", "1");
        m_audio.appendRow("First", "shown");
        const QString path = profile("[Main]\nPara=4\n0=First\n1=Fixed\n2=Video\n3=Second\n"
                                     "[First]\nSort=7\nList=0\ncmd=-first\n"
                                     "[Fixed]\nList=0\nReadOnly=1\ncmd=-fixed\nValue=42\n"
                                     "[Video]\nSort=1\nList=0\ncmd=-v\n"
                                     "[Second]\nSort=9\nList=0\ncmd=-second\n");
        QCOMPARE(BuildProfileOptions(path, grids()).text(), QStringLiteral(" -v 1 -second v2"));
    }

    // A damaged "Para" far beyond what the file can name does not hang Start.
    void hugeParameterCount()
    {
        m_video.appendRow("Q", "7");
        const QString path = profile("[Main]\nPara=2147483647\n0=Q\n[Q]\nSort=1\nList=0\n"
                                     "cmd=-q\n");
        QElapsedTimer t;
        t.start();
        QCOMPARE(BuildProfileOptions(path, grids()).text(), QStringLiteral(" -q 7"));
        QVERIFY2(t.elapsed() < 5000, QByteArray::number(t.elapsed()));
    }

    // A shown item beyond the command values is a broken profile: left out.
    void itemBeyondCommandValues()
    {
        m_video.appendRow("Q", "High");
        const QString path = profile("[Main]\nPara=1\n0=Q\n[Q]\nSort=1\ncmd=-q\n"
                                     "Caption=Low,High,\nValue=1,\n");
        QCOMPARE(BuildProfileOptions(path, grids()).text(), QString());
        m_video.setGridValue("Q", "low");
        QCOMPARE(BuildProfileOptions(path, grids()).text(), QStringLiteral(" -q 1"));
    }

    void missingProfileGivesNoOptions()
    {
        QCOMPARE(BuildProfileOptions(m_dir.filePath("none.apf"), grids()).text(), QString());
        QVERIFY(!QFile::exists(m_dir.filePath("none.apf")));
        // A directory of that name is no profile either.
        QVERIFY(QDir(m_dir.path()).mkdir("dir.apf"));
        QCOMPARE(BuildProfileOptions(m_dir.filePath("dir.apf"), grids()).text(), QString());
    }

    // A profile that cannot be written back still gives its options, with
    // the store's message beside them.
    void readOnlyProfile()
    {
        m_video.appendRow("Q", "7");
        const QString path = profile("[Main]\nPara=1\n0=Q\n[Q]\nSort=1\nList=0\ncmd=-q\n");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        QString notSaved = "stale";
        QCOMPARE(BuildProfileOptions(path, grids(), &notSaved).text(), QStringLiteral(" -q 7"));
        QVERIFY2(notSaved.startsWith("Cannot create file") && notSaved.contains(path),
                 qPrintable(notSaved));
        // The profile is left whole.
        QCOMPARE(testsupport::readFile(path),
                 QByteArray("[Main]\nPara=1\n0=Q\n[Q]\nSort=1\nList=0\ncmd=-q\n"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(BuildProfileOptions(path, grids(), &notSaved).text(), QStringLiteral(" -q 7"));
        QCOMPARE(notSaved, QString());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
