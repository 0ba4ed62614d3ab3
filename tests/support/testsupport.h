#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class BatchRun;
class EncoderOptions;
class Prober;
class TaskIntake;

namespace testsupport {

// Paths fixed at build time.
QString fakeEncoder();
QString ffmpeg();
QString binDir();
QString sourceDir();

// Generates a small clip with the real encoder's lavfi sources, e.g.
// makeClip(dir + "/a.avi", {"-f","lavfi","-i","testsrc=size=320x240:rate=25:duration=2",
//           "-c:v","mpeg4"}). Returns the path, or an empty text on failure.
QString makeClip(const QString &path, const QStringList &encoderArgs);
// A standard two-second test clip with picture and sound in the given container.
QString makeStandardClip(const QString &path, double seconds = 2.0);
// A folder (made when missing) of count standard clips clip00.avi, clip01.avi,
// ... False when one could not be made.
bool makeClipFolder(const QString &dir, int count, double seconds = 2.0);

// A folder, made once, of what a stand-in encoder may write in place of the
// conversion of a four-second clip with picture and sound: "full.avi"
// (whole), "half.avi" (two seconds), "video.mkv" (no sound), "audio.mkv" (no
// picture). Empty when one could not be made.
QString standInOutputs();
// The data columns "copied" (what the stand-in writes: a file of
// standInOutputs(), "/dev/null", or nothing) and "reason" (why the checked
// task fails; empty: "Complete"), with a row for each kind of output.
void addStandInRows();
// The stand-in's script for "copied": a probe tells nothing, a conversion
// writes it.
QStringList standInScript(const QString &copied);

// A temporary directory laid out like the program's own: wmaspi.dll (a link
// to the given encoder), Profiles/ with the shipped profiles, Preferences.ini
// only when withPreferences is true. The path ends with a separator.
class ProgramDir
{
public:
    explicit ProgramDir(const QString &encoder = ffmpeg(), bool withProfiles = true,
                        bool withPreferences = false);
    QString path() const; // with trailing separator
    QString file(const QString &name) const { return path() + name; }
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

// Puts a copy of the command-line program into a program directory (the
// program finds its settings and encoder beside itself), with a copy of the
// media reader when asked, and returns its path, or an empty text on
// failure.
QString copyCli(const ProgramDir &dir, bool withProbeHelper = false);
// The media reader of this build (quivercast-probe).
QString probeHelper();

// The bytes of a file, or "<unreadable>" when it cannot be read.
QByteArray readFile(const QString &path);
// Creates or truncates a file with exactly these bytes; false on failure.
bool writeFile(const QString &path, const QByteArray &data);

// While it lives, file permissions apply to the test as to any user: a test
// running as root acts as an unprivileged user (the effective user id only).
class AsUnprivilegedUser
{
public:
    AsUnprivilegedUser();
    ~AsUnprivilegedUser();
    AsUnprivilegedUser(const AsUnprivilegedUser &) = delete;
    AsUnprivilegedUser &operator=(const AsUnprivilegedUser &) = delete;

private:
    bool m_switched = false;
};

// Writes a script for the fake encoder and returns its path; the fake reads
// it from the environment variable QC_FAKE_SCRIPT, which this sets.
QString setFakeScript(const QString &dir, const QStringList &lines);

// What the fake encoder's "log FILE" command wrote: one span per fake that
// ended by itself, and the process ids of all that started.
struct EncoderSpan
{
    QString kind; // "probe" or "run"
    qint64 pid = 0;
    qint64 start = 0; // ms, monotonic clock
    qint64 end = 0;
    QString last; // the last argument
};
QList<EncoderSpan> readEncoderLog(const QString &path, QList<qint64> *started = nullptr);
// The process has ended: it is gone, or a zombie nobody has reaped yet.
bool processGone(qint64 pid);
// The process's state as the system shows it ('R' running, 'S' sleeping,
// 'T' stopped, 'Z' a zombie, ...); 0 when there is no such process.
char processState(qint64 pid);
// The processor time the process has used so far, in clock ticks; -1 when
// there is no such process.
qint64 processorTicks(qint64 pid);
// The children of the process pid whose names begin with name.
QList<qint64> childProcesses(qint64 pid, const QByteArray &name);
// The largest number of spans of the kind that ran at one moment.
int mostAtOnce(const QList<EncoderSpan> &spans, const QString &kind);

// Processes events until intake has added every row it is to add and every
// probe has ended; false when that takes longer than timeoutMs.
[[nodiscard]] bool waitForIntake(const TaskIntake &intake, int timeoutMs = 60000);
// Processes events until the run is idle again; false when that takes
// longer than timeoutMs.
[[nodiscard]] bool waitForRunEnd(const BatchRun &run, int timeoutMs = 120000);
// RunBatch, and waitForRunEnd.
[[nodiscard]] bool runToEnd(BatchRun &run, const EncoderOptions &options);
// Starts the probe of path and processes events until it has ended.
void probeFile(Prober &prober, const QString &path);

} // namespace testsupport
