#include "platform/safefilewriter.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// The system's calls with one fault of a disk built in.
SafeFileWriter::Calls callsWith(const QString &fault)
{
    SafeFileWriter::Calls calls = SafeFileWriter::systemCalls();
    if (fault == "full at once") {
        calls.write = [](int, const void *, size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
    } else if (fault == "full after a part") {
        calls.write = [n = 0](int fd, const void *data, size_t size) mutable -> ssize_t {
            if (n++ == 0)
                return ::write(fd, data, std::min<size_t>(size, 10));
            errno = ENOSPC;
            return -1;
        };
    } else if (fault == "flush fails") {
        calls.sync = [](int) {
            errno = EIO;
            return -1;
        };
    } else if (fault == "short writes") {
        calls.write = [](int fd, const void *data, size_t size) {
            return ::write(fd, data, std::min<size_t>(size, 7));
        };
    }
    return calls;
}

} // namespace

class TestSafeFileWriter : public QObject
{
    Q_OBJECT

private slots:
    // Every write and the flush are checked, in both ways of writing: a new
    // file renamed over the old one, or, in a directory that takes no new
    // file, the file itself. A failure keeps the old content whole and
    // leaves nothing behind.
    void faultsKeepTheOldContent_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<int>("error");
        for (const bool inPlace : {false, true}) {
            const char *way = inPlace ? "in place: " : "replacing: ";
            QTest::addRow("%sno fault", way) << "" << inPlace << 0;
            QTest::addRow("%sshort writes", way) << "short writes" << inPlace << 0;
            QTest::addRow("%sfull at once", way) << "full at once" << inPlace << ENOSPC;
            QTest::addRow("%sfull after a part", way) << "full after a part" << inPlace << ENOSPC;
            QTest::addRow("%sflush fails", way) << "flush fails" << inPlace << EIO;
        }
    }
    void faultsKeepTheOldContent()
    {
        QFETCH(QString, fault);
        QFETCH(bool, inPlace);
        QFETCH(int, error);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString dir = tmp.filePath("dir");
        const QString file = dir + "/Preferences.ini";
        QVERIFY(QDir().mkpath(dir));
        const QByteArray old = QByteArray("[Main]\r\nOld=1\r\n").repeated(20);
        const QByteArray data = QByteArray("[Main]\r\nNew=2\r\n").repeated(60);
        QVERIFY(testsupport::writeFile(file, old));
        const QFileDevice::Permissions everyone = QFileDevice::Permissions(0x7777);
        const QFileDevice::Permissions readWrite = QFileDevice::Permissions(0x6666);
        QVERIFY(QFile::setPermissions(tmp.path(), everyone));
        QVERIFY(QFile::setPermissions(file, readWrite));
        QVERIFY(QFile::setPermissions(dir, inPlace ? QFileDevice::Permissions(0x5555) : everyone));

        SafeFileWriter writer(callsWith(fault));
        bool written = false;
        {
            testsupport::AsUnprivilegedUser user;
            written = writer.write(file, data);
        }
        QFile::setPermissions(dir, everyone);
        QCOMPARE(written, error == 0);
        QCOMPARE(writer.errorString(),
                 error == 0 ? QString() : QString::fromLocal8Bit(std::strerror(error)));
        QCOMPARE(testsupport::readFile(file), error == 0 ? data : old);
        QCOMPARE(QFileInfo(file).permissions(), readWrite);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"Preferences.ini"});
    }
};

QTEST_GUILESS_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
