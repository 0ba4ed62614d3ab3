#pragma once

#include "engine/intake.h"
#include "engine/prober.h"

#include <QList>
#include <QObject>
#include <QStringList>

class EncoderProcess;
class Platform;
class TaskStore;
struct ltvItemData;

// The command-line program's intake, all of it in this one place: source
// paths and list files become probed tasks by the window's rules (accepted
// extensions, duplicates, hidden files, folder walks), in the window's
// order; then only the tasks of one share of that list stay.
class CliIntake : public QObject
{
    Q_OBJECT
public:
    CliIntake(TaskStore &tasks, EncoderProcess &encoder, const QString &encoderPath,
              Platform &platform, QObject *parent = nullptr);

    // New tasks take this output extension (".mp4").
    void setOutputExtension(const QString &ext);
    // Keep share index (from 1) of count: task i of the list belongs to share
    // (i mod count) + 1.
    void setShare(int index, int count);

    // Reads the list files, then adds paths followed by the listed paths.
    // False, with a one-line message and no task added, when a list file
    // cannot be read.
    bool collect(const QStringList &paths, const QStringList &listFiles, QString &error);

    // For each task left in the store, its position in the whole list.
    QList<int> listIndexes() const { return m_listIndexes; }
    // The sources of the tasks of the other shares.
    QStringList otherSources() const { return m_otherSources; }

signals:
    // A task of this share was added (task: its position in the whole list).
    void taskAdded(int task, const ltvItemData &record);

private:
    bool inShare(int task) const { return task % m_shareCount == m_shareIndex - 1; }
    void keepShare();

    TaskStore &m_tasks;
    Prober m_prober;
    TaskIntake m_intake;
    int m_shareIndex = 1;
    int m_shareCount = 1;
    QList<int> m_listIndexes;
    QStringList m_otherSources;
};
