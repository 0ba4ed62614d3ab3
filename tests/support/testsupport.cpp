#include "testsupport.h"

#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/prober.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>

#include <unistd.h>

namespace testsupport {

QString fakeEncoder()
{
    return QStringLiteral(QC_FAKE_ENCODER);
}
QString ffmpeg()
{
    return QStringLiteral(QC_FFMPEG);
}
QString binDir()
{
    return QStringLiteral(QC_BIN_DIR);
}
QString sourceDir()
{
    return QStringLiteral(QC_SOURCE_DIR);
}

QString makeClip(const QString &path, const QStringList &encoderArgs)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args{"-y", "-hide_banner", "-loglevel", "error"};
    args += encoderArgs;
    args << path;
    p.start(ffmpeg(), args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning("clip generation failed: %s", p.readAll().constData());
        return {};
    }
    return QFileInfo::exists(path) ? path : QString();
}

QString standInOutputs()
{
    static QTemporaryDir folder;
    const QString dir = folder.path();
    if (QFileInfo::exists(dir + "/audio.mkv"))
        return dir;
    const QStringList video{"-f",   "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=4",
                            "-c:v", "mpeg4"};
    const QStringList audio{"-f", "lavfi", "-i", "sine=frequency=440:duration=4", "-c:a", "mp2"};
    const bool made = !makeStandardClip(dir + "/full.avi", 4.0).isEmpty() &&
                      !makeStandardClip(dir + "/half.avi", 2.0).isEmpty() &&
                      !makeClip(dir + "/video.mkv", video).isEmpty() &&
                      !makeClip(dir + "/audio.mkv", audio).isEmpty();
    return made ? dir : QString();
}

void addStandInRows()
{
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no file") << ""
                             << "The output file was not written.";
    QTest::newRow("empty file") << "/dev/null"
                                << "The output file is empty.";
    QTest::newRow("half as long") << "half.avi"
                                  << "The output is 2.0 s long; 4.0 s were expected.";
    QTest::newRow("no video") << "audio.mkv"
                              << "The output has no video stream.";
    QTest::newRow("no audio") << "video.mkv"
                              << "The output has no audio stream.";
    QTest::newRow("good") << "full.avi"
                          << "";
}

QStringList standInScript(const QString &copied)
{
    if (copied.isEmpty())
        return {"ifarg -y"};
    return {"ifarg -y",
            "copy " + (copied.startsWith(u'/') ? copied : standInOutputs() + u'/' + copied)};
}

bool makeClipFolder(const QString &dir, int count, double seconds)
{
    if (!QDir().mkpath(dir))
        return false;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("/clip%1.avi").arg(i, 2, 10, QLatin1Char('0'));
        if (makeStandardClip(dir + name, seconds).isEmpty())
            return false;
    }
    return true;
}

QString makeStandardClip(const QString &path, double seconds)
{
    const QString d = QString::number(seconds);
    QStringList args{"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=" + d,
                     "-f", "lavfi", "-i", "sine=frequency=440:duration=" + d};
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == "wmv" || ext == "asf")
        args << "-c:v"
             << "wmv2"
             << "-c:a"
             << "wmav2";
    else if (ext == "mpg" || ext == "mpeg" || ext == "vob")
        args << "-c:v"
             << "mpeg2video"
             << "-c:a"
             << "mp2";
    else if (ext == "mp4" || ext == "mov")
        args << "-c:v"
             << "libx264"
             << "-preset"
             << "ultrafast"
             << "-pix_fmt"
             << "yuv420p"
             << "-c:a"
             << "aac";
    else
        args << "-c:v"
             << "mpeg4"
             << "-c:a"
             << "mp3";
    args << "-shortest";
    return makeClip(path, args);
}

ProgramDir::ProgramDir(const QString &encoder, bool withProfiles, bool withPreferences)
{
    const QString p = path();
    QFile::link(encoder, p + "wmaspi.dll");
    if (withProfiles) {
        QDir().mkpath(p + "Profiles");
        const QDir src(sourceDir() + "/resources/Profiles");
        for (const QString &f : src.entryList({"*.apf"}, QDir::Files))
            QFile::copy(src.filePath(f), p + "Profiles/" + f);
    }
    if (withPreferences)
        QFile::copy(sourceDir() + "/resources/Preferences.ini", p + "Preferences.ini");
}

