#pragma once

#include "settings/recordfolder.h"

#include <QHash>
#include <QString>

// The output files this program writes, recorded in the user's state folder
// (see AppPaths::stateDir) so that the window, quivercast-cli and every later
// session know them, whichever of them wrote the file and however it ended:
// - unfinished: a conversion was told to write the file. The record is
//   written before the encoder starts and removed when the conversion ends
//   (a failed or stopped conversion removes its partial file as well). A
//   file with such a record is never taken for a finished output: it is the
//   partial file of a conversion that is running now or was cut off (the
//   program was killed, the machine lost power).
// - finished: a conversion that succeeded wrote the file. Walks of folders
//   leave such files out, so a later walk never takes an output in as a
//   source.
// A record counts only while its file is there; a finished one only while
// the file still has the size and time it had when it was finished (a file
// put there later by someone else is not ours).
// Files are named by their key (see keyOf), so that every spelling of a path
// finds the same record.
class OutputRecords
{
public:
    enum class State
    {
        None,
        Unfinished,
        Finished
    };
    struct Record
    {
        State state = State::None;
        QString source; // key of the source it was converted from
        // Unfinished: the conversion still runs in another program (as
        // opposed to one that was cut off, or one of this program).
        bool running = false;
    };

    // folder empty: kept in memory, for this program only.
    explicit OutputRecords(const QString &folder = {});

    // The key of a path: its folder's canonical path (links resolved) with
    // the file's own name, which is not resolved: a link is a file of its
    // own. A folder that does not exist is taken as it is spelled, cleaned.
    // folders, when given, keeps the canonical forms of the folders met, for
    // many keys in a row.
    static QString keyOf(const QString &path, QHash<QString, QString> *folders = nullptr);
    // The canonical form of an absolute folder path: the deepest part of it
    // that exists with its links resolved, and the rest as spelled.
    static QString folderKey(const QString &folder, QHash<QString, QString> *folders = nullptr);

    // Before the encoder starts; false with the reason in error when the
    // record cannot be written (the conversion must not start then).
    bool markUnfinished(const QString &output, const QString &source, QString *error = nullptr);
    // The conversion succeeded.
    void markFinished(const QString &output, const QString &source);
    // The conversion ended without its output (failed or stopped).
    void forget(const QString &output);

    // What is recorded of the file whose key is given.
    Record lookup(const QString &key) const;
    // The file at path is an output of this program, finished or not.
    bool isOutput(const QString &path) const;

    // For many look-ups in a row (see RecordFolder::takeListing).
    void beginLookups() { m_folder.takeListing(); }
    void endLookups() { m_folder.forgetListing(); }

private:
    mutable RecordFolder m_folder;
    mutable QHash<QString, QString> m_folders; // canonical forms, for isOutput
};
