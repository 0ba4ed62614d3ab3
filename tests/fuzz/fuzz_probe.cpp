// The probe report: whatever the encoder prints, the duration and the frame
// size are taken from the report's own text. The first line of the input is
// the source path, the rest the report.
#include "engine/probe.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lineEnd = input.indexOf(u'\n');
    const QString path = lineEnd < 0 ? QString() : input.left(lineEnd);
    const QString report = lineEnd < 0 ? input : input.mid(lineEnd + 1);
    const ProbeResult result = ParseProbeReport(report, path);
    FUZZ_CHECK(report.contains(result.duration));
    FUZZ_CHECK(result.frameSize.isEmpty() ||
               (result.frameSize.startsWith(u' ') && report.contains(result.frameSize.mid(1))));
    FUZZ_CHECK(!result.frameSize.contains(u'\n'));
    return 0;
}
