// The main window with a long task list (rows as a probe leaves them):
//   - resident memory of the process with the list filled (goal: under
//     250 MB);
//   - the time of selecting a row with the mouse, Move Up of a selected
//     block of rows, Remove of one row with the Delete key and Clear, each
//     from the input event until the window has handled what it brought
//     (goal: each under 50 ms).
//
// Usage: bench_tasklist [count]   (default 10000)
#include "engine/intake.h"
#include "engine/itemdata.h"
#include "engine/taskstore.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/mainform.h"
#include "ui/tasklistpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <cstdio>

namespace {

// This process's resident memory in MB ("VmRSS").
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// Milliseconds from before act until the events it posted are handled.
template <typename F> double timed(F act)
{
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    act();
    QCoreApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(10, std::atoi(argv[1])) : 10000;

    const double before = residentMb();
    MainFormFixture f;
    f.show();
    TMainForm &form = *f.form;
    TaskStore &tasks = form.tasks();
    QElapsedTimer filling;
    filling.start();
    for (int i = 0; i < count; ++i) {
        ltvItemData t;
        t.InputFile =
            QStringLiteral("/media/card/DCIM/100MEDIA/clip %1.avi").arg(i, 5, 10, QChar(u'0'));
        t.Length = QStringLiteral("00:02:05.40");
        t.Size = QStringLiteral(" 320x240");
        t.Status = QStringLiteral("OK");
        t.NewFilename = QStringLiteral("clip %1").arg(i, 5, 10, QChar(u'0'));
        t.NewFileExt = QStringLiteral(".mp4");
        t.OrigStartTime = t.StartTime = QStringLiteral("00:00:00.0");
        t.OrigEndTime = t.EndTime = t.ClipLength = t.Length;
        // Added as intake adds a task, then given what its probe finds.
        form.intake().AddFile(t.InputFile);
        tasks.SetItemData(i, ItemField::All, t);
    }
    form.intake().cancel();
    QCoreApplication::processEvents();
    const double fillMs = filling.nsecsElapsed() / 1e6;
    const double rss = residentMb();

    QTreeView *list = form.ltvTask;
    auto centre = [&](int row) { return list->visualRect(tasks.index(row, 0)).center(); };
    // A row in the middle, brought into view.
    const int middle = count / 2;
    list->scrollTo(tasks.index(middle, 0), QAbstractItemView::PositionAtCenter);
    QCoreApplication::processEvents();

    const double selectMs =
        timed([&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(middle)); });
    // A block of a tenth of the list, ending at the middle row.
    QList<int> block;
    for (int r = middle - count / 10 + 1; r <= middle; ++r)
        block << r;
    form.taskList().selectRows(block);
    QCoreApplication::processEvents();
    const double moveUpMs = timed([&] { QTest::mouseClick(form.tbtnUp, Qt::LeftButton); });
    const bool moved =
        tasks.caption(middle - count / 10)
            .endsWith(
                QStringLiteral("clip %1.avi").arg(middle - count / 10 + 1, 5, 10, QChar(u'0')));
    list->scrollTo(tasks.index(middle, 0), QAbstractItemView::PositionAtCenter);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(middle));
    QCoreApplication::processEvents();
    const int beforeRemove = tasks.count();
    const double removeMs = timed([&] { QTest::keyClick(list, Qt::Key_Delete); });
    const bool removed = tasks.count() == beforeRemove - 1;
    const double clearMs = timed([&] { QTest::mouseClick(form.tbtnClear, Qt::LeftButton); });
    const bool cleared = tasks.count() == 0;

    std::printf("tasks: %d (filled in %.0f ms)\n", count, fillMs);
    std::printf("resident memory: %.1f MB with the list, %.1f MB before the window "
                "(goal < 250 MB)\n",
                rss, before);
    std::printf("select a row: %.1f ms\n", selectMs);
    std::printf("Move Up of %d selected rows: %.1f ms%s\n", int(block.size()), moveUpMs,
                moved ? "" : " (rows did not move!)");
    std::printf("Remove of one row: %.1f ms%s\n", removeMs, removed ? "" : " (not removed!)");
    std::printf("Clear: %.1f ms%s\n", clearMs, cleared ? "" : " (not cleared!)");
    std::printf("(goal: each under 50 ms)\n");
    return moved && removed && cleared ? 0 : 1;
}
