#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A failed check ends the run, so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzzsupport {

// A fresh path in a directory of this process's own.
QString scratchFile(const QString &name);
// Writes the bytes to the path, replacing it; aborts when it cannot.
void putFile(const QString &path, const QByteArray &data);
QByteArray fileBytes(const QString &path);

// An input made of a file and a script: the bytes before the last line
// "%%" are the file, the lines after it the script, whose fields are
// separated by "|". Without that line, all bytes are the file.
struct FileAndScript
{
    QByteArray file;
    QList<QList<QByteArray>> script;
};
FileAndScript splitInput(const QByteArray &input);

} // namespace fuzzsupport
