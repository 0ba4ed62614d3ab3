#include "tasklistpanel.h"

#include "engine/batchrun.h"
#include "engine/displaytext.h"
#include "engine/intake.h"
#include "engine/outputvalidation.h"
#include "engine/runhost.h"
#include "engine/tasktext.h"
#include "engine/taskundo.h"
#include "platform/branding.h"
#include "platform/platform.h"
#include "preview/previewpane.h"
#include "settings/valuelistmodel.h"
#include "ui/logform.h"
#include "ui/profilepanel.h"
#include "ui/tasklistdelegate.h"
#include "ui/valuelisteditor.h"
#include "ui/welcomepanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <cmath>
#include <tuple>

namespace {

// Shares of a change of the list's width given to its four columns.
constexpr double ColumnShares[TaskStore::ColumnCount] = {0.49, 0.17, 0.15, 0.19};
constexpr int MinColumnWidth = 20;

} // namespace

TTaskListPanel::TTaskListPanel(TaskStore &tasks, TaskUndo &undo, TaskIntake &intake,
                               BatchRun &batch, Platform &platform, const RunHost &host,
                               TProfilePanel &profile, QWidget *parent)
    : QWidget(parent), m_tasks(tasks), m_undo(undo), m_intake(intake), m_batch(batch),
      m_platform(platform), m_host(host), m_profile(profile), m_outputGrid(profile.vleOutput),
      m_outputValues(profile.vleOutput->values()), m_preview(profile.panPreview)
{
    setObjectName(QStringLiteral("panTaskList"));
    auto *listRow = new QHBoxLayout(this);
    listRow->setContentsMargins(10, 0, 0, 0);
    listRow->setSpacing(0);
    ltvTask = new QTreeView(this);
    ltvTask->setObjectName(QStringLiteral("ltvTask"));
    ltvTask->setAccessibleName(tr("Task List"));
    ltvTask->setModel(&m_tasks);
    ltvTask->setRootIsDecorated(false);
    ltvTask->setItemsExpandable(false);
    ltvTask->setUniformRowHeights(true);
    ltvTask->setAllColumnsShowFocus(true);
    ltvTask->setSelectionBehavior(QAbstractItemView::SelectRows);
    ltvTask->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ltvTask->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ltvTask->setContextMenuPolicy(Qt::CustomContextMenu);
    ltvTask->setTextElideMode(Qt::ElideMiddle);
    // Statuses with their icons; a failed task's row in the error colour.
    ltvTask->setItemDelegate(new TTaskListDelegate(ltvTask));
    QHeaderView *header = ltvTask->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: rgb(243, 243, 243); border: none;"
        " border-right: 1px solid rgb(210, 210, 210); border-bottom: 1px solid rgb(210, 210, 210);"
        " padding: 2px 4px; }"));
    // A column the user drags keeps the width given.
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!m_applyingColumnRule && column >= 0 && column < TaskStore::ColumnCount)
            m_columnWidths[column] = width;
    });
    connect(ltvTask, &QTreeView::doubleClicked, this, [this] { ltvTaskDblClick(); });
    // The Output grid shows the first selected task whatever moves the
    // selection: mouse, keys, commands. An open edit first goes to the task
    // it was made on.
    connect(ltvTask->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_outputGrid->endEdit();
        ltvTaskClick();
    });
    connect(m_outputGrid, &TValueListEditor::validate, this, &TTaskListPanel::vleOutputValidate);
    // A task the run has taken keeps its name and times.
    m_outputGrid->setEditVeto([this] {
        const QString note = m_outputRow >= 0 ? takenNote(m_outputRow, true) : QString();
        if (!note.isEmpty())
            emit noteShown(note);
        return !note.isEmpty();
    });
    connect(m_preview, &TPreviewPane::playRequested, this, &TTaskListPanel::sbtnPlayClick);
    listRow->addWidget(ltvTask);
    // Over the empty list, as large as the list.
    panbg = new TWelcomePanel(this);
    connect(panbg, &TWelcomePanel::linkClicked, this,
            [this] { m_platform.shellOpen(Branding::WebSite); });
    ltvTask->installEventFilter(this);
    ltvTask->viewport()->installEventFilter(this);
    buildMenu();
}

TTaskListPanel::~TTaskListPanel() = default;

