#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class Platform;
class Prober;
class TaskStore;

// Accepted source extensions, lower case with their dot, in filter order:
// ".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf".
QStringList SupportedExtensions();
// The add-files dialog's filter ("Name|*.a;*.b|..." form), first entry all
// supported files, last entry all files.
QString FileDialogFilter();
// The directory mask "*.avi;*.mpg;...;", every pattern ending in ";".
QString DirectoryMask();
// True when the lower-cased extension of path's file name (from its last "."
// on, dot included; empty without one) is one of extensions exactly.
bool HasSupportedExt(const QString &path, const QStringList &extensions);
// Names of the accepted files in dir: regular files only (no directories,
// FIFOs or devices), no hidden files, sorted by name ignoring case. Empty
// when the directory cannot be read. undecodable, when given, receives the
// number of files that would have been accepted but whose names are not
// valid UTF-8, so that they cannot be added.
QStringList ListDirectory(const QString &dir, int *undecodable = nullptr);
// The paths a list file names, one a line (LF or CR LF line ends, empty lines
// left out); names that are not valid UTF-8 are kept recognisable (see
// DecodeFileName). False, with the reason in error, when the file cannot be
// read.
bool ReadPathList(const QString &listFile, QStringList &paths, QString &error);

// Turns source paths into probed tasks at the end of the task list: files
// chosen in the dialog, directories, dropped paths and the paths given on
// the command line all end in AddFile. The window reacts to welcomeHidden()
// and enables its task buttons itself when the store holds rows.
// Paths whose names are not valid UTF-8 (see DecodeFileName) cannot be
// added: each intake (a directory, a drop, the command line) counts them
// and tells the user once, at its end, how many there were and why.
class TaskIntake : public QObject
{
    Q_OBJECT
public:
    static inline const QString AddDirectoryTitle =
        QStringLiteral("Add a directory to the Task List");
    static inline const QString NotAddedCaption = QStringLiteral("Files Not Added");

    TaskIntake(TaskStore &store, Prober &prober, Platform &platform, QObject *parent = nullptr);

    // The loaded profile's output extension (".mp4"); empty until a profile
    // has been loaded. New tasks take it as their NewFileExt.
    void setOutputExtension(const QString &ext) { m_outputExt = ext; }
    QString outputExtension() const { return m_outputExt; }

    // Appends one probed task for path unless a task has exactly this path
    // (letter case counts). Checks neither existence nor extension. Emits
    // welcomeHidden() on every call. True when a task was added.
    bool AddFile(const QString &path);
    // Adds the accepted files of dir (ListDirectory order), letting the
    // window process its events before each one.
    void AddDirectory(const QString &dir);
    // Adds what the file dialog returned, in its order.
    void AddFromDialog(const QStringList &files);
    // Shows the file dialog with FileDialogFilter() and adds the choice.
    // False when the user cancelled.
    bool AddFilesByDialog();
    // Shows the folder chooser ("Add a directory to the Task List") and adds
    // the chosen directory. False when the user cancelled.
    bool AddDirectoryByBrowser();
    // Dropped paths in the platform's order: directories are walked, paths
    // with an accepted extension added, anything else ignored.
    void AddDropped(const QStringList &paths);
    // The program's arguments (without the program itself): paths of files
    // and directories, or a ".tmp" file listing such paths one per line. An
    // unreadable list file is reported in a message box; intake goes on.
    void CommandLineIntake(const QStringList &args);
    // Paths as the command line names them, in order: an existing file with
    // an accepted extension is added, a directory walked, anything else
    // ignored; a relative path is taken from the current directory. The
    // window processes its events before each path.
    void AddPaths(const QStringList &paths);

signals:
    // An add was asked for: the welcome panel goes away.
    void welcomeHidden();
    // A task was appended at row.
    void taskAdded(int row);

private:
    // One intake from its first to its last file; nested ones (a dropped
    // directory) belong to the outer one.
    class Round
    {
    public:
        explicit Round(TaskIntake &intake);
        ~Round();

    private:
        TaskIntake &m_intake;
    };

    void addCommandLinePath(const QString &path);

    int m_rounds = 0;      // intakes in progress
    int m_undecodable = 0; // names of this intake that could not be added

    TaskStore &m_store;
    Prober &m_prober;
    Platform &m_platform;
    QString m_outputExt;
};
