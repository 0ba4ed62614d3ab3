#pragma once

#include <QString>

// What a probe learns about a source file from the encoder's report.
struct ProbeResult
{
    QString duration;  // time text as printed, e.g. "00:02:05.40"
    QString frameSize; // a blank followed by WxH, e.g. " 640x480"
};

// Takes the duration and the frame size from the encoder's whole report on
// the file path.
ProbeResult ParseProbeReport(const QString &report, const QString &path);
