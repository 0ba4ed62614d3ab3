#include "intakecontroller.h"

#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/probequeue.h"
#include "platform/filenames.h"
#include "platform/platform.h"
#include "settings/apppaths.h"
#include "settings/preferences.h"
#include "ui/notaddedreport.h"
#include "ui/settingform.h"
#include "ui/tasklistpanel.h"
#include "ui/welcomepanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

TIntakeController::TIntakeController(TaskStore &tasks, TaskIntake &intake, ProbeQueue &probes,
                                     BatchRun &batch, Platform &platform, TTaskListPanel &taskList,
                                     QWidget *bar, QWidget *window)
    : QObject(window), m_tasks(tasks), m_intake(intake), m_batch(batch), m_platform(platform),
      m_taskList(taskList)
{
    labAdding = new QLabel(bar);
    labAdding->setObjectName(QStringLiteral("labAdding"));
    labAdding->hide();
    pgbAdding = new QProgressBar(bar);
    pgbAdding->setObjectName(QStringLiteral("pgbAdding"));
    pgbAdding->setAccessibleName(tr("Adding files"));
    pgbAdding->setTextVisible(false);
    pgbAdding->setMaximumHeight(labAdding->sizeHint().height());
    pgbAdding->hide();
    btnNotAdded = new TNotAddedReport(bar);

    probes.setLimitSource([this] { return probeLimit(); });
    // The settings dialog's live values, read when an intake is asked for.
    m_intake.setFolderOptionsSource([this] {
        TaskIntake::FolderOptions options;
        if (m_settingForm) {
            options.subfolders = m_settingForm->chkSubfolders->isChecked();
            options.keepStructure = m_settingForm->chkKeepStructure->isChecked();
        }
        if (m_outputFolderSource)
            options.outputFolder = m_outputFolderSource();
        return options;
    });

    window->setAcceptDrops(true);
    window->installEventFilter(this);

    connect(&m_intake, &TaskIntake::welcomeHidden, m_taskList.panbg, &QWidget::hide);
    connect(&m_intake, &TaskIntake::intakeEnded, this,
            [this](const QList<TaskIntake::NotAdded> &notAdded) {
                QStringList lines;
                for (const TaskIntake::NotAdded &item : notAdded)
                    lines << TaskIntake::Describe(item);
                btnNotAdded->showItems(lines);
            });
    // Also during a run, which the added tasks join.
    connect(&m_intake, &TaskIntake::taskAdded, &m_taskList,
            &TTaskListPanel::enableTaskButtonsIfAny);
    connect(&m_intake, &TaskIntake::taskProbed, &m_taskList, &TTaskListPanel::taskProbed);
    connect(&m_intake, &TaskIntake::probeProgress, this, &TIntakeController::showIntakeProgress);
}

void TIntakeController::setSettingForm(TSettingForm *form)
{
    m_settingForm = form;
}

void TIntakeController::setOutputFolderSource(std::function<QString()> source)
{
    m_outputFolderSource = std::move(source);
}

void TIntakeController::setAddCommands(QToolButton *addFile, QToolButton *addDir, QAction *addFiles,
                                       QAction *addDirectory)
{
    connect(addFile, &QToolButton::clicked, this, &TIntakeController::tbtnAddFileClick);
    connect(addDir, &QToolButton::clicked, this, &TIntakeController::tbtnAddDirClick);
    connect(addFiles, &QAction::triggered, this, [this, addFile] {
        if (addFile->isEnabled())
            tbtnAddFileClick();
    });
    connect(addDirectory, &QAction::triggered, this, [this, addDir] {
        if (addDir->isEnabled())
            tbtnAddDirClick();
    });
}

void TIntakeController::tbtnAddFileClick()
{
    const QStringList files = m_platform.openFileNames(FileDialogFilter(), startFolder());
    if (!files.isEmpty()) {
        m_lastFolder = QFileInfo(files.first()).absolutePath();
        m_intake.AddFromDialog(files);
    }
    if (m_tasks.count() == 1) {
        m_taskList.selectRows({0});
        m_taskList.ltvTaskClick();
    }
    m_taskList.ltvTask->setFocus();
    m_taskList.enableTaskButtonsIfAny();
}

void TIntakeController::tbtnAddDirClick()
{
    QString dir;
    if (m_platform.browseForDirectory(tr("Add a directory to the Task List"), dir, startFolder())) {
        m_lastFolder = dir;
        m_intake.AddDirectory(dir);
    }
    m_taskList.ltvTask->setFocus();
    m_taskList.enableTaskButtonsIfAny();
}

QString TIntakeController::startFolder() const
{
    return QFileInfo(m_lastFolder).isDir() ? m_lastFolder : AppPaths::VideosFolder();
}

bool TIntakeController::takesDrops() const
{
    return m_taskList.ltvTask->isEnabled();
}

void TIntakeController::DropPaths(const QStringList &paths)
{
    // Drops are refused while the list takes no input (a dialog is open).
    if (!takesDrops())
        return;
    m_intake.AddDropped(paths);
    m_taskList.enableTaskButtonsIfAny();
}

bool TIntakeController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter) {
        auto *enter = static_cast<QDragEnterEvent *>(event);
        if (takesDrops() && enter->mimeData()->hasUrls())
            enter->acceptProposedAction();
        else
            enter->ignore();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = DroppedPaths(*drop->mimeData());
        if (!takesDrops() || paths.isEmpty()) {
            drop->ignore();
        } else {
            drop->acceptProposedAction();
            DropPaths(paths);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QStringList TIntakeController::DroppedPaths(const QMimeData &data)
{
    QStringList paths;
    for (const QUrl &url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        QString path = url.toLocalFile();
        // A name that is not valid UTF-8 comes percent-encoded byte by byte;
        // decoded as text it would turn into another name.
        if (path.contains(QChar::ReplacementCharacter) && url.host().isEmpty())
            path = DecodeFileName(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
        paths << QDir::toNativeSeparators(path);
    }
    return paths;
}

int TIntakeController::probeLimit() const
{
    // During a run one probe at a time, so that probes do not slow the
    // conversion down.
    if (m_batch.RunState() != BatchRun::Idle)
        return 1;
    return m_settingForm ? m_settingForm->spnProbes->value() : DefaultSimultaneousProbes();
}

void TIntakeController::showIntakeProgress(int done, int total)
{
    // The idle panel grows by the row of the intake's progress while files
    // are being added.
    const bool adding = total > 0;
    if (adding) {
        labAdding->setText(tr("Adding files: %1 of %2").arg(done).arg(total));
        pgbAdding->setRange(0, total);
        pgbAdding->setValue(done);
    }
    labAdding->setVisible(adding);
    pgbAdding->setVisible(adding);
}