void TTaskListPanel::buildMenu()
{
    ppmTask = new QMenu(this);
    ppmTask->setObjectName(QStringLiteral("ppmTask"));
    Open1 = ppmTask->addAction(tr("Open"), this, &TTaskListPanel::ltvTaskDblClick);
    ShowLog1 = ppmTask->addAction(tr("Show Log..."), this, &TTaskListPanel::ShowLog1Click);
    ppmTask->addSeparator();
    // What adding does is the window's: it connects these two.
    AddFiles1 = ppmTask->addAction(tr("Add Files..."));
    AddDirectorys1 = ppmTask->addAction(tr("Add Directorys..."));
    WatchFolders1 = ppmTask->addAction(tr("Watch Folders..."));
    ppmTask->addSeparator();
    Remove1 = ppmTask->addAction(tr("Remove"), this, &TTaskListPanel::tbtnRemoveClick);
    Clear1 = ppmTask->addAction(tr("Clear"), this, &TTaskListPanel::tbtnClearClick);
    Undo1 = ppmTask->addAction(tr("Undo"), this, &TTaskListPanel::Undo1Click);
    ppmTask->addSeparator();
    Pause1 = ppmTask->addAction(tr("Pause"));
    StopAfterCurrent1 = ppmTask->addAction(tr("Stop After Current Task"));
    StopAfterCurrent1->setCheckable(true);
    // The window's keys for the entries (it adds those that act anywhere in
    // it). Text boxes keep Ctrl+Z for their own undo.
    const std::pair<QAction *, QKeySequence> keys[] = {
        {AddFiles1, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {AddDirectorys1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {Undo1, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        // Keys of the task list itself (see eventFilter), shown here too.
        {Remove1, QKeySequence(Qt::Key_Delete)},
        {Clear1, QKeySequence(Qt::Key_Backspace)}};
    for (const auto &[action, key] : keys) {
        action->setShortcut(key);
        action->setShortcutVisibleInContextMenu(true);
    }
    connect(ltvTask, &QTreeView::customContextMenuRequested, this, [this](const QPoint &pos) {
        ppmTaskPopup();
        ppmTask->popup(ltvTask->viewport()->mapToGlobal(pos));
    });
}

void TTaskListPanel::setTaskButtons(QToolButton *up, QToolButton *down, QToolButton *remove,
                                    QToolButton *clear, QToolButton *start)
{
    connect(up, &QToolButton::clicked, this, &TTaskListPanel::tbtnUpClick);
    connect(down, &QToolButton::clicked, this, &TTaskListPanel::tbtnDownClick);
    connect(remove, &QToolButton::clicked, this, &TTaskListPanel::tbtnRemoveClick);
    connect(clear, &QToolButton::clicked, this, &TTaskListPanel::tbtnClearClick);
    m_taskButtons = {up, down, remove, clear};
    m_startButton = start;
}

void TTaskListPanel::setTaskButtonsEnabled(bool enabled)
{
    for (QToolButton *b : m_taskButtons)
        b->setEnabled(enabled);
    if (m_startButton)
        m_startButton->setEnabled(enabled && !m_runMode);
}

void TTaskListPanel::enableTaskButtonsIfAny()
{
    if (m_tasks.count() > 0)
        setTaskButtonsEnabled(true);
}

void TTaskListPanel::setRunMode(bool running)
{
    m_runMode = running;
    setTaskButtonsEnabled(m_tasks.count() > 0);
}

QString TTaskListPanel::takenNote(int row, bool edit) const
{
    if (!m_batch.hasTaken(m_tasks.taskId(row)))
        return {};
    const bool converting = m_tasks.cell(row, ItemField::Status) == TaskStatus::Converting;
    if (edit)
        return converting ? tr("A converting task cannot be edited.")
                          : tr("A finished task cannot be edited until the run ends.");
    return converting ? tr("A converting task cannot be removed.")
                      : tr("A finished task cannot be removed until the run ends.");
}

void TTaskListPanel::setProfileExtensions(const QStringList &extensions)
{
    m_profileExtensions = extensions;
}

void TTaskListPanel::scaleColumns(double scale)
{
    m_listWidth = int(m_listWidth * scale);
    for (int c = 0; c < TaskStore::ColumnCount; ++c) {
        m_columnWidths[c] = int(m_columnWidths[c] * scale);
        // Status shows a converting task's percentage whole.
        if (c == TaskStore::ColumnCount - 1)
            m_columnWidths[c] = std::max(m_columnWidths[c], statusWidth());
        ltvTask->header()->resizeSection(c, m_columnWidths[c]);
    }
}

int TTaskListPanel::statusWidth() const
{
    // The widest status text and its icon (as high as the font), each with
    // the style's margins on both sides, and a pixel to spare on each side
    // of the cell.
    const QFontMetrics fm = ltvTask->fontMetrics();
    const int margin =
        ltvTask->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ltvTask) + 1;
    // In the user's language.
    int widest = fm.horizontalAdvance(TaskStore::tr("Converting %1%").arg(100));
    for (const QString &s :
         {TaskStatus::Probing, TaskStatus::OK, TaskStatus::Converting, TaskStatus::Complete,
          TaskStatus::Stop, TaskStatus::Failed, TaskStatus::Skipped})
        widest = std::max(widest, fm.horizontalAdvance(DisplayStatus(s)));
    return widest + fm.height() + 4 * margin + 2;
}

bool TTaskListPanel::welcomeVisible() const
{
    return panbg->isVisibleTo(window());
}

QList<int> TTaskListPanel::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : ltvTask->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TTaskListPanel::selectRows(const QList<int> &rows)
{
    // One range for each run of neighbouring rows: a selection of thousands
    // of rows stays a few ranges.
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    QItemSelection selection;
    for (qsizetype i = 0; i < sorted.size();) {
        qsizetype j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] <= sorted[j] + 1)
            ++j;
        selection.select(m_tasks.index(sorted[i], 0),
                         m_tasks.index(sorted[j], TaskStore::ColumnCount - 1));
        i = j + 1;
    }
    ltvTask->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int TTaskListPanel::firstSelectedRow() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void TTaskListPanel::clearOutputValues()
{
    m_profile.SetGridValue(0, QStringLiteral("New FileName"), QString());
    m_profile.SetGridValue(0, QStringLiteral("Start Time"), QString());
    m_profile.SetGridValue(0, QStringLiteral("End Time"), QString());
}

void TTaskListPanel::tbtnRemoveClick()
{
    m_outputGrid->endEdit();
    // The tasks a run has taken stay; a converting one is named first.
    QList<int> rows;
    QString note;
    for (int row : selectedRows()) {
        const QString why = takenNote(row, false);
        if (why.isEmpty())
            rows << row;
        else if (note.isEmpty() || m_tasks.cell(row, ItemField::Status) == TaskStatus::Converting)
            note = why;
    }
    m_undo.remove(rows);
    if (!note.isEmpty())
        emit noteShown(note);
    // Every selected task is gone: the Output values are emptied.
    ltvTaskClick();
    if (m_tasks.count() == 0)
        setTaskButtonsEnabled(false);
}

void TTaskListPanel::tbtnClearClick()
{
    m_outputGrid->endEdit();
    // During a run only the tasks it has not started go.
    QList<int> rows;
    for (int row = 0; row < m_tasks.count(); ++row)
        if (!m_batch.hasTaken(m_tasks.taskId(row)))
            rows << row;
    if (rows.size() == m_tasks.count()) {
        m_undo.clear();
    } else {
        m_undo.remove(rows, TaskUndo::Kind::Clear);
        emit noteShown(tr("The converting and finished tasks stay until the run ends."));
    }
    ltvTaskClick();
    if (m_tasks.count() == 0)
        setTaskButtonsEnabled(false);
}

void TTaskListPanel::Undo1Click()
{
    // Tasks put back during a run join it as tasks not started.
    if (!ltvTask->isEnabled() || !m_undo.canUndo())
        return;
    m_outputGrid->endEdit();
    const QList<int> rows = m_undo.undo();
    for (int row : rows)
        if (m_tasks.cell(row, ItemField::Status) == TaskStatus::Probing)
            m_intake.probeAgain(m_tasks.taskId(row)); // its probe ended with its removal
    if (!rows.isEmpty())
        selectRows(rows);
    ltvTaskClick();
    enableTaskButtonsIfAny();
}

void TTaskListPanel::tbtnUpClick()
{
    QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // An open edit goes to its task before the records move.
    m_outputGrid->endEdit();
    QSet<int> selected(rows.begin(), rows.end());
    for (int i = 1; i < m_tasks.count(); ++i) {
        if (!selected.contains(i))
            continue;
        m_tasks.swapRecords(i, i - 1);
        selected.insert(i - 1);
        selected.remove(i);
    }
    rows = QList<int>(selected.begin(), selected.end());
    selectRows(rows);
    ltvTaskClick();
}

void TTaskListPanel::tbtnDownClick()
{
    QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // An open edit goes to its task before the records move.
    m_outputGrid->endEdit();
    QSet<int> selected(rows.begin(), rows.end());
    for (int i = m_tasks.count() - 2; i >= 0; --i) {
        if (!selected.contains(i))
            continue;
        m_tasks.swapRecords(i, i + 1);
        selected.insert(i + 1);
        selected.remove(i);
    }
    rows = QList<int>(selected.begin(), selected.end());
    selectRows(rows);
    ltvTaskClick();
}

void TTaskListPanel::ltvTaskClick()
{
    const int row = firstSelectedRow();
    m_outputRow = row;
    if (row < 0) {
        clearOutputValues();
        return;
    }
    ltvItemData d;
    m_tasks.GetItemData(row, ItemField::All, d);
    m_profile.SetGridValue(0, QStringLiteral("New Filename"),
                           d.NewFilename + m_host.outputExtension());
    m_profile.SetGridValue(0, QStringLiteral("Start Time"), d.StartTime);
    m_profile.SetGridValue(0, QStringLiteral("End Time"), d.EndTime);
}

void TTaskListPanel::ltvTaskDblClick()
{
    const int row = firstSelectedRow();
    if (row < 0)
        return;
    m_preview->PlaySelected(m_tasks.caption(row));
}

void TTaskListPanel::sbtnPlayClick()
{
    if (m_tasks.count() == 0)
        return;
    if (firstSelectedRow() < 0)
        selectRows({0});
    m_preview->PlaySelected(m_tasks.caption(firstSelectedRow()));
}

void TTaskListPanel::ppmTaskPopup()
{
    const bool anySelected = firstSelectedRow() >= 0;
    Open1->setEnabled(anySelected);
    // For a task that has been converted (or tried) in this session.
    ShowLog1->setEnabled(anySelected &&
                         m_batch.logs().contains(m_tasks.taskId(firstSelectedRow())));
    Remove1->setEnabled(anySelected);
    Clear1->setEnabled(m_tasks.count() > 0);
    AddFiles1->setEnabled(true);
    AddDirectorys1->setEnabled(true);
    Undo1->setEnabled(m_undo.canUndo());
    if (!m_undo.canUndo())
        Undo1->setText(tr("Undo"));
    else if (m_undo.nextKind() == TaskUndo::Kind::Remove)
        Undo1->setText(tr("Undo Remove"));
    else
        Undo1->setText(tr("Undo Clear"));
}

void TTaskListPanel::ShowLog1Click()
{
    const int row = firstSelectedRow();
    const TaskStore::TaskId id = m_tasks.taskId(row);
    if (row < 0 || !m_batch.logs().contains(id))
        return;
    if (!m_logForm)
        m_logForm = std::make_unique<TLogForm>(m_platform, window());
    m_logForm->showLog(m_tasks.caption(row), m_batch.logs().text(id));
}

void TTaskListPanel::vleOutputValidate(int)
{
    // The edit belongs to the task whose values the grid showed.
    const int row = m_outputRow;
    if (row < 0 || row >= m_tasks.count())
        return;
    // Its conversion began while the edit was open: the values stay.
    if (const QString note = takenNote(row, true); !note.isEmpty()) {
        emit noteShown(note);
        ltvTaskClick();
        return;
    }
    ltvItemData record;
    m_tasks.GetItemData(row, ItemField::All, record);
    const ltvItemData edited =
        ValidateOutputEdit(record, m_outputValues->valueOf(QStringLiteral("New Filename")),
                           m_outputValues->valueOf(QStringLiteral("Start Time")),
                           m_outputValues->valueOf(QStringLiteral("End Time")),
                           m_profileExtensions + QStringList{m_host.outputExtension()});
    // A task still being probed has no times to check an edit against: only
    // its name can change meanwhile.
    const bool probing = record.Status == TaskStatus::Probing;
    for (int field : {ItemField::NewFilename, ItemField::NewFileExt, ItemField::ClipLength,
                      ItemField::StartTime, ItemField::EndTime})
        if (!probing || field == ItemField::NewFilename || field == ItemField::NewFileExt)
            m_tasks.SetItemData(row, field, edited);
    // A time that was not taken stays as typed until the task is selected
    // again, marked, with the time that stands instead.
    const std::tuple<QString, double, QString> times[] = {
        {QStringLiteral("Start Time"), edited.StartSecs, edited.StartTime},
        {QStringLiteral("End Time"), edited.EndSecs, edited.EndTime}};
    for (const auto &[key, seconds, stored] : times) {
        const int cell = m_outputValues->findRow(key);
        const bool taken = probing || StrToSeconds(m_outputValues->value(cell)) == seconds;
        m_outputValues->setValueNote(cell, taken ? QString()
                                                 : tr("Not a valid time: %1 is kept.").arg(stored));
    }
}

void TTaskListPanel::taskProbed(int row)
{
    // The Output grid shows the task that was probed: it shows the task's
    // times now. An edit open in the grid stays as typed; it is validated
    // against the new values when it ends.
    if (row != m_outputRow)
        return;
    ltvItemData d;
    m_tasks.GetItemData(row, ItemField::All, d);
    const int editing = m_outputGrid->openEditor() ? m_outputGrid->currentIndex().row() : -1;
    const QString editedKey = editing >= 0 ? m_outputValues->key(editing) : QString();
    const std::pair<QString, QString> values[] = {{QStringLiteral("Start Time"), d.StartTime},
                                                  {QStringLiteral("End Time"), d.EndTime}};
    for (const auto &[key, value] : values)
        if (key.compare(editedKey, Qt::CaseInsensitive) != 0)
            m_profile.SetGridValue(0, key, value);
}

void TTaskListPanel::ltvTaskResized(int newWidth)
{
    const int d = newWidth - m_listWidth;
    m_listWidth = newWidth;
    if (d == 0)
        return;
    QHeaderView *header = ltvTask->header();
    // The rule works on the widths it would give without the lower bound,
    // so the columns get their proportions back when the list grows again.
    const QScopedValueRollback applying(m_applyingColumnRule, true);
    // Below its rule's width, a column keeps the width of its usual text;
    // the file names' column gives up what the others then take beyond the
    // list's width.
    const QFontMetrics fm = ltvTask->fontMetrics();
    const int least[TaskStore::ColumnCount] = {
        MinColumnWidth, fm.horizontalAdvance(QStringLiteral("00:00:00.00")) + 12,
        fm.horizontalAdvance(QStringLiteral(" 1920x1080")) + 12, statusWidth()};
    int widths[TaskStore::ColumnCount];
    int sum = 0;
    for (int c = 0; c < TaskStore::ColumnCount; ++c) {
        // Rounded half to even, like every rounding of this program.
        m_columnWidths[c] += int(std::nearbyint(d * ColumnShares[c]));
        widths[c] = std::max(least[c], m_columnWidths[c]);
        sum += widths[c];
    }
    const int room =
        newWidth - 2 * ltvTask->frameWidth() - ltvTask->verticalScrollBar()->sizeHint().width();
    widths[0] = std::max(MinColumnWidth, widths[0] - std::max(0, sum - room));
    for (int c = 0; c < TaskStore::ColumnCount; ++c)
        header->resizeSection(c, widths[c]);
}

bool TTaskListPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ltvTask && event->type() == QEvent::Resize) {
        ltvTaskResized(static_cast<QResizeEvent *>(event)->size().width());
        // The welcome panel covers the empty list.
        panbg->setGeometry(ltvTask->geometry().adjusted(1, 1, -1, -1));
    } else if (watched == ltvTask && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Backspace) {
            tbtnClearClick();
            return true;
        }
        if (key == Qt::Key_Delete) {
            tbtnRemoveClick();
            return true;
        }
        const auto modifiers = static_cast<QKeyEvent *>(event)->modifiers() & ~Qt::KeypadModifier;
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && modifiers == Qt::AltModifier) {
            if (key == Qt::Key_Up)
                tbtnUpClick();
            else
                tbtnDownClick();
            return true;
        }
    } else if (watched == ltvTask->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // A click of the left button; a right click opens the menu instead.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            ltvTaskClick();
    }
    return QWidget::eventFilter(watched, event);
}
