#pragma once

#include "platform/filenames.h"
#include "sourceformats.h"
#include "taskstore.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

class DirectoryWalk;
class OutputRecords;
class Platform;
class ProbeQueue;
struct ProbeResults;

// Names of the accepted files in dir: regular files only (no directories,
// FIFOs or devices), no hidden files, sorted by name ignoring case. Empty
// when the directory cannot be read. undecodable, when given, receives the
// number of files that would have been accepted but whose names are not
// valid UTF-8, so that they cannot be added.
QStringList ListDirectory(const QString &dir, int *undecodable = nullptr);
// The paths a list file names, one a line (LF or CR LF line ends, empty lines
// left out); names that are not valid UTF-8 are kept recognisable (see
// DecodeFileName). False, with the reason in error, when the file cannot be
// read or is not a regular file of at most MaxPathListBytes (a pipe, a
// device): reading one never waits for a writer.
constexpr qint64 MaxPathListBytes = 64 * 1024 * 1024;
bool ReadPathList(const QString &listFile, QStringList &paths, QString &error);

// Turns source paths into tasks at the end of the task list: files chosen in
// the dialog, folders, dropped paths and the paths given on the command line
// all end in AddFile. AddFile appends the task's row at once, with the status
// "Probing" and no length or size yet, and queues its probe (ProbeQueue); the
// probe's results land on the task when it ends, found by the task's
// identity wherever its row has moved meanwhile. Folders are walked from the
// event loop a short slice at a time, so the window stays responsive
// whatever their size, and intakes keep their order: the rows of one come
// after those of an earlier one still under way. Removing a task ends its
// probe; clearing the list ends every probe and every intake under way.
// The window reacts to welcomeHidden() and taskAdded().
// What an intake leaves out is told once, at its end (intakeEnded): paths
// from drops, the command line and list files that are missing or not
// accepted, files already in the list, and names that are not valid UTF-8
// (see DecodeFileName), which cannot be added.
class TaskIntake : public QObject
{
    Q_OBJECT
public:
    using TaskId = TaskStore::TaskId;

    static inline const QString AddDirectoryTitle =
        QStringLiteral(QT_TRANSLATE_NOOP("TaskIntake", "Add a directory to the Task List"));
    static constexpr int ProgressMs = 100;

    // A path an intake did not add, and why.
    struct NotAdded
    {
        enum class Reason
        {
            NotFound,
            NotRegular, // there, but neither a regular file nor a folder
            NotVideo,
            AlreadyListed,
            NotUtf8
        };
        QString path;
        Reason reason;
    };
    // One line for the user: the path and why it was not added.
    static QString Describe(const NotAdded &item);

    // How folders are taken in.
    struct FolderOptions
    {
        // With the files of every subfolder, not only the folder's own.
        bool subfolders = false;
        // A task from a subfolder writes its output into the same subfolder
        // of the output directory (only with subfolders).
        bool keepStructure = true;
        // The output directory: a walk never enters it.
        QString outputFolder;
    };

    TaskIntake(TaskStore &store, ProbeQueue &probes, Platform &platform, QObject *parent = nullptr);
    ~TaskIntake() override;

    // The loaded profile's output extension (".mp4"); empty until a profile
    // has been loaded. New tasks take the one of the moment their intake was
    // asked for as their NewFileExt.
    void setOutputExtension(const QString &ext) { m_outputExt = ext; }
    QString outputExtension() const { return m_outputExt; }
    // Where the folder options come from, asked when an intake is asked for.
    // Without a source: no subfolders.
    void setFolderOptionsSource(std::function<FolderOptions()> source);
    // Walks of folders leave out the files recorded there as outputs of
    // this program, finished or not.
    void setOutputRecords(const OutputRecords *records) { m_records = records; }

