#pragma once

#include <QString>

// The record of one task. The texts live in the task list's row (the caption
// and cells 0 to 9); the seconds are derived from the time texts whenever
// those are read and are never stored.
struct ltvItemData
{
    QString InputFile;     // caption
    QString Length;        // cell 0
    QString Size;          // cell 1
    QString Status;        // cell 2
    QString NewFilename;   // cell 3
    QString NewFileExt;    // cell 4
    QString OrigStartTime; // cell 5
    QString OrigEndTime;   // cell 6
    QString ClipLength;    // cell 7
    QString StartTime;     // cell 8
    QString EndTime;       // cell 9
    double LengthSecs = 0;
    double OrigStartSecs = 0;
    double OrigEndSecs = 0;
    double ClipLengthSecs = 0;
    double StartSecs = 0;
    double EndSecs = 0;
};

// Field selectors of GetItemData / SetItemData: -2 the whole record, -1 the
// caption, 0..9 cell n.
namespace ItemField {
constexpr int All = -2;
constexpr int Caption = -1;
constexpr int Length = 0;
constexpr int Size = 1;
constexpr int Status = 2;
constexpr int NewFilename = 3;
constexpr int NewFileExt = 4;
constexpr int OrigStartTime = 5;
constexpr int OrigEndTime = 6;
constexpr int ClipLength = 7;
constexpr int StartTime = 8;
constexpr int EndTime = 9;
} // namespace ItemField

// Status texts of a task.
namespace TaskStatus {
// A task just added, whose probe has not ended yet.
inline const QString Probing = QStringLiteral("Probing");
inline const QString OK = QStringLiteral("OK");
inline const QString Converting = QStringLiteral("Converting");
inline const QString Complete = QStringLiteral("Complete");
inline const QString Stop = QStringLiteral("Stop");
inline const QString Failed = QStringLiteral("Failed");
// The output file existed and the overwrite choice was to keep it.
inline const QString Skipped = QStringLiteral("Skipped");
} // namespace TaskStatus
