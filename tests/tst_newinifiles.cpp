#include "settings/newinifiles.h"
#include "support/inireference.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

// A small file system of its own (tmpfs) mounted on dir while it lives, for
// the faults a real disk gives: full, or read-only.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(const QString &dir) : m_dir(QFile::encodeName(dir))
    {
        QDir().mkpath(dir);
        if (::mount("tmpfs", m_dir.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallFileSystem()
    {
        if (m_error.isEmpty())
            ::umount2(m_dir.constData(), MNT_DETACH);
    }
    // Empty when mounted, else why not.
    QString error() const { return m_error; }
    // Takes all the space that is left.
    bool fill()
    {
        QFile filler(QFile::decodeName(m_dir) + "/filler");
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        return true;
    }
    bool makeReadOnly()
    {
        return ::mount(nullptr, m_dir.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray m_dir;
    QString m_error;
};

} // namespace

class TestNewInifiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    // A store over a file holding exactly the given bytes.
    TNewInifile storeOver(const QByteArray &content)
    {
        if (!testsupport::writeFile(m_path, content))
            qFatal("cannot write %s", qPrintable(m_path));
        return TNewInifile(m_path);
    }
    QByteArray releaseAndRead(TNewInifile &store)
    {
        store.Release();
        return testsupport::readFile(m_path);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Float texts must not follow a locale whose decimal separator is a comma.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("test.ini"));
        QFile::remove(m_path);
    }

    void lookupIsCaseInsensitive()
    {
        TNewInifile s = storeOver("[Main]\r\nOutput Path=C:\\Out\\\r\n");
        QCOMPARE(s.ReadString("main", "OUTPUT PATH", "def"), QString("C:\\Out\\"));
        QCOMPARE(s.ReadString("MAIN", "output path", "def"), QString("C:\\Out\\"));
        QCOMPARE(s.ReadString("Other", "Output Path", "def"), QString("def"));
        QCOMPARE(s.ReadString("Main", "Missing", "def"), QString("def"));
    }

    void emptyValueIsNotTheDefault()
    {
        TNewInifile s = storeOver("[Main]\nKey=\n");
        QCOMPARE(s.ReadString("Main", "Key", "def"), QString());
    }

    void substringKeyFindsLongerKeyFirst()
    {
        TNewInifile s = storeOver("[Audio]\r\nBit Rate=64\r\nRate=32\r\n");
        QCOMPARE(s.ReadString("Audio", "Rate", ""), QString("64"));
        s.WriteString("Audio", "Rate", "44100");
        QCOMPARE(releaseAndRead(s), QByteArray("[Audio]\r\nRate=44100\r\nRate=32\r\n"));
    }

    void keyAnywhereInLine()
    {
        TNewInifile s = storeOver("[S]\r\nxx Sort=3=4\r\n");
        QCOMPARE(s.ReadString("S", "Sort", ""), QString("3=4"));
    }

    void noTrimmingAroundEquals()
    {
        TNewInifile s = storeOver("[S]\r\nSort = 1\r\nList= 1 \r\n");
        QCOMPARE(s.ReadString("S", "Sort", "def"), QString("def"));
        QCOMPARE(s.ReadString("S", "List", "def"), QString(" 1 "));
        QCOMPARE(s.ReadInteger("S", "List", -5), -5);
        QCOMPARE(s.ReadString("S", "\"Quoted\"", "d"), QString("d"));
    }

    void commentsAreOrdinaryLines()
    {
        TNewInifile s = storeOver("[S]\r\n;Key=commented\r\nKey=real\r\n");
        QCOMPARE(s.ReadString("S", "Key", ""), QString("commented"));
    }

    void bracketInValueEndsSection()
    {
        TNewInifile s = storeOver("[Main]\r\nOutput Path=D:\\Video [HD]\\\r\nProfile=3\r\n");
        QCOMPARE(s.ReadString("Main", "Output Path", ""), QString("D:\\Video "));
        QCOMPARE(s.ReadInteger("Main", "Profile", -1), -1);
        s.WriteInteger("Main", "Profile", 4);
        QCOMPARE(
            releaseAndRead(s),
            QByteArray("[Main]\r\nProfile=4\r\nOutput Path=D:\\Video [HD]\\\r\nProfile=3\r\n"));
    }

    void headerInsideValueStartsSection()
    {
        TNewInifile s =
            storeOver("[Other]\r\nNote=see [Main]\r\nProfile=1\r\n[Main]\r\nProfile=2\r\n");
        QCOMPARE(s.ReadInteger("Main", "Profile", -1), 1);
        // Line 0 of the section is the rest of the header line.
        TNewInifile t = storeOver("[Main]Profile=5\r\n");
        QCOMPARE(t.ReadInteger("Main", "Profile", -1), 5);
    }

    void keyOnHeaderLineKeepsHeader()
    {
        TNewInifile s = storeOver("[Main]Profile=5\r\nOther=1\r\n");
        s.WriteInteger("Main", "Profile", 6);
        QCOMPARE(s.ReadInteger("Main", "Profile", -1), 6);
        QCOMPARE(s.ReadInteger("Main", "Other", -1), 1);
        QCOMPARE(releaseAndRead(s), QByteArray("[Main]Profile=6\r\nOther=1\r\n"));
    }

    void duplicateSectionsUseFirst()
    {
        TNewInifile s = storeOver("[A]\r\nK=1\r\n[A]\r\nK=2\r\nJ=3\r\n");
        QCOMPARE(s.ReadString("A", "K", ""), QString("1"));
        QCOMPARE(s.ReadString("A", "J", "none"), QString("none"));
        s.WriteString("A", "K", "9");
        s.WriteString("A", "J", "8");
        QCOMPARE(releaseAndRead(s), QByteArray("[A]\r\nJ=8\r\nK=9\r\n[A]\r\nK=2\r\nJ=3\r\n"));
    }

    void writesInsertUnderHeaderInReverseOrder()
    {
        TNewInifile s(m_path); // missing file: empty store
        s.WriteString("Main", "Profile", "0");
        s.WriteString("Main", "Output Path", "C:\\");
        QCOMPARE(releaseAndRead(s), QByteArray("[Main]\r\nOutput Path=C:\\\r\nProfile=0\r\n"));

        TNewInifile t = storeOver("[A]\r\nX=1\r\n[B]\r\nY=2\r\n");
        t.WriteString("B", "Z", "3");
        t.WriteString("A", "W", "4");
        t.WriteString("C", "V", "5");
        t.WriteString("a", "x", "6"); // replaced, spelled as the caller passes it
        QCOMPARE(releaseAndRead(t),
                 QByteArray("[A]\r\nW=4\r\nx=6\r\n[B]\r\nZ=3\r\nY=2\r\n[C]\r\nV=5\r\n"));
    }

    // Lookups go through an index; they answer exactly as the plain rules,
    // also in long sections and after writes that move lines or begin and
    // end sections.
    void indexAnswersAsThePlainRules()
    {
        // Two long sections, the first ended by a "[" in a value; writes
        // grow, move and end them. Then random files and writes.
        QByteArray content = "[Main]\r\n";
        for (int i = 0; i < 40; ++i)
            content += "Key" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
        content += "Last=main [cut\r\n[Other]\r\n" + content.mid(8) + "End=other\r\n";
        const QList<QList<QByteArray>> script{
            {"Main", "Key7"},   {"Other", "Key7"},      {"Main", "New", "1"},
            {"Main", "Last"},   {"Other", "End"},       {"Other", "New", "2"},
            {"Other", "End"},   {"Main", "Key3", "[x"}, {"Main", "Last"},
            {"Main", "Key39"},  {"Other", "Key39"},     {"Main", "Key2", "see [other]"},
            {"Other", "Key39"}, {"Other", "Last"},      {"[Main]", "Key1"}};
        TNewInifile fixed = storeOver(content);
        IniReference fixedModel(content);
        for (const QList<QByteArray> &op : script) {
            if (op.size() == 3) {
                fixed.WriteString(op[0], op[1], op[2]);
                fixedModel.write(op[0], op[1], op[2]);
            }
            const std::optional<QByteArray> expected = fixedModel.lookup(op[0], op[1]);
            QCOMPARE(fixed.ReadString(op[0], op[1], "\n"),
                     expected ? QString::fromUtf8(*expected) : QString("\n"));
        }

        QRandomGenerator rng(2024);
        const auto text = [&](int longest, const QByteArray &letters = "aAb[]= ") {
            QByteArray t;
            for (int n = rng.bounded(longest + 1); n > 0; --n)
                t += letters[rng.bounded(int(letters.size()))];
            return t;
        };
        for (int run = 0; run < 150; ++run) {
            QByteArray content;
            for (int n = rng.bounded(200); n > 0; --n)
                content += (rng.bounded(50) == 0  ? '[' + text(1) + ']'
                            : rng.bounded(8) == 0 ? text(3)
                                                  : text(3, "aAb =") + '=' + text(2, "aAb= ")) +
                           "\r\n";
            TNewInifile store = storeOver(content);
            IniReference model(content);
            for (int op = 0; op < 40; ++op) {
                const QByteArray section = text(1), key = text(2, "aAb =");
                if (rng.bounded(3) == 0) {
                    const QByteArray value = text(2);
                    store.WriteString(section, key, value);
                    model.write(section, key, value);
                }
                const std::optional<QByteArray> expected = model.lookup(section, key);
                QCOMPARE(store.ReadString(section, key, "\n"),
                         expected ? QString::fromUtf8(*expected) : QString("\n"));
            }
            QCOMPARE(releaseAndRead(store), model.fileBytes());
        }
    }

    void lineBreaks_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("LF") << QByteArray("[A]\nK=1\n") << QByteArray("[A]\r\nK=1\r\n");
        QTest::newRow("CR") << QByteArray("[A]\rK=1\r") << QByteArray("[A]\r\nK=1\r\n");
        QTest::newRow("CRLF") << QByteArray("[A]\r\nK=1\r\n") << QByteArray("[A]\r\nK=1\r\n");
        QTest::newRow("no final break") << QByteArray("[A]\r\nK=1") << QByteArray("[A]\r\nK=1\r\n");
        QTest::newRow("LF CR is two breaks")
            << QByteArray("a\n\rb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("blank lines kept")
            << QByteArray("a\n\n\nb\n") << QByteArray("a\r\n\r\n\r\nb\r\n");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("only a break") << QByteArray("\n") << QByteArray("\r\n");
    }
    void lineBreaks()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        TNewInifile s = storeOver(input);
        QCOMPARE(releaseAndRead(s), output);
    }

    void nulEndsTextButKeepsBytes()
    {
        const QByteArray content("[A]\nK=1\n\0[A]\nK=2\nL=3\n", 22);
        TNewInifile s = storeOver(content);
        QCOMPARE(s.ReadString("A", "K", ""), QString("1"));
        QCOMPARE(s.ReadString("A", "L", "none"), QString("none"));
        s.WriteString("A", "L", "4");
        QCOMPARE(releaseAndRead(s), QByteArray("[A]\r\nL=4\r\nK=1\r\n") + content.mid(8));
    }

    void missingFileIsCreatedEmpty()
    {
        TNewInifile s(m_path);
        QCOMPARE(s.ReadString("Main", "Version", "1.8"), QString("1.8"));
        QVERIFY(!QFile::exists(m_path));
        s.Release();
        QVERIFY(QFile::exists(m_path));
        QCOMPARE(testsupport::readFile(m_path), QByteArray());
    }

    void notReleasedWritesNothing()
    {
        QVERIFY(testsupport::writeFile(m_path, "[A]\nK=1\n"));
        {
            TNewInifile s(m_path);
            s.WriteString("A", "K", "2");
        }
        QCOMPARE(testsupport::readFile(m_path), QByteArray("[A]\nK=1\n"));
    }

    void storeSeesFileAtCreation()
    {
        QVERIFY(testsupport::writeFile(m_path, "[A]\r\nK=1\r\n"));
        TNewInifile s(m_path);
        QVERIFY(testsupport::writeFile(m_path, "[A]\r\nK=2\r\n"));
        QCOMPARE(s.ReadString("A", "K", ""), QString("1"));
        s.Release(); // overwrites what the file held meanwhile
        QCOMPARE(testsupport::readFile(m_path), QByteArray("[A]\r\nK=1\r\n"));
    }

    void readInteger_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("42") << 42;
        QTest::newRow("negative") << QByteArray("-7") << -7;
        QTest::newRow("plus") << QByteArray("+7") << 7;
        QTest::newRow("leading blanks") << QByteArray("  12") << 12;
        QTest::newRow("trailing blank") << QByteArray("12 ") << -99;
        QTest::newRow("dollar hex") << QByteArray("$10") << 16;
        QTest::newRow("0x hex") << QByteArray("0x1F") << 31;
        QTest::newRow("X hex") << QByteArray("XfF") << 255;
        QTest::newRow("negative hex") << QByteArray("-$10") << -16;
        QTest::newRow("hex all bits") << QByteArray("$FFFFFFFF") << -1;
        QTest::newRow("hex too long") << QByteArray("$100000000") << -99;
        QTest::newRow("bare dollar") << QByteArray("$") << -99;
        QTest::newRow("empty") << QByteArray("") << -99;
        QTest::newRow("sign only") << QByteArray("-") << -99;
        QTest::newRow("float") << QByteArray("1.5") << -99;
        QTest::newRow("max") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("min") << QByteArray("-2147483648") << int(-2147483647 - 1);
        QTest::newRow("above max") << QByteArray("2147483648") << -99;
        QTest::newRow("below min") << QByteArray("-2147483649") << -99;
        QTest::newRow("huge") << QByteArray("99999999999999999999999") << -99;
        QTest::newRow("letters") << QByteArray("abc") << -99;
    }
    void readInteger()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, expected);
        TNewInifile s = storeOver("[S]\r\nN=" + text + "\r\n");
        QCOMPARE(s.ReadInteger("S", "N", -99), expected);
    }

    void readBool_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("def");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << QByteArray("1") << false << true;
        QTest::newRow("-1") << QByteArray("-1") << false << true;
        QTest::newRow("2") << QByteArray("2") << false << true;
        QTest::newRow("0") << QByteArray("0") << true << false;
        QTest::newRow("0.0") << QByteArray("0.0") << true << false;
        QTest::newRow("0.5") << QByteArray("0.5") << false << true;
        QTest::newRow("TRUE") << QByteArray("TRUE") << false << true;
        QTest::newRow("false") << QByteArray("false") << true << false;
        QTest::newRow("yes keeps default true") << QByteArray("yes") << true << true;
        QTest::newRow("yes keeps default false") << QByteArray("yes") << false << false;
        QTest::newRow("empty keeps default") << QByteArray("") << true << true;
        QTest::newRow("comma decimal") << QByteArray("0,0") << true << true;
    }
    void readBool()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, def);
        QFETCH(bool, expected);
        TNewInifile s = storeOver("[S]\r\nB=" + text + "\r\n");
        QCOMPARE(s.ReadBool("S", "B", def), expected);
    }

    void readFloat()
    {
        TNewInifile s =
            storeOver("[S]\r\nA=1.8\r\nB=1,8\r\nC=-2.5e3\r\nD=.5\r\nE=inf\r\nF=1e999\r\n");
        QCOMPARE(s.ReadFloat("S", "A", 0.0), 1.8);
        QCOMPARE(s.ReadFloat("S", "B", 7.0), 7.0);
        QCOMPARE(s.ReadFloat("S", "C", 0.0), -2500.0);
        QCOMPARE(s.ReadFloat("S", "D", 0.0), 0.5);
        QCOMPARE(s.ReadFloat("S", "E", 7.0), 7.0);
        QCOMPARE(s.ReadFloat("S", "F", 7.0), 7.0);
        QCOMPARE(s.ReadFloat("S", "Missing", 3.25), 3.25);
    }

    void typedWrites()
    {
        TNewInifile s(m_path);
        s.WriteInteger("S", "I", -42);
        s.WriteBool("S", "T", true);
        s.WriteBool("S", "F", false);
        QCOMPARE(s.ReadInteger("S", "I", 0), -42);
        QCOMPARE(s.ReadBool("S", "T", false), true);
        QCOMPARE(s.ReadBool("S", "F", true), false);
        QCOMPARE(releaseAndRead(s), QByteArray("[S]\r\nF=0\r\nT=1\r\nI=-42\r\n"));
    }

    void nonAsciiBytesPreserved()
    {
        // Latin-1 bytes (invalid UTF-8) on lines the store does not change.
        const QByteArray content("[Main]\r\nOutput Path=C:\\Vid\xe9os\\\r\nName=\xff\xfe\r\n"
                                 "[Caf\xc3\xa9]\r\nK=\xe6\x97\xa5\r\n");
        TNewInifile s = storeOver(content);
        QCOMPARE(s.ReadString(QString::fromUtf8("Caf\xc3\xa9"), "k", ""),
                 QString::fromUtf8("\xe6\x97\xa5"));
        s.WriteString("Main", "Profile", "1");
        s.WriteString(QString::fromUtf8("Caf\xc3\xa9"), "K", QString::fromUtf8("\xc3\xa4"));
        QCOMPARE(releaseAndRead(s),
                 QByteArray("[Main]\r\nProfile=1\r\nOutput Path=C:\\Vid\xe9os\\\r\n"
                            "Name=\xff\xfe\r\n[Caf\xc3\xa9]\r\nK=\xc3\xa4\r\n"));
    }

    void binaryGarbageSurvivesRewrite()
    {
        QByteArray garbage(200000, Qt::Uninitialized);
        QRandomGenerator rng(12345);
        for (char &c : garbage)
            c = char(rng.bounded(256));
        garbage[5000] = '\0'; // at least one NUL, well inside
        TNewInifile s = storeOver(garbage);
        s.ReadString("Main", "Key", "");
        s.ReadInteger("x", "y", 0);
        s.WriteString("Main", "Profile", "1");
        const QByteArray out = releaseAndRead(s);
        // The text up to the first NUL comes back line for line (breaks as
        // CR LF), the new key is appended, and every byte from the NUL on is
        // kept.
        const qsizetype nul = garbage.indexOf('\0');
        QVERIFY(out.endsWith(garbage.mid(nul)));
        const QByteArray head = out.left(out.size() - (garbage.size() - nul));
        QVERIFY(head.endsWith("\r\n[Main]\r\nProfile=1\r\n"));
        // No byte of the text is lost or altered: only line breaks change.
        const auto withoutBreaks = [](QByteArray b) {
            b.replace('\r', QByteArray());
            b.replace('\n', QByteArray());
            return b;
        };
        QCOMPARE(withoutBreaks(head), withoutBreaks(garbage.left(nul)) + "[Main]Profile=1");
        // Every line ends with CR LF, and no lone CR or LF remains.
        QCOMPARE(head.count('\r'), head.count("\r\n"));
        QCOMPARE(head.count('\n'), head.count("\r\n"));
    }

    void bigFileWithoutLineBreaks()
    {
        QByteArray big(10 * 1024 * 1024, 'x');
        big.prepend("[Main]");
        TNewInifile s = storeOver(big);
        QCOMPARE(s.ReadString("Main", "Key", "def"), QString("def"));
        s.WriteString("Main", "Key", "1");
        const QByteArray out = releaseAndRead(s);
        QCOMPARE(out.size(), big.size() + 2 + 7);
        QVERIFY(out.startsWith("[Main]xxx"));
        QVERIFY(out.endsWith("xxx\r\nKey=1\r\n"));
        TNewInifile again(m_path);
        QCOMPARE(again.ReadString("Main", "Key", ""), QString("1"));
    }

    void bigFileOfManyLines()
    {
        QByteArray big;
        for (int i = 0; i < 500000; ++i)
            big += "[S" + QByteArray::number(i) + "]\nKey=" + QByteArray::number(i) + " pad" + '\n';
        QVERIFY(big.size() > 8 * 1024 * 1024);
        TNewInifile s = storeOver(big);
        QCOMPARE(s.ReadString("S399999", "Key", ""), QString("399999 pad"));
        s.Release();
        QByteArray expected = big;
        expected.replace("\n", "\r\n");
        QCOMPARE(testsupport::readFile(m_path), expected);
    }

    void unwritableFileKeepsOldContent()
    {
        const QByteArray content("[Main]\nProfile=1\n");
        QVERIFY(testsupport::writeFile(m_path, content));
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        TNewInifile s(m_path);
        s.WriteInteger("Main", "Profile", 2);
        try {
            s.Release();
            QFAIL("Release of a read-only file succeeded");
        } catch (const TIniFileError &e) {
            QCOMPARE(e.text(), QStringLiteral("Cannot create file \"%1\". Permission denied")
                                   .arg(QDir::toNativeSeparators(m_path)));
        }
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(testsupport::readFile(m_path), content);
        QStringList leftovers = QDir(m_dir.path()).entryList(QDir::Files);
        QCOMPARE(leftovers, QStringList{"test.ini"});
    }

    // A failed write keeps the previous file whole and reports the system's
    // reason, whatever the file system does.
    void fileSystemFaultsKeepTheFile_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("error");
        QTest::newRow("full") << true << ENOSPC;
        QTest::newRow("read-only") << false << EROFS;
    }
    void fileSystemFaultsKeepTheFile()
    {
        QFETCH(bool, full);
        QFETCH(int, error);
        SmallFileSystem fs(m_dir.filePath("small"));
        if (!fs.error().isEmpty())
            QSKIP(qPrintable("no small file system can be mounted here: " + fs.error()));
        const QString path = m_dir.filePath("small/Preferences.ini");
        QByteArray content = "[Main]\r\n";
        for (int i = 0; i < 100; ++i)
            content += "Key " + QByteArray::number(i) + "=some value\r\n";
        content += "[Default]\r\nOverwrite=1\r\n";
        QVERIFY(testsupport::writeFile(path, content));
        QVERIFY(full ? fs.fill() : fs.makeReadOnly());
        TNewInifile s(path);
        s.WriteString("Main", "Profile", "2");
        try {
            s.Release();
            QFAIL("the write succeeded");
        } catch (const TIniFileError &e) {
            QCOMPARE(e.text(), QStringLiteral("Cannot create file \"%1\". %2")
                                   .arg(QDir::toNativeSeparators(path),
                                        QString::fromLocal8Bit(std::strerror(error))));
        }
        QCOMPARE(testsupport::readFile(path), content);
        QCOMPARE(QDir(m_dir.filePath("small")).entryList(QDir::Files | QDir::Hidden),
                 full ? QStringList({"filler", "Preferences.ini"})
                      : QStringList{"Preferences.ini"});
    }

    void missingDirectoryReportsCreateError()
    {
        const QString path = m_dir.filePath("no/such/dir/Preferences.ini");
        TNewInifile s(path);
        s.WriteString("Main", "K", "1");
        try {
            s.Release();
            QFAIL("Release into a missing directory succeeded");
        } catch (const TIniFileError &e) {
            QVERIFY2(e.text().startsWith(QStringLiteral("Cannot create file \"%1\". ")
                                             .arg(QDir::toNativeSeparators(path))),
                     qPrintable(e.text()));
            QVERIFY(e.text().size() >
                    QStringLiteral("Cannot create file \"%1\". ").arg(path).size());
        }
    }

    void directoryCannotBeOpened()
    {
        const QString path = m_dir.filePath("adir");
        QVERIFY(QDir().mkpath(path));
        try {
            TNewInifile s(path);
            QFAIL("Opening a directory succeeded");
        } catch (const TIniFileError &e) {
            QVERIFY2(e.text().startsWith(QStringLiteral("Cannot open file \"%1\". ")
                                             .arg(QDir::toNativeSeparators(path))),
                     qPrintable(e.text()));
        }
    }

    // A pipe is read as it stands instead of waiting for a writer, and a
    // device without end is refused instead of read until memory runs out.
    void pipesAndDevicesNeitherHangNorFlood()
    {
        QVERIFY(::mkfifo(QFile::encodeName(m_path).constData(), 0600) == 0);
        TNewInifile pipe(m_path);
        QCOMPARE(pipe.LineCount(), 0);
        pipe.WriteString("Main", "K", "1");
        QVERIFY_THROWS_EXCEPTION(TIniFileError, pipe.Release());
        QFile::remove(m_path);
        QVERIFY(QFile::link("/dev/zero", m_path));
        try {
            TNewInifile zeros(m_path);
            QFAIL("a device without end was read");
        } catch (const TIniFileError &e) {
            QCOMPARE(e.text(), QStringLiteral("Cannot open file \"%1\". %2")
                                   .arg(QDir::toNativeSeparators(m_path),
                                        QString::fromLocal8Bit(std::strerror(EFBIG))));
        }
        QFile::remove(m_path);
    }

    void symbolicLinkStaysALink()
    {
        const QString real = m_dir.filePath("real.ini");
        QVERIFY(testsupport::writeFile(real, "[A]\nK=1\n"));
        QFile::remove(m_path);
        QVERIFY(QFile::link(real, m_path));
        TNewInifile s(m_path);
        s.WriteString("A", "K", "2");
        s.Release();
        QVERIFY(QFileInfo(m_path).isSymLink());
        QCOMPARE(testsupport::readFile(real), QByteArray("[A]\r\nK=2\r\n"));
        QFile::remove(m_path);
    }

    void lineBreaksInValuesCannotAddLines()
    {
        TNewInifile s(m_path);
        s.WriteString("Main", "Output Path", "/a\r\nProfile=7\n[X]");
        s.WriteString("Main", "Other", QString("x") + QChar(0) + "y");
        QCOMPARE(s.ReadInteger("Main", "Profile", -1), -1);
        QCOMPARE(releaseAndRead(s),
                 QByteArray("[Main]\r\nOther=x y\r\nOutput Path=/a  Profile=7 [X]\r\n"));
    }

    void rewriteAfterReadsOnly()
    {
        QVERIFY(testsupport::writeFile(m_path, "[Main]\nVersion=1.8\n;note\n  spaced = x \n"));
        TNewInifile s(m_path);
        QCOMPARE(s.ReadString("Main", "Version", ""), QString("1.8"));
        s.Release();
        QCOMPARE(testsupport::readFile(m_path),
                 QByteArray("[Main]\r\nVersion=1.8\r\n;note\r\n  spaced = x \r\n"));
    }
};

QTEST_GUILESS_MAIN(TestNewInifiles)
#include "tst_newinifiles.moc"
