#include "clioptions.h"

#include <QCommandLineParser>

#include <tuple>

namespace {

struct OptionText
{
    const char *names;       // as --help shows them
    const char *description; // one line
};

// The options as --help lists them, in this order.
constexpr OptionText Options[] = {
    {"-p, --profile NAME|FILE",
     "a catalogue profile by name, or a profile file (default: the one selected in the "
     "preferences)"},
    {"-o, --output DIR", "output directory (default: the preferences' Output Path)"},
    {"    --existing MODE", "overwrite | rename | skip (default: the preferences' choice)"},
    {"-r, --recursive", "include subfolders, keeping the folder structure under DIR"},
    {"-l, --list FILE",
     "read source paths from FILE, one a line (the list-file format the window reads)"},
    {"-j, --jobs N", "conversions side by side, 1 to 64 (default 1)"},
    {"    --shard K/N", "convert only share K of N (1-based) of the task list"},
    {"    --watch DIR",
     "convert every video that arrives in DIR (and, with -r, its subfolders), each once, "
     "until SIGINT or SIGTERM"},
    {"    --settle SECONDS",
     "with --watch: a file is taken once it has not changed for SECONDS (default 10)"},
    {"    --rescan SECONDS",
     "with --watch: read the whole folder every SECONDS, for what events missed (default 60)"},
    {"-n, --dry-run", "print each task's encoder command line; convert nothing"},
    {"    --json", "one JSON object a line on standard output for each event"},
    {"-q, --quiet", "only failures and the summary"},
    {"    --probe-with-encoder",
     "probe each source by starting the encoder, not with the media reader"},
    {"    --verify, --no-verify",
     "check each output after converting, or not (default: the preferences' choice, on)"},
    {"    --trash-source", "move each source to the Trash once its output has passed the check"},
    {"-h, --help", "show this help and exit"},
    {"    --version", "show the version and exit"},
};

// A whole number of at least 1, or -1.
int positiveNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 ? n : -1;
}

// A whole number of at least 0, or -1.
int seconds(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 0 && n <= 24 * 3600 ? n : -1;
}

// Encoders side by side: more would only make them wait for each other.
constexpr int MaxJobs = 64;

} // namespace

QString CliHelpText()
{
    QString text = QStringLiteral("Usage: %1 [options] PATH...\n"
                                  "Converts video files (or the videos in folders) with the "
                                  "profiles and settings of the Quivercast window.\n\n")
                       .arg(CliProgramName);
    for (const OptionText &o : Options)
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(o.names).leftJustified(26),
                         QString::fromLatin1(o.description));
    text += QStringLiteral("\nExit status: 0 every task converted or skipped, 1 a task failed, 2 a "
                           "usage or settings error, 130 interrupted.\n");
    return text;
}

