#include "engine/outputvalidation.h"
#include "engine/taskstore.h"

#include <QTest>

namespace {

// A task record as the task list hands it out: texts in the row, seconds
// derived from them.
ltvItemData task(const QString &start, const QString &end, const QString &origStart,
                 const QString &origEnd)
{
    TaskStore store;
    store.appendRow(QStringLiteral("/videos/clip.avi"));
    ltvItemData d;
    d.InputFile = QStringLiteral("/videos/clip.avi");
    d.Length = origEnd;
    d.Size = QStringLiteral("320x240");
    d.Status = QStringLiteral("OK");
    d.NewFilename = QStringLiteral("clip");
    d.NewFileExt = QString();
    d.OrigStartTime = origStart;
    d.OrigEndTime = origEnd;
    d.ClipLength = QStringLiteral("00:02:00");
    d.StartTime = start;
    d.EndTime = end;
    store.SetItemData(0, ItemField::All, d);
    ltvItemData out;
    store.GetItemData(0, ItemField::All, out);
    return out;
}

// The two-minute task of the usual examples, untrimmed.
ltvItemData twoMinutes()
{
    return task("00:00:00.0", "00:02:00", "00:00:00.0", "00:02:00");
}

} // namespace

class TestOutputValidation : public QObject
{
    Q_OBJECT
private slots:
    void times_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("origStart");
        QTest::addColumn<QString>("origEnd");
        QTest::addColumn<QString>("typedStart");
        QTest::addColumn<QString>("typedEnd");
        QTest::addColumn<QString>("wantStart");
        QTest::addColumn<QString>("wantEnd");
        QTest::addColumn<QString>("wantLength");

