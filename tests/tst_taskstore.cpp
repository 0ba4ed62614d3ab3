#include "engine/itemdata.h"
#include "engine/taskstore.h"
#include "engine/taskundo.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A record with a distinct text in every field and seconds that no time
// text gives, to see which fields an operation touched.
ltvItemData sentinel(const QString &tag)
{
    ltvItemData d;
    d.InputFile = tag + "caption";
    d.Length = tag + "0";
    d.Size = tag + "1";
    d.Status = tag + "2";
    d.NewFilename = tag + "3";
    d.NewFileExt = tag + "4";
    d.OrigStartTime = tag + "5";
    d.OrigEndTime = tag + "6";
    d.ClipLength = tag + "7";
    d.StartTime = tag + "8";
    d.EndTime = tag + "9";
    d.LengthSecs = 1001;
    d.OrigStartSecs = 1002;
    d.OrigEndSecs = 1003;
    d.ClipLengthSecs = 1004;
    d.StartSecs = 1005;
    d.EndSecs = 1006;
    return d;
}

// The text field that selector field names (-1 the caption, n cell n).
QString &textField(ltvItemData &d, int field)
{
    QString *texts[] = {&d.Length,     &d.Size,          &d.Status,      &d.NewFilename,
                        &d.NewFileExt, &d.OrigStartTime, &d.OrigEndTime, &d.ClipLength,
                        &d.StartTime,  &d.EndTime};
    return field == ItemField::Caption ? d.InputFile : *texts[field];
}
QString textOf(ltvItemData d, int field)
{
    return textField(d, field);
}

// The seconds field derived from cell n, or nullptr.
double *secondsField(ltvItemData &d, int field)
{
    switch (field) {
    case 0:
        return &d.LengthSecs;
    case 5:
        return &d.OrigStartSecs;
    case 6:
        return &d.OrigEndSecs;
    case 7:
        return &d.ClipLengthSecs;
    case 8:
        return &d.StartSecs;
    case 9:
        return &d.EndSecs;
    default:
        return nullptr;
    }
}

QList<double> allSeconds(const ltvItemData &d)
{
    return {d.LengthSecs, d.OrigStartSecs, d.OrigEndSecs, d.ClipLengthSecs, d.StartSecs, d.EndSecs};
}

} // namespace

class TestTaskStore : public QObject
{
    Q_OBJECT
private slots:
    void wholeRecordRoundTrip()
    {
        TaskStore store;
        store.appendRow("/v/a.avi");
        QCOMPARE(store.count(), 1);
        for (int n = 0; n < TaskStore::CellCount; ++n)
            QCOMPARE(store.cell(0, n), QString());

        ltvItemData written = sentinel("w");
        written.Length = "00:02:05.40";
        written.OrigStartTime = "00:00:00.0";
        written.OrigEndTime = "00:02:05.40";
        written.ClipLength = "00:01:00";
        written.StartTime = "00:00:10.5";
        written.EndTime = "not a time";
        store.SetItemData(0, ItemField::All, written);

        ltvItemData read = sentinel("r");
        store.GetItemData(0, ItemField::All, read);
        for (int f = ItemField::Caption; f < TaskStore::CellCount; ++f)
            QCOMPARE(textOf(read, f), textOf(written, f));
        // The seconds come from the texts, not from the written record.
        QCOMPARE(allSeconds(read), (QList<double>{125.4, 0, 125.4, 60, 10.5, -1}));
        QCOMPARE(store.caption(0), written.InputFile);
        QCOMPARE(store.cell(0, ItemField::Status), written.Status);
    }

    // Each selector moves its own field and derives its own seconds only.
    void selectors()
    {
        TaskStore store;
        store.appendRow("x");
        const ltvItemData row = sentinel("row");
        const ltvItemData fresh = sentinel("new");
        store.SetItemData(0, ItemField::All, row);
        for (int f = ItemField::Caption; f < TaskStore::CellCount; ++f) {
            ltvItemData d = sentinel("mem");
            store.GetItemData(0, f, d);
            ltvItemData expected = sentinel("mem");
            textField(expected, f) = textOf(row, f);
            if (double *secs = secondsField(expected, f))
                *secs = -1.0; // "row5" and the like are no time texts
            for (int g = ItemField::Caption; g < TaskStore::CellCount; ++g)
                QCOMPARE(textOf(d, g), textOf(expected, g));
            QCOMPARE(allSeconds(d), allSeconds(expected));
        }
        // Writing one field leaves the row's others alone.
        for (int f = ItemField::Caption; f < TaskStore::CellCount; ++f) {
            store.SetItemData(0, ItemField::All, row);
            store.SetItemData(0, f, fresh);
            ltvItemData d;
            store.GetItemData(0, ItemField::All, d);
            for (int g = ItemField::Caption; g < TaskStore::CellCount; ++g)
                QCOMPARE(textOf(d, g), textOf(g == f ? fresh : row, g));
        }
    }

