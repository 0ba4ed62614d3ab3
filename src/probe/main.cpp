// quivercast-probe: the program's media reader. It reads the paths of files
// on its standard input and answers with what the encoder's probe would
// give for each (engine/probeprotocol.h tells how); the window and the
// command-line program keep it running beside them.
#include "engine/probeprotocol.h"
#include "mediareader.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Faults for the tests of the program's side, from the environment variable
// QUIVERCAST_PROBE_TEST_FAULTS, which only tests set: "unavailable" (greets
// as a build without the media libraries), or a comma list of KIND:TEXT,
// where KIND is "crash", "hang" (ignores the deadline) or "garbage" (answers
// nonsense) and applies to every path that contains TEXT.
struct Fault
{
    QByteArray kind;
    QByteArray text;
};

QList<Fault> testFaults()
{
    QList<Fault> faults;
    const char *value = std::getenv("QUIVERCAST_PROBE_TEST_FAULTS");
    for (const QByteArray &item : QByteArray(value ? value : "").split(',')) {
        const qsizetype colon = item.indexOf(':');
        if (item == "unavailable")
            faults.append({item, {}});
        else if (colon > 0)
            faults.append({item.first(colon), item.mid(colon + 1)});
    }
    return faults;
}

void writeLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// A test fault for path acted out; false when there is none.
bool actOut(const QList<Fault> &faults, const QByteArray &path)
{
    for (const Fault &fault : faults) {
        if (fault.text.isEmpty() || !path.contains(fault.text))
            continue;
        if (fault.kind == "crash") {
            std::signal(SIGSEGV, SIG_DFL);
            std::raise(SIGSEGV);
        } else if (fault.kind == "hang") {
            for (;;)
                ::pause();
        } else if (fault.kind == "garbage") {
            writeLine("what file?");
            return true;
        }
    }
    return false;
}

QByteArray answer(MediaReader &reader, const QByteArray &path)
{
    // A FIFO or a device could block the library in a way no deadline
    // reaches; the encoder's probe has its own limit.
    struct stat info
    {
    };
    if (::stat(path.constData(), &info) != 0)
        return FormatProbeFailure("cannot open the file: " + QByteArray(std::strerror(errno)));
    if (!S_ISREG(info.st_mode))
        return FormatProbeFailure("not a regular file");
    const MediaDescription d = reader.read(path);
    if (!d.read)
        return FormatProbeFailure(d.failure);
    MediaFacts facts;
    facts.texts = ProbeResultsFromReport(QString::fromUtf8(d.report), QString::fromUtf8(path));
    facts.seconds = d.seconds;
    facts.video = d.video;
    facts.audio = d.audio;
    return FormatProbeAnswer(facts);
}

} // namespace

int main(int argc, char **argv)
{
    int deadlineMs = 30000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--deadline-ms") == 0 && i + 1 < argc) {
            deadlineMs = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "Usage: quivercast-probe [--deadline-ms N]\n"
                                 "Reads file paths on standard input, one a line, and describes "
                                 "each file on standard output. quivercast and quivercast-cli "
                                 "start it.\n");
            return 2;
        }
    }
    const QList<Fault> faults = testFaults();
    QByteArray reason;
    if (!MediaReader::available(reason) ||
        (!faults.isEmpty() && faults.first().kind == "unavailable")) {
        writeLine("unavailable\t" +
                  EscapeProbeText(reason.isEmpty() ? QByteArray("test") : reason));
        return 3;
    }
    writeLine(ProbeGreeting);

    MediaReader reader(deadlineMs);
    std::string line;
    int c;
    while ((c = std::getchar()) != EOF) {
        if (c != '\n') {
            line += char(c);
            continue;
        }
        QByteArray path;
        if (!UnescapeProbeText(QByteArray::fromStdString(line), path) || path.isEmpty())
            writeLine(FormatProbeFailure("not a path"));
        else if (!actOut(faults, path))
            writeLine(answer(reader, path));
        line.clear();
    }
    return 0;
}
