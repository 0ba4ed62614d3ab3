#include "mediareader.h"

#include "engine/probe.h"

#ifdef QC_WITH_MEDIA_LIBRARIES

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <cstdarg>
#include <mutex>

namespace {

// The description of the file being read gathers what the library logs.
std::mutex gatherMutex;
QByteArray *gathering = nullptr;
int printPrefix = 1;

// The library's lines as the encoder prints them: its prefix ("[avi @
// 0x...] "), up to the information level, control characters shown as "?".
void gather(void *context, int level, const char *format, va_list args)
{
    if (level > AV_LOG_INFO)
        return;
    const std::lock_guard<std::mutex> lock(gatherMutex);
    if (!gathering || gathering->size() >= ProbeReport::MaxBytes)
        return;
    va_list again;
    va_copy(again, args);
    char line[1024];
    const int prefixBefore = printPrefix;
    const int length =
        av_log_format_line2(context, level, format, args, line, int(sizeof line), &printPrefix);
    QByteArray text;
    if (length >= int(sizeof line)) {
        // A long line (metadata can be any length): formatted again whole.
        text.resize(length + 1);
        printPrefix = prefixBefore;
        av_log_format_line2(context, level, format, again, text.data(), length + 1, &printPrefix);
        text.resize(length);
    } else if (length > 0) {
        text = QByteArray(line, length);
    }
    va_end(again);
    for (char &c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x08 || (byte > 0x0D && byte < 0x20))
            c = '?';
    }
    gathering->append(text.left(ProbeReport::MaxBytes - gathering->size()));
}

QByteArray errorText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return text;
}

} // namespace

MediaReader::MediaReader(int deadlineMs) : m_deadlineMs(deadlineMs)
{
    av_log_set_callback(gather);
}

bool MediaReader::available(QByteArray &)
{
    return true;
}

int MediaReader::interrupted(void *reader)
{
    return static_cast<const MediaReader *>(reader)->m_deadline.hasExpired() ? 1 : 0;
}

MediaDescription MediaReader::read(const QByteArray &path)
{
    MediaDescription d;
    {
        const std::lock_guard<std::mutex> lock(gatherMutex);
        gathering = &d.report;
        printPrefix = 1;
    }
    m_deadline =
        m_deadlineMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(m_deadlineMs);

    AVFormatContext *context = avformat_alloc_context();
    if (!context) {
        d.failure = "out of memory";
    } else {
        // As the encoder opens an input: every program of a transport stream
        // looked at, reads that may come back empty (the library waits for
        // them itself), and the library's limits on how much of the file is
        // examined (5 MB; 5 to 90 seconds of streams, by format), which also
        // keep a huge or hostile file from being read at length. Other
        // limits would give other answers than the encoder's.
        context->interrupt_callback = {&MediaReader::interrupted, this};
        context->flags |= AVFMT_FLAG_NONBLOCK;
        AVDictionary *options = nullptr;
        av_dict_set(&options, "scan_all_pmts", "1", 0);
        av_dict_set(&options, "probesize", "5000000", 0);
        int error = avformat_open_input(&context, path.constData(), nullptr, &options);
        av_dict_free(&options);
        if (error < 0) {
            d.failure = "cannot open the file: " + errorText(error);
        } else {
            error = avformat_find_stream_info(context, nullptr);
            if (error < 0) {
                d.failure = "cannot read the file's streams: " + errorText(error);
            } else {
                av_dump_format(context, 0, path.constData(), 0);
                d.read = true;
                if (context->duration != AV_NOPTS_VALUE)
                    d.seconds = double(context->duration) / AV_TIME_BASE;
                for (unsigned i = 0; i < context->nb_streams; ++i) {
                    const AVStream *stream = context->streams[i];
                    const AVMediaType type = stream->codecpar->codec_type;
                    if (type == AVMEDIA_TYPE_VIDEO &&
                        !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
                        d.video = true;
                    else if (type == AVMEDIA_TYPE_AUDIO)
                        d.audio = true;
                }
            }
            avformat_close_input(&context);
        }
    }
    if (!d.read && m_deadline.hasExpired())
        d.failure = "no answer within " + QByteArray::number(m_deadlineMs) + " ms";

    const std::lock_guard<std::mutex> lock(gatherMutex);
    gathering = nullptr;
    return d;
}

#else // built without the media libraries: the encoder reads every file

MediaReader::MediaReader(int deadlineMs) : m_deadlineMs(deadlineMs) {}

bool MediaReader::available(QByteArray &reason)
{
    reason = "built without the media libraries";
    return false;
}

int MediaReader::interrupted(void *)
{
    return 0;
}

MediaDescription MediaReader::read(const QByteArray &)
{
    MediaDescription d;
    d.failure = "built without the media libraries";
    return d;
}

#endif