    void otherSelectorsAndRows()
    {
        TaskStore store;
        store.appendRow("a");
        store.SetItemData(0, ItemField::All, sentinel("row"));
        for (int f : {-3, 10, 99}) {
            ltvItemData d = sentinel("mem");
            store.GetItemData(0, f, d);
            QCOMPARE(d.InputFile, QStringLiteral("memcaption"));
            QCOMPARE(d.EndTime, QStringLiteral("mem9"));
            QCOMPARE(d.LengthSecs, 1001.0);
            store.SetItemData(0, f, sentinel("new"));
        }
        QCOMPARE(store.caption(0), QStringLiteral("rowcaption"));
        // Rows that do not exist are left alone.
        ltvItemData d = sentinel("mem");
        store.GetItemData(1, ItemField::All, d);
        store.GetItemData(-1, ItemField::All, d);
        QCOMPARE(d.InputFile, QStringLiteral("memcaption"));
        store.SetItemData(1, ItemField::All, d);
        QCOMPARE(store.count(), 1);
    }

    void model()
    {
        TaskStore store;
        QCOMPARE(store.columnCount(), 4);
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << store.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"Input File", "Length", "Size", "Status"}));
        store.appendRow("/v/a.avi");
        store.appendRow("/v/b.avi");
        store.SetItemData(1, ItemField::All, sentinel("b"));
        QCOMPARE(store.data(store.index(1, 0)).toString(), QStringLiteral("bcaption"));
        QCOMPARE(store.data(store.index(1, 3)).toString(), QStringLiteral("b2"));
        QVERIFY(!(store.flags(store.index(1, 1)) & Qt::ItemIsEditable));
        QVERIFY(store.flags(store.index(1, 1)) & Qt::ItemIsSelectable);

        // The view repaints a status change.
        QSignalSpy changed(&store, &TaskStore::dataChanged);
        ltvItemData d;
        d.Status = "Converting";
        store.SetItemData(1, ItemField::Status, d);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>(), store.index(1, 3));

        QCOMPARE(store.findCaption("/v/a.avi"), 0);
        QCOMPARE(store.findCaption("/V/A.AVI"), -1);
        store.removeRowAt(0);
        QCOMPARE(store.caption(0), QStringLiteral("bcaption"));
        store.clearRows();
        QCOMPARE(store.count(), 0);
    }

    // A task keeps its identity wherever its record moves; an identity is
    // never given twice, also not after its row is gone.
    void identities()
    {
        TaskStore store;
        const auto a = store.appendRow("/v/a.avi");
        const auto b = store.appendRow("/v/b.avi");
        const auto c = store.appendRow("/v/c.avi");
        QVERIFY(a != b && b != c && a != 0);
        store.swapRecords(0, 2);
        QCOMPARE(store.caption(0), QStringLiteral("/v/c.avi"));
        QCOMPARE(store.rowOf(a), 2);
        QCOMPARE(store.rowOf(c), 0);
        QCOMPARE(store.taskId(1), b);
        store.removeRowAt(1);
        QCOMPARE(store.rowOf(b), -1);
        QCOMPARE(store.rowOf(a), 1);
        store.clearRows();
        const auto d = store.appendRow("/v/a.avi");
        QVERIFY(d != a && d != b && d != c);
        QCOMPARE(store.rowOf(a), -1);
        QCOMPARE(store.taskId(5), TaskStore::TaskId(0));
    }

    // Remove and Clear taken back (their places, records and identities
    // are seen in the window's tests): the ten latest removals, the latest
    // first; a source added again meanwhile is not listed twice.
    void undoDepth()
    {
        TaskStore store;
        TaskUndo undo(store);
        QStringList names;
        for (char c = 'a'; c <= 'p'; ++c)
            store.appendRow(names.emplace_back(QStringLiteral("/v/%1.avi").arg(c)));
        // Eleven removals of the first task (a to k), k added again, then
        // Clear: the removals of c to k come back, and the Clear.
        for (int i = 0; i < 11; ++i)
            undo.remove({0});
        store.appendRow(names[10]);
        undo.clear();
        QCOMPARE(undo.nextKind(), TaskUndo::Kind::Clear);
        QCOMPARE(undo.undo().size(), 6);
        int undone = 1;
        for (; undo.canUndo(); ++undone)
            undo.undo();
        QCOMPARE(undone, TaskUndo::Depth);
        QStringList captions;
        for (int i = 0; i < store.count(); ++i)
            captions << store.caption(i);
        QCOMPARE(captions, names.mid(2, 8) + names.mid(11) + QStringList{names[10]});
    }
};

QTEST_GUILESS_MAIN(TestTaskStore)
#include "tst_taskstore.moc"
