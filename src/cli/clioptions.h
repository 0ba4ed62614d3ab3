#pragma once

#include <QString>
#include <QStringList>

// What the command line of quivercast-cli asks for.
struct CliOptions
{
    QString profile;   // a catalogue name or a profile file; empty: the preferences' choice
    QString outputDir; // empty: the preferences' output path
    QString existing;  // "overwrite", "rename", "skip"; empty: the preferences' choice
    bool recursive = false;
    QStringList listFiles;
    int jobs = 1;
    int shareIndex = 1; // K of --shard K/N, from 1
    int shareCount = 1; // N
    bool dryRun = false;
    bool json = false;
    bool quiet = false;
    bool probeWithEncoder = false; // no media reader: the encoder probes every file
    int verify = -1;               // check each output: 1 yes, 0 no, -1 the preferences' choice
    bool trashSource = false;      // move each source to the Trash once its output is checked
    bool help = false;
    bool version = false;
    QStringList paths;
    QString watch;       // --watch DIR: convert what arrives there, until a signal
    int settleSecs = -1; // -1: Watches.ini's choice
    int rescanSecs = -1;
};

// The options, or a one-line message naming the bad option (error not empty).
struct CliParseResult
{
    CliOptions options;
    QString error;
};

// The program's name in its messages.
inline const QString CliProgramName = QStringLiteral("quivercast-cli");

// Reads the arguments (without the program's own name). Options and paths
// may be mixed; "--" ends the options. Checks the values that need no file:
// --existing, --jobs, --shard.
CliParseResult ParseCliOptions(const QStringList &args);

// The text of --help; its option lines are those of the manual page.
QString CliHelpText();
