#include "outputcheck.h"

#include "itemdata.h"
#include "probehelper.h"
#include "prober.h"
#include "tasktext.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

namespace {

QString secondsText(double seconds)
{
    return QString::number(seconds, 'f', 1);
}

// The streams the encoder's report on a file names; cover art is no video.
void readStreams(const QString &report, bool &video, bool &audio)
{
    static const QRegularExpression stream(
        QStringLiteral("^\\s*Stream #\\d+:\\d+.*?: (Video|Audio):"));
    for (const QString &line : report.split(u'\n')) {
        const QRegularExpressionMatch m = stream.match(line);
        if (!m.hasMatch())
            continue;
        if (m.captured(1) == QLatin1String("Audio"))
            audio = true;
        else if (!line.contains(QLatin1String("(attached pic)")))
            video = true;
    }
}

} // namespace

QString OutputCheck::Verdict::report() const
{
    if (!passed)
        return reason;
    QString length = measured < 0 ? QStringLiteral("of unknown length")
                                  : QStringLiteral("%1 s long").arg(secondsText(measured));
    if (expected >= 0)
        length += QStringLiteral(" (%1 s expected)").arg(secondsText(expected));
    const QString streams = video && audio ? QStringLiteral("with video and audio")
                            : video        ? QStringLiteral("with video")
                            : audio        ? QStringLiteral("with audio")
                                           : QStringLiteral("without video or audio");
    return QStringLiteral("The output was checked: %1, %2.").arg(length, streams);
}

OutputCheck::OutputCheck(const QString &encoderPath, QObject *parent)
    : QObject(parent), m_encoderPath(encoderPath)
{}

// The reader and the encoders are children: each ends its process as it goes.
OutputCheck::~OutputCheck() = default;

void OutputCheck::setReader(const QString &program, std::function<bool()> encoderOnly)
{
    m_readerProgram = program;
    m_encoderOnly = std::move(encoderOnly);
    m_readerUnavailable = false;
}

OutputCheck::Expectation OutputCheck::expectationFor(const ltvItemData &task,
                                                     const QStringList &arguments)
{
    Expectation e;
    e.source = task.InputFile;
    e.seconds = task.ClipLengthSecs > 0 ? task.ClipLengthSecs : -1;
    // The output is never read back as an option: it is the last argument.
    const QStringList options = arguments.mid(0, arguments.size() - 1);
    e.video = !options.contains(QStringLiteral("-vn"));
    e.audio = !options.contains(QStringLiteral("-an"));
    return e;
}

double OutputCheck::tolerance(double seconds)
{
    return std::max(1.0, 0.02 * seconds);
}

void OutputCheck::check(TaskId id, const QString &output, const Expectation &expectation)
{
    m_jobs.insert(id, {++m_generation, output, expectation, {}});
    const QFileInfo info(output);
    QString early;
    if (!info.exists())
        early = QStringLiteral("The output file was not written.");
    else if (info.size() == 0)
        early = QStringLiteral("The output file is empty.");
    if (!early.isEmpty()) {
        // Told from the event loop, as every other verdict.
        const quint64 generation = m_generation;
        QTimer::singleShot(0, this, [this, id, generation, early] {
            if (m_jobs.value(id).generation == generation)
                finish(id, {false, early, -1, m_jobs.value(id).expectation.seconds});
        });
        return;
    }
    read(output, forJob(id, [this, id](Job &job, const Facts &facts) {
             job.facts = facts;
             outputRead(id, job);
         }));
}

OutputCheck::Done OutputCheck::forJob(TaskId id, std::function<void(Job &, const Facts &)> f)
{
    const quint64 generation = m_jobs.value(id).generation;
    return [this, id, generation, f](const Facts &facts) {
        const auto it = m_jobs.find(id);
        if (it != m_jobs.end() && it->generation == generation)
            f(*it, facts);
    };
}

