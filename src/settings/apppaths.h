#pragma once

#include <QString>
#include <QStringList>

// Where the program finds and keeps its files. It knows two layouts:
// - portable: the program's directory is writable by the user, and
//   Preferences.ini and Profiles/ live beside the program with the encoder,
//   the media reader and the manual;
// - installed: the program's directory belongs to the system. The encoder,
//   the media reader, the manual, the shipped Preferences.ini and the
//   shipped profiles stay there and are only read; every user keeps a
//   Preferences.ini in their configuration folder and their own profiles in
//   their data folder.
// Every path the program uses for these files comes from here. Folder paths
// end with a separator.
class AppPaths
{
public:
    enum class Mode
    {
        Portable,
        Installed
    };

    // The user manual beside the program, opened by Help.
    static inline const QString HelpFileName = QStringLiteral("Quivercast.html");

    // Everything in programDir.
    static AppPaths portable(const QString &programDir);
    // The shipped files in programDir; the user's Preferences.ini in
    // configDir, the user's profiles in profileDir, factoryOutputDir as
    // the output path until the user chooses one, and what the program keeps
    // of its work in stateDir (configDir when empty).
    static AppPaths installed(const QString &programDir, const QString &configDir,
                              const QString &profileDir, const QString &factoryOutputDir,
                              const QString &stateDir = {});
    // The layout of a program in programDir for the user running it:
    // portable when the user may write programDir, installed otherwise.
    static AppPaths forProgram(const QString &programDir);
    // The given layout of a program in programDir; an installed one uses
    // $XDG_CONFIG_HOME/Quivercast, $XDG_DATA_HOME/Quivercast/Profiles,
    // $XDG_STATE_HOME/Quivercast and the user's Videos folder (the home
    // folder when there is none).
    static AppPaths forProgram(const QString &programDir, Mode mode);
    // The user's Videos folder, or the home folder where there is none.
    static QString VideosFolder();

    Mode mode() const { return m_mode; }
    QString programDir() const { return m_programDir; }
    QString encoderPath() const;
    // The media reader that probes source files (quivercast-probe).
    QString probeHelperPath() const;
    QString helpFile() const;
    // The manual in the language given ("Quivercast.de.html") when there is
    // one, else the English one.
    QString helpFile(const QString &language) const;
    // The window's translations: "translations/" beside the program (the
    // build tree, a portable copy), else <prefix>/share/quivercast/translations/
    // of an installed program in <prefix>/lib/quivercast/.
    QString translationsDir() const;
    // The folder of the user's own settings files: the program's directory
    // when portable, the user's configuration folder when installed.
    QString userConfigDir() const { return m_userConfigDir; }
    // The Preferences.ini the program reads and writes.
    QString preferencesFile() const { return m_preferencesFile; }
    // The task list kept between sessions, beside the user's Preferences.ini.
    QString taskListFile() const { return m_userConfigDir + QStringLiteral("TaskList.ini"); }
    // What the program keeps of its work for later runs and sessions: the
    // user's state folder when installed, the program's directory when
    // portable.
    QString stateDir() const { return m_stateDir; }
    // The record of the output files the program writes (OutputRecords).
    QString outputRecordsDir() const { return m_stateDir + QStringLiteral("OutputRecords/"); }
    // The watch folders, beside the user's Preferences.ini (WatchList).
    QString watchListFile() const { return m_userConfigDir + QStringLiteral("Watches.ini"); }
    // What each watch has taken in (WatchRecords), a folder per watch.
    QString watchRecordsDir(const QString &watchId) const
    {
        return m_stateDir + QStringLiteral("WatchRecords/") + watchId + u'/';
    }
    // The logs of the saved list's failed and stopped tasks, in the state
    // folder.
    QString taskLogFolder() const { return m_stateDir + QStringLiteral("TaskLogs/"); }
    // The Preferences.ini that came with the program: the source of the
    // version text and of the factory settings. In the portable layout the
    // same file as preferencesFile().
    QString shippedPreferencesFile() const;
    QString shippedProfileDir() const;
    // Where the user's profiles are saved; the shipped folder when portable.
    QString userProfileDir() const { return m_userProfileDir; }
    // The output path when none is saved, and the factory value of "Load
    // Default".
    QString factoryOutputPath() const { return m_factoryOutputPath; }

    // True for a file that came with an installed program, anywhere in its
    // directory: such a file is read, never written. In the portable layout
    // every file is the user's.
    bool isShipped(const QString &path) const;
    // The file that saving the profile at path writes: the user's copy, of
    // the same file name, of a shipped profile; any other profile itself.
    QString profileSaveTarget(const QString &path) const;

    // The folder the Save as dialog opens in: the user's profile folder when
    // installed; empty, the toolkit's choice, when portable.
    QString saveAsFolder() const;

    // Installed layout: makes the user's folders and, on the first start,
    // lays down the user's Preferences.ini as a copy of the shipped one.
    // Returns one message for each problem. When the user's Preferences.ini
    // cannot be had, preferencesFile() becomes the shipped file, which is
    // then read and never written. The portable layout needs nothing.
    QStringList prepareUserFiles();

private:
    AppPaths() = default;

    Mode m_mode = Mode::Portable;
    QString m_programDir;
    QString m_userConfigDir;
    QString m_preferencesFile;
    QString m_userProfileDir;
    QString m_factoryOutputPath;
    QString m_stateDir;
};
