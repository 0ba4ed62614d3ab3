#include "cliintake.h"

#include "engine/itemdata.h"
#include "engine/taskstore.h"

#include <QDir>

CliIntake::CliIntake(TaskStore &tasks, EncoderProcess &encoder, const QString &encoderPath,
                     Platform &platform, QObject *parent)
    : QObject(parent), m_tasks(tasks), m_prober(encoder, encoderPath),
      m_intake(tasks, m_prober, platform)
{
    connect(&m_intake, &TaskIntake::taskAdded, this, [this](int row) {
        // Rows are only appended while taking in: the row is the position in
        // the whole list.
        if (!inShare(row))
            return;
        ltvItemData record;
        m_tasks.GetItemData(row, ItemField::All, record);
        emit taskAdded(row, record);
    });
}

void CliIntake::setOutputExtension(const QString &ext)
{
    m_intake.setOutputExtension(ext);
}

void CliIntake::setShare(int index, int count)
{
    m_shareIndex = index;
    m_shareCount = count;
}

bool CliIntake::collect(const QStringList &paths, const QStringList &listFiles, QString &error)
{
    QStringList all = paths;
    for (const QString &listFile : listFiles) {
        QStringList listed;
        QString reason;
        if (!ReadPathList(listFile, listed, reason)) {
            error = QStringLiteral("--list: the list file \"%1\" cannot be read: %2.")
                        .arg(QDir::toNativeSeparators(listFile), reason);
            return false;
        }
        all += listed;
    }
    m_intake.AddPaths(all);
    keepShare();
    return true;
}

void CliIntake::keepShare()
{
    m_listIndexes.clear();
    m_otherSources.clear();
    for (int i = 0; i < m_tasks.count(); ++i) {
        if (inShare(i))
            m_listIndexes.append(i);
        else
            m_otherSources.append(m_tasks.caption(i));
    }
    for (int i = m_tasks.count() - 1; i >= 0; --i)
        if (!inShare(i))
            m_tasks.removeRowAt(i);
}
