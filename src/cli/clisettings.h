#pragma once

#include <QString>

class AppPaths;
struct CliOptions;

// What a run of the command-line program converts with: the options where
// they are given, the preferences of the window otherwise.
struct CliSettings
{
    QString profilePath;
    QString outputDir;
    bool overwrite = true;
    bool skip = false;             // keep existing outputs; their tasks are skipped
    int probeLimit = 1;            // probes side by side
    bool probeWithEncoder = false; // the encoder probes every file, not the media reader
    bool verify = true;            // each output is checked
    bool trashSource = false;      // each checked output's source goes to the Trash
};

// The Preferences.ini the program reads (it never writes one): the user's,
// or the shipped one as long as the window has not made the user's copy.
QString PreferencesToRead(const AppPaths &paths);

// Fills settings from the options and the preferences. Returns a one-line
// message naming the option or file that cannot be used, empty when all is
// well. Reads the preferences only for what the options leave open; no file
// is written.
QString ResolveCliSettings(const CliOptions &options, const AppPaths &paths, CliSettings &settings);
