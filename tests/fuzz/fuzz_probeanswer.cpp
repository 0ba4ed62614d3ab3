// The media reader's lines as the program reads them: whatever the reader
// writes, a line is an answer, a failure or nonsense, never more; an answer
// reads back the same once written again, and every text survives its
// escaping.
#include "engine/probeprotocol.h"
#include "fuzzsupport.h"

#include <algorithm>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray line(reinterpret_cast<const char *>(data), qsizetype(size));
    const ProbeAnswer answer = ParseProbeAnswer(line);
    if (answer.kind == ProbeAnswer::Kind::Facts) {
        const MediaFacts &f = answer.facts;
        FUZZ_CHECK(f.seconds == -1 || (f.seconds >= 0 && std::isfinite(f.seconds)));
        const ProbeAnswer again = ParseProbeAnswer(FormatProbeAnswer(f));
        FUZZ_CHECK(again.kind == ProbeAnswer::Kind::Facts);
        const ProbeResults &a = f.texts;
        const ProbeResults &b = again.facts.texts;
        FUZZ_CHECK(a.duration == b.duration && a.frameSize == b.frameSize &&
                   a.rangeStart == b.rangeStart && a.rangeEnd == b.rangeEnd);
        FUZZ_CHECK(std::abs(again.facts.seconds - f.seconds) <=
                   1e-6 * std::max(1.0, std::abs(f.seconds)));
        FUZZ_CHECK(again.facts.video == f.video && again.facts.audio == f.audio);
    }
    const QByteArray escaped = EscapeProbeText(line);
    FUZZ_CHECK(!escaped.contains('\n') && !escaped.contains('\r') && !escaped.contains('\t'));
    QByteArray back;
    FUZZ_CHECK(UnescapeProbeText(escaped, back) && back == line);
    return 0;
}
