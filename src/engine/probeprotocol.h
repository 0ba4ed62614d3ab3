#pragma once

#include "probe.h"

#include <QByteArray>
#include <QString>

// How the program talks to quivercast-probe, its media reader (src/probe/).
//
// The reader is a program of its own, linked to the system's media
// libraries, so that a file that crashes or hangs them takes down only the
// reader. It is started once and kept running: it reads paths on standard
// input and answers each on standard output, one line each way, in order.
//
//   quivercast-probe [--deadline-ms N]
//
// Every line ends with LF. A text inside a line is escaped: "\" is written
// as "\\", LF as "\n", CR as "\r" and TAB as "\t"; no other byte is
// changed, so a path is its file name's bytes with these four escaped.
//
//   greeting    "quivercast-probe" TAB "1"           (protocol version 1),
//               written once at the start, before any request is read; or
//               "unavailable" TAB reason, after which the reader ends (it
//               was built without the media libraries)
//   request     path
//   answer      "ok" TAB duration TAB frame size TAB range start TAB
//               range end TAB seconds TAB streams
//               - the first four are the texts the encoder's probe gives
//                 (ProbeResults), read from the library's description of
//                 the file, which is the description the encoder prints;
//               - seconds: the duration in seconds as a decimal number, -1
//                 when the file does not tell;
//               - streams: "v" when the file has a video stream (cover art
//                 does not count), then "a" when it has an audio stream
//   or          "fail" TAB reason
//               the library cannot open or read the file, or not within
//               the deadline (N milliseconds a file, 30000 by default):
//               the encoder is to be asked about it
//
// The reader ends when its standard input ends.

// The first line of a reader that is ready.
inline const QByteArray ProbeGreeting = QByteArrayLiteral("quivercast-probe\t1");

// What the media reader learnt about a file.
struct MediaFacts
{
    ProbeResults texts;  // what the task's row shows
    double seconds = -1; // the duration; -1 when unknown
    bool video = false;  // a video stream that is not cover art
    bool audio = false;
};

QByteArray EscapeProbeText(const QByteArray &text);
// False when text holds a "\" that is not one of the four escapes.
bool UnescapeProbeText(const QByteArray &text, QByteArray &out);

QByteArray FormatProbeAnswer(const MediaFacts &facts);
QByteArray FormatProbeFailure(const QByteArray &reason);

// One answer line (without its LF).
struct ProbeAnswer
{
    enum class Kind
    {
        Facts,    // "ok": facts hold the answer
        Failure,  // "fail": reason tells why
        Nonsense, // anything else
    };
    Kind kind = Kind::Nonsense;
    MediaFacts facts;
    QString reason;
};
ProbeAnswer ParseProbeAnswer(const QByteArray &line);
