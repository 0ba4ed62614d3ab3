#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Which files some process has open for writing: a file still being copied
// or recorded is not taken in, however long it has stood still.
class WriterCheck
{
public:
    virtual ~WriterCheck() = default;
    // Those of paths (absolute, clean) that are open for writing.
    virtual QSet<QString> openForWriting(const QStringList &paths) = 0;
};

// Looks through the open files of every process the user can see
// (/proc/<pid>/fd); processes that cannot be read are passed over.
class ProcWriterCheck : public WriterCheck
{
public:
    explicit ProcWriterCheck(const QString &procDir = QStringLiteral("/proc")) : m_procDir(procDir)
    {}
    QSet<QString> openForWriting(const QStringList &paths) override;

private:
    QString m_procDir;
};

// The files the test says are open for writing; records what was asked.
class RecordingWriterCheck : public WriterCheck
{
public:
    QSet<QString> openForWriting(const QStringList &paths) override;
    QSet<QString> writing;
    int asked = 0;
};
