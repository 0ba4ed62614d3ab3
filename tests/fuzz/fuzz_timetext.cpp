// Time texts: any text reads as -1 or a finite number of seconds, and the
// text of any number reads back to it (to the tenth it keeps). The input is
// read as a text, and its first eight bytes as a number too.
#include "engine/tasktext.h"
#include "fuzzsupport.h"

#include <cmath>
#include <cstring>

namespace {

void checkRoundTrip(double seconds)
{
    if (!std::isfinite(seconds) || std::fabs(seconds) > 1e300)
        return; // beyond what hours times 3600 can hold
    const double back = StrToSeconds(SecondsToStr(seconds));
    FUZZ_CHECK(std::fabs(back - seconds) <= 0.051 + 1e-12 * std::fabs(seconds));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double seconds = StrToSeconds(text);
    FUZZ_CHECK(seconds == -1.0 || std::isfinite(seconds));
    if (seconds != -1.0)
        checkRoundTrip(seconds);
    double decimal = 0;
    if (ReadDecimal(text, decimal))
        FUZZ_CHECK(std::isfinite(decimal));
    if (size >= sizeof(double)) {
        double number = 0;
        std::memcpy(&number, data, sizeof number);
        checkRoundTrip(number);
    }
    return 0;
}