void OutputCheck::outputRead(TaskId id, Job &job)
{
    const Facts &out = job.facts;
    if (!out.opened) {
        finish(id, {false,
                    out.failure.isEmpty()
                        ? QStringLiteral("The output cannot be opened.")
                        : QStringLiteral("The output cannot be opened: %1.").arg(out.failure),
                    -1, job.expectation.seconds});
        return;
    }
    // A stream the output lacks is missed only when the source has it.
    if ((job.expectation.video && !out.video) || (job.expectation.audio && !out.audio)) {
        read(job.expectation.source,
             forJob(id, [this, id](Job &j, const Facts &source) { sourceRead(id, j, source); }));
        return;
    }
    sourceRead(id, job, Facts{true, {}, -1, out.video, out.audio});
}

void OutputCheck::sourceRead(TaskId id, Job &job, const Facts &source)
{
    const Facts &out = job.facts;
    const Expectation &e = job.expectation;
    Verdict v{false, {}, out.seconds, e.seconds, out.video, out.audio};
    // A source that cannot be read is taken to have what the profile keeps.
    const bool sourceVideo = !source.opened || source.video;
    const bool sourceAudio = !source.opened || source.audio;
    if (e.video && !out.video && sourceVideo)
        v.reason = QStringLiteral("The output has no video stream.");
    else if (e.audio && !out.audio && sourceAudio)
        v.reason = QStringLiteral("The output has no audio stream.");
    else if (e.seconds > 0 && out.seconds < 0)
        v.reason = QStringLiteral("The output does not tell its length; %1 s were expected.")
                       .arg(secondsText(e.seconds));
    else if (e.seconds > 0 && std::abs(out.seconds - e.seconds) > tolerance(e.seconds))
        v.reason = QStringLiteral("The output is %1 s long; %2 s were expected.")
                       .arg(secondsText(out.seconds), secondsText(e.seconds));
    v.passed = v.reason.isEmpty();
    finish(id, v);
}

void OutputCheck::finish(TaskId id, Verdict verdict)
{
    m_jobs.remove(id);
    emit checked(id, verdict);
}

bool OutputCheck::readerUsable() const
{
    return !m_readerProgram.isEmpty() && !m_readerUnavailable &&
           !(m_encoderOnly && m_encoderOnly());
}

ProbeHelper *OutputCheck::reader()
{
    if (m_reader)
        return m_reader;
    m_reader = new ProbeHelper(m_readerProgram, Prober::DefaultTimeoutMs, this);
    const auto take = [this] {
        auto front = std::move(m_inReader.front());
        m_inReader.pop_front();
        return front;
    };
    connect(m_reader, &ProbeHelper::answered, this, [take](const MediaFacts &facts) {
        take().second({true, {}, facts.seconds, facts.video, facts.audio});
    });
    // The library cannot read it: the encoder is asked, as for a source.
    connect(m_reader, &ProbeHelper::failed, this, [this, take] {
        auto [path, done] = take();
        readByEncoder(path, done);
    });
    connect(m_reader, &ProbeHelper::unavailable, this, [this, take] {
        m_readerUnavailable = true;
        auto [path, done] = take();
        readByEncoder(path, done);
    });
    return m_reader;
}

void OutputCheck::read(const QString &path, Done done)
{
    if (!readerUsable() || !QFileInfo(m_readerProgram).isExecutable()) {
        readByEncoder(path, std::move(done));
        return;
    }
    m_inReader.emplace_back(path, std::move(done));
    reader()->probe(path);
}

void OutputCheck::readByEncoder(const QString &path, Done done)
{
    auto *prober = new Prober(m_encoderPath, this);
    connect(prober, &Prober::finished, this, [prober, done = std::move(done)] {
        Facts facts;
        const QString report = prober->lastReport();
        facts.opened = report.contains(QLatin1String("Input #0"));
        if (facts.opened) {
            facts.seconds = prober->duration().isEmpty() ? -1 : StrToSeconds(prober->duration());
            readStreams(report, facts.video, facts.audio);
        } else {
            // The encoder's last line says why.
            const QStringList lines = report.trimmed().split(u'\n');
            facts.failure = lines.isEmpty() ? QString() : lines.last().trimmed();
            if (facts.failure.endsWith(u'.'))
                facts.failure.chop(1);
        }
        prober->deleteLater();
        done(facts);
    });
    prober->start(path);
}