CliParseResult ParseCliOptions(const QStringList &args)
{
    CliParseResult result;
    CliOptions &o = result.options;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption profile({"p", "profile"}, {}, "NAME|FILE");
    const QCommandLineOption output({"o", "output"}, {}, "DIR");
    const QCommandLineOption existing("existing", {}, "MODE");
    const QCommandLineOption recursive(QStringList{"r", "recursive"});
    const QCommandLineOption list({"l", "list"}, {}, "FILE");
    const QCommandLineOption jobs({"j", "jobs"}, {}, "N");
    const QCommandLineOption shard("shard", {}, "K/N");
    const QCommandLineOption dryRun(QStringList{"n", "dry-run"});
    const QCommandLineOption json("json");
    const QCommandLineOption quiet(QStringList{"q", "quiet"});
    const QCommandLineOption probeWithEncoder("probe-with-encoder");
    const QCommandLineOption verify("verify");
    const QCommandLineOption noVerify("no-verify");
    const QCommandLineOption trashSource("trash-source");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    const QCommandLineOption watch("watch", {}, "DIR");
    const QCommandLineOption settle("settle", {}, "SECONDS");
    const QCommandLineOption rescan("rescan", {}, "SECONDS");
    parser.addOptions({profile, output, existing, recursive, list, jobs, shard, dryRun, json, quiet,
                       probeWithEncoder, verify, noVerify, trashSource, help, version, watch,
                       settle, rescan});

    if (!parser.parse(QStringList{CliProgramName} + args)) {
        result.error = parser.errorText();
        return result;
    }
    // A value given twice: the last one counts.
    const auto last = [&parser](const QCommandLineOption &option) {
        const QStringList values = parser.values(option);
        return values.isEmpty() ? QString() : values.last();
    };
    // An empty value (an unset shell variable) never stands for the
    // preferences' choice.
    for (const QCommandLineOption *option : {&profile, &output, &list, &watch})
        if (parser.isSet(*option) && parser.values(*option).contains(QString())) {
            result.error = QStringLiteral("--%1: the value is empty.").arg(option->names().last());
            return result;
        }
    o.help = parser.isSet(help);
    o.version = parser.isSet(version);
    o.profile = last(profile);
    o.outputDir = last(output);
    o.recursive = parser.isSet(recursive);
    o.listFiles = parser.values(list);
    o.dryRun = parser.isSet(dryRun);
    o.json = parser.isSet(json);
    o.quiet = parser.isSet(quiet);
    o.probeWithEncoder = parser.isSet(probeWithEncoder);
    o.paths = parser.positionalArguments();
    o.watch = last(watch);
    // Of --verify and --no-verify, the one given last counts.
    const QStringList names = parser.optionNames();
    for (const QString &name : names)
        if (name == QLatin1String("verify") || name == QLatin1String("no-verify"))
            o.verify = name == QLatin1String("verify") ? 1 : 0;
    o.trashSource = parser.isSet(trashSource);
    if (o.trashSource && o.verify == 0) {
        result.error = QStringLiteral("--trash-source: a source is moved only once its output "
                                      "has been checked, which --no-verify turns off.");
        return result;
    }

    if (parser.isSet(existing)) {
        o.existing = last(existing);
        if (o.existing != QLatin1String("overwrite") && o.existing != QLatin1String("rename") &&
            o.existing != QLatin1String("skip")) {
            result.error = QStringLiteral("--existing: \"%1\" is none of overwrite, rename, skip.")
                               .arg(o.existing);
            return result;
        }
    }
    if (parser.isSet(jobs)) {
        o.jobs = positiveNumber(last(jobs));
        if (o.jobs < 1 || o.jobs > MaxJobs) {
            result.error = QStringLiteral("--jobs: \"%1\" is not a whole number from 1 to %2.")
                               .arg(last(jobs))
                               .arg(MaxJobs);
            return result;
        }
    }
    if (parser.isSet(shard)) {
        const QString value = last(shard);
        const QStringList parts = value.split(u'/');
        const int k = parts.size() == 2 ? positiveNumber(parts[0]) : -1;
        const int n = parts.size() == 2 ? positiveNumber(parts[1]) : -1;
        if (k < 1 || n < 1 || k > n) {
            result.error =
                QStringLiteral("--shard: \"%1\" is not K/N with 1 <= K <= N.").arg(value);
            return result;
        }
        o.shareIndex = k;
        o.shareCount = n;
    }
    for (const auto &[option, value, least] :
         {std::tuple{&settle, &o.settleSecs, 0}, std::tuple{&rescan, &o.rescanSecs, 1}}) {
        if (!parser.isSet(*option))
            continue;
        *value = seconds(last(*option));
        if (*value < least) {
            result.error = QStringLiteral("--%1: \"%2\" is not a number of seconds from %3.")
                               .arg(option->names().first(), last(*option))
                               .arg(least);
            return result;
        }
        if (o.watch.isEmpty()) {
            result.error = QStringLiteral("--%1 goes with --watch.").arg(option->names().first());
            return result;
        }
    }
    if (!o.watch.isEmpty() &&
        (!o.paths.isEmpty() || !o.listFiles.isEmpty() || o.dryRun || o.shareCount > 1)) {
        result.error =
            QStringLiteral("--watch takes no source paths, --list, --dry-run or --shard.");
        return result;
    }
    return result;
}
