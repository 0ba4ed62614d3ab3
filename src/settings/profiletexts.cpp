#include "profiletexts.h"

#include <QCoreApplication>

namespace {

// Marks for the translators: the parameters and pick-list items of the
// shipped profiles, and the rows the grids show before a profile is loaded.
[[maybe_unused]] const char *const ProfileTexts[] = {
    QT_TRANSLATE_NOOP("ProfileText", "New Filename"),
    QT_TRANSLATE_NOOP("ProfileText", "Start Time"),
    QT_TRANSLATE_NOOP("ProfileText", "End Time"),
    QT_TRANSLATE_NOOP("ProfileText", "Video Codec"),
    QT_TRANSLATE_NOOP("ProfileText", "Video Size"),
    QT_TRANSLATE_NOOP("ProfileText", "Bit Rate"),
    QT_TRANSLATE_NOOP("ProfileText", "Frame Rate"),
    QT_TRANSLATE_NOOP("ProfileText", "Aspect"),
    QT_TRANSLATE_NOOP("ProfileText", "Disable Video"),
    QT_TRANSLATE_NOOP("ProfileText", "Audio Codec"),
    QT_TRANSLATE_NOOP("ProfileText", "Audio Bitrate"),
    QT_TRANSLATE_NOOP("ProfileText", "Sample Rate"),
    QT_TRANSLATE_NOOP("ProfileText", "Channels"),
    QT_TRANSLATE_NOOP("ProfileText", "Volumn"),
    QT_TRANSLATE_NOOP("ProfileText", "Disable Audio"),
    QT_TRANSLATE_NOOP("ProfileText", "Bit Exact Algorithms"),
    QT_TRANSLATE_NOOP("ProfileText", "Deinterlace"),
    QT_TRANSLATE_NOOP("ProfileText", "Format"),
    QT_TRANSLATE_NOOP("ProfileText", "Original Size"),
    QT_TRANSLATE_NOOP("ProfileText", "Custom Size"),
    QT_TRANSLATE_NOOP("ProfileText", "Original"),
    QT_TRANSLATE_NOOP("ProfileText", "Auto"),
    QT_TRANSLATE_NOOP("ProfileText", "Yes"),
    QT_TRANSLATE_NOOP("ProfileText", "No"),
    QT_TRANSLATE_NOOP("ProfileText", "Mono"),
    QT_TRANSLATE_NOOP("ProfileText", "Stereo"),
    QT_TRANSLATE_NOOP("ProfileText", "MS MPEG-4 V3"),
    QT_TRANSLATE_NOOP("ProfileText", "Windows Media Video 8"),
    QT_TRANSLATE_NOOP("ProfileText", "Windows Media Audio 2"),
    QT_TRANSLATE_NOOP("ProfileText", "MPEG-PS (DVD)"),
};

// The names of the shipped profiles (their file names).
[[maybe_unused]] const char *const ProfileNames[] = {
    QT_TRANSLATE_NOOP("ProfileName", "AVI MPEG-4 + MP3"),
    QT_TRANSLATE_NOOP("ProfileName", "MKV H.265 + AAC"),
    QT_TRANSLATE_NOOP("ProfileName", "MOV H.264 + AAC"),
    QT_TRANSLATE_NOOP("ProfileName", "MP3 Audio Only"),
    QT_TRANSLATE_NOOP("ProfileName", "MP4 H.264 + AAC"),
    QT_TRANSLATE_NOOP("ProfileName", "MP4 MPEG-4 + AAC"),
    QT_TRANSLATE_NOOP("ProfileName", "MPEG-2 DVD"),
    QT_TRANSLATE_NOOP("ProfileName", "WMV + WMA"),
    QT_TRANSLATE_NOOP("ProfileName", "WebM VP9 + Opus"),
};

} // namespace

QString DisplayProfileText(const QString &text)
{
    return text.isEmpty() ? text
                          : QCoreApplication::translate("ProfileText", text.toUtf8().constData());
}

QString DisplayProfileName(const QString &name)
{
    return name.isEmpty() ? name
                          : QCoreApplication::translate("ProfileName", name.toUtf8().constData());
}