QString ProgramDir::path() const
{
    return m_dir.path() + QDir::separator();
}

QString copyCli(const ProgramDir &dir, bool withProbeHelper)
{
    const QString target = dir.file(QStringLiteral("quivercast-cli"));
    if (withProbeHelper &&
        !QFile::copy(probeHelper(), dir.file(QStringLiteral("quivercast-probe"))))
        return {};
    return QFile::copy(binDir() + QStringLiteral("/quivercast-cli"), target) ? target : QString();
}

QString probeHelper()
{
    return binDir() + QStringLiteral("/quivercast-probe");
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return f.readAll();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size() &&
           f.flush();
}

QString setFakeScript(const QString &dir, const QStringList &lines)
{
    static int n = 0;
    const QString path = dir + QStringLiteral("/fake%1.script").arg(++n);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(lines.join(u'\n').toUtf8() + '\n');
    qputenv("QC_FAKE_SCRIPT", path.toLocal8Bit());
    return path;
}

AsUnprivilegedUser::AsUnprivilegedUser()
{
    if (::geteuid() == 0) {
        m_switched = ::seteuid(65534) == 0; // nobody
        if (!m_switched)
            qFatal("cannot act as an unprivileged user");
    }
}

AsUnprivilegedUser::~AsUnprivilegedUser()
{
    if (m_switched && ::seteuid(0) != 0)
        qFatal("cannot return to the root user");
}

bool processGone(qint64 pid)
{
    const QList<QByteArray> stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid)).split(' ');
    return stat.size() < 3 || stat[2] == "Z";
}

char processState(qint64 pid)
{
    // "pid (name) state ...": the name may hold blanks and parentheses.
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    return close < 0 || close + 2 >= stat.size() ? 0 : stat.at(close + 2);
}

qint64 processorTicks(qint64 pid)
{
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return -1;
    // After the name: state, then fields 4 to 13; utime and stime are the
    // 14th and 15th fields of the line.
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

QList<qint64> childProcesses(qint64 pid, const QByteArray &name)
{
    QList<qint64> children;
    const QString task = QStringLiteral("/proc/%1/task/%1/children").arg(pid);
    for (const QByteArray &child : readFile(task).simplified().split(' '))
        if (readFile(QStringLiteral("/proc/%1/comm").arg(QString::fromLatin1(child)))
                .startsWith(name.left(15)))
            children.append(child.toLongLong());
    return children;
}

QList<EncoderSpan> readEncoderLog(const QString &path, QList<qint64> *started)
{
    QList<EncoderSpan> spans;
    for (const QByteArray &line : readFile(path).split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 2 && f[0] == "started" && started)
            started->append(f[1].toLongLong());
        if (f.size() < 5 || (f[0] != "probe" && f[0] != "run"))
            continue;
        // The last argument may hold blanks: all after the fourth blank.
        qsizetype at = -1;
        for (int k = 0; k < 4; ++k)
            at = line.indexOf(' ', at + 1);
        spans.append({QString::fromUtf8(f[0]), f[1].toLongLong(), f[2].toLongLong(),
                      f[3].toLongLong(), QString::fromUtf8(line.mid(at + 1))});
    }
    return spans;
}

int mostAtOnce(const QList<EncoderSpan> &spans, const QString &kind)
{
    int most = 0;
    for (const EncoderSpan &s : spans) {
        // At the start of s: those that started no later and had not ended.
        int now = 0;
        for (const EncoderSpan &o : spans)
            if (o.kind == kind && o.start <= s.start && o.end > s.start)
                ++now;
        if (s.kind == kind)
            most = std::max(most, now);
    }
    return most;
}

bool waitForIntake(const TaskIntake &intake, int timeoutMs)
{
    return QTest::qWaitFor([&] { return !intake.isBusy(); }, timeoutMs);
}

bool waitForRunEnd(const BatchRun &run, int timeoutMs)
{
    return QTest::qWaitFor([&] { return !run.isRunning(); }, timeoutMs);
}

bool runToEnd(BatchRun &run, const EncoderOptions &options)
{
    run.RunBatch(options);
    return waitForRunEnd(run);
}

void probeFile(Prober &prober, const QString &path)
{
    QEventLoop loop;
    QObject::connect(&prober, &Prober::finished, &loop, &QEventLoop::quit);
    prober.start(path);
    loop.exec();
}

} // namespace testsupport
