#pragma once

#include "settings/profilegrids.h"

#include <QList>
#include <QString>
#include <QStringList>

class AppPaths;
class TNewInifile;
class ValueListModel;

// One parameter of a profile file as read from its own section.
struct ProfileParameter
{
    QString name;  // also the section name and the grid row's key
    int sort = -1; // 1 video, 2 audio, 3 advanced grid
    bool readOnly = false;
    bool list = true;          // a pick list (the default when "List" is absent)
    QString caption;           // list: display items as a comma list; else the shown value
    QString value;             // list: command values as a comma list; else the fixed value
    int index = 0;             // list: the display item shown after loading
    QString cmd;               // the encoder option; empty contributes nothing
    QStringList displayItems;  // list: caption split
    QStringList commandValues; // list: value split
};

// A profile of the catalogue.
struct Profile
{
    QString name; // file name without ".apf"
    QString path;
    QString type; // output file type, "mp4" when the file names none
    QList<ProfileParameter> parameters;
};

// Height in pixels of a parameter grid after a profile was loaded: 18 per
// row, and an empty grid still shows one empty row.
constexpr int kProfileRowHeight = 18;
int ProfileGridHeight(int rowCount);

// Splits a comma list in which every item is terminated by a comma: "A,B,"
// gives A and B; text after the last comma is not an item ("A,B" gives A
// only); blanks stay part of their item; ",," holds empty items.
QStringList SplitCommaList(const QString &text);

// Names of the files in dir whose extension (the text from the last "." on)
// equals ext ignoring case. Hidden files are included, directories and
// dangling links are not. Sorted by name ignoring case, so the order (and a
// stored index into it) is the same on every machine.
QStringList ListFilesByExt(const QString &dir, const QString &ext);

// The catalogue: the names (file names without extension) of the shipped
// profiles and of the user's, in ListFilesByExt order. A user profile hides
// a shipped one whose name differs at most in letter case.
QStringList ProfileCatalogue(const AppPaths &paths);

// The path of the named profile: the user's file of that name when there is
// one, else the shipped one, else userProfileDir + name + ".apf". In each
// folder a file differing only in the letter case of its extension (B.APF)
// is found too, so every catalogue entry can be opened on a case-sensitive
// file system.
QString ProfilePath(const AppPaths &paths, const QString &name);

// The output extensions of the catalogue's profiles ("." + type, lower
// case), each once, for telling an extension from a dot in a typed name.
// A profile that cannot be read adds none; no file is rewritten.
QStringList ProfileExtensions(const AppPaths &paths);

// The parameter definitions of the profile held by a store (no release). The
// Caption and Value of a free parameter the user may edit come back as
// SaveProfile was given them.
QString ReadProfileType(const TNewInifile &ini);
QList<ProfileParameter> ReadProfileParameters(const TNewInifile &ini);

// The grid a parameter with the given "Sort" goes to: 1, 2, 3 name a grid;
// any other value keeps the grid of the previous parameter (current), which
// is nullptr before the first valid "Sort". Parameters without a grid are
// neither shown nor saved.
ValueListModel *ChooseProfileGrid(const ProfileGrids &grids, int sort, ValueListModel *current);

// Replaces the rows of the three grids with the profile's parameters (pick
// lists, read-only flags, shown values). When outputExt is given it becomes
// "." + the profile's type. Returns false, changing nothing, when the file
// does not exist. The file is rewritten by the store's release afterwards
// unless rewrite is false (a shipped profile); a failure there throws
// TIniFileError after the grids were filled, or, with rewriteError given,
// puts the store's message there (left empty otherwise). A list parameter
// whose "Index" is outside its display items shows an empty value.
bool LoadProfile(const QString &path, const ProfileGrids &grids, QString *outputExt = nullptr,
                 bool rewrite = true, QString *rewriteError = nullptr);

// Writes the grids' values into the profile file: the position of a list
// row's value in its pick list as "Index" (-1 when not there), a free row's
// value as "Caption" and "Value" (as it stands, or escaped where the loose
// lookup would not read it back exactly: see EscapeIniText). Read-only parameters, parameters
// without a grid and parameters whose row is missing are left untouched. Throws TIniFileError on
// file errors.
void SaveProfile(const QString &path, const ProfileGrids &grids);

// Copies source over target (atomically) and saves the grids' values into
// the copy. Does nothing when source does not exist; a failed copy throws
// TIniFileError ("Cannot create file ...") and saves nothing, so no other
// file receives values meant for the copy. Saving a profile as itself only
// saves it.
void SaveProfileAs(const QString &source, const QString &target, const ProfileGrids &grids);