    // Appends one task for path, to be probed, unless a task has exactly
    // this path (letter case counts). Checks neither existence nor extension.
    // Emits welcomeHidden() on every call. True when a task was added.
    bool AddFile(const QString &path);
    // Adds the accepted files of dir (ListDirectory order; with subfolders,
    // then those of its subfolders), from the event loop.
    void AddDirectory(const QString &dir);
    // Adds what the file dialog returned, in its order: at once, unless an
    // earlier intake is still under way.
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
    // ignored; a relative path is taken from the current directory. Taken
    // in from the event loop like every intake.
    void AddPaths(const QStringList &paths);

    // Probes an existing task once more (one restored before its probe had
    // ended).
    void probeAgain(TaskId id);
    // Rows are still to come from intakes under way.
    bool isAdding() const { return !m_steps.empty(); }
    // Rows are still to come, or probes have not ended.
    bool isBusy() const;
    bool probePending(TaskId id) const;
    // The task's probe, if it still waits, is the next to start.
    void probeNext(TaskId id);
    // Ends every intake under way and every probe, without results and
    // without messages.
    void cancel();

signals:
    // An add was asked for: the welcome panel goes away.
    void welcomeHidden();
    // A task was appended at row.
    void taskAdded(int row);
    // The probe of the task in row has ended and its results are in the row.
    void taskProbed(int row);
    // An intake has added all it was to add; notAdded lists what it left
    // out, in its order (empty when nothing).
    void intakeEnded(const QList<TaskIntake::NotAdded> &notAdded);
    // isBusy() changed.
    void busyChanged(bool busy);
    // isAdding() changed.
    void addingChanged(bool adding);
    // Probes ended and probes of the present busy spell; (0, 0) when none
    // is pending. Told at once when probing begins and ends, in between at
    // most every ProgressMs.
    void probeProgress(int done, int total);
    // A path named on the command line or in a list file, or a file found
    // in a folder, that cannot be taken in, and why ("no such file or
    // folder"); an existing task of the same path is no such case.
    void notTaken(const QString &path, const QString &reason);

private:
    struct Step
    {
        enum class Kind
        {
            File,    // a file to add
            Dropped, // a dropped path: folder, or file with an accepted extension
            Listed,  // a command-line path: folder, or existing file with one
            Folder,  // a folder to walk
            End      // the end of one intake
        };
        Kind kind;
        QString path;
        QString ext; // the output extension of the intake's moment
        FolderOptions folders;
        std::unique_ptr<DirectoryWalk> walk; // once the folder's walk has begun
    };

    bool addTask(const QString &path, const QString &ext, const QString &subfolder);
    // addTask within an intake: a file already in the list is noted.
    void addListed(const QString &path, const QString &ext, const QString &subfolder);
    void landProbe(TaskId id, const ProbeResults &results);
    // Queues one intake's steps and its end; the steps run from the event loop.
    void queue(std::deque<Step> steps);
    Step step(Step::Kind kind, const QString &path) const;
    void runSteps();
    // What a dropped or listed path is; false when the step turned into a
    // folder walk, still to be done.
    bool takePath(Step &step);
    // Walks on; false when the time was up before the walk was done.
    bool walk(Step &step, const QDeadlineTimer &deadline);
    // An intake leaves path out, for the reason given.
    void notAdded(const QString &path, NotAdded::Reason reason);
    void updateBusy();
    void takeProgress(int done, int total);
    void tellProgress();

    std::deque<Step> m_steps;
    QTimer m_slice;
    QList<NotAdded> m_notAdded; // of the intake under way
    bool m_busy = false;
    bool m_adding = false;
    QTimer m_progressTimer;
    std::pair<int, int> m_progress; // the latest, told or not
    bool m_progressTold = false;    // a total above 0 was told

    TaskStore &m_store;
    ProbeQueue &m_probes;
    Platform &m_platform;
    QString m_outputExt;
    std::function<FolderOptions()> m_folderOptions;
    const OutputRecords *m_records = nullptr;
};
