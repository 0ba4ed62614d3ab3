#pragma once

#include "itemdata.h"
#include "settings/profilegrids.h"

#include <QList>
#include <QString>
#include <QStringList>

// Options for the encoder as pieces of text, as they were put together: the
// profile file's own command fragments (its options, its command values)
// are split at blanks into arguments, while a value the user typed into a
// grid is one argument whatever it holds, so it can never add options or
// files of its own. As one text, the pieces are simply joined.
class EncoderOptions
{
public:
    EncoderOptions() = default;
    // Command fragments, as a profile file writes them: " -c:v mpeg4 -an".
    EncoderOptions(const QString &fragments);

    void appendFragments(const QString &text);
    // A value typed by the user: one argument, exactly as typed.
    void appendValue(const QString &value);

    // The options as one text, every piece as it is: what a command line shows.
    QString text() const;
    // The arguments: fragments split at blanks (runs of blanks give no empty
    // arguments), every typed value whole.
    QStringList arguments() const;

private:
    struct Piece
    {
        QString text;
        bool whole; // a typed value: one argument
    };
    QList<Piece> m_pieces;
};

// The profile's options: for every parameter of the profile file, in the
// order of its "Main" keys, " <cmd> <value>" with the value the user sees in
// the grids (a pick-list item is translated into its command value; a value
// the user typed stays one argument). A value of "\" gives the option alone
// (" <cmd> "). Empty when the file does not exist. A file that cannot be
// read throws TIniFileError. The store rewrites the file afterwards; when
// that fails the options are returned all the same and the store's message
// is put into rewriteError (left empty otherwise). With rewrite false (a
// profile that came with the program) the file is only read.
EncoderOptions BuildProfileOptions(const QString &profilePath, const ProfileGrids &grids,
                                   QString *rewriteError = nullptr, bool rewrite = true);

// The task's own options appended to the profile's: " -ss <StartTime>" when
// the start was moved, " -t <whole seconds>" when the length was cut.
EncoderOptions TaskOptions(const EncoderOptions &options, const ltvItemData &task);

// The command line as one text (blank, -y, -i, the quoted source, the task
// options, blank, the quoted output), for diagnostics.
QString CommandLineText(const ltvItemData &task, const EncoderOptions &taskOptions,
                        const QString &outputPath);

// The arguments the encoder is started with: -y, -i, the source, the
// profile's options, -ss/-t of the task, the output. Paths stay whole.
QStringList EncoderArguments(const ltvItemData &task, const EncoderOptions &options,
                             const QString &outputPath);
