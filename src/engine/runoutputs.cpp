#include "runoutputs.h"

#include "conversion.h"
#include "itemdata.h"
#include "platform/filenames.h"
#include "runhost.h"
#include "taskprofiles.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QDir>
#include <QMap>
#include <cerrno>
#include <cstring>
#include <unistd.h>

RunOutputs::RunOutputs(TaskStore &tasks, RunHost &host, const TaskProfiles &profiles)
    : m_tasks(tasks), m_host(host), m_profiles(profiles)
{}

void RunOutputs::begin()
{
    m_running = true;
    m_named.clear();
    m_refused.clear();
    m_plan.reset();
    m_planTasks.clear();
}

QList<OutputPlan::Task> RunOutputs::planTasks() const
{
    QMap<int, OutputPlan::Task> byIndex = m_host.otherTasks();
    for (int row = 0; row < m_tasks.count(); ++row)
        byIndex.insert(m_host.listIndex(row),
                       {m_tasks.caption(row), m_tasks.cell(row, ItemField::NewFilename),
                        m_tasks.cell(row, ItemField::NewFileExt), m_tasks.outputSubfolder(row),
                        m_running ? m_named.value(m_tasks.taskId(row)) : QString(),
                        ownSettings(row)});
    return byIndex.values();
}

OutputPlan::Settings RunOutputs::listSettings() const
{
    const OutputPlan::Existing existing = m_host.skipExisting() ? OutputPlan::Existing::Skip
                                          : m_host.overwrite()  ? OutputPlan::Existing::Overwrite
                                                                : OutputPlan::Existing::Rename;
    return {m_host.outputDirectory(), m_host.outputExtension(), existing};
}

std::optional<OutputPlan::Settings> RunOutputs::ownSettings(int row) const
{
    const TaskChoices choices = m_tasks.choices(row);
    if (choices.isEmpty())
        return std::nullopt;
    OutputPlan::Settings own = listSettings();
    if (!choices.outputDir.isEmpty())
        own.outputDir = choices.outputDir;
    if (!choices.profile.isEmpty())
        own.outputExt = m_profiles.of(choices.profile).outputExt;
    if (choices.existing == QLatin1String("overwrite"))
        own.existing = OutputPlan::Existing::Overwrite;
    else if (choices.existing == QLatin1String("rename"))
        own.existing = OutputPlan::Existing::Rename;
    else if (choices.existing == QLatin1String("skip"))
        own.existing = OutputPlan::Existing::Skip;
    return own;
}

OutputPlan RunOutputs::plan() const
{
    m_records->beginLookups();
    OutputPlan plan(listSettings(), planTasks(), m_records,
                    m_running ? m_refused : QSet<QString>());
    m_records->endLookups();
    return plan;
}

void RunOutputs::update()
{
    // Tasks added, removed, moved or renamed since.
    const QList<OutputPlan::Task> tasks = planTasks();
    if (m_plan && tasks == m_planTasks)
        return;
    m_plan = plan();
    m_planTasks = tasks;
}

OutputPlan::Turn RunOutputs::turn(int row)
{
    update();
    return m_plan->turn(m_host.listIndex(row));
}

void RunOutputs::refuse(const QString &output)
{
    m_refused.insert(OutputRecords::keyOf(output));
    m_plan.reset(); // named anew at the next turn
}

QString RunOutputs::outputOf(int row) const
{
    const QString named = m_named.value(m_tasks.taskId(row));
    if (!named.isEmpty() || !m_plan)
        return named;
    return m_plan->output(m_host.listIndex(row));
}

QString RunOutputs::taskOutputDirectory(int row) const
{
    const QString own = m_tasks.choices(row).outputDir;
    const QString dir = own.isEmpty() ? m_host.outputDirectory() : own;
    const QString subfolder = m_tasks.outputSubfolder(row);
    return subfolder.isEmpty() ? dir : AddBackslash(dir) + subfolder;
}

QString RunOutputs::prepare(TaskId id, int row, const OutputPlan::Turn &turn,
                            Conversion &conversion)
{
    // Its subfolder cannot be made (a file of that name, no right to).
    if ((!m_tasks.outputSubfolder(row).isEmpty() || !m_tasks.choices(row).outputDir.isEmpty()) &&
        !QDir().mkpath(taskOutputDirectory(row)))
        return QStringLiteral("The output folder \"%1\" cannot be created.")
            .arg(QDir::toNativeSeparators(taskOutputDirectory(row)));
    const QString &output = turn.output;
    // The encoder never writes through a link or into a pipe in the
    // output's place, nor into a file that has other names too.
    if (turn.replace && ::unlink(EncodeFileName(output).constData()) != 0 && errno != ENOENT)
        return QStringLiteral("\"%1\" cannot be replaced: %2.")
            .arg(QDir::toNativeSeparators(output), QString::fromLocal8Bit(std::strerror(errno)));
    // Recorded before the encoder starts: should the program end during
    // the conversion, every later run knows the file for an unfinished one.
    ltvItemData task;
    m_tasks.GetItemData(row, ItemField::All, task);
    conversion.begin(task.ClipLengthSecs, output, task.InputFile, *m_records);
    QString notRecorded;
    if (!m_records->markUnfinished(output, task.InputFile, &notRecorded))
        return QStringLiteral("The conversion was not started, as its output could not be "
                              "recorded as unfinished: %1")
            .arg(notRecorded);
    m_unfinished.insert(id, output);
    return {};
}

void RunOutputs::setUnfinished(TaskId id, const QString &path)
{
    const int row = m_tasks.rowOf(id);
    if (path.isEmpty()) {
        m_unfinished.remove(id);
        return;
    }
    m_unfinished.insert(id, path);
    // Known to every later run: a file of this name is not a finished one.
    if (row >= 0)
        m_records->markUnfinished(path, m_tasks.caption(row));
}

void RunOutputs::conversionEnded(TaskId id, Conversion &conversion, bool finished)
{
    if (finished)
        conversion.forgetOutput(*m_records, true);
    else
        conversion.discardOutput(*m_records);
    m_unfinished.remove(id);
}

void RunOutputs::outputRejected(TaskId id, Conversion &conversion)
{
    conversion.keepUnfinished();
    m_unfinished.remove(id);
}
