// The progress line: the position an encoder's chunk reports is a finite
// number, and a well-formed "time=" put at the end of any chunk is the one
// that counts. The remaining time of a run is never negative.
#include "engine/batchrun.h"
#include "fuzzsupport.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString chunk = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    double seconds = -7;
    if (BatchRun::ReportedTime(chunk, seconds))
        FUZZ_CHECK(std::isfinite(seconds));
    double last = -7;
    FUZZ_CHECK(
        BatchRun::ReportedTime(chunk + QStringLiteral(" time=00:01:07.50 bitrate=N/A"), last));
    FUZZ_CHECK(last == 67.5);

    const int elapsed = int(qHash(chunk) % 1000000);
    const int percent = int(size % 100) + 1;
    FUZZ_CHECK(BatchRun::EstimateRemaining(elapsed, percent) >= 0);
    return 0;
}