        const QString z = QStringLiteral("00:00:00.0");
        const QString two = QStringLiteral("00:02:00");
        QTest::newRow("later start accepted")
            << z << two << z << two << "00:00:30" << two << "00:00:30" << two << "00:01:30";
        QTest::newRow("end beyond the duration accepted") << z << two << z << two << z << "00:05:00"
                                                          << "00:00:00"
                                                          << "00:05:00"
                                                          << "00:05:00";
        QTest::newRow("tenths kept") << z << two << z << two << "00:00:01.5"
                                     << "00:00:10"
                                     << "00:00:01.5"
                                     << "00:00:10"
                                     << "00:00:08.5";
        // Step 5: malformed texts fall back to the stored values.
        QTest::newRow("malformed start keeps the start")
            << "00:00:20" << two << z << two << "abc" << two << "00:00:20" << two << "00:01:40";
        QTest::newRow("malformed end keeps the end, start checked against it")
            << z << "00:01:00" << z << two << "00:00:30"
            << "1:30"
            << "00:00:30"
            << "00:01:00"
            << "00:00:30";
        QTest::newRow("malformed end, start beyond the stored end rejected")
            << z << "00:01:00" << z << two << "00:01:10"
            << ""
            << "00:00:00"
            << "00:01:00"
            << "00:01:00";
        // Step 6, one case per condition.
        QTest::newRow("negative start rejected") << "00:00:20" << two << z << two << "-1:00:00"
                                                 << two << "00:00:20" << two << "00:01:40";
        QTest::newRow("start not before the typed end rejected, that end then accepted")
            << z << two << z << two << "00:01:00"
            << "00:00:30"
            << "00:00:00"
            << "00:00:30"
            << "00:00:30";
        QTest::newRow("start equal to the end rejected")
            << "00:00:10" << two << z << two << "00:00:40"
            << "00:00:40"
            << "00:00:10"
            << "00:00:40"
            << "00:00:30";
        QTest::newRow("start at the original end rejected")
            << z << "00:05:00" << z << two << "00:02:00"
            << "00:05:00"
            << "00:00:00"
            << "00:05:00"
            << "00:05:00";
        QTest::newRow("start beyond the original end rejected")
            << z << "00:05:00" << z << two << "00:03:00"
            << "00:05:00"
            << "00:00:00"
            << "00:05:00"
            << "00:05:00";
        // Step 7, one case per condition.
        QTest::newRow("zero end rejected") << z << two << z << two << z << "00:00:00"
                                           << "00:00:00" << two << two;
        QTest::newRow("end before the start rejected, start stays")
            << "00:00:50" << two << z << two << "00:00:50"
            << "00:00:40"
            << "00:00:50" << two << "00:01:10";
        QTest::newRow("end at the original start rejected")
            << "00:00:10" << two << "00:00:10" << two << "00:00:00"
            << "00:00:10"
            << "00:00:00" << two << two;
        QTest::newRow("end before the original start rejected")
            << "00:00:10" << two << "00:00:10" << two << "00:00:00"
            << "00:00:05"
            << "00:00:00" << two << two;
        // Step 7 compares with the start as step 6 left it, not the stored one.
        QTest::newRow("end checked against the new start")
            << "00:00:50" << two << z << two << "00:00:10"
            << "00:00:30"
            << "00:00:10"
            << "00:00:30"
            << "00:00:20";
    }
    void times()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, origStart);
        QFETCH(QString, origEnd);
        QFETCH(QString, typedStart);
        QFETCH(QString, typedEnd);
        QFETCH(QString, wantStart);
        QFETCH(QString, wantEnd);
        QFETCH(QString, wantLength);

        const ltvItemData before = task(start, end, origStart, origEnd);
        const ltvItemData after =
            ValidateOutputEdit(before, QStringLiteral("clip.mp4"), typedStart, typedEnd);
        QCOMPARE(after.StartTime, wantStart);
        QCOMPARE(after.EndTime, wantEnd);
        QCOMPARE(after.ClipLength, wantLength);
        // The fields the edit does not own stay as they were.
        QCOMPARE(after.InputFile, before.InputFile);
        QCOMPARE(after.Length, before.Length);
        QCOMPARE(after.Size, before.Size);
        QCOMPARE(after.Status, before.Status);
        QCOMPARE(after.OrigStartTime, before.OrigStartTime);
        QCOMPARE(after.OrigEndTime, before.OrigEndTime);
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ext");
        QTest::newRow("with extension") << "holiday.avi"
                                        << "holiday"
                                        << ".avi";
        QTest::newRow("without extension") << "holiday"
                                           << "holiday"
                                           << "";
        QTest::newRow("last dot splits") << "my.holiday.avi"
                                         << "my.holiday"
                                         << ".avi";
        // Only a known extension is one: a source's or a profile's.
        QTest::newRow("dotted date") << "Party 2024.06.01"
                                     << "Party 2024.06.01"
                                     << "";
        QTest::newRow("known ignoring case") << "Party 2024.06.01.WebM"
                                             << "Party 2024.06.01"
                                             << ".WebM";
        QTest::newRow("a profile's") << "take 2.ogg"
                                     << "take 2"
                                     << ".ogg";
        QTest::newRow("trailing dot") << "holiday."
                                      << "holiday."
                                      << "";
        QTest::newRow("blanks kept") << " a b .mp4"
                                     << " a b "
                                     << ".mp4";
        // Texts that cannot name a file in the output directory keep the old name.
        QTest::newRow("empty") << ""
                               << "clip"
                               << "";
        QTest::newRow("extension only") << ".avi"
                                        << "clip"
                                        << "";
        QTest::newRow("directory separator") << "../../etc/passwd"
                                             << "clip"
                                             << "";
        QTest::newRow("subdirectory") << "sub/name.mp4"
                                      << "clip"
                                      << "";
        QTest::newRow("separator after the last dot") << "name.d/x"
                                                      << "clip"
                                                      << "";
        QTest::newRow("parent directory") << "...mp4"
                                          << "clip"
                                          << "";
        QTest::newRow("NUL") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b.mp4"))
                             << "clip"
                             << "";
    }
    void fileName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, ext);
        ltvItemData before = twoMinutes();
        const ltvItemData after =
            ValidateOutputEdit(before, typed, "00:00:00.0", "00:02:00", {QStringLiteral(".ogg")});
        QCOMPARE(after.NewFilename, name);
        QCOMPARE(after.NewFileExt, ext);
    }

    void writtenBackThroughTheStore()
    {
        // The caller writes selectors 3, 4, 7, 8 and 9; the record read back
        // then derives the new seconds.
        TaskStore store;
        store.appendRow(QStringLiteral("/videos/clip.avi"));
        store.SetItemData(0, ItemField::All, twoMinutes());
        ltvItemData record;
        store.GetItemData(0, ItemField::All, record);
        const ltvItemData edited =
            ValidateOutputEdit(record, QStringLiteral("holiday.avi"), "00:00:30", "00:01:30");
        for (int field : {ItemField::NewFilename, ItemField::NewFileExt, ItemField::ClipLength,
                          ItemField::StartTime, ItemField::EndTime})
            store.SetItemData(0, field, edited);
        ltvItemData stored;
        store.GetItemData(0, ItemField::All, stored);
        QCOMPARE(stored.NewFilename, QStringLiteral("holiday"));
        QCOMPARE(stored.NewFileExt, QStringLiteral(".avi"));
        QCOMPARE(stored.StartSecs, 30.0);
        QCOMPARE(stored.EndSecs, 90.0);
        QCOMPARE(stored.ClipLengthSecs, 60.0);
        QCOMPARE(stored.OrigEndSecs, 120.0);
    }
};

QTEST_GUILESS_MAIN(TestOutputValidation)
#include "tst_outputvalidation.moc"
