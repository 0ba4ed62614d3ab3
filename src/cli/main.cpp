// quivercast-cli: the batch conversions of the window program, without a
// window, for scripts, servers and many machines.
#include "clidriver.h"
#include "clioptions.h"
#include "platform/filenames.h"
#include "platform/terminationsignals.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <exception>

namespace {

void errorLine(const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(CliProgramName), qUtf8Printable(text));
}

// An error that escapes an event handler ends the program with a message
// instead of a crash.
class CliApplication : public QCoreApplication
{
public:
    using QCoreApplication::QCoreApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QCoreApplication::notify(receiver, event);
        } catch (const std::exception &e) {
            errorLine(QString::fromUtf8(e.what()));
        } catch (...) {
            errorLine(QStringLiteral("Unknown error."));
        }
        exit(CliDriver::ExitFailed);
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    // Before anything else: the first SIGINT or SIGTERM stops the run
    // through the event loop (one that comes while the program starts waits
    // for it), a second one kills its encoders at once (their outputs still
    // go); a third ends the program in the handler itself.
    TerminationSignals::installHandlers();
    TerminationSignals::setExitFromSignal(3, CliDriver::ExitInterrupted);
    CliApplication app(argc, argv);
    // The arguments as the system gives them: names that are not valid
    // UTF-8 stay recognisable.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << DecodeFileName(QByteArray(argv[i]));
    const CliParseResult parsed = ParseCliOptions(args);
    if (!parsed.error.isEmpty()) {
        errorLine(parsed.error);
        return CliDriver::ExitUsage;
    }
    if (parsed.options.help) {
        std::fputs(qUtf8Printable(CliHelpText()), stdout);
        return CliDriver::ExitOk;
    }

    try {
        TerminationSignals termination;
        CliDriver driver(parsed.options);
        QObject::connect(&termination, &TerminationSignals::received, &driver,
                         &CliDriver::interrupt);
        // The work runs inside the event loop.
        QTimer::singleShot(0, &driver, [&driver] { QCoreApplication::exit(driver.run()); });
        return app.exec();
    } catch (const std::exception &e) {
        errorLine(QString::fromUtf8(e.what()));
    } catch (...) {
        errorLine(QStringLiteral("Unknown error."));
    }
    return CliDriver::ExitFailed;
}
