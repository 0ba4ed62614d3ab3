#pragma once

#include <QString>
#include <QStringList>

// The user's settings that outlive a run, as stored in Preferences.ini. The
// live values are held by the windows' controls; these functions move them
// between the controls and the file. Each call opens its own store and
// releases it, so every call, a read included, rewrites the file; file
// errors throw TIniFileError ("Cannot open file ..." / "Cannot create
// file ..."). The readers leave the file as it is when rewrite is false (a
// file that came with the program).
//
// The readers also take an optional error list, for the start of the
// program, which must not end on a file it cannot use: with errors given, a
// file error is appended to it instead of thrown, and the reader returns what
// it read before the error (the defaults where it read nothing).
//
// The settings of adding files ("Simultaneous Probes", "Include Subfolders",
// "Keep Folder Structure", "Probe With Encoder Only"), "Simultaneous
// Conversions", "Check Outputs" and "Trash Sources" are written only when they differ from their
// defaults or the file holds them already, so a file that never had them stays as it was.

// How many probes may run side by side at most.
constexpr int MaxSimultaneousProbes = 16;
// The number of processor cores, within 1..MaxSimultaneousProbes.
int DefaultSimultaneousProbes();
// How many encoders may run side by side at most: the number of processor
// cores.
int MaxSimultaneousConversions();

struct PreferenceValues
{
    QString outputPath;
    int synMode = 0; // 0 "Auto", 1 "Force Mode", 2 "Progressive Mode", -1 none
    bool autoOpenDir = true;
    bool autoExit = false;
    bool autoTurnOff = false;
    bool overwrite = true;
    int simultaneousProbes = DefaultSimultaneousProbes(); // 1..MaxSimultaneousProbes
    bool includeSubfolders = false;                       // folders are added with their subfolders
    bool keepFolderStructure = true; // ... and their outputs in the same subfolders
    // Files are probed by starting the encoder for each, not by the media
    // reader.
    bool probeWithEncoderOnly = false;
    // The third overwrite choice: an existing output file is kept and its
    // task skipped. Stored as "Overwrite=0" (what an older reader takes for
    // renaming, which never overwrites either) and "Skip=1"; "Skip" is
    // written only while chosen or when the file has it already.
    bool skip = false;
    // Encoders side by side in a run, 1..MaxSimultaneousConversions().
    int simultaneousConversions = 1;
    // Each output is checked once its encoder has ended ("Check Outputs"),
    // and its source then moved to the Trash when asked ("Trash Sources").
    bool verifyOutputs = true;
    bool trashSources = false;
    // The folder the Add Files dialog and the folder chooser open in: the
    // one used last. Stored as "Last Folder" once it has a value (empty
    // values are not written), and escaped as the output path is.
    QString lastFolder;
    // The window's language ("de", "pt_BR", ...; "en" English); empty: the
    // desktop's. Stored as "Language" once it is not empty or the file has
    // it; read at the start, so a change takes effect at the next one.
    QString language;
};

// The choices of the synchronisation mode, in index order.
QStringList SynModeNames();

// Reads the General page values from "Main" or "Default". Defaults:
// outputPath defaultOutputPath, synMode 0, autoOpenDir true (false when reading
// "Default"), autoExit false, autoTurnOff false, overwrite true, skip false
// (read only when "Overwrite" is off), and those of PreferenceValues for the
// rest. A "Syn Mode" outside 0..2 reads as -1 (nothing selected);
// "Simultaneous Probes" is kept within its range.
PreferenceValues ReadPreferences(const QString &iniPath, const QString &section,
                                 const QString &defaultOutputPath, bool rewrite = true,
                                 QStringList *errors = nullptr);

// Writes "Output Path", "Syn Mode", "Auto Open Dir", "Auto Exit", "Auto Turn
// Off", "Overwrite" (and "Skip", see PreferenceValues) into "Main", in that
// order, then the settings of adding files where they are to be written.
void SavePreferences(const QString &iniPath, const PreferenceValues &values);

// Writes "Profile" (the chooser's index, -1 for none) and then the same keys
// as SavePreferences into "Main".
void StorePreferences(const QString &iniPath, int profileIndex, const PreferenceValues &values);

// "Profile" of "Main" (default 0), as stored; the caller checks it against
// the catalogue.
int ReadProfileIndex(const QString &iniPath, bool rewrite = true, QStringList *errors = nullptr);

// "Output Path" of "Main" (default defaultOutputPath).
QString ReadOutputPath(const QString &iniPath, const QString &defaultOutputPath,
                       bool rewrite = true, QStringList *errors = nullptr);

// "Last Folder" of "Main" (default empty).
QString ReadLastFolder(const QString &iniPath, bool rewrite = true, QStringList *errors = nullptr);

// "Language" of "Main" (default empty: the desktop's language).
QString ReadLanguage(const QString &iniPath, bool rewrite = true, QStringList *errors = nullptr);

// "Version" of "Main" (default "1.8"); never written.
QString ReadVersion(const QString &iniPath, bool rewrite = true, QStringList *errors = nullptr);
