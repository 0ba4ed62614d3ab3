#include "settings/apppaths.h"
#include "settings/newinifiles.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Lines joined with CR LF, each terminated.
QByteArray crlf(std::initializer_list<const char *> lines)
{
    QByteArray out;
    for (const char *l : lines)
        out += QByteArray(l) + "\r\n";
    return out;
}

QStringList keys(const ValueListModel &m)
{
    QStringList k;
    for (int i = 0; i < m.count(); ++i)
        k << m.key(i);
    return k;
}

const QByteArray kSample = crlf({"[Main]",
                                 "Type=avi",
                                 "Para=4",
                                 "0=Video Codec",
                                 "1=Bit Rate",
                                 "2=Channels",
                                 "3=Format",
                                 "[Video Codec]",
                                 "Sort=1",
                                 "List=1",
                                 "cmd=-c:v",
                                 "Caption=MPEG-4,H.264,",
                                 "Value=mpeg4,libx264,",
                                 "Index=1",
                                 "[Bit Rate]",
                                 "Sort=1",
                                 "List=0",
                                 "cmd=-b:v",
                                 "Caption=768",
                                 "Value=768",
                                 "[Channels]",
                                 "Sort=2",
                                 "ReadOnly=0",
                                 "cmd=-ac",
                                 "Caption=Mono,Stereo,",
                                 "Value=1,2,",
                                 "Index=0",
                                 "[Format]",
                                 "Sort=3",
                                 "ReadOnly=1",
                                 "List=0",
                                 "cmd=-f",
                                 "Caption=AVI",
                                 "Value=avi"});

} // namespace

class TestProfiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ValueListModel m_video, m_audio, m_advanced;
    ProfileGrids m_grids{&m_video, &m_audio, &m_advanced};

    QString profile(const QString &name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(name);
        if (!testsupport::writeFile(path, content))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void init()
    {
        // The designed rows a grid shows before any profile is loaded.
        m_video.setRows({});
        for (const char *k : {"Video Codec", "Video Size", "Bit Rate"})
            m_video.appendRow(k);
        m_audio.setRows({});
        m_audio.appendRow("Audio Codec");
        m_advanced.setRows({});
        m_advanced.appendRow("Deinterlace");
    }

    void splitCommaList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("terminated") << "A,B,C," << QStringList{"A", "B", "C"};
        QTest::newRow("last not terminated") << "A,B,C" << QStringList{"A", "B"};
        QTest::newRow("no comma") << "ABC" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("empty items") << ",,x," << QStringList{"", "", "x"};
        QTest::newRow("blanks kept") << " a , b," << QStringList{" a ", " b"};
        QTest::newRow("flag value") << ",\\," << QStringList{"", "\\"};
    }
    void splitCommaList()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, items);
        QCOMPARE(SplitCommaList(text), items);
    }

    // Rows are found by key ignoring case, the first of equal keys; a grid of
    // a long profile looks them up through a table, with the same answers.
    void findRowIgnoringCase_data()
    {
        QTest::addColumn<int>("filler");
        QTest::newRow("short grid") << 3;
        QTest::newRow("long grid") << 40;
    }
    void findRowIgnoringCase()
    {
        QFETCH(int, filler);
        ValueListModel m;
        for (int i = 0; i < filler; ++i)
            m.appendRow("Filler " + QString::number(i));
        const int first = m.appendRow(QString::fromUtf8("\xc3\x84rger Rate"), "1");
        m.appendRow(QString::fromUtf8("\xc3\xa4RGER rate"), "2");
        QCOMPARE(m.findRow(QString::fromUtf8("\xc3\xa4rger RATE")), first);
        QCOMPARE(m.valueOf("filler 2"), QString());
        QCOMPARE(m.findRow("Rate"), -1);
        QCOMPARE(m.findRow(""), -1);
        m.appendRow("", "empty");
        QCOMPARE(m.valueOf(""), QString("empty"));
        m.setGridValue("NEW KEY", "3");
        QCOMPARE(m.valueOf("new key"), QString("3"));
        m.setRows({ValueListModel::Row{"Other", "4", false, {}, {}, {}}});
        QCOMPARE(m.findRow(QString::fromUtf8("\xc3\x84rger Rate")), -1);
        QCOMPARE(m.valueOf("OTHER"), QString("4"));
    }

    void gridHeight()
    {
        QCOMPARE(ProfileGridHeight(0), 18);
        QCOMPARE(ProfileGridHeight(1), 18);
        QCOMPARE(ProfileGridHeight(6), 108);
    }

    void loadFillsGridsWithRowKinds()
    {
        QString ext = "unchanged";
        QVERIFY(LoadProfile(profile("sample.apf", kSample), m_grids, &ext));
        QCOMPARE(ext, QString(".avi"));
        QCOMPARE(keys(m_video), (QStringList{"Video Codec", "Bit Rate"}));
        QCOMPARE(keys(m_audio), QStringList{"Channels"});
        QCOMPARE(keys(m_advanced), QStringList{"Format"});

        const ValueListModel::Row &codec = m_video.row(0);
        QCOMPARE(codec.value, QString("H.264"));
        QCOMPARE(codec.pickList, (QStringList{"MPEG-4", "H.264"}));
        QCOMPARE(codec.editStyle, ValueListModel::EditStyle::PickList);
        QVERIFY(codec.readOnly);

        const ValueListModel::Row &rate = m_video.row(1); // text row
        QCOMPARE(rate.value, QString("768"));
        QCOMPARE(rate.editStyle, ValueListModel::EditStyle::Simple);
        QVERIFY(!rate.readOnly);

        // "List" absent: a pick list, read-only although ReadOnly=0.
        const ValueListModel::Row &channels = m_audio.row(0);
        QCOMPARE(channels.editStyle, ValueListModel::EditStyle::PickList);
        QCOMPARE(channels.value, QString("Mono"));
        QVERIFY(channels.readOnly);

        const ValueListModel::Row &format = m_advanced.row(0); // locked row
        QCOMPARE(format.value, QString("AVI"));
        QCOMPARE(format.editStyle, ValueListModel::EditStyle::Simple);
        QVERIFY(format.readOnly);
    }

    void loadRewritesFileWithCrLfOnly()
    {
        QByteArray lf = kSample;
        lf.replace("\r\n", "\n");
        const QString path = profile("lf.apf", lf);
        QVERIFY(LoadProfile(path, m_grids, nullptr));
        QCOMPARE(testsupport::readFile(path), kSample);
    }

    void listIndex_data()
    {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("pickList");
        QTest::newRow("second item")
            << QByteArray("A,B,") << QByteArray("Index=1") << "B" << QStringList{"A", "B"};
        QTest::newRow("no final comma")
            << QByteArray("A,B") << QByteArray("Index=1") << "" << QStringList{"A"};
        QTest::newRow("index absent")
            << QByteArray("A,B,") << QByteArray() << "A" << QStringList{"A", "B"};
        QTest::newRow("index beyond")
            << QByteArray("A,B,") << QByteArray("Index=2") << "" << QStringList{"A", "B"};
        QTest::newRow("negative index")
            << QByteArray("A,B,") << QByteArray("Index=-1") << "" << QStringList{"A", "B"};
        QTest::newRow("no caption") << QByteArray() << QByteArray() << "" << QStringList{};
    }
    void listIndex()
    {
        QFETCH(QByteArray, caption);
        QFETCH(QByteArray, index);
        QFETCH(QString, shown);
        QFETCH(QStringList, pickList);
        QByteArray text = crlf({"[Main]", "Para=1", "0=P", "[P]", "Sort=2"});
        if (!caption.isEmpty())
            text += "Caption=" + caption + "\r\n";
        if (!index.isEmpty())
            text += index + "\r\n";
        QVERIFY(LoadProfile(profile("index.apf", text), m_grids, nullptr));
        QCOMPARE(m_audio.count(), 1);
        QCOMPARE(m_audio.row(0).value, shown);
        QCOMPARE(m_audio.row(0).pickList, pickList);
        QCOMPARE(m_audio.row(0).editStyle, ValueListModel::EditStyle::PickList);
    }

    void paraAbsentEmptiesGridsThenNextLoadFills()
    {
        QString ext;
        QVERIFY(LoadProfile(profile("empty.apf", crlf({"[Main]", "Type=mkv"})), m_grids, &ext));
        QCOMPARE(m_video.count(), 0);
        QCOMPARE(m_audio.count(), 0);
        QCOMPARE(m_advanced.count(), 0);
        QCOMPARE(ext, QString(".mkv"));
        QVERIFY(LoadProfile(profile("sample.apf", kSample), m_grids, &ext));
        QCOMPARE(m_video.count(), 2);
        QCOMPARE(ext, QString(".avi"));
    }

    void missingKeysReadAsDefaults()
    {
        // No Type, a parameter without a section, Sort keeping the previous grid.
        const QByteArray text = crlf({"[Main]", "Para=3", "0=A", "1=B", "2=C", "[A]", "Sort=3",
                                      "List=0", "Caption=x", "[C]", "Sort=9", "List=0"});
        QString ext;
        QVERIFY(LoadProfile(profile("defaults.apf", text), m_grids, &ext));
        QCOMPARE(ext, QString(".mp4"));
        QCOMPARE(m_video.count(), 0);
        QCOMPARE(m_audio.count(), 0);
        QCOMPARE(keys(m_advanced), (QStringList{"A", "B", "C"}));
        QCOMPARE(m_advanced.row(0).value, QString("x"));
        QCOMPARE(m_advanced.row(1).editStyle, ValueListModel::EditStyle::PickList);
        QCOMPARE(m_advanced.row(1).value, QString());
        QCOMPARE(m_advanced.row(2).value, QString());
        QVERIFY(!m_advanced.row(2).readOnly);
    }

    // A damaged "Para" far beyond what the file can name neither hangs the
    // load nor fills the grids with millions of rows.
    void hugeParameterCountIsBoundedByTheFile()
    {
        const QByteArray text = crlf({"[Main]", "Para=2147483647", "0=A", "1=B", "[A]", "Sort=1",
                                      "List=0", "Caption=x", "[B]", "List=0", "Caption=y"});
        QElapsedTimer t;
        t.start();
        QVERIFY(LoadProfile(profile("huge.apf", text), m_grids, nullptr));
        QVERIFY2(t.elapsed() < 5000, QByteArray::number(t.elapsed()));
        QVERIFY(m_video.count() >= 2);
        QVERIFY(m_video.count() <= 11); // no more parameters than lines
        QCOMPARE(m_video.row(0).key, QString("A"));
        QCOMPARE(m_video.row(0).value, QString("x"));
        QCOMPARE(m_video.row(1).key, QString("B"));
        QCOMPARE(m_video.row(1).value, QString("y"));
    }

    void firstSortInvalidSkipsUntilAGridIsNamed()
    {
        const QByteArray text = crlf({"[Main]", "Para=3", "0=Lost", "1=Kept", "2=Follows", "[Lost]",
                                      "Sort=0", "List=0", "Caption=1", "[Kept]", "Sort=2", "List=0",
                                      "Caption=2", "[Follows]", "List=0", "Caption=3"});
        QVERIFY(LoadProfile(profile("sort.apf", text), m_grids, nullptr));
        QCOMPARE(keys(m_audio), (QStringList{"Kept", "Follows"}));
        QCOMPARE(m_video.count() + m_advanced.count(), 0);
    }

    void missingFileChangesNothing()
    {
        QString ext = ".old";
        QVERIFY(!LoadProfile(m_dir.filePath("none.apf"), m_grids, &ext));
        QCOMPARE(ext, QString(".old"));
        QCOMPARE(keys(m_video), (QStringList{"Video Codec", "Video Size", "Bit Rate"}));
        QVERIFY(!QFile::exists(m_dir.filePath("none.apf")));
    }

    void readOnlyProfileLoadsThenReportsRewriteError()
    {
        const QString path = profile("locked.apf", kSample);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QString ext;
        try {
            LoadProfile(path, m_grids, &ext);
            QFAIL("rewriting a read-only profile succeeded");
        } catch (const TIniFileError &e) {
            QVERIFY2(e.text().startsWith("Cannot create file \""), qPrintable(e.text()));
        }
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(ext, QString(".avi"));
        QCOMPARE(m_video.count(), 2);
        QCOMPARE(testsupport::readFile(path), kSample);
    }

    void saveWritesIndexCaptionAndValue()
    {
        const QString path = profile("save.apf", kSample);
        QVERIFY(LoadProfile(path, m_grids, nullptr));
        m_video.setValue(0, "mpeg-4"); // found ignoring case: Index=0
        m_video.setValue(1, "500");    // free row
        m_audio.setValue(0, "Quad");   // not in the pick list: Index=-1
        m_advanced.setValue(0, "MKV"); // read-only: untouched
        SaveProfile(path, m_grids);
        TNewInifile ini(path);
        QCOMPARE(ini.ReadInteger("Video Codec", "Index", 99), 0);
        QCOMPARE(ini.ReadString("Bit Rate", "Caption", ""), QString("500"));
        QCOMPARE(ini.ReadString("Bit Rate", "Value", ""), QString("500"));
        QCOMPARE(ini.ReadInteger("Channels", "Index", 99), -1);
        QCOMPARE(ini.ReadString("Format", "Caption", ""), QString("AVI"));
        QCOMPARE(ini.ReadString("Format", "Value", ""), QString("avi"));
        QByteArray expected = kSample;
        expected.replace("Index=1\r\n[Bit Rate]", "Index=0\r\n[Bit Rate]");
        expected.replace("Caption=768\r\nValue=768", "Caption=500\r\nValue=500");
        expected.replace("Value=1,2,\r\nIndex=0", "Value=1,2,\r\nIndex=-1");
        QCOMPARE(testsupport::readFile(path), expected);
    }

    // A free value reads back exactly. Values the loose lookup reads back as
    // they stand are written byte for byte; the others escaped.
    void freeValueReadsBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("plain") << "1500k" << QByteArray("1500k");
        QTest::newRow("equals and percent")
            << "scale=320:240 50%" << QByteArray("scale=320:240 50%");
        QTest::newRow("bracket") << "a [b] c" << QByteArray("a %5Bb] c");
        QTest::newRow("line break") << "x\ny\r" << QByteArray("x%0Ay%0D");
        QTest::newRow("key inside") << "fast value=1" << QByteArray("fast value%3D1");
        QTest::newRow("escape look-alike") << "100%5b" << QByteArray("100%255b");
    }
    void freeValueReadsBackExactly()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, stored);
        QByteArray sample = kSample;
        sample.replace("cmd=-b:v\r\nCaption=768\r\nValue=768",
                       "Caption=768\r\nValue=768\r\ncmd=-b:v");
        const QString path = profile("free.apf", sample);
        QVERIFY(LoadProfile(path, m_grids, nullptr));
        m_video.setValue(1, value);
        SaveProfile(path, m_grids);
        QVERIFY(testsupport::readFile(path).contains("\r\nCaption=" + stored +
                                                     "\r\nValue=" + stored + "\r\ncmd=-b:v\r\n"));
        m_video.setValue(1, QString());
        QVERIFY(LoadProfile(path, m_grids, nullptr));
        QCOMPARE(m_video.row(1).value, value);
        QCOMPARE(keys(m_audio), QStringList{"Channels"});
        TNewInifile ini(path);
        const ProfileParameter rate = ReadProfileParameters(ini)[1];
        QCOMPARE(rate.value, value);
        QCOMPARE(rate.cmd, QString("-b:v"));
    }

    void saveSecondItemWritesIndexOne()
    {
        const QString path = profile("second.apf", kSample);
        QVERIFY(LoadProfile(path, m_grids, nullptr));
        m_audio.setValue(0, "Stereo");
        SaveProfile(path, m_grids);
        QCOMPARE(TNewInifile(path).ReadInteger("Channels", "Index", 99), 1);
        // Loading again shows the saved choice.
        QVERIFY(LoadProfile(path, m_grids, nullptr));
        QCOMPARE(m_audio.row(0).value, QString("Stereo"));
    }

    void saveLeavesParametersWithoutRowsAlone()
    {
        const QString path = profile("norow.apf", kSample);
        m_video.setRows({});
        m_video.appendRow("Video Codec", "H.264");
        SaveProfile(path, m_grids);
        TNewInifile ini(path);
        QCOMPARE(ini.ReadString("Bit Rate", "Caption", ""), QString("768"));
        QCOMPARE(ini.ReadInteger("Channels", "Index", 99), 0);
        // The row without a pick list cannot match: its value is not an item.
        QCOMPARE(ini.ReadInteger("Video Codec", "Index", 99), -1);
    }

    void saveAsCopiesAndSaves()
    {
        const QString source = profile("src.apf", kSample);
        QVERIFY(LoadProfile(source, m_grids, nullptr));
        m_video.setValue(1, "1200");
        const QString target = m_dir.filePath("copy.apf");
        SaveProfileAs(source, target, m_grids);
        QCOMPARE(testsupport::readFile(source), kSample);
        TNewInifile copy(target);
        QCOMPARE(copy.ReadString("Main", "Type", ""), QString("avi"));
        QCOMPARE(copy.ReadString("Video Codec", "cmd", ""), QString("-c:v"));
        QCOMPARE(copy.ReadString("Bit Rate", "Value", ""), QString("1200"));

        // Replacing an existing target.
        m_video.setValue(1, "1300");
        SaveProfileAs(source, target, m_grids);
        QCOMPARE(TNewInifile(target).ReadString("Bit Rate", "Caption", ""), QString("1300"));
    }

    void saveAsOntoItselfKeepsTheProfile()
    {
        const QString path = profile("self.apf", kSample);
        QVERIFY(LoadProfile(path, m_grids, nullptr));
        m_video.setValue(1, "900");
        SaveProfileAs(path, path, m_grids);
        TNewInifile ini(path);
        QCOMPARE(ini.ReadInteger("Main", "Para", 0), 4);
        QCOMPARE(ini.ReadString("Bit Rate", "Value", ""), QString("900"));
    }

    void saveAsWithoutSourceWritesNothing()
    {
        const QString target = m_dir.filePath("never.apf");
        SaveProfileAs(m_dir.filePath("gone.apf"), target, m_grids);
        QVERIFY(!QFile::exists(target));
    }

    void saveAsFailedCopyTouchesNoOtherProfile()
    {
        const QString source = profile("src2.apf", kSample);
        QVERIFY(LoadProfile(source, m_grids, nullptr));
        m_video.setValue(1, "4000");
        const QByteArray other = crlf({"[Main]", "Para=1", "0=Bit Rate", "[Bit Rate]", "Sort=1",
                                       "List=0", "Caption=64", "Value=64"});
        const QString target = profile("other.apf", other);
        QFile::setPermissions(target, QFileDevice::ReadOwner);
        try {
            SaveProfileAs(source, target, m_grids);
            QFAIL("a read-only target was written");
        } catch (const TIniFileError &e) {
            // The reason is the system's text, in the user's language.
            const QString prefix = "Cannot create file \"" + target + "\". ";
            QVERIFY2(e.text().startsWith(prefix) && e.text().size() > prefix.size(),
                     qPrintable(e.text()));
        }
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(testsupport::readFile(target), other);

        const QString missingDir = m_dir.filePath("no/dir/x.apf");
        QVERIFY_THROWS_EXCEPTION(TIniFileError, SaveProfileAs(source, missingDir, m_grids));
    }

    void catalogueOrderAndFiltering()
    {
        QTemporaryDir app;
        const QString dir = app.path() + "/Profiles/";
        QVERIFY(QDir().mkpath(dir + "D.apf"));
        for (const char *f : {"b.APF", "A.apf", "C.apf.bak", "c.apf", ".hidden.apf", "notes.txt",
                              "Zeta.Apf", "apf", ".apf"})
            QVERIFY(testsupport::writeFile(dir + f, "[Main]\r\n"));
        QVERIFY(QFile::link(dir + "missing.apf", dir + "dangling.apf"));
        QVERIFY(QFile::link(dir + "A.apf", dir + "linked.apf"));
        QCOMPARE(ListFilesByExt(dir, ".apf"), (QStringList{".apf", ".hidden.apf", "A.apf", "b.APF",
                                                           "c.apf", "linked.apf", "Zeta.Apf"}));
        const AppPaths appDir = AppPaths::portable(app.path());
        QCOMPARE(ProfileCatalogue(appDir),
                 (QStringList{".hidden", "A", "b", "c", "linked", "Zeta"}));
        QCOMPARE(ProfilePath(appDir, "A"), dir + "A.apf");
        QCOMPARE(ProfilePath(appDir, "b"), dir + "b.APF");
        QCOMPARE(ProfilePath(appDir, "Zeta"), dir + "Zeta.Apf");
        QCOMPARE(ProfilePath(appDir, "nothing"), dir + "nothing.apf");
        QCOMPARE(ProfileCatalogue(AppPaths::portable(app.path() + "/nowhere")), QStringList{});
    }

    void catalogueOfShippedAndUserProfiles()
    {
        QTemporaryDir app, user;
        const QString shipped = app.path() + "/Profiles/";
        const QString own = user.path() + "/";
        QVERIFY(QDir().mkpath(shipped));
        // LF line ends: a rewrite through the store would change them.
        for (const char *f : {"Alpha.apf", "beta.apf", "Gamma.APF", "Alpha B.apf"})
            QVERIFY(testsupport::writeFile(shipped + f, "[Main]\nType=avi\n"));
        for (const char *f : {"ALPHA.apf", "delta.apf", "gamma.apf"})
            QVERIFY(testsupport::writeFile(own + f, "[Main]\nType=mkv\n"));
        const AppPaths paths = AppPaths::installed(app.path(), user.path(), own, user.path());
        // A user profile hides the shipped one of the same name in any case;
        // all in one order, by file name.
        QCOMPARE(ProfileCatalogue(paths),
                 (QStringList{"Alpha B", "ALPHA", "beta", "delta", "gamma"}));
        QCOMPARE(ProfilePath(paths, "ALPHA"), own + "ALPHA.apf");
        QCOMPARE(ProfilePath(paths, "beta"), shipped + "beta.apf");
        QCOMPARE(ProfilePath(paths, "Gamma"), shipped + "Gamma.APF");
        QCOMPARE(ProfilePath(paths, "new"), own + "new.apf");
        // A shipped profile is read and left as it came.
        QString ext;
        QVERIFY(LoadProfile(ProfilePath(paths, "beta"), m_grids, &ext, false));
        QCOMPARE(ext, ".avi");
        QCOMPARE(testsupport::readFile(shipped + "beta.apf"), QByteArray("[Main]\nType=avi\n"));
    }

    void shippedProfilesLoad()
    {
        const QSet<QString> designed{"Video Codec",
                                     "Video Size",
                                     "Bit Rate",
                                     "Frame Rate",
                                     "Aspect",
                                     "Disable Video",
                                     "Audio Codec",
                                     "Audio Bitrate",
                                     "Sample Rate",
                                     "Channels",
                                     "Volumn",
                                     "Disable Audio",
                                     "Bit Exact Algorithms",
                                     "Deinterlace",
                                     "Format"};
        testsupport::ProgramDir app;
        const QStringList catalogue = ProfileCatalogue(AppPaths::portable(app.path()));
        QVERIFY2(catalogue.size() >= 8, qPrintable(catalogue.join(", ")));
        QSet<QString> types;
        for (const QString &name : catalogue) {
            const QString path = ProfilePath(AppPaths::portable(app.path()), name);
            const QByteArray before = testsupport::readFile(path);
            QString ext;
            QVERIFY2(LoadProfile(path, m_grids, &ext), qPrintable(name));
            QVERIFY2(ext.size() > 1, qPrintable(name));
            types.insert(ext);
            // Shipped files are already in the store's form: loading changes no byte.
            QCOMPARE(testsupport::readFile(path), before);
            QVERIFY2(m_video.count() + m_audio.count() > 0, qPrintable(name));

            TNewInifile ini(path);
            for (const ProfileParameter &p : ReadProfileParameters(ini)) {
                const QString what = name + " / " + p.name;
                QVERIFY2(designed.contains(p.name), qPrintable(what));
                QVERIFY2(p.sort >= 1 && p.sort <= 3, qPrintable(what));
                QVERIFY2(p.cmd.startsWith('-'), qPrintable(what));
                if (p.list) {
                    QVERIFY2(!p.displayItems.isEmpty(), qPrintable(what));
                    QCOMPARE(p.commandValues.size(), p.displayItems.size());
                    QVERIFY2(p.index >= 0 && p.index < p.displayItems.size(), qPrintable(what));
                }
                ValueListModel *grid = m_grids.bySort(p.sort);
                const int r = grid->findRow(p.name);
                QVERIFY2(r >= 0, qPrintable(what));
                QCOMPARE(grid->row(r).readOnly, p.readOnly || p.list);
                if (p.name == "Video Size") {
                    QVERIFY(p.displayItems.contains("Original Size"));
                    QVERIFY(p.displayItems.contains("Custom Size"));
                    const int custom = int(p.displayItems.indexOf("Custom Size"));
                    QCOMPARE(p.commandValues[p.displayItems.indexOf("Original Size")], QString());
                    QCOMPARE(p.commandValues[custom], QString());
                }
                if (p.name.startsWith("Disable"))
                    QVERIFY2(p.list ? p.commandValues.contains("\\") : p.value == "\\",
                             qPrintable(what));
            }
        }
        QVERIFY(types.size() >= 8);
    }
};

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"
